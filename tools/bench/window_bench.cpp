#include "window_bench.h"

#include "board/board_window.h"
#include "board/game_files.h"
#include "game_context.h"
#include "paint_watch.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "registration/registration_window.h"
#include "stats.h"
#include "tasks/common/task_registry.h"
#include "tasks/common/task_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define ZORNA_TOGGLE_COLLECT() CALLGRIND_TOGGLE_COLLECT
#else
#define ZORNA_TOGGLE_COLLECT() ((void)0)
#endif

#include <functional>
#include <memory>

namespace bench {

namespace {

// The board's way of answering a task window without its own controls: the
// protected ending every task window uses, reached through a member pointer.
struct TaskAnswer : zorna::TaskWindow {
    static void give(zorna::TaskWindow& window, bool right) { (window.*(&TaskAnswer::answer))(right); }
};

// The bare counterpart of a task window: a window with one label showing a JPEG read from disk.
class BareTaskWindow : public QWidget {
public:
    BareTaskWindow(const QString& jpeg, QSize size, std::function<void()> onClose)
        : onClose_(std::move(onClose)) {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QStringLiteral("Завдання"));
        auto* label = new QLabel(this);
        label->setPixmap(QPixmap(jpeg));
        label->setGeometry(0, 0, size.width(), size.height());
        setFixedSize(size);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        onClose_();
        QWidget::closeEvent(event);
    }

private:
    std::function<void()> onClose_;
};

// The bare counterpart of the board: a window showing the board's map picture
// and one button that opens a bare task window; it is disabled until that
// window closes, and then draws the map again, as the board does.
class BareBoard : public QWidget {
public:
    BareBoard() {
        setWindowTitle(QStringLiteral("Поле"));
        setFixedSize(785, 510);
        map = new QLabel(this);
        button = new QPushButton(QStringLiteral("Далі"), this);
        button->setGeometry(296, 472, 57, 25);
        connect(button, &QPushButton::clicked, this, [this] {
            setEnabled(false);
            task = new BareTaskWindow(jpeg, size, [this] { setEnabled(true); });
            task->show();
        });
    }
    void showMap(const QString& picture) {
        map->setPixmap(QPixmap(picture));
        map->adjustSize();
    }
    QLabel* map;
    QPushButton* button;
    QPointer<BareTaskWindow> task;
    QString jpeg;
    QSize size;
};

// Counts the timer events delivered to widgets: each is a wake-up of the idle program.
class WakeupCounter : public QObject {
public:
    WakeupCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~WakeupCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int count = 0;
    QMap<QString, int> receivers;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched != ignored) {
            ++count;
            QString who = QString::fromLatin1(watched->metaObject()->className());
            if (const auto* timer = qobject_cast<const QTimer*>(watched))
                who += QStringLiteral(" of %1 ms").arg(timer->interval());
            for (QObject* o = watched->parent(); o; o = o->parent())
                who += QStringLiteral(" in ") + QString::fromLatin1(o->metaObject()->className()) +
                       QLatin1Char(' ') + o->objectName();
            ++receivers[who];
        }
        return false;
    }

public:
    const QObject* ignored = nullptr; // the measurement's own timer
};

IdleFigures measureIdle(int ms) {
    WakeupCounter wakeups;
    QEventLoop loop;
    const double cpuBefore = cpuMsUsed();
    const qint64 before = monotonicNs();
    QTimer end;
    end.setSingleShot(true);
    wakeups.ignored = &end;
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    end.start(ms);
    loop.exec();
    const double elapsed = msBetween(before, monotonicNs());
    return {100.0 * (cpuMsUsed() - cpuBefore) / elapsed, wakeups.count * 1000.0 / elapsed, wakeups.receivers};
}

// A JPEG of the given size with some detail, so that decoding it costs what a picture costs.
QString writeJpeg(const QString& folder, QSize size) {
    const QString path =
        QDir(folder).filePath(QStringLiteral("bare_%1x%2.jpg").arg(size.width()).arg(size.height()));
    if (QFileInfo::exists(path))
        return path;
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(250, 230, 180));
    gradient.setColorAt(1, QColor(90, 140, 210));
    p.fillRect(image.rect(), gradient);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor::fromHsv((i * 37) % 360, 160, 220));
        p.drawEllipse(QPoint((i * 97) % size.width(), (i * 53) % size.height()), 12 + i % 20, 10 + i % 15);
    }
    p.end();
    image.save(path, "JPEG", 90);
    return path;
}

// Switches callgrind's collection on or off while `on` holds; outside valgrind it does nothing.
class CollectWhile {
public:
    explicit CollectWhile(bool on) : on_(on) {
        if (on_)
            ZORNA_TOGGLE_COLLECT();
    }
    ~CollectWhile() {
        if (on_)
            ZORNA_TOGGLE_COLLECT();
    }

private:
    bool on_;
};

double since(qint64 startNs, const std::optional<qint64>& painted) {
    if (!painted)
        qFatal("a window did not paint within the time limit");
    return msBetween(startNs, *painted);
}

} // namespace

