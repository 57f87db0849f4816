// kletka10: six objects a pupil names at a glance; the names of exactly two
// are made of the same letters.
#include "choice/choice_draw.h"
#include "choice/kletka10_data.h"
#include "common/emoji.h"
#include "common/picture_pixels.h"
#include "common/picture_writer.h"
#include "generators.h"
#include "rules/picture_names.h"

#include "tasks/choice/choice_data.h"

#include <QPainterPath>

#include <algorithm>
#include <functional>
#include <vector>

namespace zorna::assets::choice {

using zorna::choice::kPairRegions;

namespace {

using namespace kletka10;

// ---- kletka10: objects a pupil names at a glance ----------------------------

using Drawer = std::function<void(QPainter&, const QRectF&)>;

struct NamedObject {
    const char* name;  // the word the pupil is meant to think of
    const char* emoji; // or nullptr when drawn
    Drawer draw;
};

// A postage stamp: perforated edge, a small picture, a value.
void drawStamp(QPainter& p, const QRectF& box) {
    const QRectF s(box.center().x() - 40, box.center().y() - 48, 80, 96);
    // The paper with a grey edge, then the holes of the perforation bitten out of it.
    p.setPen(QPen(QColor(130, 130, 130), 1.5));
    p.setBrush(QColor(252, 250, 240));
    p.drawRect(s);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (double x = s.left() + 5; x < s.right() - 2; x += 8) {
        p.drawEllipse(QPointF(x, s.top()), 3, 3);
        p.drawEllipse(QPointF(x, s.bottom()), 3, 3);
    }
    for (double y = s.top() + 5; y < s.bottom() - 2; y += 8) {
        p.drawEllipse(QPointF(s.left(), y), 3, 3);
        p.drawEllipse(QPointF(s.right(), y), 3, 3);
    }
    p.setPen(QPen(QColor(120, 120, 120), 0.8, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(s.adjusted(2, 2, -2, -2));
    const QRectF pic = s.adjusted(8, 8, -8, -22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 200, 240));
    p.drawRect(pic);
    p.setBrush(QColor(70, 150, 70));
    QPainterPath hill;
    hill.moveTo(pic.bottomLeft());
    hill.quadTo(pic.center().x(), pic.top() + 18, pic.right(), pic.bottom());
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(pic.right() - 12, pic.top() + 11), 6, 6);
    drawLabel(p, QStringLiteral("5"), QRect(int(s.left()), int(s.bottom() - 22), int(s.width()), 20), 13,
              QColor(170, 30, 30));
}

// An empty picture frame with a gilded moulding.
void drawFrame(QPainter& p, const QRectF& box) {
    const QRectF outer(box.center().x() - 46, box.center().y() - 38, 92, 76);
    p.setPen(QPen(QColor(120, 80, 10), 1.5));
    p.setBrush(QColor(214, 160, 40));
    p.drawRect(outer);
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(outer.adjusted(6, 6, -6, -6));
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(outer.adjusted(13, 13, -13, -13));
    p.setPen(QPen(QColor(150, 100, 20), 1));
    p.drawLine(outer.topLeft(), outer.topLeft() + QPointF(13, 13));
    p.drawLine(outer.topRight(), outer.topRight() + QPointF(-13, 13));
    p.drawLine(outer.bottomLeft(), outer.bottomLeft() + QPointF(13, -13));
    p.drawLine(outer.bottomRight(), outer.bottomRight() + QPointF(-13, -13));
    p.setBrush(QColor(200, 140, 30));
    for (const QPointF& c : {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()})
        p.drawEllipse(c, 5, 5);
}

// A fairy-tale coach: rounded golden body, window, door, crown, two wheels.
void drawCoach(QPainter& p, const QRectF& box) {
    const double cx = box.center().x();
    const double cy = box.center().y();
    p.setPen(QPen(QColor(110, 70, 10), 1.5));
    p.setBrush(QColor(230, 180, 40));
    QPainterPath body;
    body.moveTo(cx - 42, cy + 14);
    body.cubicTo(cx - 48, cy - 30, cx - 20, cy - 38, cx, cy - 38);
    body.cubicTo(cx + 20, cy - 38, cx + 48, cy - 30, cx + 42, cy + 14);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(170, 220, 250));
    p.drawRoundedRect(QRectF(cx - 30, cy - 24, 22, 22), 6, 6);
    p.drawRoundedRect(QRectF(cx + 8, cy - 24, 22, 22), 6, 6);
    p.setBrush(QColor(200, 60, 60));
    p.drawRect(QRectF(cx - 6, cy - 22, 12, 34));
    // crown
    p.setBrush(QColor(255, 215, 0));
    const QPointF crown[] = {{cx - 12, cy - 38}, {cx - 12, cy - 52}, {cx - 6, cy - 44}, {cx, cy - 54},
                             {cx + 6, cy - 44},  {cx + 12, cy - 52}, {cx + 12, cy - 38}};
    p.drawPolygon(crown, 7);
    // axle and wheels
    p.setPen(QPen(QColor(90, 60, 20), 3));
    p.drawLine(QPointF(cx - 44, cy + 18), QPointF(cx + 44, cy + 18));
    for (double wx : {cx - 30, cx + 30}) {
        p.setPen(QPen(QColor(90, 50, 10), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(wx, cy + 30), 16, 16);
        p.setPen(QPen(QColor(90, 50, 10), 1.5));
        for (int a = 0; a < 8; ++a) {
            const double r = a * M_PI / 4;
            p.drawLine(QPointF(wx, cy + 30), QPointF(wx + 16 * std::cos(r), cy + 30 + 16 * std::sin(r)));
        }
    }
}

// A pine: a tall orange trunk with a few branches, tufts of long needles and
// brown cones, so it reads as "сосна" and not as just a tree.
void drawPineNeedles(QPainter& p, const QPointF& centre, double radius, Seeded& r) {
    p.setPen(QPen(QColor(25, 95, 45), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 26; ++i) {
        const double angle = i * 2 * M_PI / 26;
        const double wobble = r.unit() * 0.3;
        const double length = radius * (0.7 + 0.3 * std::abs(std::sin(angle * 1.5)));
        p.drawLine(centre, centre + QPointF(length * std::cos(angle + wobble),
                                            0.7 * length * std::sin(angle + wobble)));
    }
}

void drawPineCone(QPainter& p, const QPointF& top) {
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(150, 90, 40));
    p.drawEllipse(QRectF(top.x() - 5, top.y(), 10, 16));
    for (int k = 1; k <= 3; ++k)
        p.drawLine(QPointF(top.x() - 4, top.y() + 4 * k), QPointF(top.x() + 4, top.y() + 4 * k - 2));
}

void drawPine(QPainter& p, const QRectF& box) {
    const double cx = box.center().x();
    const double top = box.top() + 4;
    const double bottom = box.bottom() - 4;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 105, 50));
    QPainterPath trunk;
    trunk.moveTo(cx - 6, bottom);
    trunk.lineTo(cx - 3, top + 18);
    trunk.lineTo(cx + 3, top + 18);
    trunk.lineTo(cx + 6, bottom);
    trunk.closeSubpath();
    p.drawPath(trunk);
    p.setPen(QPen(QColor(160, 85, 40), 3));
    p.drawLine(QPointF(cx, top + 52), QPointF(cx - 30, top + 40));
    p.drawLine(QPointF(cx, top + 40), QPointF(cx + 30, top + 30));
    p.drawLine(QPointF(cx, top + 24), QPointF(cx - 22, top + 16));
    Seeded r(51);
    const QPointF tufts[] = {{cx - 32, top + 38}, {cx + 32, top + 28}, {cx - 22, top + 14},
                             {cx + 14, top + 10}, {cx, top + 22},      {cx - 8, top + 6}};
    for (const QPointF& t : tufts)
        drawPineNeedles(p, t, 17, r);
    drawPineCone(p, QPointF(cx - 30, top + 42));
    drawPineCone(p, QPointF(cx + 28, top + 32));
    drawPineCone(p, QPointF(cx + 12, top + 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 160, 60));
    p.drawRect(QRectF(box.left() + 10, bottom - 2, box.width() - 20, 4));
}

