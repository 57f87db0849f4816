// kletka5: five numbered objects, four of one group; the odd one stands at the
// number of the answer table.
#include "choice_draw.h"
#include "common/emoji.h"

#include "tasks/choice/choice_data.h"

#include <array>

namespace zorna::assets::choice {

using namespace zorna::choice;

namespace {

struct OddPicture {
    const char* group; // what the four have in common
    const char* odd;   // why the fifth does not belong
    std::array<const char*, 4> members;
    const char* outsider;
};

// In picture order; the outsider goes to the number of the answer table.
const std::array<OddPicture, 11> kOddPictures{{
    {"фрукти", "морква - овоч", {"🍎", "🍐", "🍌", "🍇"}, "🥕"},
    {"їздять по землі", "літак літає", {"🚗", "🚌", "🚚", "🚜"}, "✈️"},
    {"свійські тварини", "лев - дикий", {"🐄", "🐖", "🐑", "🐐"}, "🦁"},
    {"музичні інструменти", "молоток - інструмент майстра", {"🎸", "🎻", "🥁", "🎺"}, "🔨"},
    {"одяг", "кавун - їжа", {"👕", "👖", "🧦", "🧥"}, "🍉"},
    {"посуд і прибори", "м'яч - іграшка", {"🥄", "🍴", "🍳", "🫖"}, "⚽"},
    {"комахи, що літають", "рибка - не комаха", {"🐝", "🦋", "🐞", "🦟"}, "🐟"},
    {"овочі", "вишня - ягода", {"🥕", "🥔", "🧅", "🥒"}, "🍒"},
    {"живуть у морі", "верблюд живе в пустелі", {"🐙", "🐠", "🦀", "🐬"}, "🐫"},
    {"шкільне приладдя", "піца - їжа", {"✏️", "📏", "📚", "🎒"}, "🍕"},
    {"м'ячі", "апельсин - фрукт", {"⚽", "🏀", "🏐", "⚾"}, "🍊"},
}};

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

void generateOddPictures(AssetWriter& w) {
    const QSize size = boxSize(kOddPictureTwips.width, kOddPictureTwips.height);
    QList<QImage> sheet;
    QStringList captions;
    QList<QRect> outlines;
    for (int n = 1; n <= kOddPictureCount; ++n) {
        const OddPicture& plan = kOddPictures[n - 1];
        const int odd = kOddAnswers[n - 1];
        // scale 2 gives the source for screens of double density.
        const auto draw = [&](int scale) {
            QImage picture = canvas(size.width() * scale, size.height() * scale, QColor(250, 248, 236));
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.scale(scale, scale);
            int member = 0;
            for (int i = 1; i <= int(kOddButtonTwips.size()); ++i) {
                const char* e = i == odd ? plan.outsider : plan.members[member++];
                const QString glyph = QString::fromUtf8(e);
                if (scale == 1 && emojiImage(glyph).isNull())
                    w.fail(QStringLiteral("kletka5/%1: no emoji %2").arg(n).arg(glyph));
                const QRect box = objectBox(i, size);
                drawEmoji(p, box.adjusted(10, 10, -10, -10), glyph);
                // The number in a circle at the upper left of the object.
                const QRect badge(box.left() - 14, box.top() - 10, 26, 26);
                p.setPen(QPen(QColor(0, 0, 128), 2));
                p.setBrush(Qt::white);
                p.drawEllipse(badge);
                drawLabel(p, QString::number(i), badge, 17, QColor(0, 0, 128));
            }
            p.end();
            return picture;
        };
        const QImage image = draw(1);
        w.jpeg(QStringLiteral("kletka5/%1.jpg").arg(n), image, 95);
        w.jpeg(QStringLiteral("kletka5/%1@2x.jpg").arg(n), draw(2), 95);
        sheet << image;
        captions << QStringLiteral("%1: odd %2 (%3; %4)")
                        .arg(n)
                        .arg(odd)
                        .arg(QString::fromUtf8(plan.group), QString::fromUtf8(plan.odd));
        outlines << objectBox(odd, size);
    }
    w.contactSheet(QStringLiteral("kletka5"), QString::fromUtf8(kOddInstruction), sheet, captions, outlines);
}

} // namespace zorna::assets::choice
