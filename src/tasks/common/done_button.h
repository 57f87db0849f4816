#pragma once

#include "rules/drawings.h"
#include "tasks/common/left_click.h"

#include <QLabel>

namespace zorna {

class ProgramFolder;

// The done button: a small green figure holding a sign with the word
// "Готово", one of the program folder's drawings (rules::drawings::kDone, or
// kFilmDone in the film-frame windows), with its own hand cursor.
class DoneButton : public QLabel {
    Q_OBJECT
public:
    DoneButton(const ProgramFolder& folder, QWidget* parent,
               const rules::Drawing& drawing = rules::drawings::kDone);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The figure keeps its colours while the window takes no input.
    void paintEvent(QPaintEvent* event) override;

private:
    LeftClick click_;
};

} // namespace zorna
