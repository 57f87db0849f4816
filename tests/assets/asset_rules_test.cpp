// The rules the single-choice pictures are computed by: folding cube nets,
// unfolding napkins, the silhouettes of block objects, line figures found in
// drawings and the size of a visible change between two pictures.
#include "rules/block_views.h"
#include "rules/cube_net.h"
#include "rules/line_figure.h"
#include "rules/napkin.h"
#include "rules/visible_change.h"

#include "support/test_registry.h"

#include <QtTest>

using namespace zorna::rules;

Q_DECLARE_METATYPE(zorna::rules::Blocks)
Q_DECLARE_METATYPE(zorna::rules::Pixels)

namespace {

// A hole at a cell of a sheet.
struct PlacedHole {
    int x, y;
    Hole hole;
};

// A sheet of the given size and some of its holes.
struct SheetHoles {
    int width = 0, height = 0;
    std::vector<PlacedHole> holes;
};

// A folded piece with the holes punched in it, how it was folded, and the
// open napkin: its size, some of the holes it shows and how many it has.
struct Unfolding {
    SheetHoles piece;
    Folding folding = Folding::LeftHalf;
    SheetHoles open;
    int openHoles = 0;
};

} // namespace

Q_DECLARE_METATYPE(Unfolding)

namespace {

enum CubeMark { Dot, Arrow, Bar, Corner, Plus, Half };
const MarkSymmetry kSymmetry{1, 4, 2, 4, 1, 4};

// A net drawn as a T lying on its side:
//   Bar
//   Plus  Arrow(pointing down)  Half  Dot
//   Corner
Net sampleNet() {
    return {{0, 0, Bar, 0},  {0, 1, Plus, 0}, {1, 1, Arrow, 2},
            {2, 1, Half, 0}, {3, 1, Dot, 0},  {0, 2, Corner, 2}};
}

Silhouette silhouette(const char* rows) {
    // "#.#/..#/###": rows from the top of the picture, '#' filled.
    Silhouette s{};
    int r = 0, c = 0;
    for (const char* p = rows; *p; ++p) {
        if (*p == '/') {
            ++r;
            c = 0;
            continue;
        }
        s[std::size_t(r)][std::size_t(c++)] = *p == '#';
    }
    return s;
}

Blocks blocks(std::initializer_list<int> heightsFrontRowFirst) {
    Blocks b;
    int i = 0;
    for (int h : heightsFrontRowFirst)
        b.height[std::size_t(i++)] = h;
    return b;
}

// Builds a picture from rows of characters: '.' white, 'r' red, 'p' pale grey
// (close to white), 'b' blue.
Pixels picture(std::initializer_list<const char*> rows) {
    Pixels p;
    for (const char* row : rows) {
        p.width = 0;
        for (const char* c = row; *c; ++c, ++p.width)
            p.colours.push_back(*c == 'r'   ? 0xdd2222u
                                : *c == 'p' ? 0xe6e6e6u
                                : *c == 'b' ? 0x2244ddu
                                            : 0xffffffu);
        ++p.height;
    }
    return p;
}

} // namespace

class VisibleChangeTest : public QObject {
    Q_OBJECT
private slots:
    void channelDistanceIsTheLargestChannel() {
        QCOMPARE(channelDistance(0x000000u, 0x000000u), 0);
        QCOMPARE(channelDistance(0x102030u, 0x102031u), 1);
        QCOMPARE(channelDistance(0xff0000u, 0x00ff00u), 255);
        QCOMPARE(channelDistance(0xff102030u, 0x00102030u), 0); // alpha does not count
    }

