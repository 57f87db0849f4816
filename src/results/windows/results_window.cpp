#include "results/windows/results_window.h"

#include "journal/journal_reader.h"
#include "platform/file_system.h"
#include "platform/this_computer.h"
#include "results/model/csv_export.h"
#include "results/windows/class_page.h"
#include "results/windows/guide_dialog.h"
#include "results/windows/journals_page.h"
#include "results/windows/pdf_report.h"
#include "results/windows/pupils_page.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace zorna::results {

ResultsWindow::ResultsWindow(Dialogs& dialogs, Clock& clock, const QString& classBookPath, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), classBookPath_(classBookPath),
      classBook_(classBookPath.isEmpty() ? ClassBook() : ClassBook::load(classBookPath)),
      classChooser_(new QComboBox), journals_(std::make_unique<JournalSet>()),
      watcher_(new QFileSystemWatcher(this)), tabs_(new QTabWidget), pupilsPage_(new PupilsPage),
      classPage_(new ClassPage),
      journalsPage_(new JournalsPage([this](const QString& path) { closeJournal(path); })),
      problems_(new QLabel), sources_(new QLabel), period_(new QComboBox), from_(new QDateEdit),
      to_(new QDateEdit) {
    setObjectName(QStringLiteral("results"));
    setWindowTitle(QStringLiteral("Результати Зорни"));
    buildActions();
    tabs_->addTab(pupilsPage_, QStringLiteral("Учні"));
    tabs_->addTab(classPage_, QStringLiteral("Клас"));
    tabs_->addTab(journalsPage_, QStringLiteral("Журнали"));
    problems_->setObjectName(QStringLiteral("problems"));
    problems_->setWordWrap(true);
    problems_->setTextFormat(Qt::PlainText);
    problems_->setStyleSheet(QStringLiteral("color: #a01010;"));
    problems_->hide();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildFilterBar());
    layout->addWidget(tabs_, 1);
    layout->addWidget(problems_);
    setCentralWidget(central);
    statusBar()->addWidget(sources_, 1);
    // Large enough for the tables, never larger than the screen (1024×768 too).
    const QSize available = screen() ? screen()->availableGeometry().size() : QSize(1280, 1024);
    resize(QSize(1240, 820).boundedTo(available - QSize(24, 48)));
    // The game writes a journal a few rows a minute: one reading after the
    // writes have been quiet for a moment is enough.
    constexpr int kQuietMs = 1500;
    reloadTimer_ = clock.createTimer(kQuietMs, [this] {
        reloadTimer_->stop();
        reload();
    });
    const auto changed = [this] { reloadTimer_->start(); };
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    fillClassChooser();
    connect(classChooser_, &QComboBox::activated, this,
            [this](int index) { showClass(classChooser_->itemData(index).toString()); });
    if (classBook_.find(classBook_.lastClass()))
        showClass(classBook_.lastClass());
    else
        refresh();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::buildActions() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    QToolBar* bar = addToolBar(QStringLiteral("Дії"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const struct {
        const char* text;
        QKeySequence keys;
        void (ResultsWindow::*slot)();
    } actions[] = {
        {"Відкрити…", QKeySequence::Open, &ResultsWindow::chooseFilesToOpen},
        {"Відкрити теку…", QKeySequence(), &ResultsWindow::chooseFolderToOpen},
        {"Зберегти CSV…", QKeySequence::Save, &ResultsWindow::chooseCsvFile},
        {"Звіт PDF…", QKeySequence::Print, &ResultsWindow::choosePdfFile},
        {"Оновити", QKeySequence::Refresh, &ResultsWindow::reload},
    };
    for (const auto& entry : actions) {
        QAction* action = file->addAction(QString::fromUtf8(entry.text));
        action->setShortcut(entry.keys);
        connect(action, &QAction::triggered, this, entry.slot);
        bar->addAction(action);
    }
    file->addSeparator();
    connect(file->addAction(QStringLiteral("Журнал цього комп'ютера")), &QAction::triggered, this,
            &ResultsWindow::openOwnJournals);
    connect(file->addAction(QStringLiteral("Скопіювати журнал цього комп'ютера…")), &QAction::triggered, this,
            &ResultsWindow::chooseCopyFolder);
    QMenu* classes = menuBar()->addMenu(QStringLiteral("Клас"));
    connect(classes->addAction(QStringLiteral("Новий клас…")), &QAction::triggered, this,
            &ResultsWindow::chooseNewClass);
    connect(classes->addAction(QStringLiteral("Об'єднати імена учня…")), &QAction::triggered, this,
            &ResultsWindow::chooseJoin);
    QMenu* help = menuBar()->addMenu(QStringLiteral("Довідка"));
    QAction* guide = help->addAction(QStringLiteral("Посібник учителя"));
    guide->setShortcut(QKeySequence::HelpContents);
    connect(guide, &QAction::triggered, this, [this] { showGuide(this); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("Вийти")), &QAction::triggered, this, &QWidget::close);
}

QWidget* ResultsWindow::buildFilterBar() {
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Клас:")));
    classChooser_->setObjectName(QStringLiteral("classChooser"));
    classChooser_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(classChooser_);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(QStringLiteral("Період:")));
    period_->setObjectName(QStringLiteral("period"));
    for (PeriodPreset preset : {PeriodPreset::All, PeriodPreset::ThisWeek, PeriodPreset::ThisMonth,
                                PeriodPreset::ThisTerm, PeriodPreset::ThisSchoolYear, PeriodPreset::Custom})
        period_->addItem(presetTitle(preset), QVariant::fromValue(int(preset)));
    layout->addWidget(period_);
    const QDate today = QDate::currentDate();
    for (auto [edit, label, date] :
         {std::tuple{from_, "з", today.addMonths(-1)}, std::tuple{to_, "по", today}}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setDate(date);
        edit->setEnabled(false);
        layout->addWidget(new QLabel(QString::fromUtf8(label)));
        layout->addWidget(edit);
        connect(edit, &QDateEdit::dateChanged, this, &ResultsWindow::applyPeriodControls);
    }
    connect(period_, &QComboBox::currentIndexChanged, this, &ResultsWindow::applyPeriodControls);
    layout->addStretch(1);
    return bar;
}

