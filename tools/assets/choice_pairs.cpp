// kletka10 (two objects whose names are made of the same letters) and kletka19
// (two identical pictures): six cells in two rows of three under the regions.
#include "choice_draw.h"

#include "tasks/choice/choice_data.h"

#include <QPainterPath>

#include <algorithm>
#include <functional>
#include <vector>

namespace zorna::assets::choice {

using zorna::choice::kPairRegions;
using zorna::choice::kPairRegionTwips;
using zorna::choice::PairChoiceRow;
using zorna::choice::pairChoiceRow;

namespace {

QRect regionRect(int index) { // index 1..6, relative to winMal
    const auto& r = kPairRegionTwips[index - 1];
    return boxRect(r.left, r.top, r.width, r.height);
}

void drawCell(QPainter& p, const QRect& cell) {
    p.setPen(QPen(QColor(150, 150, 170), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

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

// A pine: a tall bare orange trunk with flat dark crowns at the top.
void drawPine(QPainter& p, const QRectF& box) {
    const double cx = box.center().x();
    const double top = box.top() + 6;
    const double bottom = box.bottom() - 6;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 100, 50));
    QPainterPath trunk;
    trunk.moveTo(cx - 6, bottom);
    trunk.lineTo(cx - 3, top + 20);
    trunk.lineTo(cx + 3, top + 20);
    trunk.lineTo(cx + 6, bottom);
    trunk.closeSubpath();
    p.drawPath(trunk);
    p.setPen(QPen(QColor(150, 80, 40), 3));
    p.drawLine(QPointF(cx, top + 48), QPointF(cx - 24, top + 34));
    p.drawLine(QPointF(cx, top + 38), QPointF(cx + 26, top + 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 100, 45));
    p.drawEllipse(QRectF(cx - 30, top + 2, 60, 24));
    p.drawEllipse(QRectF(cx - 46, top + 24, 40, 18));
    p.drawEllipse(QRectF(cx + 6, top + 14, 44, 18));
    p.setBrush(QColor(45, 125, 55));
    p.drawEllipse(QRectF(cx - 18, top, 36, 14));
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

// A linden: a round crown with heart-shaped leaves and pale blossom clusters.
void drawLinden(QPainter& p, const QRectF& box) {
    const double cx = box.center().x();
    const double bottom = box.bottom() - 6;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 75, 40));
    p.drawRect(QRectF(cx - 6, bottom - 44, 12, 44));
    p.setBrush(QColor(70, 140, 50));
    p.drawEllipse(QRectF(cx - 48, box.top() + 6, 96, 78));
    Seeded r(77);
    for (int i = 0; i < 14; ++i) {
        const double a = r.unit() * 2 * M_PI;
        const double d = 12 + r.unit() * 26;
        const QPointF c(cx + d * std::cos(a), box.top() + 45 + d * 0.8 * std::sin(a));
        QPainterPath leaf;
        leaf.moveTo(c.x(), c.y() + 6);
        leaf.cubicTo(c.x() - 9, c.y() - 2, c.x() - 4, c.y() - 8, c.x(), c.y() - 3);
        leaf.cubicTo(c.x() + 4, c.y() - 8, c.x() + 9, c.y() - 2, c.x(), c.y() + 6);
        p.setBrush(QColor(40, 110, 35));
        p.drawPath(leaf);
        if (i % 3 == 0) {
            p.setBrush(QColor(245, 235, 140));
            p.drawEllipse(c + QPointF(6, 5), 2.5, 2.5);
            p.drawEllipse(c + QPointF(9, 8), 2.5, 2.5);
            p.drawEllipse(c + QPointF(4, 9), 2.5, 2.5);
        }
    }
    p.setBrush(QColor(110, 160, 60));
    p.drawRect(QRectF(box.left() + 10, bottom - 2, box.width() - 20, 4));
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

// Six objects per picture, in region order.
std::vector<std::vector<NamedObject>> anagramPictures() {
    const NamedObject boar = em("кабан", "🐗"), jar = em("банка", "🫙");
    const NamedObject rice = em("рис", "🍚"), cheese = em("сир", "🧀");
    const NamedObject stamp = drawn("марка", drawStamp), frame = drawn("рамка", drawFrame);
    const NamedObject rocket = em("ракета", "🚀"), coach = drawn("карета", drawCoach);
    const NamedObject pine = drawn("сосна", drawPine), pump = drawn("насос", drawPump);
    const NamedObject clown = em("клоун", "🤡"), pendant = drawn("кулон", drawPendant);
    const NamedObject linden = drawn("липа", drawLinden), saw = em("пила", "🪚");
    return {
        {boar, em("яблуко", "🍎"), em("літак", "✈️"), em("жираф", "🦒"), jar, em("гітара", "🎸")},
        {em("слон", "🐘"), rice, em("парасолька", "☂️"), cheese, em("ключ", "🔑"), em("метелик", "🦋")},
        {em("кавун", "🍉"), em("равлик", "🐌"), em("сова", "🦉"), stamp, em("годинник", "⏰"), frame},
        {em("груша", "🍐"), rocket, em("пінгвін", "🐧"), em("барабан", "🥁"), em("окуляри", "👓"), coach},
        {em("морква", "🥕"), pine, em("черепаха", "🐢"), pump, em("дзвоник", "🔔"), em("м'яч", "⚽")},
        {em("виноград", "🍇"), em("їжак", "🦔"), clown, pendant, em("велосипед", "🚲"),
         em("сонце", "☀️")},
        {linden, em("банан", "🍌"), saw, em("жаба", "🐸"), em("корона", "👑"), em("кит", "🐳")},
        {jar, em("лимон", "🍋"), boar, em("сніговик", "⛄"), em("бджола", "🐝"), em("молоток", "🔨")},
        {em("ананас", "🍍"), cheese, em("гриб", "🍄"), em("зебра", "🦓"), em("ялинка", "🎄"), rice},
    };
}

void drawObject(QPainter& p, const NamedObject& object, const QRect& cell) {
    if (object.emoji)
        drawEmoji(p, QString::fromUtf8(object.emoji), cell.adjusted(16, 16, -16, -16));
    else
        object.draw(p, QRectF(cell).adjusted(8, 8, -8, -8));
}

QImage outlinePair(QImage image, int a, int b) {
    QPainter p(&image);
    p.setPen(QPen(Qt::red, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(regionRect(a).adjusted(1, 1, -2, -2));
    p.drawRect(regionRect(b).adjusted(1, 1, -2, -2));
    return image;
}

void generateAnagrams(AssetWriter& w) {
    const PairChoiceRow& row = *pairChoiceRow(10);
    const QSize size = boxSize(row.picture.width, row.picture.height);
    const auto pictures = anagramPictures();
    if (int(pictures.size()) != row.pictureCount)
        w.fail(QStringLiteral("kletka10: %1 pictures planned for %2")
                   .arg(pictures.size())
                   .arg(row.pictureCount));
    QList<QImage> sheet;
    QStringList captions;
    for (int n = 1; n <= int(pictures.size()); ++n) {
        const auto& objects = pictures[n - 1];
        const auto pair = row.answers[n - 1];
        // Exactly the pair of the table has names made of the same letters.
        for (int i = 1; i <= kPairRegions; ++i) {
            for (int j = i + 1; j <= kPairRegions; ++j) {
                const bool isPair =
                    (i == pair.first && j == pair.second) || (i == pair.second && j == pair.first);
                const bool same = letters(objects[i - 1].name) == letters(objects[j - 1].name);
                if (same != isPair)
                    w.fail(QStringLiteral("kletka10/%1: %2 and %3 %4 anagrams")
                               .arg(n)
                               .arg(QString::fromUtf8(objects[i - 1].name),
                                    QString::fromUtf8(objects[j - 1].name),
                                    isPair ? QStringLiteral("are not") : QStringLiteral("are")));
            }
        }
        QImage image = canvas(size.width(), size.height(), QColor(225, 232, 245));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 1; i <= kPairRegions; ++i) {
            const QRect cell = regionRect(i);
            drawCell(p, cell);
            if (objects[i - 1].emoji && emoji(QString::fromUtf8(objects[i - 1].emoji), 8).isNull())
                w.fail(QStringLiteral("kletka10/%1: no emoji for %2")
                           .arg(n)
                           .arg(QString::fromUtf8(objects[i - 1].name)));
            drawObject(p, objects[i - 1], cell);
        }
        p.end();
        w.jpeg(QStringLiteral("kletka10/%1.jpg").arg(n), image);
        sheet << outlinePair(image, pair.first, pair.second);
        QStringList names;
        for (const auto& o : objects)
            names << QString::fromUtf8(o.name);
        captions << QStringLiteral("%1: %2").arg(n).arg(names.join(QStringLiteral(", ")));
    }
    w.contactSheet(QStringLiteral("kletka10"), QString::fromUtf8(row.instruction), sheet, captions);
}

// ---- kletka19: five different pictures of one subject, one of them twice ----

// A subject drawn from a set of details; each detail has a few values.
struct Subject {
    const char* name;
    std::vector<int> options; // number of values of each detail
    std::function<void(QPainter&, const QRectF&, const std::vector<int>&)> draw;
};

const QColor kPalette[] = {QColor(220, 50, 50), QColor(40, 120, 220), QColor(40, 160, 70),
                           QColor(240, 190, 20), QColor(150, 70, 190)};

void drawHouse(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: roof colour, windows, door side, chimney, sun, flowers
    const double l = b.left() + 18, r = b.right() - 18, base = b.bottom() - 14, wallTop = b.top() + 52;
    p.setPen(QPen(Qt::black, 1.2));
    if (d[3]) {
        p.setBrush(QColor(140, 70, 50));
        p.drawRect(QRectF(r - 26, b.top() + 24, 10, 24));
    }
    p.setBrush(kPalette[d[0]]);
    const QPointF roof[] = {{l - 8, wallTop}, {(l + r) / 2, b.top() + 16}, {r + 8, wallTop}};
    p.drawPolygon(roof, 3);
    p.setBrush(QColor(245, 225, 180));
    p.drawRect(QRectF(l, wallTop, r - l, base - wallTop));
    const bool doorLeft = d[2] == 0;
    const QRectF door(doorLeft ? l + 8 : r - 28, base - 34, 20, 34);
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(door);
    const QRectF win(doorLeft ? r - 36 : l + 8, wallTop + 10, 28, 24);
    p.setBrush(QColor(170, 215, 250));
    p.drawRect(win);
    if (d[1] == 1) {
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
        p.drawLine(QPointF(win.left(), win.center().y()), QPointF(win.right(), win.center().y()));
    } else if (d[1] == 2) {
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    }
    if (d[4]) {
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(QPointF(b.left() + 16, b.top() + 16), 9, 9);
    }
    for (int i = 0; i < d[5]; ++i) {
        p.setBrush(kPalette[(i + 3) % 5]);
        p.drawEllipse(QPointF(b.left() + 10 + i * 12, base + 6), 4, 4);
    }
}

void drawSnowman(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: buttons, nose side, hat colour, scarf colour, arms raised, eyes (dots or coal rings)
    const double cx = b.center().x();
    p.setPen(QPen(QColor(90, 90, 110), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, b.bottom() - 26), 26, 22);
    p.drawEllipse(QPointF(cx, b.bottom() - 62), 19, 17);
    p.drawEllipse(QPointF(cx, b.top() + 40), 14, 13);
    p.setPen(QPen(QColor(110, 70, 30), 2.5));
    const double ay = b.bottom() - 66;
    if (d[4]) {
        p.drawLine(QPointF(cx - 18, ay), QPointF(cx - 38, ay - 22));
        p.drawLine(QPointF(cx + 18, ay), QPointF(cx + 38, ay - 22));
    } else {
        p.drawLine(QPointF(cx - 18, ay), QPointF(cx - 40, ay + 8));
        p.drawLine(QPointF(cx + 18, ay), QPointF(cx + 40, ay + 8));
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    for (int i = 0; i < d[0] + 2; ++i)
        p.drawEllipse(QPointF(cx, b.bottom() - 72 + i * 9), 2.2, 2.2);
    if (d[5] == 0) {
        p.drawEllipse(QPointF(cx - 5, b.top() + 37), 2, 2);
        p.drawEllipse(QPointF(cx + 5, b.top() + 37), 2, 2);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(cx - 5, b.top() + 37), 3, 3);
        p.drawEllipse(QPointF(cx + 5, b.top() + 37), 3, 3);
    }
    p.setBrush(QColor(255, 140, 0));
    p.setPen(Qt::NoPen);
    const double side = d[1] ? 1 : -1;
    const QPointF nose[] = {{cx, b.top() + 41}, {cx, b.top() + 45}, {cx + side * 14, b.top() + 44}};
    p.drawPolygon(nose, 3);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kPalette[d[2]]);
    p.drawRect(QRectF(cx - 10, b.top() + 12, 20, 16));
    p.drawRect(QRectF(cx - 16, b.top() + 27, 32, 4));
    p.setBrush(kPalette[d[3]]);
    p.drawRect(QRectF(cx - 17, b.top() + 52, 34, 6));
    p.drawRect(QRectF(cx + 6, b.top() + 56, 7, 16));
}

void drawRobot(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: antenna ball colour, eye shape, mouth, chest lights, ears, feet colour
    const double cx = b.center().x();
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(cx, b.top() + 12), QPointF(cx, b.top() + 24));
    p.setBrush(kPalette[d[0]]);
    p.drawEllipse(QPointF(cx, b.top() + 10), 5, 5);
    p.setBrush(QColor(180, 190, 200));
    const QRectF head(cx - 22, b.top() + 24, 44, 32);
    p.drawRoundedRect(head, 5, 5);
    if (d[4]) {
        p.drawRect(QRectF(head.left() - 6, head.top() + 10, 6, 12));
        p.drawRect(QRectF(head.right(), head.top() + 10, 6, 12));
    }
    p.setBrush(QColor(30, 30, 30));
    if (d[1] == 0) {
        p.drawEllipse(QPointF(cx - 9, head.top() + 12), 4, 4);
        p.drawEllipse(QPointF(cx + 9, head.top() + 12), 4, 4);
    } else {
        p.drawRect(QRectF(cx - 13, head.top() + 8, 8, 8));
        p.drawRect(QRectF(cx + 5, head.top() + 8, 8, 8));
    }
    if (d[2] == 0) {
        p.drawLine(QPointF(cx - 10, head.top() + 24), QPointF(cx + 10, head.top() + 24));
    } else {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(cx - 10, head.top() + 21, 20, 6));
        for (double x = cx - 5; x < cx + 10; x += 5)
            p.drawLine(QPointF(x, head.top() + 21), QPointF(x, head.top() + 27));
    }
    p.setBrush(QColor(150, 160, 175));
    const QRectF body(cx - 26, head.bottom() + 4, 52, 36);
    p.drawRect(body);
    for (int i = 0; i < d[3] + 1; ++i) {
        p.setBrush(kPalette[(i + 1) % 5]);
        p.drawEllipse(QPointF(body.left() + 10 + i * 11, body.top() + 12), 4, 4);
    }
    p.setBrush(kPalette[d[5]]);
    p.drawRect(QRectF(cx - 20, body.bottom(), 12, b.bottom() - body.bottom() - 6));
    p.drawRect(QRectF(cx + 8, body.bottom(), 12, b.bottom() - body.bottom() - 6));
}

void drawFish(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: body colour, stripes, bubbles, tail colour, fin on top, eye lashes
    const double cx = b.center().x() + 6, cy = b.center().y() + 6;
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(kPalette[d[3]]);
    const QPointF tail[] = {{cx - 30, cy}, {cx - 52, cy - 18}, {cx - 52, cy + 18}};
    p.drawPolygon(tail, 3);
    if (d[4]) {
        const QPointF fin[] = {{cx - 12, cy - 20}, {cx + 4, cy - 36}, {cx + 12, cy - 20}};
        p.drawPolygon(fin, 3);
    }
    p.setBrush(kPalette[d[0]]);
    p.drawEllipse(QPointF(cx, cy), 36, 22);
    p.setPen(QPen(QColor(255, 255, 255, 220), 3));
    for (int i = 0; i < d[1]; ++i)
        p.drawLine(QPointF(cx - 14 + i * 10, cy - 18), QPointF(cx - 14 + i * 10, cy + 18));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx + 20, cy - 6), 6, 6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(cx + 21, cy - 6), 2.5, 2.5);
    if (d[5]) {
        p.drawLine(QPointF(cx + 18, cy - 12), QPointF(cx + 16, cy - 17));
        p.drawLine(QPointF(cx + 22, cy - 12), QPointF(cx + 23, cy - 17));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 120, 200), 1.2));
    for (int i = 0; i < d[2]; ++i)
        p.drawEllipse(QPointF(cx + 40 - i * 4, cy - 30 - i * 13), 4 + i, 4 + i);
}

void drawFlowerPot(QPainter& p, const QRectF& b, const std::vector<int>& d) {
    // d: petal colour, petal count, pot colour, leaves, centre colour, pot stripe
    const double cx = b.center().x();
    const double fy = b.top() + 36;
    p.setPen(QPen(QColor(30, 110, 30), 3));
    p.drawLine(QPointF(cx, fy), QPointF(cx, b.bottom() - 40));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(60, 160, 60));
    if (d[3] >= 1)
        p.drawEllipse(QRectF(cx - 26, fy + 30, 24, 10));
    if (d[3] >= 2)
        p.drawEllipse(QRectF(cx + 2, fy + 20, 24, 10));
    const int petals = 5 + d[1];
    p.setBrush(kPalette[d[0]]);
    for (int i = 0; i < petals; ++i) {
        const double a = i * 2 * M_PI / petals;
        p.drawEllipse(QPointF(cx + 15 * std::cos(a), fy + 15 * std::sin(a)), 9, 9);
    }
    p.setBrush(d[4] ? QColor(255, 220, 0) : QColor(120, 70, 30));
    p.drawEllipse(QPointF(cx, fy), 9, 9);
    p.setBrush(d[2] == 0 ? QColor(190, 90, 50) : d[2] == 1 ? QColor(70, 110, 200) : QColor(120, 120, 120));
    const QPointF pot[] = {{cx - 28, b.bottom() - 42},
                           {cx + 28, b.bottom() - 42},
                           {cx + 20, b.bottom() - 6},
                           {cx - 20, b.bottom() - 6}};
    p.drawPolygon(pot, 4);
    if (d[5]) {
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(cx - 25, b.bottom() - 30), QPointF(cx + 25, b.bottom() - 30));
    }
}