    void measuresChangedPixelsAndLargestArea_data() {
        QTest::addColumn<Pixels>("before");
        QTest::addColumn<Pixels>("after");
        QTest::addColumn<int>("changed");
        QTest::addColumn<int>("largest");
        const Pixels blank = picture({".....", ".....", ".....", "....."});
        QTest::newRow("nothing changed") << blank << blank << 0 << 0;
        QTest::newRow("one block") << blank << picture({".rr..", ".rr..", ".....", "....."}) << 4 << 4;
        QTest::newRow("diagonal touch joins")
            << blank << picture({"r....", ".r...", "..r..", "....."}) << 3 << 3;
        QTest::newRow("two areas apart") << blank << picture({"rr...", "rr...", ".....", "...rr"}) << 6 << 4;
        QTest::newRow("faint change is no change")
            << blank << picture({"ppp..", "ppp..", ".....", "....."}) << 0 << 0;
        QTest::newRow("colour swap counts") << picture({"rrr..", ".....", ".....", "....."})
                                            << picture({"bbb..", ".....", ".....", "....."}) << 3 << 3;
        QTest::newRow("area across the right edge does not wrap")
            << blank << picture({"....r", "r....", ".....", "....."}) << 2 << 1;
    }
    void measuresChangedPixelsAndLargestArea() {
        QFETCH(Pixels, before);
        QFETCH(Pixels, after);
        QFETCH(int, changed);
        QFETCH(int, largest);
        const ChangeMeasure m = measureChange(before, after, 64);
        QCOMPARE(m.changedPixels, changed);
        QCOMPARE(m.largestArea, largest);
    }

    void differentSizesMeasureNothing() {
        const ChangeMeasure m = measureChange(picture({"r.."}), picture({"..", ".."}), 64);
        QCOMPARE(m.changedPixels, 0);
        QCOMPARE(m.largestArea, 0);
    }
};

class CubeNetTest : public QObject {
    Q_OBJECT
private slots:
    void everyNetShapeFoldsInEveryPosition() {
        for (std::size_t s = 0; s < cubeNetShapes().size(); ++s)
            for (int turn = 0; turn < 4; ++turn)
                for (bool mirrored : {false, true}) {
                    Net net;
                    int mark = 0;
                    for (const auto& c : transformShape(cubeNetShapes()[s], turn, mirrored))
                        net.push_back({c[0], c[1], mark++, 0});
                    const auto cube = fold(net);
                    QVERIFY2(cube.has_value(),
                             qPrintable(QStringLiteral("shape %1 turn %2").arg(s).arg(turn)));
                    for (const FoldedFace& f : *cube)
                        QCOMPARE(dot(f.normal, f.up), 0); // the mark lies in its face
                }
    }

