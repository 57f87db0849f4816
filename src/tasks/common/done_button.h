#pragma once

#include "tasks/common/left_click.h"

#include <QLabel>

namespace zorna {

// The done button: a small green figure holding a sign with the word
// "Готово", drawn from the picture stored with the windows, with its own hand
// cursor. Sizes: 62 x 62, or 83 x 96 in the film-frame windows.
class DoneButton : public QLabel {
    Q_OBJECT
public:
    explicit DoneButton(QWidget* parent, QSize size = QSize(62, 62));

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
