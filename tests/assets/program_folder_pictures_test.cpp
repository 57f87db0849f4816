// The generated program folder against the windows' own tables: every picture
// a window can show is there, with the size of the box it is shown in, and the
// two versions of each kletka24 scene differ only where the window takes the
// click.
#include "platform/geometry.h"
#include "platform/program_folder.h"
#include "support/test_registry.h"
#include "tasks/choice/choice_data.h"
#include "tasks/choice/single_choice_data.h"
#include "tasks/common/task_registry.h"
#include "tasks/counting/cube_tables.h"
#include "tasks/counting/film_tables.h"
#include "tasks/memory/memory_tables.h"
#include "tasks/puzzles/puzzle_tables.h"
#include "tasks/reaction/reaction_rules.h"

#include <QImage>
#include <QTest>

namespace zorna::test {

namespace {

ProgramFolder appFolder() {
    return ProgramFolder(QStringLiteral(ZORNA_APP_DIR));
}

QSize boxSize(int widthTwips, int heightTwips) {
    return QSize(tw(widthTwips), tw(heightTwips));
}
QSize boxSize(const TwipsRect& r) {
    return boxSize(r.width, r.height);
}
QSize boxSize(const choice::Twips& r) {
    return boxSize(r.width, r.height);
}

// One row per picture: its name under the program folder, the window that
// shows it and the size of the box it is shown in.
void addPicture(int windowNumber, const QString& file, QSize box) {
    QTest::newRow(qPrintable(file)) << windowNumber << file << box;
}
void addNumbered(int windowNumber, int count, QSize box, const QString& extension = QStringLiteral("jpg")) {
    for (int n = 1; n <= count; ++n)
        addPicture(windowNumber, QStringLiteral("kletka%1/%2.%3").arg(windowNumber).arg(n).arg(extension),
                   box);
}

} // namespace

class GeneratedPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void picturesFitTheirBoxes_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("box");

        for (const SingleChoiceRow& row : kSingleChoiceRows)
            addNumbered(row.task.windowNumber, kSingleChoicePictures, boxSize(row.picture));
        for (const choice::PairChoiceRow& row : choice::kPairChoiceRows)
            addNumbered(row.task.windowNumber, row.pictureCount, boxSize(row.picture));

        // The missing detail: the picture and, once answered, the picture
        // completed with the chosen candidate, in the same box.
        const QSize detailBox = boxSize(choice::kDetailPictureTwips);
        addNumbered(choice::kDetailWindow, choice::kDetailPictureCount, detailBox);
        for (int n = 1; n <= choice::kDetailPictureCount; ++n)
            for (int k = 1; k <= choice::detailCandidates(n); ++k)
                addPicture(choice::kDetailWindow, QStringLiteral("kletka11/%1/%2.jpg").arg(n).arg(k),
                           detailBox);

        addNumbered(choice::kOddWindow, choice::kOddPictureCount, boxSize(choice::kOddPictureTwips));
        addNumbered(choice::kQuestionWindow, choice::kQuestionPictureCount,
                    QSize(choice::kQuestionPictureWidth, choice::kQuestionPictureHeight));

        addNumbered(22, kCubePictures, boxSize(kMissingPictureTwips));
        addNumbered(23, kCubePictures, boxSize(kCountPictureTwips));
        for (const FilmRow& row : kFilmRows)
            for (int n = 1; n <= kFilmStories; ++n)
                for (int f = 1; f <= kFilmFrames; ++f)
                    addPicture(row.task.windowNumber,
                               QStringLiteral("kletka%1/%2/%3.jpg").arg(row.task.windowNumber).arg(n).arg(f),
                               boxSize(kFilmFrameWidthTwips, kFilmFrameHeightTwips));

        const QSize sceneBox = boxSize(kChangedPictureTwips);
        addNumbered(24, kChangedPictures, sceneBox, QStringLiteral("bmp"));
        for (int n = 1; n <= kChangedPictures; ++n)
            addPicture(24, QStringLiteral("kletka24/%1_1.bmp").arg(n), sceneBox);
        addNumbered(31, kRememberPool, boxSize(kRememberCellTwips, kRememberCellTwips));
        addNumbered(33, kPlaceItems, boxSize(kPlaceCellTwips, kPlaceCellTwips));

        const QSize pieceBox = boxSize(kPuzzleCellTwips, kPuzzleCellTwips);
        for (int n = 1; n <= kAssemblyPictures; ++n)
            for (int k = 1; k <= kAssemblyPieces; ++k)
                addPicture(25, QStringLiteral("kletka25/%1/%2.jpg").arg(n).arg(k), pieceBox);
        addNumbered(27, kSlidingTiles, pieceBox);

        // The apple fills its cell inside the one-pixel frame.
        const QSize appleBox = boxSize(reaction::kAppleCellTwips, reaction::kAppleCellTwips) - QSize(2, 2);
        addPicture(26, QStringLiteral("kletka26/apple.jpg"), appleBox);
        for (int frame = 1; frame <= reaction::kAppleHitFrames; ++frame)
            addPicture(26, QStringLiteral("kletka26/apple%1.jpg").arg(frame), appleBox);
        addPicture(30, QStringLiteral("kletka30/telega.gif"),
                   boxSize(reaction::kCartWidthTwips, reaction::kCartHeightTwips));
    }
    void picturesFitTheirBoxes() {
        QFETCH(int, window);
        QFETCH(QString, file);
        QFETCH(QSize, box);
        QVERIFY2(squareOfWindow(window), qPrintable(QStringLiteral("no square opens kletka%1").arg(window)));
        const QImage picture(appFolder().path(file));
        QVERIFY2(!picture.isNull(), qPrintable(file + QStringLiteral(" is missing or unreadable")));
        QCOMPARE(picture.size(), box);
    }

    // kletka32 paints the picture of the chute the net is under over its
    // whole client area.
    void eachChuteHasItsScene() {
        for (const reaction::Chute& chute : reaction::kChutes) {
            const QString file = QStringLiteral("kletka32/kolobok%1.bmp").arg(chute.picture);
            QVERIFY2(!QImage(appFolder().path(file)).isNull(), qPrintable(file));
        }
    }

    // The scene and its changed version differ only strictly inside the
    // picture's region, where a click counts as found, and they do differ there.
    void changedDetailsLieInTheirRegions_data() {
        QTest::addColumn<int>("picture");
        for (int n = 1; n <= kChangedPictures; ++n)
            QTest::addRow("kletka24/%d", n) << n;
    }
    void changedDetailsLieInTheirRegions() {
        QFETCH(int, picture);
        const ProgramFolder folder = appFolder();
        const QImage before = QImage(folder.taskPicture(24, picture, QStringLiteral("bmp")))
                                  .convertToFormat(QImage::Format_RGB32);
        const QImage after = QImage(folder.taskFile(24, QStringLiteral("%1_1.bmp").arg(picture)))
                                 .convertToFormat(QImage::Format_RGB32);
        QVERIFY(!before.isNull() && !after.isNull());
        QCOMPARE(after.size(), before.size());
        const ChangedRegion& region = kChangedRegions[picture - 1];
        int changedInside = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) == after.pixel(x, y))
                    continue;
                QVERIFY2(region.hits(x, y), qPrintable(QStringLiteral("changed at %1, %2").arg(x).arg(y)));
                ++changedInside;
            }
        QVERIFY(changedInside > 0);
    }
};

} // namespace zorna::test

using zorna::test::GeneratedPicturesTest;
ZORNA_TEST_CLASS(GeneratedPicturesTest)

#include "program_folder_pictures_test.moc"
