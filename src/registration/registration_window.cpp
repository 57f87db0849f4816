#include "registration/registration_window.h"
#include "platform/pictures.h"

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
#include <QFileInfo>
#include <QHideEvent>
#include <QIcon>
#include <QPainter>
#include <QShowEvent>
#include <QSvgRenderer>

namespace zorna {

namespace {

const QColor kNavy(0, 0, 128);
// Client heights of the two modes: the outer heights 2460 and 4350 twips less
// the title bar and the border.
constexpr int kNewModeHeight = 2460 - 450;
constexpr int kSavedModeHeight = 4350 - 450;
constexpr int kNameTop[3] = {960, 1320, 1680};
constexpr int kSavedNameTop[3] = {2880, 3240, 3600};

QIcon svgIcon(const QString& resource, QSize size) {
    return QIcon(renderSvg(resource, size));
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

RegistrationWindow::RegistrationWindow(AppContext& context) : ctx(context) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("reestr"));
    setWindowTitle(QStringLiteral("Реєстрація"));
    setBackground(this, kNavy);

    WinAvtors_ = new QLineEdit(this);
    WinAvtors_->setObjectName(QStringLiteral("WinAvtors0"));
    placeTw(WinAvtors_, -9240, 90, 12120, 225);
    WinAvtors_->setReadOnly(true);
    WinAvtors_->setFocusPolicy(Qt::NoFocus);
    WinAvtors_->setFrame(false);
    WinAvtors_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    WinAvtors_->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8));
    WinAvtors_->setTextMargins(0, 0, 0, 0);
    WinAvtors_->setContextMenuPolicy(Qt::NoContextMenu);
    colourText(WinAvtors_, QColor(0, 255, 255), kNavy);
    for (int i = 0; i < 2; ++i) {
        auto* block = new QLineEdit(this);
        block->setObjectName(QStringLiteral("Text1%1").arg(i));
        placeTw(block, i == 0 ? 0 : 2880, 0, 150, 375);
        block->setReadOnly(true);
        block->setFocusPolicy(Qt::NoFocus);
        block->setFrame(false);
        colourText(block, kNavy, kNavy);
    }

    winKilGravc_ = new QComboBox(this);
    winKilGravc_->setObjectName(QStringLiteral("winKilGravc"));
    placeTw(winKilGravc_, 120, 360, 1335, 315);
    winKilGravc_->setToolTip(QStringLiteral("Кількість гравців"));

    knopOpen_ = pictureButton(this, QString(), 1560, 360, QStringLiteral("background-color: #c0c0c0;"));
    knopOpen_->setObjectName(QStringLiteral("knopOpen"));
    knopNext_ = pictureButton(this, QStringLiteral("Перейти до ігрового поля"), 2280, 360,
                              QStringLiteral("background-color: rgb(0, 192, 192);"));
    knopNext_->setObjectName(QStringLiteral("knopNext"));
    knopNext_->setIcon(svgIcon(QStringLiteral(":/registration/next.svg"), QSize(33, 19)));
    knopNext_->setIconSize(QSize(33, 19));

    label(QStringLiteral("Гравці:"), 120, 720, 1335, 255);
    for (int i = 0; i < 3; ++i) {
        label(QString::number(i + 1), 120, kNameTop[i], 135, 255);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("winNameGravc%1").arg(i + 1));
        placeTw(name, 360, kNameTop[i], 2535, 285);
        winNameGravc_[i] = name;
    }

    // The saved-games panel.
    QLabel* saved = label(QStringLiteral("Збережені ігри"), 840, 2160, 1215, 255);
    saved->setAlignment(Qt::AlignCenter);
    saved->setFont(gameFont(QStringLiteral("MS Sans Serif"), 7));
    knopPopered_ = pictureButton(this, QStringLiteral("Попередній запис"), 120, 2400,
                                 QStringLiteral("background-color: #c0c0c0;"));
    knopPopered_->setObjectName(QStringLiteral("knopPopered"));
    knopPopered_->setIcon(svgIcon(QStringLiteral(":/registration/previous.svg"), QSize(33, 19)));
    knopPopered_->setIconSize(QSize(33, 19));
    knopNastup_ = pictureButton(this, QStringLiteral("Наступний запис"), 840, 2400,
                                QStringLiteral("background-color: #c0c0c0;"));
    knopNastup_->setObjectName(QStringLiteral("knopNastup"));
    knopNastup_->setIcon(svgIcon(QStringLiteral(":/registration/next_record.svg"), QSize(33, 19)));
    knopNastup_->setIconSize(QSize(33, 19));
    Command1_ = pictureButton(this, QStringLiteral("Видалити гру з даними учасниками"), 2280, 2400,
                              QStringLiteral("background-color: rgb(255, 0, 0);"));
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setIcon(svgIcon(QStringLiteral(":/registration/delete.svg"), QSize(33, 19)));
    Command1_->setIconSize(QSize(33, 19));
    for (int i = 0; i < 3; ++i) {
        label(QString::number(i + 1), 120, kSavedNameTop[i], 135, 255);
        auto* name = new FitLabel(this);
        name->setObjectName(QStringLiteral("nameSaveGr%1").arg(i + 1));
        // Names come from the game's file: shown as stored, never read as markup.
        name->setTextFormat(Qt::PlainText);
        placeTw(name, 360, kSavedNameTop[i], 2535, 255);
        name->setFont(gameFont(QStringLiteral("MS Sans Serif"), 8, true));
        setBackground(name, Qt::white);
        nameSaveGr_[i] = name;
    }

    connect(winKilGravc_, &QComboBox::currentIndexChanged, this, [this] { winKilGravc_Click(); });
    connect(knopOpen_, &QPushButton::clicked, this, [this] { knopOpen_Click(); });
    connect(knopNext_, &QPushButton::clicked, this, [this] { knopNext_Click(); });
    connect(knopNastup_, &QPushButton::clicked, this, [this] { knopNastup_Click(); });
    connect(knopPopered_, &QPushButton::clicked, this, [this] { knopPopered_Click(); });
    connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Timer1_ = ctx.clock.createTimer(300, [this] { Timer1_Timer(); });
    new FunctionKeys(this, [this](int key) {
        if (key != Qt::Key_F1)
            return false;
        showHelpPage(ctx, this);
        return true;
    });

    Form_Load();
}