// A floor pump: a cylinder on a foot, a T-handle and a hose with a nozzle.
void drawPump(QPainter& p, const QRectF& box) {
    const double cx = box.center().x() - 8;
    const double top = box.top() + 10;
    const double bottom = box.bottom() - 10;
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(cx - 2, top + 6, 4, 20)); // rod
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(cx - 26, top, 52, 9), 4, 4); // handle
    p.setBrush(QColor(210, 40, 40));
    p.drawRoundedRect(QRectF(cx - 10, top + 24, 20, bottom - top - 34), 4, 4); // barrel
    p.setBrush(QColor(50, 50, 50));
    p.drawRect(QRectF(cx - 24, bottom - 10, 48, 8)); // foot
    p.setPen(QPen(QColor(20, 20, 20), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(cx + 10, bottom - 18);
    hose.cubicTo(cx + 40, bottom - 10, cx + 52, bottom - 50, cx + 38, top + 40);
    p.drawPath(hose);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(180, 180, 180));
    p.drawRect(QRectF(cx + 33, top + 28, 10, 14)); // nozzle
}

// A pendant: a thin chain and a red heart.
void drawPendant(QPainter& p, const QRectF& box) {
    const double cx = box.center().x();
    const double top = box.top() + 12;
    p.setPen(QPen(QColor(200, 160, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 14; ++i) {
        const double t = i / 14.0;
        p.drawEllipse(QPointF(cx - 40 + 40 * t, top + 52 * t * (2 - t) * 0.9), 2.5, 2.5);
        p.drawEllipse(QPointF(cx + 40 - 40 * t, top + 52 * t * (2 - t) * 0.9), 2.5, 2.5);
    }
    const double hy = top + 56;
    p.setPen(QPen(QColor(200, 160, 40), 2));
    p.setBrush(QColor(210, 30, 60));
    QPainterPath heart;
    heart.moveTo(cx, hy + 10);
    heart.cubicTo(cx - 4, hy - 4, cx - 26, hy + 2, cx - 18, hy + 22);
    heart.lineTo(cx, hy + 42);
    heart.lineTo(cx + 18, hy + 22);
    heart.cubicTo(cx + 26, hy + 2, cx + 4, hy - 4, cx, hy + 10);
    p.drawPath(heart);
    p.setBrush(QColor(255, 255, 255, 140));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx - 9, hy + 16), 4, 3);
}

