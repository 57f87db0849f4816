#include "board/board_window.h"

#include "platform/pictures.h"

#include "board/function_keys.h"
#include "platform/geometry.h"
#include "platform/text_fit.h"
#include "stats/finish_window.h"
#include "stats/statistics_window.h"
#include "tasks/common/task_catalog.h"

#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>

#include <utility>

namespace zorna {

namespace {

const QColor kPlayerColour[3] = {QColor(0, 192, 192), QColor(255, 0, 0), QColor(0, 0, 255)};

QString colourSheet(const QColor& c) {
    return QStringLiteral("background-color: rgb(%1, %2, %3);").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace

BoardWindow::BoardWindow(AppContext& context, const TaskCatalog& tasks, const SessionStart& start,
                         std::function<void()> returnToRegistration)
    : ctx_(context), tasks_(tasks), session_(context.folder, start.players),
      returnToRegistration_(std::move(returnToRegistration)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Zorna"));
    setWindowTitle(QStringLiteral("Розвивальна гра \"Тимбрала\""));

    auto* client = new QWidget(this);
    client->setFixedSize(tw(11775), tw(3870));
    setCentralWidget(client);

    map_ = new PictureBox(client, Qt::transparent);
    map_->setObjectName(QStringLiteral("map"));
    map_->setGeometry(0, 0, 785, 453);
    map_->showPictureReadAhead(ctx_.folder.path(QStringLiteral("map.png")));

    startButton_ =
        button(QStringLiteral("Старт"), QStringLiteral("Розпочати гру"), 120, QColor(128, 255, 255), 855);
    startButton_->setObjectName(QStringLiteral("knopStart"));

    turnLabel_ = new FitLabel(client);
    turnLabel_->setObjectName(QStringLiteral("winNameGr"));
    // Names are shown exactly as typed, never read as markup.
    turnLabel_->setTextFormat(Qt::PlainText);
    placeTw(turnLabel_, 1200, 3360, 3135, 375);
    turnLabel_->setAlignment(Qt::AlignCenter);
    turnLabel_->setFont(gameFont(QStringLiteral("Arial"), 12, true));
    turnLabel_->setToolTip(QStringLiteral("Колір фішки та ім’я гравця, що зараз ходить"));
    turnLabel_->setStyleSheet(colourSheet(QColor(192, 192, 192)));

    nextButton_ = button(QStringLiteral("Далі"), QStringLiteral("Вивести завдання для вказаного гравця"),
                         4440, QColor(0, 192, 0), 855);
    nextButton_->setObjectName(QStringLiteral("KnopDali"));
    saveButton_ =
        button(QString(), QStringLiteral("Збереження поточної гри"), 10200, QColor(224, 224, 224), 375);
    saveButton_->setObjectName(QStringLiteral("knopSave"));
    saveButton_->setIcon(QIcon(loadDrawing(ctx_.folder, rules::drawings::kSaveDisk)));
    saveButton_->setIconSize(rules::drawings::kSaveDisk.size());
    leaveButton_ = button(QStringLiteral("Вихід"), QStringLiteral("Повернення до вікна реєстрації гравців"),
                          10680, QColor(255, 128, 255), 975);
    leaveButton_->setObjectName(QStringLiteral("KnopEnd"));

    for (int p = 0; p < 3; ++p) {
        auto* chip = new PictureBox(client, Qt::transparent);
        chip->setObjectName(QStringLiteral("phishka%1").arg(p + 1));
        chip->setGeometry(0, 0, 21, 16);
        chip->showPicture(ctx_.folder.path(QStringLiteral("guk%1%2.gif").arg(p + 1).arg(1)));
        chip->hide();
        chips_[p] = chip;
    }

    helpAction_ = menuBar()->addAction(QStringLiteral("F1 - про програму"));
    helpAction_->setObjectName(QStringLiteral("PAbout"));
    statisticsAction_ = menuBar()->addAction(QStringLiteral("F2 - статистика"));
    statisticsAction_->setObjectName(QStringLiteral("stat"));

    connect(startButton_, &QPushButton::clicked, this, [this] { startGame(); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { nextTask(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveGame(); });
    connect(leaveButton_, &QPushButton::clicked, this, [this] { leaveBoard(); });
    connect(helpAction_, &QAction::triggered, this, [this] { showHelp(); });
    connect(statisticsAction_, &QAction::triggered, this, [this] { showStatistics(); });

    moveTimer_ = ctx_.clock.createTimer(100, [this] { stepChip(); });

    new FunctionKeys(this, [this](int key) {
        if (key == Qt::Key_F1)
            showHelp();
        else
            showStatistics();
        return true;
    });

    startButton_->setEnabled(!start.savedGame);
    if (start.savedGame) {
        openSavedGame(*start.savedGame);
        return;
    }
    session_.newGame();
    saveButton_->setEnabled(false);
    placeChips();
    turnLabel_->hide();
    nextButton_->hide();
}

BoardWindow::~BoardWindow() {
    if (moveTimer_)
        moveTimer_->stop();
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
    return moveTimer_->isEnabled();
}

void BoardWindow::placeChip(int player, int square) {
    chips_[player - 1]->move(session_.game().chipAt(player, square));
    chips_[player - 1]->show();
}

void BoardWindow::placeChips() {
    for (int p = 1; p <= session_.playerCount(); ++p)
        placeChip(p, session_.game().square(p));
}

void BoardWindow::showChipPicture(int player, int picture) {
    chipPicture_[player - 1] = picture;
    chips_[player - 1]->showPicture(ctx_.folder.path(QStringLiteral("guk%1%2.gif").arg(player).arg(picture)));
}

void BoardWindow::showRestingChip(int player) {
    if (const std::optional<int> picture = restingPicture(session_.game().square(player)))
        showChipPicture(player, *picture);
}

void BoardWindow::showTurnColour(int player) {
    const QColor text = player == 1 ? Qt::black : Qt::white;
    turnLabel_->setStyleSheet(colourSheet(kPlayerColour[player - 1]) +
                              QStringLiteral("color: %1;").arg(text.name()));
    turnLabel_->setText(session_.players().name(player));
}

void BoardWindow::startGame() {
    turnLabel_->show();
    nextButton_->show();
    startButton_->setEnabled(false);
    session_.start();
    showTurnColour(session_.currentPlayer());
    saveButton_->setEnabled(true);
}

void BoardWindow::nextTask() {
    const std::optional<int> square = session_.nextTask();
    if (!square)
        return;
    if (!tasks_.has(*square)) {
        // The square's task window is not part of this build: nothing is counted, nobody moves.
        ctx_.dialogs.show(this, Message{QStringLiteral("Повідомлення"),
                                        QStringLiteral("Завдання №%1 поки що недоступне.").arg(*square),
                                        MsgIcon::Information, MsgButtons::Ok});
        return;
    }
    setEnabled(false);
    taskOpenedMs_ = ctx_.clock.nowMs();
    task_ = tasks_.open(*square, ctx_, *this);
    if (!task_) {
        setEnabled(true);
        return;
    }
    centreOver(task_, this);
    task_->show();
}

void BoardWindow::taskAnswered(const TaskResult& result) {
    setEnabled(true);
    show();
    raise();
    activateWindow();
    const int p = session_.currentPlayer();
    const std::optional<int> square = session_.applyResult(result, ctx_.clock.nowMs() - taskOpenedMs_);
    if (!square) {
        showTurn();
        return;
    }
    moveChip(chips_[p - 1]->pos(), session_.game().chipAt(p, *square));
}

void BoardWindow::showTurn() {
    showTurnColour(session_.currentPlayer());
    nextButton_->setEnabled(true);
}

void BoardWindow::moveChip(QPoint from, QPoint to) {
    step_ = 0;
    if (const std::optional<int> d = moveDirection(from, to))
        direction_ = *d;
    nextButton_->setEnabled(false);
    saveButton_->setEnabled(false);
    showChipPicture(session_.currentPlayer(), movingPicture(direction_));
    moveTimer_->start();
}

void BoardWindow::stepChip() {
    PictureBox* chip = chips_[session_.currentPlayer() - 1];
    if (step_ < 24) {
        ++step_;
        static constexpr int kDx[4] = {3, -3, 0, 0};
        static constexpr int kDy[4] = {0, 0, -3, 3};
        chip->move(chip->pos() + QPoint(kDx[direction_ - 1], kDy[direction_ - 1]));
        return;
    }
    moveTimer_->stop();
    showRestingChip(session_.currentPlayer());
    session_.arrive();
    if (session_.hasPendingFinish())
        openFinishWhenFree();
    if (session_.game().over())
        nextButton_->setEnabled(false);
    else
        showTurn();
    saveButton_->setEnabled(true);
}

void BoardWindow::openFinishWhenFree() {
    // The finish window disables the board, so it waits until the board is
    // free: a question box open on the board would be disabled with it, and
    // the statistics and finish windows give the board back when they close
    // (and call here again).
    ctx_.dialogs.whenAnswered(this, [this] {
        if (!session_.hasPendingFinish() || leaving_ || !isEnabled())
            return;
        const FinishEvent finish = *session_.takeFinish();
        finishWindow_ = new FinishWindow(ctx_.folder, giveBoardBack());
        finishWindow_->showPlace(finish.name, finish.place);
        setEnabled(false);
        centreOver(finishWindow_, this);
        finishWindow_->show();
    });
}

std::function<void()> BoardWindow::giveBoardBack() {
    QPointer<BoardWindow> self(this);
    return [self] {
        if (!self)
            return;
        self->setEnabled(true);
        self->openFinishWhenFree();
    };
}

void BoardWindow::showHelp() {
    showHelpPage(ctx_, this);
}

void BoardWindow::showStatistics() {
    setEnabled(false);
    statisticsWindow_ = new StatisticsWindow(giveBoardBack());
    session_.stats().forEach([this](int player, int category, int kind, int count) {
        statisticsWindow_->setCount(player, category, kind, count);
    });
    for (int i = 1; i <= session_.playerCount(); ++i)
        statisticsWindow_->setPlayerName(i, session_.players().name(i));
    centreOver(statisticsWindow_, this);
    statisticsWindow_->show();
}

void BoardWindow::saveGame() {
    if (ctx_.dialogs.show(this, Message{QStringLiteral("Запит"), QStringLiteral("Зберегти гру?"),
                                        MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes)
        return;
    if (!session_.save()) {
        ctx_.dialogs.show(this, Message{QStringLiteral("Помилка"), QStringLiteral("Гру не вдалося зберегти!"),
                                        MsgIcon::Warning, MsgButtons::Ok});
        return;
    }
    ctx_.dialogs.show(this, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гра збережена!"),
                                    MsgIcon::Information, MsgButtons::Ok});
}

void BoardWindow::openSavedGame(const QString& folder) {
    switch (session_.open(folder)) {
    case Session::Opened::Damaged:
        ctx_.dialogs.show(this,
                          Message{QStringLiteral("Помилка"),
                                  QStringLiteral("Дані гри в папці %1 пошкоджені!\nЦю гру не можна відкрити.")
                                      .arg(QDir::toNativeSeparators(folder)),
                                  MsgIcon::Warning, MsgButtons::Ok});
        nextButton_->setEnabled(false);
        saveButton_->setEnabled(false);
        return;
    case Session::Opened::Finished:
        placeRestoredChips();
        ctx_.dialogs.show(this, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гра закінчена!"),
                                        MsgIcon::Information, MsgButtons::Ok});
        nextButton_->setEnabled(false);
        return;
    case Session::Opened::Playing:
        placeRestoredChips();
        turnLabel_->show();
        nextButton_->show();
        showTurnColour(session_.currentPlayer());
        return;
    }
}

void BoardWindow::placeRestoredChips() {
    for (int i = 1; i <= session_.playerCount(); ++i) {
        showRestingChip(i);
        placeChip(i, session_.game().square(i));
    }
}

void BoardWindow::leaveBoard() {
    if (!session_.isSaved() &&
        ctx_.dialogs.show(this, Message{QStringLiteral("Запит"),
                                        QStringLiteral("Увага!Ви гру не зберегли!\nБажаєте зберегти?"),
                                        MsgIcon::Warning, MsgButtons::YesNo}) == MsgAnswer::Yes)
        saveGame();
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
    if (ctx_.dialogs.show(this, Message{QStringLiteral("Запит"),
                                        QStringLiteral("Повернутися у вікно реєстрації гравців?"),
                                        MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
        event->ignore();
        return;
    }
    leaving_ = true;
    moveTimer_->stop();
    session_.leave();
    returnToRegistration_();
    event->accept();
}

} // namespace zorna
