#include "stats/finish_window.h"

#include "platform/geometry.h"
#include "platform/text_fit.h"

#include "stats/svg_picture.h"
#include <QCloseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace zorna {

FinishWindow::FinishWindow(std::function<void()> onClosed)
    : onClosed_(std::move(onClosed)),
      background_(new QSvgRenderer(QStringLiteral(":/stats/fireworks.svg"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Фініш"));
    setClientSizeTw(this, 8220, 6135);

    name_ = new FitLabel(this);
    name_->setObjectName(QStringLiteral("winName"));
    // The name exactly as typed, never read as markup.
    name_->setTextFormat(Qt::PlainText);
    placeTw(name_, 120, 480, 7935, 1215);
    name_->setAlignment(Qt::AlignCenter);
    name_->setFont(gameFont(QStringLiteral("Times New Roman"), 48, true));
    QPalette p = name_->palette();
    p.setColor(QPalette::WindowText, QColor(192, 0, 192));
    name_->setPalette(p);

    banner_ = new SvgPicture(QStringLiteral(":/stats/banner.svg"), this);
    banner_->setObjectName(QStringLiteral("Image2"));
    placeTw(banner_, 1320, 1800, 5655, 870);

    struct Box {
        int l, t, w, h;
    };
    static constexpr Box kPlaces[3] = {
        {3120, 3120, 1695, 2115}, {2520, 1920, 2715, 3390}, {2520, 1920, 2715, 3390}};
    for (int i = 0; i < 3; ++i) {
        auto* m = new SvgPicture(QStringLiteral(":/stats/place%1.svg").arg(i + 1), this);
        m->setObjectName(QStringLiteral("Misse%1").arg(i + 1));
        placeTw(m, kPlaces[i].l, kPlaces[i].t, kPlaces[i].w, kPlaces[i].h);
        m->hide();
        placePictures_[i] = m;
    }
    banner_->hide();
}

void FinishWindow::showPlace(const QString& name, int place) {
    name_->setText(name);
    banner_->hide();
    for (SvgPicture* m : placePictures_)
        m->hide();
    if (place == 1)
        banner_->show();
    if (place >= 1 && place <= 3)
        placePictures_[place - 1]->show();
}

void FinishWindow::paintEvent(QPaintEvent*) {
    // The 547 x 623 picture from the top-left corner; the window shows its top.
    QPainter p(this);
    background_->render(&p, QRectF(0, 0, 547, 623));
}

void FinishWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClosed_)
        onClosed_();
}

} // namespace zorna