RegistrationWindow::~RegistrationWindow() {
    Timer1_->stop();
}

RegistrationWindow* RegistrationWindow::showFresh(AppContext& ctx) {
    auto* w = new RegistrationWindow(ctx);
    centreOnScreen(w);
    w->show();
    return w;
}

void RegistrationWindow::Form_Load() {
    ticker_ = QStringLiteral("F1-про програму") + QString(63, QLatin1Char(' ')) + creditLine() +
              QString(69, QLatin1Char(' '));
    setClientSizeTw(this, 3000, kNewModeHeight);
    winKilGravc_->addItems({QStringLiteral("2"), QStringLiteral("3")});
    winKilGravc_->setCurrentIndex(0);
    winNameGravc_[2]->setEnabled(false);
    setMode(false);
    tickerStart_ = 1;
    tickerCounter_ = 1;
    tickerLength_ = 0;
    PoKrest = true;
    Timer1_->start();
}

int RegistrationWindow::playerCount() const {
    return winKilGravc_->currentText().toInt();
}

QString RegistrationWindow::playerName(int i) const {
    return winNameGravc_[i - 1]->text();
}

void RegistrationWindow::winKilGravc_Click() {
    for (int i = 1; i <= 3; ++i)
        winNameGravc_[i - 1]->setEnabled(i <= playerCount());
}

void RegistrationWindow::Timer1_Timer() {
    if (tickerCounter_ >= ticker_.size()) {
        tickerLength_ = 0;
        tickerCounter_ = 0;
    }
    tickerStart_ = tickerCounter_ > 50 ? tickerStart_ + 1 : 1;
    tickerLength_ += tickerStart_ == 1 ? 2 : 1;
    tickerCounter_ += 2;
    WinAvtors_->setText(ticker_.mid(tickerStart_ - 1, tickerLength_));
}

