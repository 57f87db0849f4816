#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

namespace zorna {

// Texts are made smaller to fit their boxes, but never below this size.
inline constexpr double kMinReadablePoints = 8;

// Where a word-wrapped label's text does not fit its box at the size the window
// gives (a long question, a wider face), the point size is lowered in half-point
// steps, not below kMinReadablePoints, until the whole text fits.
void shrinkToFit(QLabel* label);

// One line of text as it fits a box: the font made smaller in half-point steps
// down to kMinReadablePoints until the whole text fits; if it still does not,
// the end of the text is replaced by "…", so its start always shows.
struct FittedLine {
    QFont font;
    QString text;
};
FittedLine fitLine(const QString& text, const QFont& font, QSize box);

// A one-line label for a name: it draws its whole text when it fits and
// otherwise the line fitLine() makes of it. text() and font() stay as set, so
// other windows read the full name. The text is always plain.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    explicit FitLabel(QWidget* parent);

    // What the label draws now.
    FittedLine shownLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorna
