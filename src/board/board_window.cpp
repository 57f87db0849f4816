#include "board/board_window.h"
#include "platform/pictures.h"

#include "board/function_keys.h"
#include "board/game_files.h"
#include "platform/geometry.h"
#include "platform/text_fit.h"
#include "stats/finish_window.h"
#include "stats/statistics_window.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>

#include <utility>

namespace zorna {

namespace {

const QColor kPlayerColour[3] = {QColor(0, 192, 192), QColor(255, 0, 0), QColor(0, 0, 255)};

QString colourSheet(const QColor& c) {
    return QStringLiteral("background-color: rgb(%1, %2, %3);").arg(c.red()).arg(c.green()).arg(c.blue());
}

QPixmap svgPixmap(const QString& resource, QSize size) {
    return renderSvg(resource, size);
}

} // namespace

BoardWindow::BoardWindow(AppContext& context, RegistrationLink& registration)
    : game_(registration.playerCount()), numGr(game_.numGr()), WinType(winType_), ctx(context),
      registration_(registration) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Zorna"));
    setWindowTitle(QStringLiteral("Розвивальна гра \"Тимбрала\""));

    auto* client = new QWidget(this);
    client->setFixedSize(tw(11775), tw(3870));
    setCentralWidget(client);

    map_ = new PictureBox(client, Qt::transparent);
    map_->setObjectName(QStringLiteral("map"));
    map_->setGeometry(0, 0, 785, 453);
    map_->showPictureReadAhead(ctx.folder.path(QStringLiteral("map.png")));

    knopStart_ =
        button(QStringLiteral("Старт"), QStringLiteral("Розпочати гру"), 120, QColor(128, 255, 255), 855);
    knopStart_->setObjectName(QStringLiteral("knopStart"));

    winNameGr_ = new FitLabel(client);
    winNameGr_->setObjectName(QStringLiteral("winNameGr"));
    // Names are shown exactly as typed, never read as markup.
    winNameGr_->setTextFormat(Qt::PlainText);
    placeTw(winNameGr_, 1200, 3360, 3135, 375);
    winNameGr_->setAlignment(Qt::AlignCenter);
    winNameGr_->setFont(gameFont(QStringLiteral("Arial"), 12, true));
    winNameGr_->setToolTip(QStringLiteral("Колір фішки та ім’я гравця, що зараз ходить"));
    winNameGr_->setStyleSheet(colourSheet(QColor(192, 192, 192)));

    KnopDali_ = button(QStringLiteral("Далі"), QStringLiteral("Вивести завдання для вказаного гравця"), 4440,
                       QColor(0, 192, 0), 855);
    KnopDali_->setObjectName(QStringLiteral("KnopDali"));
    knopSave_ =
        button(QString(), QStringLiteral("Збереження поточної гри"), 10200, QColor(224, 224, 224), 375);
    knopSave_->setObjectName(QStringLiteral("knopSave"));
    knopSave_->setIcon(QIcon(svgPixmap(QStringLiteral(":/board/disk.svg"), QSize(24, 23))));
    knopSave_->setIconSize(QSize(24, 23));
    KnopEnd_ = button(QStringLiteral("Вихід"), QStringLiteral("Повернення до вікна реєстрації гравців"),
                      10680, QColor(255, 128, 255), 975);
    KnopEnd_->setObjectName(QStringLiteral("KnopEnd"));

    for (int p = 0; p < 3; ++p) {
        auto* chip = new PictureBox(client, Qt::transparent);
        chip->setObjectName(QStringLiteral("phishka%1").arg(p + 1));
        chip->setGeometry(0, 0, 21, 16);
        chip->showPicture(ctx.folder.path(QStringLiteral("guk%1%2.gif").arg(p + 1).arg(1)));
        chip->hide();
        phishka_[p] = chip;
    }

    PAbout_ = menuBar()->addAction(QStringLiteral("F1 - про програму"));
    PAbout_->setObjectName(QStringLiteral("PAbout"));
    stat_ = menuBar()->addAction(QStringLiteral("F2 - статистика"));
    stat_->setObjectName(QStringLiteral("stat"));

    connect(knopStart_, &QPushButton::clicked, this, [this] { knopStart_Click(); });
    connect(KnopDali_, &QPushButton::clicked, this, [this] { KnopDali_Click(); });
    connect(knopSave_, &QPushButton::clicked, this, [this] { knopSave_Click(); });
    connect(KnopEnd_, &QPushButton::clicked, this, [this] { KnopEnd_Click(); });
    connect(PAbout_, &QAction::triggered, this, [this] { PAbout_Click(); });
    connect(stat_, &QAction::triggered, this, [this] { stat_Click(); });

    Timer2_ = ctx.clock.createTimer(100, [this] { Timer2_Timer(); });

    new FunctionKeys(this, [this](int key) {
        if (key == Qt::Key_F1)
            PAbout_Click();
        else
            stat_Click();
        return true;
    });

    Form_Load();
}

BoardWindow::~BoardWindow() {
    if (Timer2_)
        Timer2_->stop();
    // The statistics and finish windows are top-level windows of their own:
    // they go with the board instead of staying behind without it.
    delete statisticsWindow_.data();
    delete finishWindow_.data();
}

QPushButton* BoardWindow::button(const QString& text, const QString& tip, int l, const QColor& colour,
                                 int w) {
    auto* b = new QPushButton(text, centralWidget());
    placeTw(b, l, 3360, w, 375);
    b->setToolTip(tip);
    b->setStyleSheet(QStringLiteral("QPushButton { %1 border: 1px solid gray; border-radius: 2px; }"
                                    "QPushButton:disabled { color: gray; }"
                                    "QPushButton:pressed { border: 2px inset gray; }")
                         .arg(colourSheet(colour)));
    return b;
}

bool BoardWindow::isMoving() const {
    return Timer2_->isEnabled();
}

void BoardWindow::Form_Load() {
    saved_ = true;
    if (registration_.winSave()) {
        GameOpen();
        return;
    }
    newGame();
}

void BoardWindow::newGame() {
    game_.newGame();
    knopSave_->setEnabled(false);
    rstr();
    winNameGr_->hide();
    KnopDali_->hide();
    removeFilesIn(ctx.folder.workingFolder());
}

void BoardWindow::placeChip(int player, int square) {
    phishka_[player - 1]->move(game_.chipAt(player, square));
    phishka_[player - 1]->show();
}

void BoardWindow::rstr() {
    for (int p = 1; p <= game_.playerCount(); ++p)
        placeChip(p, game_.square(p));
}

void BoardWindow::LoadImage(int num, int numKl) {
    const std::optional<int> picture = restingPicture(numKl);
    if (!picture)
        return;
    chipPicture_[num - 1] = *picture;
    phishka_[num - 1]->showPicture(ctx.folder.path(QStringLiteral("guk%1%2.gif").arg(num).arg(*picture)));
}

void BoardWindow::IndikatHod(int k) {
    if (k >= 1 && k <= 3) {
        const QColor text = k == 1 ? Qt::black : Qt::white;
        winNameGr_->setStyleSheet(colourSheet(kPlayerColour[k - 1]) +
                                  QStringLiteral("color: %1;").arg(text.name()));
    }
    winNameGr_->setText(registration_.playerName(numGr));
}

void BoardWindow::knopStart_Click() {
    winNameGr_->show();
    KnopDali_->show();
    knopStart_->setEnabled(false);
    game_.start();
    IndikatHod(1);
    folderFlag_ = false;
    saved_ = false;
    knopSave_->setEnabled(true);
}

void BoardWindow::KnopDali_Click() {
    const int s = game_.square(numGr);
    if (s >= 1 && s <= 32) {
        if (ctx.tasks.has(s)) {
            setEnabled(false);
            task_ = ctx.tasks.open(s, ctx, *this);
            if (task_) {
                centreOver(task_, this);
                task_->show();
            } else
                setEnabled(true);
        } else {
            // The square's task window is not part of this build: nothing is counted, nobody moves.
            ctx.dialogs.show(this, Message{QStringLiteral("Повідомлення"),
                                           QStringLiteral("Завдання №%1 поки що недоступне.").arg(s),
                                           MsgIcon::Information, MsgButtons::Ok});
        }
    }
    saved_ = false;
}

