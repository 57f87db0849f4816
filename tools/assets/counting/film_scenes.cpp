#include "counting/film_scenes.h"

#include "common/picture_writer.h"
#include "rules/picture_names.h"

namespace zorna::assets::film {

void sky(QPainter& p, QColor top, QColor ground, int horizon) {
    p.fillRect(0, 0, kW, horizon, top);
    p.fillRect(0, horizon, kW, kH - horizon, ground);
}

void room(QPainter& p, QColor wall, QColor table) {
    p.fillRect(0, 0, kW, kH, wall);
    p.fillRect(0, 86, kW, kH - 86, table);
    p.fillRect(0, 86, kW, 4, table.darker(130));
}

void outlinePen(QPainter& p, double width) {
    p.setPen(QPen(QColor(50, 40, 30), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void writeFilmStories(AssetWriter& w, int windowNumber, const std::vector<Story>& stories) {
    if (int(stories.size()) != kFilmStories)
        w.fail(QStringLiteral("kletka%1: %2 stories instead of %3")
                   .arg(windowNumber)
                   .arg(stories.size())
                   .arg(kFilmStories));
    ContactSheet sheet(
        w, rules::taskFolder(windowNumber),
        QStringLiteral("kletka%1: film stories, frames in story order left to right").arg(windowNumber));
    for (int n = 1; n <= int(stories.size()); ++n) {
        const Draw& drawStory = stories[std::size_t(n - 1)].draw;
        for (int f = 1; f <= kFilmFrames; ++f) {
            const auto draw = [&](int scale) {
                ScaledPainting painting(QSize(kW, kH), scale);
                QPainter& p = painting.painter();
                drawStory(p, f - 1);
                p.setPen(QPen(QColor(40, 40, 40), 1));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
                return painting.finish();
            };
            writePicture(w, rules::taskFile(windowNumber, QStringLiteral("%1/%2.jpg").arg(n).arg(f)), draw,
                         {.jpegQuality = 94,
                          .sheet = &sheet,
                          .caption = QStringLiteral("%1 %2.%3")
                                         .arg(QString::fromLatin1(stories[std::size_t(n - 1)].name))
                                         .arg(n)
                                         .arg(f)});
        }
    }
}

} // namespace zorna::assets::film
