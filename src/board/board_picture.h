#pragma once

#include <QPixmap>
#include <QWidget>

namespace zorna {

// A picture drawn from the control's top-left corner; unlike a label it looks
// the same while its window is disabled (the board is disabled while a task,
// the statistics or the finish window is open).
class BoardPicture : public QWidget {
    Q_OBJECT
public:
    explicit BoardPicture(QWidget* parent);
    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
};

} // namespace zorna