    void nonNetsDoNotFold_data() {
        QTest::addColumn<QList<QPoint>>("squares");
        QTest::newRow("2 x 3 block") << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
        QTest::newRow("strip of six") << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}};
        QTest::newRow("five in a row and one")
            << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {0, 1}};
        QTest::newRow("loose square") << QList<QPoint>{{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {5, 5}};
        QTest::newRow("five squares") << QList<QPoint>{{1, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}};
        QTest::newRow("square on a square") << QList<QPoint>{{1, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {1, 1}};
    }
    void nonNetsDoNotFold() {
        QFETCH(QList<QPoint>, squares);
        Net net;
        for (const QPoint& p : squares)
            net.push_back({p.x(), p.y(), 0, 0});
        QVERIFY(!fold(net).has_value());
    }

    void crossFoldsOppositesApart() {
        // The cross: the middle square is opposite the end of the long arm,
        // and the two short arms are opposite each other.
        const Net cross{{1, 0, 0, 0}, {0, 1, 1, 0}, {1, 1, 2, 0}, {2, 1, 3, 0}, {3, 1, 4, 0}, {1, 2, 5, 0}};
        const auto cube = fold(cross);
        QVERIFY(cube.has_value());
        auto normal = [&](int mark) {
            for (const FoldedFace& f : *cube)
                if (f.mark == mark)
                    return f.normal;
            return Vec3{};
        };
        QVERIFY(normal(2) == -normal(4));
        QVERIFY(normal(1) == -normal(3));
        QVERIFY(normal(0) == -normal(5));
    }

    void boxesOfTheSampleNet_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("topTurn");
        QTest::addColumn<int>("front");
        QTest::addColumn<int>("frontTurn");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("rightTurn");
        QTest::addColumn<bool>("folds");
        QTest::newRow("plus in front, arrow right, bar on top")
            << int(Bar) << 0 << int(Plus) << 0 << int(Arrow) << 2 << true;
        QTest::newRow("turned a quarter: arrow in front")
            << int(Bar) << 1 << int(Arrow) << 2 << int(Half) << 0 << true;
        QTest::newRow("bar turned across") << int(Bar) << 1 << int(Plus) << 0 << int(Arrow) << 2 << false;
        QTest::newRow("arrow pointing up") << int(Bar) << 0 << int(Plus) << 0 << int(Arrow) << 0 << false;
        QTest::newRow("top and right swapped") << int(Arrow) << 2 << int(Plus) << 0 << int(Bar) << 0 << false;
        QTest::newRow("mirror: dot on the right of plus")
            << int(Bar) << 0 << int(Plus) << 0 << int(Dot) << 0 << false;
        QTest::newRow("opposite faces side by side")
            << int(Bar) << 0 << int(Plus) << 0 << int(Half) << 0 << false;
        QTest::newRow("turns of a dot do not matter")
            << int(Dot) << 3 << int(Plus) << 1 << int(Arrow) << 2 << false;
    }
    void boxesOfTheSampleNet() {
        QFETCH(int, top);
        QFETCH(int, topTurn);
        QFETCH(int, front);
        QFETCH(int, frontTurn);
        QFETCH(int, right);
        QFETCH(int, rightTurn);
        QFETCH(bool, folds);
        const BoxView box{{top, topTurn}, {front, frontTurn}, {right, rightTurn}};
        QCOMPARE(boxFoldsFrom(box, sampleNet(), kSymmetry), folds);
    }

    void everyTurnOfTheCubeShowsAFoldableBox() {
        const auto cube = fold(sampleNet());
        QVERIFY(cube.has_value());
        int distinct = 0;
        std::vector<BoxView> seen;
        for (const Rotation& r : cubeRotations()) {
            const BoxView v = viewOf(*cube, r, kSymmetry);
            QVERIFY(boxFoldsFrom(v, sampleNet(), kSymmetry));
            if (std::find(seen.begin(), seen.end(), v) == seen.end()) {
                seen.push_back(v);
                ++distinct;
            }
        }
        QCOMPARE(int(cubeRotations().size()), 24);
        QCOMPARE(distinct, 24); // the marks tell every turn apart
    }
};

class NapkinTest : public QObject {
    Q_OBJECT
private slots:
    void unfoldedHoles_data() {
        QTest::addColumn<Unfolding>("unfolding");
        QTest::newRow("quarter mirrors across both folds")
            << Unfolding{{2, 2, {{0, 0, Hole::TriangleRight}, {1, 1, Hole::TriangleUp}}},
                         Folding::Quarter,
                         {4,
                          4,
                          {{0, 0, Hole::TriangleRight},
                           {3, 0, Hole::TriangleLeft},
                           {0, 3, Hole::TriangleRight},
                           {3, 3, Hole::TriangleLeft},
                           {1, 1, Hole::TriangleUp},
                           {2, 1, Hole::TriangleUp},
                           {1, 2, Hole::TriangleDown},
                           {2, 2, Hole::TriangleDown}}},
                         8};
        QTest::newRow("hole at the fold opens into two side by side")
            << Unfolding{{2, 1, {{1, 0, Hole::Circle}}},
                         Folding::LeftHalf,
                         {4, 1, {{1, 0, Hole::Circle}, {2, 0, Hole::Circle}}},
                         2};
        // Left stays left across a horizontal fold.
        QTest::newRow("top half mirrors up and down")
            << Unfolding{{3, 2, {{2, 0, Hole::TriangleUp}, {0, 1, Hole::TriangleLeft}}},
                         Folding::TopHalf,
                         {3, 4, {{2, 3, Hole::TriangleDown}, {0, 2, Hole::TriangleLeft}}},
                         4};
    }
    void unfoldedHoles() {
        QFETCH(Unfolding, unfolding);
        Sheet piece(unfolding.piece.width, unfolding.piece.height);
        for (const PlacedHole& h : unfolding.piece.holes)
            piece.set(h.x, h.y, h.hole);
        const Sheet open = unfold(piece, unfolding.folding);
        QCOMPARE(open.width, unfolding.open.width);
        QCOMPARE(open.height, unfolding.open.height);
        QCOMPARE(open.holes(), unfolding.openHoles);
        for (const PlacedHole& h : unfolding.open.holes)
            QVERIFY2(open.at(h.x, h.y) == h.hole, qPrintable(QStringLiteral("cell %1,%2").arg(h.x).arg(h.y)));
    }