DateFilter ResultsWindow::filterFromControls() const {
    const auto preset = PeriodPreset(period_->currentData().toInt());
    if (preset == PeriodPreset::Custom)
        return {from_->date(), to_->date()};
    return presetPeriod(preset, QDate::currentDate());
}

// A preset shows its days in the date boxes; «Свої дні» lets the teacher edit them.
void ResultsWindow::applyPeriodControls() {
    const bool custom = PeriodPreset(period_->currentData().toInt()) == PeriodPreset::Custom;
    from_->setEnabled(custom);
    to_->setEnabled(custom);
    const DateFilter filter = filterFromControls();
    if (!custom && filter.from.isValid()) {
        const QSignalBlocker blockFrom(from_);
        const QSignalBlocker blockTo(to_);
        from_->setDate(filter.from);
        to_->setDate(filter.to);
    }
    setFilter(filter);
}

void ResultsWindow::setFilter(const DateFilter& filter) {
    if (filter == filter_)
        return;
    filter_ = filter;
    refresh();
}

void ResultsWindow::openPaths(const QStringList& paths) {
    for (const QString& path : paths) {
        journals_->add(path);
        closedPaths_.removeAll(path);
        if (!currentClass_.isEmpty())
            classBook_.addSource(currentClass_, path);
        else if (!openedPaths_.contains(path))
            openedPaths_.append(path);
    }
    if (!currentClass_.isEmpty())
        saveClassBook();
    refresh();
}

void ResultsWindow::closeJournal(const QString& path) {
    journals_->close(path);
    closedPaths_.append(path);
    openedPaths_.removeAll(path);
    if (!currentClass_.isEmpty()) {
        classBook_.removeSource(currentClass_, path);
        saveClassBook();
    }
    refresh();
}

void ResultsWindow::fillClassChooser() {
    classChooser_->clear();
    classChooser_->addItem(QStringLiteral("(без класу)"), QString());
    for (const SchoolClass& schoolClass : classBook_.classes())
        classChooser_->addItem(schoolClass.name, schoolClass.name);
    classChooser_->setCurrentIndex(std::max(0, classChooser_->findData(currentClass_)));
}

bool ResultsWindow::createClass(const QString& name) {
    if (!classBook_.addClass(name)) {
        showError(QStringLiteral("Клас «%1» уже є.").arg(name.trimmed()));
        return false;
    }
    showClass(name.trimmed());
    return true;
}

void ResultsWindow::showClass(const QString& name, bool remember) {
    const SchoolClass* schoolClass = classBook_.find(name);
    currentClass_ = schoolClass ? schoolClass->name : QString();
    closedPaths_.clear();
    if (remember) {
        classBook_.setLastClass(currentClass_);
        saveClassBook();
    }
    fillClassChooser();
    reload();
}

namespace {

// A computer's name as part of a file name on any system.
QString fileNamePart(const QString& text) {
    QString part = text.trimmed();
    for (QChar& c : part)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    return part.isEmpty() ? QStringLiteral("комп'ютер") : part;
}

// `path`, or `path` with " (2)", " (3)", … before its suffix when it exists.
QString freeFileName(const QString& folder, const QString& base) {
    QString path = folder + QLatin1Char('/') + base + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QLatin1Char('/') + base + QStringLiteral(" (%1).sqlite").arg(n);
    return path;
}

} // namespace

