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

// A picture box: a background colour, a picture drawn unscaled from the top
// left corner and an optional one-pixel border. Unlike a label it draws its
// picture in full colour also while the window is disabled, as the assembly
// window is during its preview.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, QColor background = Qt::transparent, bool border = false);
    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }
    void clear() { setPixmap(QPixmap()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
    QColor background_;
    bool border_;
};

// Renders a picture stored with the puzzle windows at its size.
QPixmap puzzlePicture(const QString& name, QSize size);

} // namespace zorna