    void openNapkinIsSymmetric_data() {
        QTest::addColumn<int>("folding");
        QTest::newRow("left half") << int(Folding::LeftHalf);
        QTest::newRow("top half") << int(Folding::TopHalf);
        QTest::newRow("quarter") << int(Folding::Quarter);
    }
    void openNapkinIsSymmetric() {
        QFETCH(int, folding);
        const Folding f = Folding(folding);
        Sheet piece(3, 3);
        const Hole kinds[] = {Hole::Circle,       Hole::TriangleUp,   Hole::TriangleRight,
                              Hole::TriangleDown, Hole::TriangleLeft, Hole::Square};
        for (int i = 0; i < 6; ++i)
            piece.set(i % 3, (i * 2) % 3, kinds[i]);
        const Sheet open = unfold(piece, f);
        for (int y = 0; y < open.height; ++y)
            for (int x = 0; x < open.width; ++x) {
                if (f != Folding::TopHalf)
                    QVERIFY(open.at(x, y) == mirroredAcrossVertical(open.at(open.width - 1 - x, y)));
                if (f != Folding::LeftHalf)
                    QVERIFY(open.at(x, y) == mirroredAcrossHorizontal(open.at(x, open.height - 1 - y)));
            }
    }
};

class BlockViewsTest : public QObject {
    Q_OBJECT
private slots:
    void viewsOfFixedObjects_data() {
        QTest::addColumn<Blocks>("object");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("top");
        // Heights row by row from the front row (y = 0), x from left to right.
        QTest::newRow("one tower front left") << blocks({3, 0, 0, 0, 0, 0, 0, 0, 0}) << "#../#../#.."
                                              << "#../#../#.."
                                              << ".../.../#..";
        QTest::newRow("steps going back") << blocks({1, 1, 1, 2, 2, 2, 3, 3, 3}) << "###/###/###"
                                          << "..#/.##/###"
                                          << "###/###/###";
        QTest::newRow("L with a tower at the back right")
            << blocks({1, 0, 0, 1, 0, 0, 1, 1, 3}) << "..#/..#/###"
            << "..#/..#/###"
            << "###/#../#..";
    }
    void viewsOfFixedObjects() {
        QFETCH(Blocks, object);
        QFETCH(QString, front);
        QFETCH(QString, side);
        QFETCH(QString, top);
        const Views v = viewsOf(object);
        QVERIFY(v.front == silhouette(qPrintable(front)));
        QVERIFY(v.side == silhouette(qPrintable(side)));
        QVERIFY(v.top == silhouette(qPrintable(top)));
    }

    void hiddenBlockChangesNoView() {
        // The middle stack one lower among stacks of two: two objects, the same
        // views; this is why the pictures compare views, not objects.
        const Blocks a = blocks({2, 2, 2, 2, 1, 2, 2, 2, 2});
        const Blocks b = blocks({2, 2, 2, 2, 2, 2, 2, 2, 2});
        QVERIFY(viewsOf(a) == viewsOf(b));
        QVERIFY(!(a == b));
    }

