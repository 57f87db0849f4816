#pragma once

#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>

namespace zorna {

// "Статистика успішності": every player's solved and failed tasks in the seven
// categories. The board fills it and is enabled again when it closes.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsWindow(std::function<void()> onClosed);

    static const std::array<QString, 7>& categoryTitles();

    // The count of answers: kind 1 correct, kind 2 incorrect.
    void setCount(int player, int category, int kind, int value);
    // The name of player 1..3 over the player's column.
    void setPlayerName(int player, const QString& name);

    QLabel* countLabel(int player, int category, int kind) const;
    QLabel* nameLabel(int player) const { return nameLabels_[player - 1]; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* label(const QString& text, int l, int t, int w, int h, const QFont& font, const QColor& colour,
                  Qt::Alignment align);
    // Sets up a label made by the caller (a name label that fits its text).
    QLabel* label(QLabel* lab, const QString& text, int l, int t, int w, int h, const QFont& font,
                  const QColor& colour, Qt::Alignment align);

    std::function<void()> onClosed_;
    std::array<std::array<std::array<QLabel*, 2>, 7>, 3> counts_{};
    std::array<QLabel*, 3> nameLabels_{};
};

} // namespace zorna
