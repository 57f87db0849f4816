#include "tasks/common/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace zorna {

PictureBox::PictureBox(QWidget* parent, const QColor& background)
    : QWidget(parent), background_(background) {}

void PictureBox::showPicture(const QString& path) {
    path_ = path;
    readAhead_.reset();
    picture_ = loadPicture(path, devicePixelRatioF());
    update();
}

void PictureBox::showPictureReadAhead(const QString& path) {
    path_ = path;
    picture_ = QPixmap();
    readAhead_ = std::make_unique<PictureReadAhead>(path, devicePixelRatioF());
    update();
}

void PictureBox::setPixmapPicture(const QPixmap& picture) {
    path_.clear();
    readAhead_.reset();
    picture_ = picture;
    update();
}

const QPixmap& PictureBox::picture() const {
    if (readAhead_) {
        picture_ = readAhead_->take();
        readAhead_.reset();
    }
    return picture_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QPixmap& shown = picture();
    QPainter painter(this);
    const QColor fill = background_.isValid() ? background_ : palette().color(QPalette::Window);
    if (fill.alpha() > 0)
        painter.fillRect(rect(), fill);
    if (!shown.isNull())
        painter.drawPixmap(0, 0, shown);
    if (frame_.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(frame_);
        const QRegion ring =
            QRegion(rect()) - QRegion(rect().adjusted(frameWidth_, frameWidth_, -frameWidth_, -frameWidth_));
        painter.setClipRegion(ring);
        painter.drawRect(rect());
    }
}

void PictureBox::setFrame(const QColor& colour, int width) {
    frame_ = colour;
    frameWidth_ = width;
    update();
}

// A press reacts to every button; a click only to the left one.
void PictureBox::mousePressEvent(QMouseEvent* event) {
    click_.press(*event);
    emit pressed(event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.release(*this, *event))
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent*) {
    emit moved();
}

} // namespace zorna