void RegistrationWindow::setMode(bool saved) {
    winSave_ = saved;
    setClientSizeTw(this, 3000, saved ? kSavedModeHeight : kNewModeHeight);
    const QString picture = saved ? rules::newButtonPicture() : rules::openButtonPicture();
    const QPixmap pix = loadPicture(ctx.folder.path(picture));
    knopOpen_->setIcon(QIcon(pix));
    knopOpen_->setIconSize(pix.deviceIndependentSize().toSize());
    knopOpen_->setToolTip(saved ? QStringLiteral("Розпочати нову гру")
                                : QStringLiteral("Вибрати одну із збережених ігр"));
}

void RegistrationWindow::knopOpen_Click() {
    if (winSave_) {
        setMode(false);
        winKilGravc_->setEnabled(true);
        winKilGravc_Click();
        return;
    }
    ctx.folder.ensureFolder(QStringLiteral("Save"));
    fillList();
    if (games_.isEmpty())
        return;
    setMode(true);
    winKilGravc_->setEnabled(false);
    for (QLineEdit* name : winNameGravc_)
        name->setEnabled(false);
    showEntry(0);
    knopPopered_->setEnabled(false);
    knopNastup_->setEnabled(games_.size() > 1);
}

void RegistrationWindow::readList() {
    games_ = gamefiles::savedGameFolders(ctx.folder.path(QStringLiteral("Save")));
    for (const QString& skip : undeletable_)
        games_.removeAll(skip);
}

void RegistrationWindow::fillList() {
    const QString save = ctx.folder.path(QStringLiteral("Save"));
    // A save cut short is finished or undone first, so that its folder is not
    // taken for a damaged one.
    gamefiles::recoverInterruptedSaves(save);
    for (;;) {
        readList();
        QString damaged;
        for (const QString& name : games_) {
            if (!QFileInfo::exists(ctx.folder.path(QStringLiteral("Save/%1/date.dat").arg(name)))) {
                damaged = name;
                break;
            }
        }
        if (damaged.isEmpty())
            return;
        const QString folder = QDir(save).filePath(damaged);
        // A folder that cannot be removed is left out of the list instead of being tried forever.
        if (!gamefiles::removeGameFolder(save, folder))
            undeletable_.append(damaged);
        ctx.dialogs.show(this,
                         Message{QStringLiteral("Помилка"),
                                 QStringLiteral("Виявлено помилку в даних гри%1!\nПапка з даними цієї гри "
                                                "буде знищена")
                                     .arg(QDir::toNativeSeparators(folder)),
                                 MsgIcon::Warning, MsgButtons::Ok});
    }
}

void RegistrationWindow::showEntry(int position) {
    position_ = position;
    potochPapka_ = QDir(ctx.folder.path(QStringLiteral("Save"))).filePath(games_.value(position));
    record_ = gamefiles::readGameRecord(potochPapka_);
    for (int i = 0; i < 3; ++i)
        nameSaveGr_[i]->setText(record_ ? record_->names[i] : QString());
}

void RegistrationWindow::knopNastup_Click() {
    if (position_ >= games_.size() - 1)
        return;
    showEntry(position_ + 1);
    if (position_ == games_.size() - 1)
        knopNastup_->setEnabled(false);
    knopPopered_->setEnabled(true);
}

void RegistrationWindow::knopPopered_Click() {
    if (position_ <= 0)
        return;
    showEntry(position_ - 1);
    if (position_ == 0)
        knopPopered_->setEnabled(false);
    knopNastup_->setEnabled(true);
}

