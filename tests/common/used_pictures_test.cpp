#include "platform/records.h"
#include "support/test_context.h"
#include "support/test_registry.h"
#include "tasks/common/used_pictures.h"

#include <QTest>

using namespace zorna;
using zorna::test::TestContext;

namespace {

// A record of S = 11 slots from two lists of flags.
QByteArray recordBytes(const QList<int>& shown, const QList<int>& solved) {
    RecordWriter w;
    for (int i = 0; i < 11; ++i)
        w.boolean(shown.contains(i + 1));
    for (int i = 0; i < 11; ++i)
        w.boolean(solved.contains(i + 1));
    return w.data();
}

QList<int> allPictures() {
    return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
}

} // namespace

class UsedPictureFileTest : public QObject {
    Q_OBJECT
private slots:
    // Only a file holding exactly one record (44..87 bytes) is read.
    void readsOnlyOneWholeRecord_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("read");
        QTest::newRow("0 bytes") << 0 << false;
        QTest::newRow("43 bytes") << 43 << false;
        QTest::newRow("44 bytes") << 44 << true;
        QTest::newRow("87 bytes") << 87 << true;
        QTest::newRow("88 bytes") << 88 << false;
    }
    void readsOnlyOneWholeRecord() {
        QFETCH(int, length);
        QFETCH(bool, read);
        TestContext t;
        QByteArray bytes = recordBytes({3, 5}, {3});
        bytes = bytes.leftJustified(length, '\x7f', true);
        t.programFolder.write(QStringLiteral("Temp/7.$$$"), bytes);
        PictureDeck deck(t.ctx.folder.usedPictureFile(7), 11);
        deck.load();
        QCOMPARE(deck.record().shown(3), read);
        QCOMPARE(deck.record().shown(5), read);
        QCOMPARE(deck.record().solved(3), read);
        QVERIFY(!deck.record().shown(4));
    }

    void missingFileIsCreatedEmpty() {
        TestContext t;
        t.ctx.folder.ensureFolder(QStringLiteral("Temp"));
        PictureDeck deck(t.ctx.folder.usedPictureFile(7), 11);
        deck.load();
        QVERIFY(t.programFolder.exists(QStringLiteral("Temp/7.$$$")));
        QCOMPARE(t.programFolder.read(QStringLiteral("Temp/7.$$$")).size(), 0);
    }

    void writesNeverShortenTheFile() {
        TestContext t;
        t.programFolder.write(QStringLiteral("Temp/7.$$$"), QByteArray(88, '\0'));
        PictureDeck deck(t.ctx.folder.usedPictureFile(7), 11);
        deck.load(); // 88 bytes: two records, not read
        t.rnd.push(ScriptedRnd::forDraw(4, 10, 1));
        QCOMPARE(deck.drawPicture(t.rnd), 4);
        const QByteArray data = t.programFolder.read(QStringLiteral("Temp/7.$$$"));
        QCOMPARE(data.size(), 88);
        QCOMPARE(data.left(44), recordBytes({4}, {}));
    }

    void drawSkipsShownPicturesAndReseeds() {
        TestContext t;
        PictureDeck deck(t.ctx.folder.usedPictureFile(3), 11);
        deck.record().setShown(6, true);
        t.rnd.push(
            {ScriptedRnd::forDraw(6, 10, 1), ScriptedRnd::forDraw(6, 10, 1), ScriptedRnd::forDraw(2, 10, 1)});
        t.ctx.folder.ensureFolder(QStringLiteral("Temp"));
        QCOMPARE(deck.drawPicture(t.rnd), 2);
        QCOMPARE(t.rnd.randomizeCount(), 1);
        QVERIFY(deck.record().shown(2));
    }

    void drawWithoutImmediateWrite() {
        TestContext t;
        t.ctx.folder.ensureFolder(QStringLiteral("Temp"));
        PictureDeck deck(t.ctx.folder.usedPictureFile(2), 11);
        deck.load();
        t.rnd.push(ScriptedRnd::forDraw(5, 10, 1));
        deck.drawPicture(t.rnd, false);
        QCOMPARE(t.programFolder.read(QStringLiteral("Temp/2.$$$")).size(), 0);
        deck.finish(true);
        QCOMPARE(t.programFolder.read(QStringLiteral("Temp/2.$$$")), recordBytes({5}, {5}));
    }
};
ZORNA_TEST_CLASS(UsedPictureFileTest)

class UsedPictureResetTest : public QObject {
    Q_OBJECT
private slots:
    void nothingChangesUntilAllAreShown() {
        UsedPictureRecord r;
        for (int n = 1; n <= 10; ++n)
            r.setShown(n, true);
        QVERIFY(!r.resetIfAllShown(11));
        QVERIFY(r.shown(10));
    }

    void wronglyAnsweredPicturesComeBack() {
        auto r = *UsedPictureRecord::fromBytes(recordBytes(allPictures(), {1, 2, 3, 11}), 11);
        QVERIFY(r.resetIfAllShown(11));
        for (int n = 1; n <= 11; ++n)
            QCOMPARE(r.shown(n), n == 1 || n == 2 || n == 3 || n == 11);
        QVERIFY(r.solved(11));
    }

    void allRightClearsEverything() {
        auto r = *UsedPictureRecord::fromBytes(recordBytes(allPictures(), allPictures()), 11);
        QVERIFY(r.resetIfAllShown(11));
        for (int n = 1; n <= 11; ++n) {
            QVERIFY(!r.shown(n));
            QVERIFY(!r.solved(n));
        }
    }

    // A window with K = 9 pictures looks at slots 1..9 only.
    void fewerPicturesThanSlots() {
        auto r = *UsedPictureRecord::fromBytes(
            recordBytes({1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 11);
        QVERIFY(r.resetIfAllShown(9));
        QVERIFY(!r.shown(1));
        QVERIFY(r.solved(10)); // slots above K are left alone
    }

    void resetWritesTheFile() {
        TestContext t;
        t.programFolder.write(QStringLiteral("Temp/9.$$$"), recordBytes(allPictures(), {}));
        PictureDeck deck(t.ctx.folder.usedPictureFile(9), 11);
        deck.load();
        deck.resetIfAllShown();
        QCOMPARE(t.programFolder.read(QStringLiteral("Temp/9.$$$")), recordBytes({}, {}));
    }
};
ZORNA_TEST_CLASS(UsedPictureResetTest)

#include "used_pictures_test.moc"
