// kletka5: five numbered objects, four of one group; the odd one stands at the
// number of the answer table.
#include "choice/choice_draw.h"
#include "choice/kletka5_data.h"
#include "common/emoji.h"
#include "common/picture_writer.h"
#include "generators.h"
#include "rules/picture_names.h"

#include "tasks/choice/choice_data.h"

#include <array>

namespace zorna::assets::choice {

using namespace zorna::choice;

namespace {

using namespace kletka5;

// Object i (1..5): three on the top row, two below.
QRect objectBox(int i, const QSize& size) {
    const int cell = 92;
    if (i <= 3) {
        const int gap = (size.width() - 3 * cell) / 4;
        return QRect(gap + (i - 1) * (cell + gap), 18, cell, cell);
    }
    const int gap = (size.width() - 2 * cell) / 3;
    return QRect(gap + (i - 4) * (cell + gap), 150, cell, cell);
}

} // namespace

void generateKletka5(AssetWriter& w) {
    const QSize size = boxSize(kOddPictureTwips.width, kOddPictureTwips.height);
    ContactSheet sheet(w, rules::taskFolder(5), QString::fromUtf8(kOddInstruction));
    for (int n = 1; n <= kOddPictureCount; ++n) {
        const OddPicture& plan = kOddPictures[n - 1];
        const int odd = kOddAnswers[n - 1];
        // scale 2 gives the source for screens of double density.
        const auto draw = [&](int scale) {
            ScaledPainting painting(size, scale, kBackground);
            QPainter& p = painting.painter();
            int member = 0;
            for (int i = 1; i <= int(kOddButtonCorners.size()); ++i) {
                const char* e = i == odd ? plan.outsider : plan.members[member++];
                const QString glyph = QString::fromUtf8(e);
                if (scale == 1 && emojiImage(glyph).isNull())
                    w.fail(QStringLiteral("kletka5/%1: no emoji %2").arg(n).arg(glyph));
                const QRect box = objectBox(i, size);
                drawEmoji(p, box.adjusted(10, 10, -10, -10), glyph);
                // The number in a circle at the upper left of the object.
                const QRect badge(box.left() - 14, box.top() - 10, 26, 26);
                p.setPen(QPen(kBadge, 2));
                p.setBrush(Qt::white);
                p.drawEllipse(badge);
                drawLabel(p, QString::number(i), badge, 17, kBadge);
            }
            return painting.finish();
        };
        writePicture(w, rules::taskPicture(5, n), draw,
                     {.jpegQuality = 95,
                      .sheet = &sheet,
                      .caption = QStringLiteral("%1: odd %2 (%3; %4)")
                                     .arg(n)
                                     .arg(odd)
                                     .arg(QString::fromUtf8(plan.group), QString::fromUtf8(plan.odd)),
                      .outline = objectBox(odd, size)});
    }
}

} // namespace zorna::assets::choice