void RegistrationWindow::Command1_Click() {
    if (ctx.dialogs.show(this,
                         Message{QStringLiteral("Запит"), QStringLiteral("Видалити гру з даними учасниками?"),
                                 MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes)
        return;
    if (ctx.dialogs.show(this, Message{QStringLiteral("Важливе повідомлення"),
                                       QStringLiteral("Увага!\nЗараз буде видалено вибрану Вами гру!"),
                                       MsgIcon::Warning, MsgButtons::OkCancel}) != MsgAnswer::Ok)
        return;
    const int a = position_;
    if (!gamefiles::removeGameFolder(ctx.folder.path(QStringLiteral("Save")), potochPapka_)) {
        ctx.dialogs.show(this, Message{QStringLiteral("Помилка"), QStringLiteral("Гру не вдалося видалити!"),
                                       MsgIcon::Warning, MsgButtons::Ok});
        // The list is read again below, so the panel shows what the disk holds
        // now (another copy of the program may have removed the game).
    }
    readList();
    if (games_.isEmpty()) {
        knopOpen_Click();
        return;
    }
    const int c = int(games_.size());
    if (a < c) {
        showEntry(a);
        if (a == c - 1)
            knopNastup_->setEnabled(false);
        if (a == 0)
            knopPopered_->setEnabled(false);
    } else {
        showEntry(a - 1);
        knopNastup_->setEnabled(false);
        if (a - 1 == 0)
            knopPopered_->setEnabled(false);
    }
}

void RegistrationWindow::knopNext_Click() {
    // One board at a time: a second click that was already on its way when the
    // first one hid this window opens nothing.
    if (board_)
        return;
    if (!winSave_) {
        QStringList names;
        for (int i = 1; i <= playerCount(); ++i)
            names.append(playerName(i));
        if (const std::optional<NameProblem> problem = checkPlayerNames(names)) {
            ctx.dialogs.show(this, Message{QStringLiteral("Повідомлення"), nameProblemText(*problem),
                                           MsgIcon::Warning, MsgButtons::Ok});
            return;
        }
        hide();
        showBoard();
        return;
    }
    // The record is read again: the game is opened only when its files still hold a playable game.
    record_ = gamefiles::readGameRecord(potochPapka_);
    if (!record_) {
        ctx.dialogs.show(this,
                         Message{QStringLiteral("Помилка"),
                                 QStringLiteral("Дані гри в папці %1 пошкоджені!\nЦю гру не можна відкрити.")
                                     .arg(QDir::toNativeSeparators(potochPapka_)),
                                 MsgIcon::Warning, MsgButtons::Ok});
        return;
    }
    bool anyName = false;
    for (const QLabel* name : nameSaveGr_)
        anyName = anyName || !name->text().trimmed().isEmpty();
    if (!anyName) {
        ctx.dialogs.show(this, Message{QStringLiteral("Повідомлення"), QStringLiteral("Гру не вибрано!"),
                                       MsgIcon::Warning, MsgButtons::Ok});
        return;
    }
    winKilGravc_->setCurrentIndex(record_->playerCount == 3 ? 1 : 0);
    for (int i = 0; i < 3; ++i) {
        winNameGravc_[i]->setText(record_->names[i].trimmed());
        winNameGravc_[i]->setEnabled(false);
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
    board_ = new BoardWindow(ctx, *this);
    board_->knopStart()->setEnabled(!winSave_);
    centreOnScreen(board_);
    board_->show();
}

void RegistrationWindow::returnFromBoard() {
    // The fresh window is shown before this one closes, so the program never
    // runs without a visible window.
    successor_ = showFresh(ctx);
    PoKrest = false;
    close();
}

void RegistrationWindow::closeEvent(QCloseEvent* event) {
    // While the board is open this hidden window holds its players: a close
    // request from outside (window tools, the session) is refused. The board
    // itself closes this window when the players leave it.
    if (board_ && PoKrest) {
        event->ignore();
        return;
    }
    if (PoKrest &&
        ctx.dialogs.show(this, Message{QStringLiteral("Запит"), QStringLiteral("Закрити програму?"),
                                       MsgIcon::Question, MsgButtons::YesNo}) != MsgAnswer::Yes) {
        event->ignore();
        return;
    }
    Timer1_->stop();
    event->accept();
}

void RegistrationWindow::hideEvent(QHideEvent* event) {
    // A minimised window (a hide from the window system) keeps its strip moving.
    if (!event->spontaneous())
        Timer1_->stop();
    QWidget::hideEvent(event);
}

void RegistrationWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && PoKrest)
        Timer1_->start();
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
