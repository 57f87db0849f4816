#include "choice_fixture.h"
#include "platform/file_system.h"
#include "platform/records.h"
#include "support/links.h"
#include "support/test_registry.h"
#include "tasks/choice/question_file_window.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace zorna;
using namespace zorna::test;

namespace {

constexpr int kSquare = 15;

// Replaces the linked picture folder with one of the same pictures and the given
// question file (none when `questions` is null).
void useQuestionFile(TestContext& t, const QByteArray* questions) {
    const QString folder = t.programFolder.root() + QStringLiteral("/kletka16");
    const QString source = QStringLiteral(ZORNA_APP_DIR "/kletka16");
    removeTree(folder); // the shared folder goes, never the build's own
    QDir().mkpath(folder);
    for (int n = 1; n <= 11; ++n)
        shareForReading(source + QStringLiteral("/%1.jpg").arg(n), folder + QStringLiteral("/%1.jpg").arg(n));
    if (questions)
        t.programFolder.write(QStringLiteral("kletka16/quetkr16.dat"), *questions);
}

QByteArray questionRecords(const QStringList& texts) {
    RecordWriter w;
    for (const QString& text : texts)
        w.text(text, 250);
    return w.data();
}

} // namespace

class QuestionFileWindowTest : public QObject {
    Q_OBJECT
private slots:
    void picture7IsRightOnlyStrictlyInside_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("right");
        QTest::newRow("inside") << QPoint(350, 20) << true;
        QTest::newRow("left border") << QPoint(336, 20) << false;
        QTest::newRow("right border") << QPoint(369, 20) << false;
        QTest::newRow("top border") << QPoint(350, 8) << false;
        QTest::newRow("bottom border") << QPoint(350, 41) << false;
        QTest::newRow("just inside the corner") << QPoint(337, 40) << true;
        QTest::newRow("outside the picture") << QPoint(420, 300) << false;
    }
    void picture7IsRightOnlyStrictlyInside() {
        QFETCH(QPoint, at);
        QFETCH(bool, right);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<QuestionFileWindow>(t, host, kSquare, 7);
        QCOMPARE(w->current(), 7);
        clickAt(w.get(), at);
        QCOMPARE(host.calls, handBack(right, 1));
        QVERIFY(!w->isVisible());
    }

    void anyButtonAnswers_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyButtonAnswers() {
        QFETCH(Qt::MouseButton, button);
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<QuestionFileWindow>(t, host, kSquare, 9);
        QTest::mousePress(w.get(), button, {}, QPoint(250, 230));
        QCOMPARE(host.calls, handBack(true, 1));
    }

    void pressOnTheQuestionDoesNothing() {
        TestContext t(choiceCatalog());
        FakeHost host;
        auto w = openWithPicture<QuestionFileWindow>(t, host, kSquare, 3);
        clickAt(w->questionLabel(), QPoint(10, 10));
        clickAt(w->questionLabel(), QPoint(400, 50));
        QVERIFY(host.calls.isEmpty());
        QVERIFY(w->busy());
        QVERIFY(!w->close());
    }

    void windowShowsPictureAndQuestionOfTheDrawnNumber() {
        TestContext t(choiceCatalog());
        useQuestionFile(t, nullptr);
        QStringList texts;
        for (int n = 1; n <= 11; ++n)
            texts << QStringLiteral("  Питання %1: де ґудзик, їжак і єнот?  ").arg(n);
        const QByteArray file = questionRecords(texts);
        t.programFolder.write(QStringLiteral("kletka16/quetkr16.dat"), file);
        FakeHost host;
        auto w = openWithPicture<QuestionFileWindow>(t, host, kSquare, 6);
        QCOMPARE(w->windowTitle(), QStringLiteral("Завдання №15"));
        QCOMPARE(w->size(), QSize(422, 331));
        QCOMPARE(w->questionLabel()->geometry(), QRect(8, 272, 409, 57));
        QCOMPARE(w->questionLabel()->text(), QStringLiteral("Питання 6: де ґудзик, їжак і єнот?"));
        // A text from a file is never read as markup.
        QCOMPARE(w->questionLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(w->background().toImage(),
                 QImage(t.ctx.folder.taskPicture(16, 6)).convertToFormat(w->background().toImage().format()));
    }

    void installedQuestionFileHoldsElevenQuestions() {
        TestContext t(choiceCatalog());
        const QString path = t.ctx.folder.taskFile(16, QStringLiteral("quetkr16.dat"));
        QCOMPARE(QFileInfo(path).size(), 11 * 250);
        for (int n = 1; n <= 11; ++n)
            QVERIFY(!QuestionFileWindow::readQuestion(path, n).isEmpty());
        QVERIFY(QuestionFileWindow::readQuestion(path, 12).isEmpty());
    }

    // A blank record, a file too short for the picture, or no file at all: the
    // question is empty and the task still answers.
    void missingOrShortQuestionLeavesTheQuestionEmpty_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("questions");
        QTest::newRow("blank record") << true << questionRecords(QStringList(11, QString()));
        QTest::newRow("six records") << true << questionRecords(QStringList(6, QStringLiteral("Де ключ?")));
        QTest::newRow("half a record")
            << true << questionRecords(QStringList(7, QStringLiteral("Де ключ?"))).left(1650);
        QTest::newRow("missing file") << false << QByteArray();
    }
    void missingOrShortQuestionLeavesTheQuestionEmpty() {
        QFETCH(bool, present);
        QFETCH(QByteArray, questions);
        TestContext t(choiceCatalog());
        useQuestionFile(t, present ? &questions : nullptr);
        FakeHost host;
        auto w = openWithPicture<QuestionFileWindow>(t, host, kSquare, 7);
        QCOMPARE(w->questionLabel()->text(), QString());
        QVERIFY(!w->background().isNull());
        QTest::mousePress(w.get(), Qt::LeftButton, {}, QPoint(350, 20));
        QCOMPARE(host.calls, handBack(true, 1));
    }
};
ZORNA_TEST_CLASS(QuestionFileWindowTest)

#include "question_file_window_test.moc"