void BoardWindow::showBoard() {
    show();
    raise();
    activateWindow();
}

void BoardWindow::krok() {
    const int p = numGr;
    const std::optional<int> square = game_.applyResult(prav_, winType_);
    if (!square) {
        showTurn();
        return;
    }
    const QPoint from = phishka_[p - 1]->pos();
    const QPoint to = game_.chipAt(p, *square);
    ruhPhish(from.x(), from.y(), to.x(), to.y());
}

void BoardWindow::showTurn() {
    IndikatHod(numGr);
    KnopDali_->setEnabled(true);
}

void BoardWindow::ruhPhish(int x1, int y1, int x2, int y2) {
    step_ = 0;
    if (const std::optional<int> d = moveDirection(QPoint(x1, y1), QPoint(x2, y2)))
        direction_ = *d;
    KnopDali_->setEnabled(false);
    knopSave_->setEnabled(false);
    const int picture = movingPicture(direction_);
    chipPicture_[numGr - 1] = picture;
    phishka_[numGr - 1]->showPicture(ctx.folder.path(QStringLiteral("guk%1%2.gif").arg(numGr).arg(picture)));
    Timer2_->start();
}

void BoardWindow::Timer2_Timer() {
    PictureBox* chip = phishka_[numGr - 1];
    if (step_ < 24) {
        ++step_;
        static constexpr int kDx[4] = {3, -3, 0, 0};
        static constexpr int kDy[4] = {0, 0, -3, 3};
        chip->move(chip->pos() + QPoint(kDx[direction_ - 1], kDy[direction_ - 1]));
        return;
    }
    Timer2_->stop();
    LoadImage(numGr, game_.square(numGr));
    // The turn indicator still shows the player who has arrived.
    const std::optional<int> place = game_.arrive();
    if (place) {
        pendingFinish_ = Finish{winNameGr_->text(), *place};
        openFinishWhenFree();
    }
    if (game_.over())
        KnopDali_->setEnabled(false);
    else
        showTurn();
    knopSave_->setEnabled(true);
}

void BoardWindow::openFinishWhenFree() {
    // The finish window disables the board, so it waits until the board is
    // free: a question box open on the board would be disabled with it, and
    // the statistics window gives the board back when it closes (and calls
    // here again).
    ctx.dialogs.whenAnswered(this, [this] {
        if (!pendingFinish_ || leaving_ || !isEnabled())
            return;
        const Finish finish = *std::exchange(pendingFinish_, std::nullopt);
        QPointer<BoardWindow> self(this);
        finishWindow_ = new FinishWindow([self] {
            if (self)
                self->setEnabled(true);
        });
        finishWindow_->showPlace(finish.name, finish.place);
        setEnabled(false);
        centreOver(finishWindow_, this);
        finishWindow_->show();
    });
}

void BoardWindow::PAbout_Click() {
    showHelpPage(ctx, this);
}

void BoardWindow::stat_Click() {
    setEnabled(false);
    QPointer<BoardWindow> self(this);
    statisticsWindow_ = new StatisticsWindow([self] {
        if (!self)
            return;
        self->setEnabled(true);
        self->openFinishWhenFree();
    });
    for (int p = 1; p <= 3; ++p)
        for (int c = 1; c <= 7; ++c)
            for (int k = 1; k <= 2; ++k)
                statisticsWindow_->setCount(p, c, k, game_.stats().at(p, c, k));
    for (int i = 1; i <= playerCount(); ++i)
        statisticsWindow_->setPlayerName(i, registration_.playerName(i));
    centreOver(statisticsWindow_, this);
    statisticsWindow_->show();
}

