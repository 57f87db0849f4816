#include "registration/registration_window.h"

#include "board/board_window.h"
#include "board/function_keys.h"
#include "board/game_files.h"
#include "platform/geometry.h"
#include "platform/pictures.h"
#include "platform/text_fit.h"
#include "registration/player_names.h"
#include "rules/picture_names.h"

#include <QCloseEvent>
#include <QDir>
#include <QHideEvent>
#include <QIcon>
#include <QPainter>
#include <QShowEvent>

namespace zorna {

namespace {

const QColor kNavy(0, 0, 128);
// Client heights of the two modes: the outer heights 2460 and 4350 twips less
// the title bar and the border.
constexpr int kNewModeHeight = 2460 - 450;
constexpr int kSavedModeHeight = 4350 - 450;
constexpr int kNameTop[3] = {960, 1320, 1680};
constexpr int kSavedNameTop[3] = {2880, 3240, 3600};

QIcon drawingIcon(const ProgramFolder& folder, const rules::Drawing& drawing) {
    return QIcon(loadDrawing(folder, drawing));
}

void colourText(QWidget* w, const QColor& text, const QColor& base) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

QPushButton* pictureButton(QWidget* parent, const QString& tip, int l, int t, const QString& sheet) {
    auto* b = new QPushButton(parent);
    placeTw(b, l, t, 615, 375);
    b->setToolTip(tip);
    b->setStyleSheet(QStringLiteral("QPushButton { %1 border: 1px solid #c0c0c0; }"
                                    "QPushButton:pressed { border: 2px inset gray; }"
                                    "QPushButton:disabled { background-color: #808080; }")
                         .arg(sheet));
    return b;
}

} // namespace

QString RegistrationWindow::creditLine() {
    return QStringLiteral("Автори: команда «Зорна» — розробники, художники й учителі, що зробили цю гру для "
                          "школярів. Дякуємо всім, хто грає, думає та перемагає! Бажаємо вам уважності, "
                          "кмітливості й гарного настрою!");
}

QLabel* RegistrationWindow::label(const QString& text, int l, int t, int w, int h) {
    auto* lab = new QLabel(text, this);
    placeTw(lab, l, t, w, h);
    lab->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8, true));
    colourText(lab, Qt::white, kNavy);
    return lab;
}