struct WindowBench::Impl {
    explicit Impl(const QString& folder)
        : game(folder, clock), programFolder(folder), gameIcon(zorna::windowIcon(game.ctx.folder)) {
        bare.showMap(QDir(folder).filePath(QStringLiteral("map.png")));
    }

    zorna::RealClock clock;
    GameContext game;
    QString programFolder;
    // The game's windows carry the program's icon, as they do once the game has
    // drawn its first frame; the bare windows carry none.
    QIcon gameIcon;
    BareBoard bare;

    // The registration window and the board of a saved game whose player 1 stands on the square.
    struct Board {
        QPointer<zorna::RegistrationWindow> registrationWindow;
        QPointer<zorna::BoardWindow> board;
        ~Board() {
            if (board)
                delete board->taskWindow();
            delete board.data();
            delete registrationWindow.data();
        }
    };

    std::unique_ptr<Board> openBoard(int square) {
        zorna::GameRecord record;
        record.playerCount = 2;
        record.names = {QStringLiteral("Оля"), QStringLiteral("Петро"), QString()};
        record.players[0].setSquare(square);
        record.players[1].setSquare(1);
        record.numGr = 1;
        const QString save = game.ctx.folder.path(QStringLiteral("Save"));
        QDir().mkpath(save);
        game.ctx.folder.ensureFolder(QStringLiteral("Temp"));
        if (!zorna::gamefiles::writeSave(QDir(save).filePath(QStringLiteral("1")),
                                         game.ctx.folder.workingFolder(), record, zorna::StatTable()))
            qFatal("cannot write the saved game");
        auto b = std::make_unique<Board>();
        // Shown first and hidden by "next", as in the game.
        {
            PaintWatch shown([&b](QWidget* w) { return w == b->registrationWindow; });
            b->registrationWindow = zorna::RegistrationWindow::showFresh(game.ctx, game.tasks);
            shown.wait();
        }
        b->registrationWindow->toggleSavedGames();
        PaintWatch painted([&b](QWidget* w) { return w == b->board; });
        b->registrationWindow->goToBoard();
        b->board = b->registrationWindow->board();
        if (!b->board || !painted.wait())
            qFatal("the board did not open");
        return b;
    }
};

WindowBench::WindowBench(const QString& programFolder) : impl_(new Impl(programFolder)) {
    impl_->bare.show();
    PaintWatch([this](QWidget* w) { return w == &impl_->bare; }).wait();
}

WindowBench::~WindowBench() {
    delete impl_;
}

void WindowBench::runPass(bool record, const QList<int>& squares) {
    for (const int square : squares) {
        SquareSamples& samples = squares_[square];
        samples.windowNumber = zorna::taskOfSquare(square)->windowNumber;

        // The game: "Далі" opens the task window; answering it closes it.
        QApplication::setWindowIcon(impl_->gameIcon);
        auto board = impl_->openBoard(square);
        settle(30);
        PaintWatch taskPainted([](QWidget* w) { return qobject_cast<zorna::TaskWindow*>(w) != nullptr; });
        if (!warmPictures_)
            QPixmapCache::clear();
        qint64 start = monotonicNs();
        double openGame = 0;
        {
            CollectWhile collect(profiled_ == Profiled::GameOpen);
            QTest::mouseClick(board->board->nextButton(), Qt::LeftButton);
            openGame = since(start, taskPainted.wait());
        }
        zorna::TaskWindow* task = board->board->taskWindow();
        if (!task)
            qFatal("no task window opened on square %d", square);
        const QSize size = task->size();
        settle(30);
        PaintWatch boardPainted([&board](QWidget* w) { return w == board->board; });
        start = monotonicNs();
        TaskAnswer::give(*task, false);
        const double closeGame = since(start, boardPainted.wait());
        board.reset();
        settle(10);

        // The bare window of the same size.
        QApplication::setWindowIcon(QIcon());
        impl_->bare.jpeg = writeJpeg(impl_->programFolder, size);
        impl_->bare.size = size;
        settle(30);
        PaintWatch barePainted([this](QWidget* w) { return w == impl_->bare.task; });
        if (!warmPictures_)
            QPixmapCache::clear();
        start = monotonicNs();
        double openBare = 0;
        {
            CollectWhile collect(profiled_ == Profiled::BareOpen);
            QTest::mouseClick(impl_->bare.button, Qt::LeftButton);
            openBare = since(start, barePainted.wait());
        }
        settle(30);
        PaintWatch bareBoardPainted([this](QWidget* w) { return w == &impl_->bare; });
        start = monotonicNs();
        impl_->bare.task->close();
        const double closeBare = since(start, bareBoardPainted.wait());
        settle(10);

        if (record) {
            samples.openGame.append(openGame);
            samples.openBare.append(openBare);
            samples.closeGame.append(closeGame);
            samples.closeBare.append(closeBare);
        }
    }
}

IdleFigures WindowBench::idleGame(int ms) {
    QApplication::setWindowIcon(impl_->gameIcon);
    auto board = impl_->openBoard(1);
    settle(300);
    return measureIdle(ms);
}

IdleFigures WindowBench::idleBare(int ms) {
    QApplication::setWindowIcon(QIcon());
    settle(300);
    return measureIdle(ms);
}

} // namespace bench