void ResultsWindow::setTaskNames(std::function<QString(int square)> taskName) {
    taskName_ = taskName;
    pupilsPage_->setTaskNames(std::move(taskName));
}

bool ResultsWindow::openOwnJournals() {
    QStringList found;
    for (const QString& place : ownJournalPlaces_)
        if (QFileInfo(place).isFile())
            found.append(place);
    if (found.isEmpty()) {
        showError(QStringLiteral("На цьому комп'ютері журналу результатів Зорни не знайдено (шукали: %1).")
                      .arg(QDir::toNativeSeparators(ownJournalPlaces_.join(QStringLiteral("; ")))));
        return false;
    }
    openPaths(found);
    return true;
}

bool ResultsWindow::copyOwnJournalsTo(const QString& folder, const QDate& today) {
    QStringList written;
    QStringList failed;
    const QString base =
        QStringLiteral("results-%1-%2").arg(fileNamePart(computerName()), today.toString(Qt::ISODate));
    for (const QString& place : ownJournalPlaces_) {
        if (!QFileInfo(place).isFile())
            continue;
        const QString target = freeFileName(folder, base);
        QString error;
        if (journal::copyJournal(place, target, &error))
            written.append(QDir::toNativeSeparators(target));
        else
            failed.append(QDir::toNativeSeparators(place));
    }
    if (written.isEmpty() && failed.isEmpty()) {
        showError(QStringLiteral("На цьому комп'ютері журналу результатів Зорни не знайдено."));
        return false;
    }
    QString text;
    if (!written.isEmpty())
        text += QStringLiteral("Журнал скопійовано: %1.").arg(written.join(QStringLiteral(", ")));
    if (!failed.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) +
                QStringLiteral("Не вдалося скопіювати журнал «%1» у теку «%2».")
                    .arg(failed.join(QStringLiteral(", ")), QDir::toNativeSeparators(folder));
    dialogs_.show(this, {QStringLiteral("Результати Зорни"), text,
                         failed.isEmpty() ? MsgIcon::Information : MsgIcon::Warning, MsgButtons::Ok});
    return failed.isEmpty();
}

void ResultsWindow::chooseCopyFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Куди скопіювати журнал цього комп'ютера (наприклад, флешка)"));
    if (!folder.isEmpty())
        copyOwnJournalsTo(folder, QDate::currentDate());
}

void ResultsWindow::reload() {
    reloadTimer_->stop();
    auto journals = std::make_unique<JournalSet>();
    const SchoolClass* schoolClass = classBook_.find(currentClass_);
    if (schoolClass)
        journals->setJoinedNames(schoolClass->joinedNames);
    for (const QString& source : schoolClass ? schoolClass->sources : openedPaths_)
        journals->add(source);
    for (const QString& path : closedPaths_)
        journals->close(path);
    journals_ = std::move(journals);
    refresh();
}

bool ResultsWindow::reloadPending() const {
    return reloadTimer_->isEnabled();
}

void ResultsWindow::watchSources() {
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    QStringList paths;
    const SchoolClass* schoolClass = classBook_.find(currentClass_);
    for (const QString& source : schoolClass ? schoolClass->sources : openedPaths_)
        paths.append(source);
    for (const auto& reader : journals_->journals()) {
        paths.append(reader->path());
        paths.append(QFileInfo(reader->path()).absolutePath());
    }
    paths.removeDuplicates();
    paths.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    if (!paths.isEmpty())
        watcher_->addPaths(paths);
}

bool ResultsWindow::joinPupils(const QString& from, const QString& into) {
    if (currentClass_.isEmpty()) {
        showError(QStringLiteral("Імена учнів об'єднуються в межах класу: спершу виберіть клас."));
        return false;
    }
    if (!classBook_.joinNames(currentClass_, from, into)) {
        showError(QStringLiteral("Не вдалося об'єднати «%1» з «%2».").arg(from, into));
        return false;
    }
    journals_->setJoinedNames(classBook_.find(currentClass_)->joinedNames);
    saveClassBook();
    refresh();
    return true;
}

void ResultsWindow::saveClassBook() {
    if (!classBookPath_.isEmpty() && !classBook_.save(classBookPath_))
        showError(QStringLiteral("Не вдалося зберегти класи у файл «%1».")
                      .arg(QDir::toNativeSeparators(classBookPath_)));
}

void ResultsWindow::chooseNewClass() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Новий клас"),
                                               QStringLiteral("Назва класу (наприклад, 3-А):"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok && !name.trimmed().isEmpty())
        createClass(name);
}

