#pragma once

#include <QLabel>

namespace zorna {

// A label (transparent, coloured or showing a picture) that reports a click:
// a left-button press and release both inside it. `index` is its place in its
// control array.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(int index, QWidget* parent);
    int index() const { return index_; }

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool pressed_ = false;
};

} // namespace zorna