// A wreath: a ring of red, blue and white flowers with ribbons hanging down.
void drawWreath(QPainter& p, const QRectF& box) {
    const QPointF c(box.center().x(), box.top() + 40);
    const QColor ribbons[] = {QColor(220, 40, 40), QColor(240, 200, 30), QColor(50, 110, 220),
                              QColor(60, 160, 70)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(ribbons[i]);
        const double x = c.x() - 15 + i * 9;
        QPainterPath ribbon;
        ribbon.moveTo(x, c.y() + 20);
        ribbon.cubicTo(x - 6, c.y() + 40, x + 6, c.y() + 54, x - 2, box.bottom() - 4);
        ribbon.lineTo(x + 5, box.bottom() - 4);
        ribbon.cubicTo(x + 12, c.y() + 54, x, c.y() + 40, x + 6, c.y() + 20);
        ribbon.closeSubpath();
        p.drawPath(ribbon);
    }
    // Leaves under the flowers, then the flowers round the ring.
    p.setBrush(QColor(50, 130, 50));
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * M_PI / 16 + 0.2;
        p.drawEllipse(QPointF(c.x() + 40 * std::cos(a), c.y() + 24 * std::sin(a)), 7, 4);
    }
    const QColor petals[] = {QColor(225, 30, 40), QColor(70, 110, 230), QColor(255, 255, 255)};
    for (int i = 0; i < 10; ++i) {
        const double a = i * 2 * M_PI / 10;
        const QPointF f(c.x() + 36 * std::cos(a), c.y() + 21 * std::sin(a));
        p.setPen(QPen(QColor(120, 120, 120), 0.8));
        p.setBrush(petals[i % 3]);
        for (int k = 0; k < 5; ++k) {
            const double b = k * 2 * M_PI / 5;
            p.drawEllipse(f + QPointF(5 * std::cos(b), 5 * std::sin(b)), 4.5, 4.5);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 30));
        p.drawEllipse(f, 3, 3);
    }
}