    void visibilityOfTops_data() {
        QTest::addColumn<Blocks>("object");
        QTest::addColumn<bool>("allSeen");
        QTest::newRow("single block") << blocks({0, 0, 0, 0, 1, 0, 0, 0, 0}) << true;
        QTest::newRow("rising to the back") << blocks({1, 1, 1, 2, 2, 2, 3, 3, 3}) << true;
        QTest::newRow("low block behind a tower") << blocks({0, 3, 0, 1, 0, 0, 0, 0, 0}) << false;
    }
    void visibilityOfTops() {
        QFETCH(Blocks, object);
        QFETCH(bool, allSeen);
        QCOMPARE(leastVisibleTop(object) >= 0.35, allSeen);
    }
};

class LineFigureTest : public QObject {
    Q_OBJECT
private:
    static LineDrawing triangle(int dx, int dy) {
        LineDrawing d;
        d.add({dx, dy}, {dx, dy + 2});
        d.add({dx, dy + 2}, {dx + 2, dy + 2});
        d.add({dx, dy}, {dx + 2, dy + 2});
        return d;
    }
private slots:
    void inclusion_data() {
        QTest::addColumn<int>("shiftX");
        QTest::addColumn<int>("shiftY");
        QTest::addColumn<bool>("extraLines");
        QTest::addColumn<bool>("contained");
        QTest::newRow("same place") << 0 << 0 << false << true;
        QTest::newRow("same place among other lines") << 0 << 0 << true << true;
        QTest::newRow("one step right") << 1 << 0 << true << false;
        QTest::newRow("one step down") << 0 << 1 << false << false;
    }
    void inclusion() {
        QFETCH(int, shiftX);
        QFETCH(int, shiftY);
        QFETCH(bool, extraLines);
        QFETCH(bool, contained);
        LineDrawing drawing = triangle(1 + shiftX, 1 + shiftY);
        if (extraLines) {
            drawing.add({0, 5}, {5, 0});
            drawing.add({0, 4}, {6, 4});
        }
        QCOMPARE(drawing.contains(triangle(1, 1)), contained);
    }

    void longLineHoldsItsPieces() {
        LineDrawing drawing;
        drawing.add({0, 0}, {4, 4});
        LineDrawing piece;
        piece.add({1, 1}, {3, 3});
        QVERIFY(drawing.contains(piece));
        LineDrawing across;
        across.add({1, 1}, {3, 1});
        QVERIFY(!drawing.contains(across));
    }

    void missingStepIsMissed() {
        LineDrawing drawing = triangle(1, 1);
        drawing.removeStep({1, 1}, {1, 2});
        QVERIFY(!drawing.contains(triangle(1, 1)));
    }

    void doubleSizeDoesNotHoldTheFigure() {
        LineDrawing big;
        big.add({1, 1}, {1, 5});
        big.add({1, 5}, {5, 5});
        big.add({1, 1}, {5, 5});
        QVERIFY(!big.contains(triangle(1, 1)));
    }

    void onlyStraightLatticeLines() {
        LineDrawing d;
        QVERIFY(!d.add({0, 0}, {1, 2}));
        QVERIFY(!d.add({0, 0}, {0, 0}));
        QVERIFY(d.empty());
        QVERIFY(d.add({0, 0}, {3, -3}));
        QCOMPARE(int(d.size()), 3);
    }

    void collinearPiecesDrawAsOneLine() {
        LineDrawing d;
        d.add({0, 0}, {2, 0});
        d.add({2, 0}, {4, 0});
        d.add({4, 0}, {4, 2});
        const auto lines = d.lines();
        QCOMPARE(int(lines.size()), 2);
    }
};

ZORNA_TEST_CLASS(CubeNetTest)
ZORNA_TEST_CLASS(NapkinTest)
ZORNA_TEST_CLASS(BlockViewsTest)
ZORNA_TEST_CLASS(LineFigureTest)
ZORNA_TEST_CLASS(VisibleChangeTest)

#include "asset_rules_test.moc"