void BoardWindow::knopSave_Click() {
    if (ctx.dialogs.show(this, Message{QStringLiteral("Запит"), QStringLiteral("Зберегти гру?"),
                                       MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes)
        return;
    const bool firstSave = !folderFlag_;
    if (firstSave)
        ctx.folder.ensureFolder(QStringLiteral("Save"));
    const QString saveFolder = ctx.folder.path(QStringLiteral("Save"));
    const QString name = firstSave ? gamefiles::freeGameFolderName(saveFolder) : folderName_;
    const QString gameFolder = QDir(saveFolder).filePath(name);

    std::array<QString, 3> names;
    for (int i = 1; i <= playerCount(); ++i)
        names[i - 1] = registration_.playerName(i);
    const GameRecord record = game_.record(names);

    // All or nothing: on failure the game folder is still the previous save (or absent).
    if (!gamefiles::writeSave(gameFolder, ctx.folder.workingFolder(), record, game_.stats())) {
        ctx.dialogs.show(this, Message{QStringLiteral("Помилка"), QStringLiteral("Гру не вдалося зберегти!"),
                                       MsgIcon::Warning, MsgButtons::Ok});
        return;
    }
    ctx.dialogs.show(this, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гра збережена!"),
                                   MsgIcon::Information, MsgButtons::Ok});
    folderName_ = name;
    folderFlag_ = true;
    saved_ = true;
}

void BoardWindow::GameOpen() {
    const QString folder = registration_.potochPapka();
    knopStart_->setEnabled(false);
    const std::optional<GameRecord> record = gamefiles::readGameRecord(folder);
    if (!record) {
        ctx.dialogs.show(this,
                         Message{QStringLiteral("Помилка"),
                                 QStringLiteral("Дані гри в папці %1 пошкоджені!\nЦю гру не можна відкрити.")
                                     .arg(QDir::toNativeSeparators(folder)),
                                 MsgIcon::Warning, MsgButtons::Ok});
        KnopDali_->setEnabled(false);
        knopSave_->setEnabled(false);
        return;
    }
    // The statistics and the game's folder belong to a finished game as well:
    // F2 shows its counts and a save writes back into its folder.
    game_.restore(*record, gamefiles::readStatTable(folder).value_or(StatTable()));
    for (int i = 1; i <= game_.playerCount(); ++i) {
        LoadImage(i, game_.square(i));
        placeChip(i, game_.square(i));
    }
    folderFlag_ = true;
    folderName_ = QFileInfo(folder).fileName();
    if (game_.over()) {
        ctx.dialogs.show(this, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гра закінчена!"),
                                       MsgIcon::Information, MsgButtons::Ok});
        KnopDali_->setEnabled(false);
        return;
    }
    winNameGr_->show();
    KnopDali_->show();
    ctx.folder.ensureFolder(QStringLiteral("Temp"));
    removeFilesIn(ctx.folder.workingFolder());
    // Without its picture memory the game still plays: the failure is logged.
    if (!gamefiles::restoreWorkingFolder(folder, ctx.folder.workingFolder()))
        qCWarning(lcFiles).noquote() << "picture memory of" << folder << "not fully restored";
    IndikatHod(numGr);
}

void BoardWindow::KnopEnd_Click() {
    if (!saved_ &&
        ctx.dialogs.show(this, Message{QStringLiteral("Запит"),
                                       QStringLiteral("Увага!Ви гру не зберегли!\nБажаєте зберегти?"),
                                       MsgIcon::Warning, MsgButtons::YesNo}) == MsgAnswer::Yes)
        knopSave_Click();
    close();
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    // While a task, the statistics or the finish window is open the board
    // belongs to that window: its close box is refused without a question.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (ctx.dialogs.show(this, Message{QStringLiteral("Запит"),
                                       QStringLiteral("Повернутися у вікно реєстрації гравців?"),
                                       MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
        event->ignore();
        return;
    }
    leaving_ = true;
    Timer2_->stop();
    removeFilesIn(ctx.folder.workingFolder());
    registration_.returnFromBoard();
    event->accept();
}

} // namespace zorna