// A small white cottage with a thatched roof, for the village.
void drawCottage(QPainter& p, const QPointF& foot, double width) {
    const double h = width * 0.6;
    p.setPen(QPen(QColor(90, 80, 70), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(foot.x() - width / 2, foot.y() - h, width, h));
    p.setBrush(QColor(200, 160, 80));
    const QPointF roof[] = {{foot.x() - width / 2 - 4, foot.y() - h},
                            {foot.x(), foot.y() - h - width * 0.5},
                            {foot.x() + width / 2 + 4, foot.y() - h}};
    p.drawPolygon(roof, 3);
    p.setBrush(QColor(120, 180, 230));
    p.drawRect(QRectF(foot.x() - width / 4 - 3, foot.y() - h * 0.7, 7, 7));
    p.setBrush(QColor(130, 80, 40));
    p.drawRect(QRectF(foot.x() + width / 8, foot.y() - h * 0.65, width / 5, h * 0.65));
}

// A village: cottages on a green hill, a church with a dome, a fence, a field.
void drawVillage(QPainter& p, const QRectF& box) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 230, 250));
    p.drawRoundedRect(box, 6, 6);
    p.setBrush(QColor(120, 190, 80));
    QPainterPath hill;
    hill.moveTo(box.left(), box.bottom() - 40);
    hill.quadTo(box.center().x(), box.bottom() - 62, box.right(), box.bottom() - 44);
    hill.lineTo(box.bottomRight());
    hill.lineTo(box.bottomLeft());
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(230, 200, 90));
    p.drawRect(QRectF(box.left(), box.bottom() - 14, box.width(), 14));
    // The church behind the cottages.
    const double chx = box.center().x() + 4;
    p.setPen(QPen(QColor(90, 80, 70), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(chx - 9, box.bottom() - 86, 18, 34));
    p.setBrush(QColor(40, 140, 90));
    p.drawEllipse(QRectF(chx - 8, box.bottom() - 98, 16, 16));
    p.setPen(QPen(QColor(200, 160, 20), 1.5));
    p.drawLine(QPointF(chx, box.bottom() - 98), QPointF(chx, box.bottom() - 106));
    p.drawLine(QPointF(chx - 3, box.bottom() - 103), QPointF(chx + 3, box.bottom() - 103));
    drawCottage(p, QPointF(box.left() + 22, box.bottom() - 38), 30);
    drawCottage(p, QPointF(box.right() - 22, box.bottom() - 40), 30);
    drawCottage(p, QPointF(box.center().x() - 10, box.bottom() - 18), 34);
    // A wattle fence along the field.
    p.setPen(QPen(QColor(140, 100, 50), 1.5));
    for (double x = box.center().x() + 14; x < box.right() - 4; x += 5)
        p.drawLine(QPointF(x, box.bottom() - 14), QPointF(x, box.bottom() - 26));
    p.drawLine(QPointF(box.center().x() + 12, box.bottom() - 20),
               QPointF(box.right() - 4, box.bottom() - 20));
}

// A deep empty bowl with a painted rim, seen a little from above.
void drawBowl(QPainter& p, const QRectF& box) {
    const double cx = box.center().x();
    const double rimY = box.center().y() - 8;
    p.setPen(QPen(QColor(70, 70, 90), 1.5));
    p.setBrush(QColor(240, 240, 235));
    QPainterPath bowl;
    bowl.moveTo(cx - 48, rimY);
    bowl.cubicTo(cx - 46, rimY + 44, cx - 24, rimY + 48, cx - 16, rimY + 50);
    bowl.lineTo(cx + 16, rimY + 50);
    bowl.cubicTo(cx + 24, rimY + 48, cx + 46, rimY + 44, cx + 48, rimY);
    bowl.closeSubpath();
    p.drawPath(bowl);
    p.setBrush(QColor(200, 200, 195));
    p.drawRect(QRectF(cx - 18, rimY + 50, 36, 6));
    // The inside, and a blue band round the outside.
    p.setBrush(QColor(215, 215, 210));
    p.drawEllipse(QRectF(cx - 48, rimY - 12, 96, 24));
    p.setPen(QPen(QColor(40, 90, 200), 4));
    p.setBrush(Qt::NoBrush);
    QPainterPath band;
    band.moveTo(cx - 46, rimY + 12);
    band.quadTo(cx, rimY + 26, cx + 46, rimY + 12);
    p.drawPath(band);
}

NamedObject em(const char* name, const char* e) {
    return {name, e, {}};
}
NamedObject drawn(const char* name, Drawer d) {
    return {name, nullptr, std::move(d)};
}

// Letters of a name, sorted: two names are anagrams when these are equal.
QString letters(const char* name) {
    QString s = QString::fromUtf8(name).toLower();
    s.remove(QLatin1Char('\''));
    s.remove(QChar(0x2019));
    std::sort(s.begin(), s.end());
    return s;
}

