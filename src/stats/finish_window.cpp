#include "stats/finish_window.h"

#include "platform/geometry.h"
#include "platform/pictures.h"
#include "platform/text_fit.h"
#include "rules/drawings.h"

#include <QCloseEvent>
#include <QPainter>

namespace zorna {

namespace {

// A picture control showing a drawing at its size, the window seen through
// its transparent parts.
QLabel* drawingLabel(const ProgramFolder& folder, const rules::Drawing& drawing, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setPixmap(loadDrawing(folder, drawing));
    return label;
}

} // namespace

FinishWindow::FinishWindow(const ProgramFolder& folder, std::function<void()> onClosed)
    : onClosed_(std::move(onClosed)), fireworks_(loadDrawing(folder, rules::drawings::kFireworks)) {
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

    banner_ = drawingLabel(folder, rules::drawings::kBanner, this);
    banner_->setObjectName(QStringLiteral("Image2"));
    banner_->setGeometry(QRect(QPoint(tw(1320), tw(1800)), rules::drawings::kBanner.size()));

    // Top-left corners in twips; the sizes are the drawings'.
    static constexpr QPoint kPlaceCorners[3] = {{3120, 3120}, {2520, 1920}, {2520, 1920}};
    for (int i = 0; i < 3; ++i) {
        const rules::Drawing& drawing = rules::drawings::kPlaces[i];
        QLabel* m = drawingLabel(folder, drawing, this);
        m->setObjectName(QStringLiteral("Misse%1").arg(i + 1));
        m->setGeometry(QRect(QPoint(tw(kPlaceCorners[i].x()), tw(kPlaceCorners[i].y())), drawing.size()));
        m->hide();
        placePictures_[i] = m;
    }
    banner_->hide();
}

void FinishWindow::showPlace(const QString& name, int place) {
    name_->setText(name);
    banner_->hide();
    for (QLabel* m : placePictures_)
        m->hide();
    if (place == 1)
        banner_->show();
    if (place >= 1 && place <= 3)
        placePictures_[place - 1]->show();
}

void FinishWindow::paintEvent(QPaintEvent*) {
    // The fireworks from the top-left corner; the window shows their top.
    QPainter(this).drawPixmap(0, 0, fireworks_);
}

void FinishWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClosed_)
        onClosed_();
}

} // namespace zorna