std::vector<Subject> subjects() {
    return {
        {"будиночок", {5, 3, 2, 2, 2, 4}, drawHouse},  {"сніговик", {3, 2, 5, 5, 2, 2}, drawSnowman},
        {"робот", {5, 2, 2, 4, 2, 5}, drawRobot},      {"рибка", {5, 4, 4, 5, 2, 2}, drawFish},
        {"квітка", {5, 3, 3, 3, 2, 2}, drawFlowerPot},
    };
}

QImage subjectImage(const Subject& s, const std::vector<int>& details, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    s.draw(p, QRectF(0, 0, size.width(), size.height()), details);
    p.end();
    return image;
}

void generateTwins(AssetWriter& w) {
    const PairChoiceRow& row = *pairChoiceRow(19);
    const QSize size = boxSize(row.picture.width, row.picture.height);
    const auto all = subjects();
    QList<QImage> sheet;
    QStringList captions;
    for (int n = 1; n <= row.pictureCount; ++n) {
        Seeded rnd(1900 + n);
        const Subject& subject = all[(n - 1) % all.size()];
        const int detailCount = int(subject.options.size());
        std::vector<int> base(detailCount);
        for (int i = 0; i < detailCount; ++i)
            base[i] = rnd.below(subject.options[i]);
        // Four look-alikes, each changing another detail of the twin picture.
        std::vector<int> order(detailCount);
        for (int i = 0; i < detailCount; ++i)
            order[i] = i;
        for (int i = detailCount - 1; i > 0; --i)
            std::swap(order[i], order[rnd.below(i + 1)]);
        std::vector<std::vector<int>> variants;
        for (int v = 0; v < 4; ++v) {
            std::vector<int> d = base;
            const int detail = order[v];
            d[detail] = (base[detail] + 1 + rnd.below(subject.options[detail] - 1)) % subject.options[detail];
            variants.push_back(d);
        }
        const auto pair = row.answers[n - 1];
        const QSize cellSize = regionRect(1).size();
        std::vector<QImage> cells(kPairRegions + 1);
        int next = 0;
        for (int i = 1; i <= kPairRegions; ++i) {
            const bool twin = i == pair.first || i == pair.second;
            cells[i] = subjectImage(subject, twin ? base : variants[next++], cellSize - QSize(8, 8));
        }
        QImage image = canvas(size.width(), size.height(), QColor(236, 240, 228));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 1; i <= kPairRegions; ++i) {
            const QRect cell = regionRect(i);
            drawCell(p, cell);
            p.drawImage(cell.topLeft() + QPoint(4, 4), cells[i]);
        }
        p.end();
        // Exactly the pair of the table is identical in the picture as written.
        for (int i = 1; i <= kPairRegions; ++i) {
            for (int j = i + 1; j <= kPairRegions; ++j) {
                const QImage a = image.copy(regionRect(i).adjusted(4, 4, -4, -4));
                const QImage b = image.copy(regionRect(j).adjusted(4, 4, -4, -4));
                const bool isPair =
                    (i == pair.first && j == pair.second) || (i == pair.second && j == pair.first);
                int differing = 0;
                for (int y = 0; y < a.height(); ++y)
                    for (int x = 0; x < a.width(); ++x)
                        differing += a.pixel(x, y) != b.pixel(x, y);
                if (isPair ? differing != 0 : differing < 20)
                    w.fail(QStringLiteral("kletka19/%1: regions %2 and %3 differ in %4 pixels")
                               .arg(n)
                               .arg(i)
                               .arg(j)
                               .arg(differing));
            }
        }
        w.jpeg(QStringLiteral("kletka19/%1.jpg").arg(n), image, 97);
        sheet << outlinePair(image, pair.first, pair.second);
        captions << QStringLiteral("%1: %2, pair %3-%4")
                        .arg(n)
                        .arg(QString::fromUtf8(subject.name))
                        .arg(pair.first)
                        .arg(pair.second);
    }
    w.contactSheet(QStringLiteral("kletka19"), QString::fromUtf8(row.instruction), sheet, captions);
}

} // namespace

void generatePairPictures(AssetWriter& w) {
    generateAnagrams(w);
    generateTwins(w);
}

} // namespace zorna::assets::choice