// Six objects per picture, in region order. Every object of a pair is one a
// pupil names by that word at a glance; the other four share no letters' set
// with anything in the picture.
std::vector<std::vector<NamedObject>> anagramPictures() {
    const NamedObject boar = em("кабан", "🐗"), jar = em("банка", "🫙");
    const NamedObject rice = em("рис", "🍚"), cheese = em("сир", "🧀");
    const NamedObject stamp = drawn("марка", drawStamp), frame = drawn("рамка", drawFrame);
    const NamedObject rocket = em("ракета", "🚀"), coach = drawn("карета", drawCoach);
    const NamedObject pine = drawn("сосна", drawPine), pump = drawn("насос", drawPump);
    const NamedObject clown = em("клоун", "🤡"), pendant = drawn("кулон", drawPendant);
    const NamedObject window = em("вікно", "🪟"), wreath = drawn("вінок", drawWreath);
    const NamedObject donkey = em("осел", "🫏"), village = drawn("село", drawVillage);
    const NamedObject bowl = drawn("миска", drawBowl), masks = em("маски", "🎭");
    return {
        {boar, em("яблуко", "🍎"), em("літак", "✈️"), em("жираф", "🦒"), jar, em("гітара", "🎸")},
        {em("слон", "🐘"), rice, em("парасолька", "☂️"), cheese, em("ключ", "🔑"), em("метелик", "🦋")},
        {em("кавун", "🍉"), em("равлик", "🐌"), em("сова", "🦉"), stamp, em("годинник", "⏰"), frame},
        {em("груша", "🍐"), rocket, em("пінгвін", "🐧"), em("барабан", "🥁"), em("окуляри", "👓"), coach},
        {em("морква", "🥕"), pine, em("черепаха", "🐢"), pump, em("дзвоник", "🔔"), em("м'яч", "⚽")},
        {em("виноград", "🍇"), em("їжак", "🦔"), clown, pendant, em("велосипед", "🚲"),
         em("сонце", "☀️")},
        {window, em("банан", "🍌"), wreath, em("жаба", "🐸"), em("корона", "👑"), em("кит", "🐳")},
        {village, em("лимон", "🍋"), donkey, em("сніговик", "⛄"), em("бджола", "🐝"), em("молоток", "🔨")},
        {em("ананас", "🍍"), bowl, em("гриб", "🍄"), em("зебра", "🦓"), em("півень", "🐓"), masks},
    };
}

// The pair of a picture as its two words, in a fixed order, so a pair can be
// recognised whichever regions it stands on.
QString pairWords(const std::vector<NamedObject>& objects, int first, int second) {
    QStringList words{QString::fromUtf8(objects[first - 1].name),
                      QString::fromUtf8(objects[second - 1].name)};
    words.sort();
    return words.join(QLatin1Char('/'));
}

void drawObject(QPainter& p, const NamedObject& object, const QRect& cell) {
    if (object.emoji)
        drawEmoji(p, cell.adjusted(16, 16, -16, -16), QString::fromUtf8(object.emoji));
    else
        object.draw(p, QRectF(cell).adjusted(8, 8, -8, -8));
}

} // namespace

void generateKletka10(AssetWriter& w) {
    PairChoiceWindow window(w, 10);
    const auto pictures = anagramPictures();
    if (int(pictures.size()) != window.row().pictureCount)
        w.fail(QStringLiteral("kletka10: %1 pictures planned for %2")
                   .arg(pictures.size())
                   .arg(window.row().pictureCount));
    QStringList pairsUsed;
    for (int n = 1; n <= int(pictures.size()); ++n) {
        const auto& objects = pictures[n - 1];
        const auto pair = window.row().answers[n - 1];
        // Every picture is a task of its own: no word pair comes twice.
        const QString words = pairWords(objects, pair.first, pair.second);
        if (pairsUsed.contains(words))
            w.fail(QStringLiteral("kletka10/%1: the pair %2 is used twice").arg(n).arg(words));
        pairsUsed << words;
        // Exactly the pair of the table has names made of the same letters.
        forEveryTwoRegions(pair.first, pair.second, [&](int i, int j, bool isPair) {
            const bool same = letters(objects[i - 1].name) == letters(objects[j - 1].name);
            if (same != isPair)
                w.fail(QStringLiteral("kletka10/%1: %2 and %3 %4 anagrams")
                           .arg(n)
                           .arg(QString::fromUtf8(objects[i - 1].name),
                                QString::fromUtf8(objects[j - 1].name),
                                isPair ? QStringLiteral("are not") : QStringLiteral("are")));
        });
        for (int i = 1; i <= kPairRegions; ++i)
            if (objects[i - 1].emoji && emojiImage(QString::fromUtf8(objects[i - 1].emoji)).isNull())
                w.fail(QStringLiteral("kletka10/%1: no emoji for %2")
                           .arg(n)
                           .arg(QString::fromUtf8(objects[i - 1].name)));
        // scale 2 gives the source for screens of double density.
        const auto draw = [&](int scale) {
            return paintPairCells(
                window.size(), scale, kBackground,
                [&](QPainter& p, int i, const QRect& cell) { drawObject(p, objects[i - 1], cell); });
        };
        QStringList names;
        for (const auto& o : objects)
            names << QString::fromUtf8(o.name);
        window.write(n, draw, QStringLiteral("%1: %2").arg(n).arg(names.join(QStringLiteral(", "))));
    }
}

} // namespace zorna::assets::choice