void ResultsWindow::chooseJoin() {
    QStringList names;
    for (const PupilRow& pupil : classView_.pupils)
        names.append(pupil.name);
    if (currentClass_.isEmpty() || names.size() < 2) {
        joinPupils(QString(), QString());
        return;
    }
    bool ok = false;
    const QString from = QInputDialog::getItem(this, QStringLiteral("Об'єднати імена учня"),
                                               QStringLiteral("Ім'я, яке приєднати:"), names, 0, false, &ok);
    if (!ok)
        return;
    names.removeAll(from);
    const QString into = QInputDialog::getItem(this, QStringLiteral("Об'єднати імена учня"),
                                               QStringLiteral("«%1» — це той самий учень, що й:").arg(from),
                                               names, 0, false, &ok);
    if (ok)
        joinPupils(from, into);
}

void ResultsWindow::refresh() {
    classView_ = buildClassView(*journals_, filter_);
    pupilsPage_->showPupils(classView_, journals_.get(), filter_);
    classPage_->showClass(classView_);
    journalsPage_->showJournals(*journals_);
    watchSources();
    QStringList messages;
    for (const SourceProblem& problem : journals_->problems())
        messages.append(problem.message);
    problems_->setText(messages.join(QLatin1Char('\n')));
    problems_->setVisible(!messages.isEmpty());
    sources_->setText(journals_->journals().empty()
                          ? QStringLiteral("Журналів не відкрито: «Відкрити…» додає файли results.sqlite.")
                          : QStringLiteral("Журналів відкрито: %1%2, учнів: %3.")
                                .arg(journals_->journals().size())
                                .arg(journals_->setAside().empty()
                                         ? QString()
                                         : QStringLiteral(" (копій не враховано: %1, див. «Журнали»)")
                                               .arg(journals_->setAside().size()))
                                .arg(classView_.pupils.size()));
}

QString ResultsWindow::problemText() const {
    return problems_->isVisible() || !problems_->text().isEmpty() ? problems_->text() : QString();
}

bool ResultsWindow::exportCsv(const QString& path) {
    const bool pupilShown = tabs_->currentWidget() == pupilsPage_ && pupilsPage_->pupil();
    const QByteArray bytes = pupilShown ? pupilCsv(*pupilsPage_->pupil()) : classCsv(classView_);
    if (writeWhole(path, bytes))
        return true;
    showError(QStringLiteral("Не вдалося записати файл «%1».").arg(QDir::toNativeSeparators(path)));
    return false;
}

bool ResultsWindow::exportPdf(const QString& path) {
    const bool pupilShown = tabs_->currentWidget() == pupilsPage_;
    if (pupilShown && !pupilsPage_->pupil()) {
        showError(QStringLiteral("Спершу виберіть учня на сторінці «Учні»."));
        return false;
    }
    const bool written = pupilShown
                             ? writePupilReport(path, *pupilsPage_->pupil(), taskName_)
                             : writeClassReport(path, currentClass_, classView_, *journals_, taskName_);
    if (written)
        return true;
    showError(QStringLiteral("Не вдалося записати файл «%1».").arg(QDir::toNativeSeparators(path)));
    return false;
}

void ResultsWindow::showError(const QString& text) {
    dialogs_.show(this, {QStringLiteral("Результати Зорни"), text, MsgIcon::Warning, MsgButtons::Ok});
}

void ResultsWindow::chooseFilesToOpen() {
    const QStringList files =
        QFileDialog::getOpenFileNames(this, QStringLiteral("Відкрити журнали"), QString(),
                                      QStringLiteral("Журнали Зорни (*.sqlite);;Усі файли (*)"));
    if (!files.isEmpty())
        openPaths(files);
}

void ResultsWindow::chooseFolderToOpen() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Відкрити теку з журналами"));
    if (!folder.isEmpty())
        openPaths({folder});
}

void ResultsWindow::chooseCsvFile() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Зберегти CSV"), QStringLiteral("результати.csv"),
                                     QStringLiteral("Таблиці CSV (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path);
}

void ResultsWindow::choosePdfFile() {
    const bool pupilShown = tabs_->currentWidget() == pupilsPage_;
    if (pupilShown && !pupilsPage_->pupil()) {
        showError(QStringLiteral("Спершу виберіть учня на сторінці «Учні»."));
        return;
    }
    const QString name = pupilShown ? pupilsPage_->pupil()->name
                                    : (currentClass_.isEmpty() ? QStringLiteral("клас") : currentClass_);
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Зберегти звіт"), name + QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        exportPdf(path);
}

} // namespace zorna::results
