#include "choice_draw.h"

#include "common/picture_writer.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"
#include "tasks/choice/choice_data.h"

#include <QFont>

namespace zorna::assets::choice {

void drawLabel(QPainter& p, const QString& text, const QRect& box, int pixelSize, const QColor& colour) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QSize boxSize(int widthTwips, int heightTwips) {
    return QSize(tw(widthTwips), tw(heightTwips));
}
QRect boxRect(int left, int top, int width, int height) {
    return twRect(left, top, width, height);
}

double imageDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += qAbs(qRed(p[col]) - qRed(q[col])) + qAbs(qGreen(p[col]) - qGreen(q[col])) +
                   qAbs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

QRect pairRegionRect(int index) {
    const auto& r = zorna::choice::kPairRegionTwips[index - 1];
    return boxRect(r.left, r.top, r.width, r.height);
}

void drawPairCell(QPainter& p, const QRect& cell) {
    p.setPen(QPen(QColor(150, 150, 170), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

QImage outlinePair(QImage image, int a, int b) {
    QPainter p(&image);
    p.setPen(QPen(Qt::red, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pairRegionRect(a).adjusted(1, 1, -2, -2));
    p.drawRect(pairRegionRect(b).adjusted(1, 1, -2, -2));
    return image;
}

QImage paintPairCells(const QSize& size, int scale, const QColor& background,
                      const std::function<void(QPainter&, int region, const QRect& cell)>& drawCell) {
    ScaledPainting painting(size, scale, background);
    for (int i = 1; i <= zorna::choice::kPairRegions; ++i) {
        const QRect cell = pairRegionRect(i);
        drawPairCell(painting.painter(), cell);
        drawCell(painting.painter(), i, cell);
    }
    return painting.finish();
}

PairChoiceWindow::PairChoiceWindow(AssetWriter& w, int windowNumber)
    : w_(w), windowNumber_(windowNumber), row_(*zorna::choice::pairChoiceRow(windowNumber)),
      size_(boxSize(row_.picture.width, row_.picture.height)),
      sheet_(w, rules::taskFolder(windowNumber), QString::fromUtf8(row_.instruction)) {}

QImage PairChoiceWindow::write(int n, const DrawPicture& draw, const QString& caption, int jpegQuality) {
    const auto pair = row_.answers[std::size_t(n - 1)];
    const QImage image =
        writePicture(w_, rules::taskPicture(windowNumber_, n), draw, {.jpegQuality = jpegQuality});
    sheet_.add(outlinePair(image, pair.first, pair.second), caption);
    return image;
}

void forEveryTwoRegions(int first, int second, const std::function<void(int i, int j, bool isPair)>& check) {
    for (int i = 1; i <= zorna::choice::kPairRegions; ++i)
        for (int j = i + 1; j <= zorna::choice::kPairRegions; ++j)
            check(i, j, (i == first && j == second) || (i == second && j == first));
}

} // namespace zorna::assets::choice