RegistrationWindow::RegistrationWindow(AppContext& context, const TaskCatalog& tasks)
    : ctx_(context), tasks_(tasks), games_(context.folder) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("reestr"));
    setWindowTitle(QStringLiteral("Реєстрація"));
    setBackground(this, kNavy);

    tickerBox_ = new QLineEdit(this);
    tickerBox_->setObjectName(QStringLiteral("WinAvtors0"));
    placeTw(tickerBox_, -9240, 90, 12120, 225);
    tickerBox_->setReadOnly(true);
    tickerBox_->setFocusPolicy(Qt::NoFocus);
    tickerBox_->setFrame(false);
    tickerBox_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tickerBox_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8));
    tickerBox_->setTextMargins(0, 0, 0, 0);
    tickerBox_->setContextMenuPolicy(Qt::NoContextMenu);
    colourText(tickerBox_, QColor(0, 255, 255), kNavy);
    for (int i = 0; i < 2; ++i) {
        auto* block = new QLineEdit(this);
        block->setObjectName(QStringLiteral("Text1%1").arg(i));
        placeTw(block, i == 0 ? 0 : 2880, 0, 150, 375);
        block->setReadOnly(true);
        block->setFocusPolicy(Qt::NoFocus);
        block->setFrame(false);
        colourText(block, kNavy, kNavy);
    }

    playerCountBox_ = new QComboBox(this);
    playerCountBox_->setObjectName(QStringLiteral("winKilGravc"));
    placeTw(playerCountBox_, 120, 360, 1335, 315);
    playerCountBox_->setToolTip(QStringLiteral("Кількість гравців"));

    openButton_ = pictureButton(this, QString(), 1560, 360, QStringLiteral("background-color: #c0c0c0;"));
    openButton_->setObjectName(QStringLiteral("knopOpen"));
    nextButton_ = pictureButton(this, QStringLiteral("Перейти до ігрового поля"), 2280, 360,
                                QStringLiteral("background-color: rgb(0, 192, 192);"));
    nextButton_->setObjectName(QStringLiteral("knopNext"));
    nextButton_->setIcon(drawingIcon(context.folder, rules::drawings::kNextArrow));
    nextButton_->setIconSize(rules::drawings::kNextArrow.size());

    label(QStringLiteral("Гравці:"), 120, 720, 1335, 255);
    for (int i = 0; i < 3; ++i) {
        label(QString::number(i + 1), 120, kNameTop[i], 135, 255);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("winNameGravc%1").arg(i + 1));
        placeTw(name, 360, kNameTop[i], 2535, 285);
        nameBoxes_[i] = name;
    }

    // The saved-games panel.
    QLabel* saved = label(QStringLiteral("Збережені ігри"), 840, 2160, 1215, 255);
    saved->setAlignment(Qt::AlignCenter);
    saved->setFont(gameFont(QStringLiteral("MS Sans Serif"), 7));
    previousGameButton_ = pictureButton(this, QStringLiteral("Попередній запис"), 120, 2400,
                                        QStringLiteral("background-color: #c0c0c0;"));
    previousGameButton_->setObjectName(QStringLiteral("knopPopered"));
    previousGameButton_->setIcon(drawingIcon(context.folder, rules::drawings::kPreviousGame));
    previousGameButton_->setIconSize(rules::drawings::kPreviousGame.size());
    nextGameButton_ = pictureButton(this, QStringLiteral("Наступний запис"), 840, 2400,
                                    QStringLiteral("background-color: #c0c0c0;"));
    nextGameButton_->setObjectName(QStringLiteral("knopNastup"));
    nextGameButton_->setIcon(drawingIcon(context.folder, rules::drawings::kNextGame));
    nextGameButton_->setIconSize(rules::drawings::kNextGame.size());
    deleteButton_ = pictureButton(this, QStringLiteral("Видалити гру з даними учасниками"), 2280, 2400,
                                  QStringLiteral("background-color: rgb(255, 0, 0);"));
    deleteButton_->setObjectName(QStringLiteral("Command1"));
    deleteButton_->setIcon(drawingIcon(context.folder, rules::drawings::kDeleteGame));
    deleteButton_->setIconSize(rules::drawings::kDeleteGame.size());
    for (int i = 0; i < 3; ++i) {
        label(QString::number(i + 1), 120, kSavedNameTop[i], 135, 255);
        auto* name = new FitLabel(this);
        name->setObjectName(QStringLiteral("nameSaveGr%1").arg(i + 1));
        // Names come from the game's file: shown as stored, never read as markup.
        name->setTextFormat(Qt::PlainText);
        placeTw(name, 360, kSavedNameTop[i], 2535, 255);
        name->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8, true));
        setBackground(name, Qt::white);
        savedNameLabels_[i] = name;
    }

    connect(playerCountBox_, &QComboBox::currentIndexChanged, this, [this] { playerCountChanged(); });
    connect(openButton_, &QPushButton::clicked, this, [this] { toggleSavedGames(); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { goToBoard(); });
    connect(nextGameButton_, &QPushButton::clicked, this, [this] { showNextGame(); });
    connect(previousGameButton_, &QPushButton::clicked, this, [this] { showPreviousGame(); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { deleteGame(); });

    tickerTimer_ = ctx_.clock.createTimer(300, [this] { scrollTicker(); });
    new FunctionKeys(this, [this](int key) {
        if (key != Qt::Key_F1)
            return false;
        showHelpPage(ctx_, this);
        return true;
    });

    load();
}

RegistrationWindow::~RegistrationWindow() {
    tickerTimer_->stop();
}

RegistrationWindow* RegistrationWindow::showFresh(AppContext& ctx, const TaskCatalog& tasks) {
    auto* w = new RegistrationWindow(ctx, tasks);
    centreOnScreen(w);
    w->show();
    return w;
}

void RegistrationWindow::load() {
    ticker_ = QStringLiteral("F1-про програму") + QString(63, QLatin1Char(' ')) + creditLine() +
              QString(69, QLatin1Char(' '));
    setClientSizeTw(this, 3000, kNewModeHeight);
    playerCountBox_->addItems({QStringLiteral("2"), QStringLiteral("3")});
    playerCountBox_->setCurrentIndex(0);
    nameBoxes_[2]->setEnabled(false);
    setMode(false);
    tickerStart_ = 1;
    tickerCounter_ = 1;
    tickerLength_ = 0;
    confirmClose_ = true;
    tickerTimer_->start();
}

int RegistrationWindow::playerCount() const {
    return playerCountBox_->currentText().toInt();
}

Players RegistrationWindow::players() const {
    Players players;
    players.count = playerCount();
    for (int i = 1; i <= players.count; ++i)
        players.names[i - 1] = nameBoxes_[i - 1]->text();
    return players;
}

void RegistrationWindow::playerCountChanged() {
    for (int i = 1; i <= 3; ++i)
        nameBoxes_[i - 1]->setEnabled(i <= playerCount());
}

void RegistrationWindow::scrollTicker() {
    if (tickerCounter_ >= ticker_.size()) {
        tickerLength_ = 0;
        tickerCounter_ = 0;
    }
    tickerStart_ = tickerCounter_ > 50 ? tickerStart_ + 1 : 1;
    tickerLength_ += tickerStart_ == 1 ? 2 : 1;
    tickerCounter_ += 2;
    tickerBox_->setText(ticker_.mid(tickerStart_ - 1, tickerLength_));
}

void RegistrationWindow::setMode(bool saved) {
    savedMode_ = saved;
    setClientSizeTw(this, 3000, saved ? kSavedModeHeight : kNewModeHeight);
    // Out of saved-game mode the panel lies below the window's edge: its
    // buttons are hidden too, so that no key (Tab, Space) can reach them there.
    for (QPushButton* button : {previousGameButton_, nextGameButton_, deleteButton_})
        button->setVisible(saved);
    const QString picture = saved ? rules::newButtonPicture() : rules::openButtonPicture();
    const QPixmap pix = loadPicture(ctx_.folder.path(picture));
    openButton_->setIcon(QIcon(pix));
    openButton_->setIconSize(pix.deviceIndependentSize().toSize());
    openButton_->setToolTip(saved ? QStringLiteral("Розпочати нову гру")
                                  : QStringLiteral("Вибрати одну із збережених ігр"));
}

void RegistrationWindow::toggleSavedGames() {
    if (savedMode_) {
        setMode(false);
        playerCountBox_->setEnabled(true);
        playerCountChanged();
        return;
    }
    ctx_.folder.ensureFolder(QStringLiteral("Save"));
    fillList();
    if (games_.isEmpty())
        return;
    setMode(true);
    playerCountBox_->setEnabled(false);
    for (QLineEdit* name : nameBoxes_)
        name->setEnabled(false);
    showEntry(0);
    previousGameButton_->setEnabled(false);
    nextGameButton_->setEnabled(games_.size() > 1);
}

void RegistrationWindow::fillList() {
    games_.recover();
    // The folder is named as it is only once it is known whether it went.
    while (const std::optional<SavedGames::DamagedGame> damaged = games_.removeNextDamaged())
        ctx_.dialogs.show(this,
                          Message{QStringLiteral("Помилка"),
                                  (damaged->removed ? QStringLiteral("Виявлено помилку в даних гри%1!\nПапка "
                                                                     "з даними цієї гри буде знищена")
                                                    : QStringLiteral("Виявлено помилку в даних гри%1!\nПапку "
                                                                     "з даними цієї гри не вдалося видалити, "
                                                                     "її пропущено."))
                                      .arg(QDir::toNativeSeparators(damaged->folder)),
                                  MsgIcon::Warning, MsgButtons::Ok});
    // A folder whose name cannot be read cannot be opened, checked or removed:
    // the teacher is told why it is not in the list.
    if (const QStringList unreadable = games_.unreadableNames(); !unreadable.isEmpty())
        ctx_.dialogs.show(this,
                          Message{QStringLiteral("Повідомлення"),
                                  QStringLiteral("Назви цих папок у папці %1 не вдалося прочитати, тому їх "
                                                 "немає у списку збережених ігор:\n%2")
                                      .arg(QDir::toNativeSeparators(games_.saveFolder()),
                                           unreadable.join(QLatin1Char('\n'))),
                                  MsgIcon::Warning, MsgButtons::Ok});
}

void RegistrationWindow::showEntry(int position) {
    position_ = position;
    currentFolder_ = games_.folder(position);
    record_ = gamefiles::readGameRecord(currentFolder_);
    for (int i = 0; i < 3; ++i)
        savedNameLabels_[i]->setText(record_ ? record_->names[i] : QString());
}

void RegistrationWindow::showNextGame() {
    if (position_ >= games_.size() - 1)
        return;
    showEntry(position_ + 1);
    if (position_ == games_.size() - 1)
        nextGameButton_->setEnabled(false);
    previousGameButton_->setEnabled(true);
}

void RegistrationWindow::showPreviousGame() {
    if (position_ <= 0)
        return;
    showEntry(position_ - 1);
    if (position_ == 0)
        previousGameButton_->setEnabled(false);
    nextGameButton_->setEnabled(true);
}

void RegistrationWindow::deleteGame() {
    if (!savedMode_)
        return;
    if (ctx_.dialogs.show(this, Message{QStringLiteral("Запит"),
                                        QStringLiteral("Видалити гру з даними учасниками?"),
                                        MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes)
        return;
    if (ctx_.dialogs.show(this, Message{QStringLiteral("Важливе повідомлення"),
                                        QStringLiteral("Увага!\nЗараз буде видалено вибрану Вами гру!"),
                                        MsgIcon::Warning, MsgButtons::OkCancel}) != MsgAnswer::Ok)
        return;
    const int a = position_;
    // The list is read again either way, so the panel shows what the disk holds
    // now (another copy of the program may have removed the game).
    if (!games_.remove(currentFolder_))
        ctx_.dialogs.show(this, Message{QStringLiteral("Помилка"), QStringLiteral("Гру не вдалося видалити!"),
                                        MsgIcon::Warning, MsgButtons::Ok});
    if (games_.isEmpty()) {
        toggleSavedGames();
        return;
    }
    const int c = int(games_.size());
    if (a < c) {
        showEntry(a);
        if (a == c - 1)
            nextGameButton_->setEnabled(false);
        if (a == 0)
            previousGameButton_->setEnabled(false);
    } else {
        showEntry(a - 1);
        nextGameButton_->setEnabled(false);
        if (a - 1 == 0)
            previousGameButton_->setEnabled(false);
    }
}

void RegistrationWindow::goToBoard() {
    // One board at a time: a second click that was already on its way when the
    // first one hid this window opens nothing.
    if (board_)
        return;
    if (!savedMode_) {
        const Players chosen = players();
        const QStringList names(chosen.names.begin(), chosen.names.begin() + chosen.count);
        if (const std::optional<NameProblem> problem = checkPlayerNames(names)) {
            ctx_.dialogs.show(this, Message{QStringLiteral("Повідомлення"), nameProblemText(*problem),
                                            MsgIcon::Warning, MsgButtons::Ok});
            return;
        }
        hide();
        showBoard();
        return;
    }
    // The record is read again: the game is opened only when its files still hold a playable game.
    record_ = gamefiles::readGameRecord(currentFolder_);
    if (!record_) {
        ctx_.dialogs.show(this,
                          Message{QStringLiteral("Помилка"),
                                  QStringLiteral("Дані гри в папці %1 пошкоджені!\nЦю гру не можна відкрити.")
                                      .arg(QDir::toNativeSeparators(currentFolder_)),
                                  MsgIcon::Warning, MsgButtons::Ok});
        return;
    }
    bool anyName = false;
    for (const QLabel* name : savedNameLabels_)
        anyName = anyName || !name->text().trimmed().isEmpty();
    if (!anyName) {
        ctx_.dialogs.show(this, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гру не вибрано!"),
                                        MsgIcon::Warning, MsgButtons::Ok});
        return;
    }
    playerCountBox_->setCurrentIndex(record_->playerCount == 3 ? 1 : 0);
    for (int i = 0; i < 3; ++i) {
        nameBoxes_[i]->setText(record_->names[i].trimmed());
        nameBoxes_[i]->setEnabled(false);
    }
    showBoard();
    hide();
}

QString RegistrationWindow::nameProblemText(const NameProblem& problem) {
    switch (problem.kind) {
    case NameProblem::Kind::Missing:
        return QStringLiteral("Не всі гравці задали своє ім'я!");
    case NameProblem::Kind::Unsaveable:
        return QStringLiteral("Символ %1 в імені гравця %2 не допускається!")
            .arg(describeCharacter(problem.character))
            .arg(problem.player);
    case NameProblem::Kind::Same:
        break;
    }
    return QStringLiteral("Однакові імена не допускаються!");
}

void RegistrationWindow::showBoard() {
    SessionStart start{players(), std::nullopt};
    if (savedMode_)
        start.savedGame = currentFolder_;
    QPointer<RegistrationWindow> self(this);
    board_ = new BoardWindow(ctx_, tasks_, start, [self] {
        if (self)
            self->returnFromBoard();
    });
    centreOnScreen(board_);
    board_->show();
}

void RegistrationWindow::returnFromBoard() {
    // The fresh window is shown before this one closes, so the program never
    // runs without a visible window.
    successor_ = showFresh(ctx_, tasks_);
    confirmClose_ = false;
    close();
}

void RegistrationWindow::closeEvent(QCloseEvent* event) {
    // While the board is open this hidden window holds its players: a close
    // request from outside (window tools, the session) is refused. The board
    // itself closes this window when the players leave it.
    if (board_ && confirmClose_) {
        event->ignore();
        return;
    }
    if (confirmClose_ &&
        ctx_.dialogs.show(this, Message{QStringLiteral("Запит"), QStringLiteral("Закрити програму?"),
                                        MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
        event->ignore();
        return;
    }
    tickerTimer_->stop();
    event->accept();
}

void RegistrationWindow::hideEvent(QHideEvent* event) {
    // A minimised window (a hide from the window system) keeps its strip moving.
    if (!event->spontaneous())
        tickerTimer_->stop();
    QWidget::hideEvent(event);
}

void RegistrationWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && confirmClose_)
        tickerTimer_->start();
    QWidget::showEvent(event);
}

void RegistrationWindow::paintEvent(QPaintEvent*) {
    // Two short teal lines beside the panel's title.
    QPainter p(this);
    p.setPen(QPen(QColor(0, 128, 128), 1));
    p.drawLine(tw(120), tw(2280), tw(840), tw(2280));
    p.drawLine(tw(2160), tw(2280), tw(2880), tw(2280));
}

} // namespace zorna
