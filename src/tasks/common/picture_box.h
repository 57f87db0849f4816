#pragma once

#include "platform/pictures.h"
#include "tasks/common/left_click.h"

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace zorna {

// A picture box: shows a picture unscaled from its top-left corner on its
// background (the palette's window colour unless a colour is given; a
// transparent one draws none), with an optional one-pixel frame, and reports
// presses, clicks and movements. Unlike a label it draws its picture in full
// colour also while the window takes no input.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, const QColor& background = QColor());

    // Shows the picture file; an empty path clears the box to its background.
    void showPicture(const QString& path);
    // The same for a large picture (the board's map): it is read on another
    // core while the window is built, and the box's first frame waits for it.
    void showPictureReadAhead(const QString& path);
    // Shows a picture stored with the window.
    void setPixmapPicture(const QPixmap& picture);
    void clear() { setPixmapPicture(QPixmap()); }
    // A thin frame drawn over the box's edge, so that neighbouring boxes show
    // as separate cells; none by default.
    void setFrameColour(const QColor& colour) { setFrame(colour, 1); }
    // A frame of the given width (a wider one marks a chosen cell).
    void setFrame(const QColor& colour, int width);
    const QColor& frameColour() const { return frame_; }

    // The file shown; empty while the box is blank.
    const QString& picturePath() const { return path_; }
    const QPixmap& picture() const;

signals:
    // Any mouse button pressed on the box (MouseDown).
    void pressed(QPoint pos);
    // A left-button press and release inside the box (Click).
    void clicked();
    void moved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // The picture looks the same whether the box takes clicks or not.
    void paintEvent(QPaintEvent* event) override;

private:
    LeftClick click_;
    mutable std::unique_ptr<PictureReadAhead> readAhead_; // until the picture is asked for
    mutable QPixmap picture_;
    QString path_;
    QColor background_;
    QColor frame_;
    int frameWidth_ = 1;
};

} // namespace zorna
