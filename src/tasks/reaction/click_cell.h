#pragma once

#include <QLabel>

namespace zorna {

// A picture box that reports a click (press and release on it) with its index.
class ClickCell : public QLabel {
    Q_OBJECT
public:
    ClickCell(int index, QWidget* parent);
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
