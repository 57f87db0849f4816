#include "single_choice_draw.h"

#include "common/emoji.h"
#include "common/picture_writer.h"
#include "platform/geometry.h"
#include "rules/picture_names.h"

namespace zorna::assets::sc {

Layout layoutOf(const SingleChoiceRow& row) {
    Layout l;
    l.size = QSize(tw(row.picture.width), tw(row.picture.height));
    l.regionCount = row.regionCount;
    for (int i = 0; i < row.regionCount; ++i) {
        const TwipsRect& r = row.regions[std::size_t(i)];
        l.regions[std::size_t(i)] = twRect(r.left, r.top, r.width, r.height);
    }
    const int cell = tw(kCell);
    int leftmostTop = l.size.width();
    int rightmostTop = 0;
    int lowestTop = l.size.height();
    for (int i = 0; i < row.regionCount; ++i) {
        const QRect& r = l.regions[std::size_t(i)];
        lowestTop = std::min(lowestTop, r.top());
        if (r.top() < cell / 2) {
            leftmostTop = std::min(leftmostTop, r.left());
            rightmostTop = std::max(rightmostTop, r.left() + r.width());
        }
    }
    switch (row.task.windowNumber) {
    case 3:
    case 12: // a pattern row over the row of candidates
        l.main = QRect(0, 0, l.size.width(), lowestTop - 6);
        break;
    case 18: // the top-right cell
        l.main = QRect(rightmostTop + 8, 0, l.size.width() - rightmostTop - 8, cell);
        break;
    case 2:
    case 4:
    case 14:
    case 15:
    case 17: // the top-left cell, as large as a candidate's
        l.main = QRect(0, 0, cell, cell);
        break;
    default: // the top-left and top-middle cells
        l.main = QRect(0, 0, leftmostTop - 8, cell);
        break;
    }
    return l;
}

void PictureJob::fail(const QString& why) const {
    w.fail(QStringLiteral("%1: %2").arg(rules::taskPicture(row.task.windowNumber, picture), why));
}

void PictureJob::drawEmoji(const QRectF& box, const QString& emoji) const {
    if (!assets::drawEmoji(p, box, emoji))
        fail(QStringLiteral("the colour emoji font cannot draw %1").arg(emoji));
}

void drawCandidateCell(QPainter& p, const QRect& cell) {
    p.save();
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.setBrush(QColor(250, 250, 246));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    p.restore();
}

void drawFrame(QPainter& p, const QRect& r, const QColor& colour, int width) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const int h = width / 2;
    p.drawRect(r.adjusted(h, h, -h - 1, -h - 1));
    p.restore();
}

void writeSingleChoicePictures(AssetWriter& w, int windowNumber, Drawer drawer) {
    const SingleChoiceRow* found = nullptr;
    for (const SingleChoiceRow& row : kSingleChoiceRows)
        if (row.task.windowNumber == windowNumber)
            found = &row;
    if (!found) {
        w.fail(QStringLiteral("kletka%1 is not in the single-choice table").arg(windowNumber));
        return;
    }
    const SingleChoiceRow& row = *found;
    const Layout layout = layoutOf(row);
    ContactSheet sheet(
        w, rules::taskFolder(windowNumber),
        QStringLiteral("%1: %2").arg(rules::taskFolder(windowNumber), QString::fromUtf8(row.instruction)));
    for (int n = 1; n <= kSingleChoicePictures; ++n) {
        const int answer = row.answers[std::size_t(n - 1)];
        // Every picture is drawn from its own seed, so the source for screens
        // of double density shows the same picture at twice the size.
        const auto draw = [&](int scale) {
            ScaledPainting painting(layout.size, scale);
            PictureJob job{row, n, answer, layout, painting.painter(), w};
            drawer(job);
            return painting.finish();
        };
        writePicture(w, rules::taskPicture(windowNumber, n), draw,
                     {.sheet = &sheet,
                      .caption = QStringLiteral("%1.jpg: right region %2").arg(n).arg(answer),
                      .outline = layout.region(answer)});
    }
}

} // namespace zorna::assets::sc
