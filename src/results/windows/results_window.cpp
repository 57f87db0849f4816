#include "results/windows/results_window.h"

#include "platform/file_system.h"
#include "results/model/csv_export.h"
#include "results/windows/class_page.h"
#include "results/windows/pdf_report.h"
#include "results/windows/pupils_page.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace zorna::results {

ResultsWindow::ResultsWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), tabs_(new QTabWidget), pupilsPage_(new PupilsPage),
      classPage_(new ClassPage), problems_(new QLabel), sources_(new QLabel),
      fromOn_(new QCheckBox(QStringLiteral("з"))), toOn_(new QCheckBox(QStringLiteral("по"))),
      from_(new QDateEdit), to_(new QDateEdit) {
    setObjectName(QStringLiteral("results"));
    setWindowTitle(QStringLiteral("Результати Зорни"));
    buildActions();
    tabs_->addTab(pupilsPage_, QStringLiteral("Учні"));
    tabs_->addTab(classPage_, QStringLiteral("Клас"));
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
    resize(1320, 860);
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
    };
    for (const auto& entry : actions) {
        QAction* action = file->addAction(QString::fromUtf8(entry.text));
        action->setShortcut(entry.keys);
        connect(action, &QAction::triggered, this, entry.slot);
        bar->addAction(action);
    }
    file->addSeparator();
    connect(file->addAction(QStringLiteral("Вийти")), &QAction::triggered, this, &QWidget::close);
}

QWidget* ResultsWindow::buildFilterBar() {
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Дні:")));
    const QDate today = QDate::currentDate();
    for (auto [check, edit, date] :
         {std::tuple{fromOn_, from_, today.addMonths(-1)}, std::tuple{toOn_, to_, today}}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setDate(date);
        edit->setEnabled(false);
        layout->addWidget(check);
        layout->addWidget(edit);
        connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, [this] { setFilter(filterFromControls()); });
        connect(edit, &QDateEdit::dateChanged, this, [this] { setFilter(filterFromControls()); });
    }
    layout->addStretch(1);
    return bar;
}

DateFilter ResultsWindow::filterFromControls() const {
    return {fromOn_->isChecked() ? from_->date() : QDate(), toOn_->isChecked() ? to_->date() : QDate()};
}

void ResultsWindow::setFilter(const DateFilter& filter) {
    if (filter.from == filter_.from && filter.to == filter_.to)
        return;
    filter_ = filter;
    refresh();
}

void ResultsWindow::openPaths(const QStringList& paths) {
    for (const QString& path : paths)
        journals_.add(path);
    refresh();
}

void ResultsWindow::refresh() {
    classView_ = buildClassView(journals_, filter_);
    pupilsPage_->showPupils(classView_, &journals_, filter_);
    classPage_->showClass(classView_);
    QStringList messages;
    for (const SourceProblem& problem : journals_.problems())
        messages.append(problem.message);
    problems_->setText(messages.join(QLatin1Char('\n')));
    problems_->setVisible(!messages.isEmpty());
    sources_->setText(journals_.journals().empty()
                          ? QStringLiteral("Журналів не відкрито: «Відкрити…» додає файли results.sqlite.")
                          : QStringLiteral("Журналів відкрито: %1, учнів: %2.")
                                .arg(journals_.journals().size())
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
    if (!pupilsPage_->pupil()) {
        showError(QStringLiteral("Спершу виберіть учня на сторінці «Учні»."));
        return false;
    }
    if (writePupilReport(path, *pupilsPage_->pupil(), filter_, pupilsPage_->categoryView(),
                         pupilsPage_->weekView()))
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
    if (!pupilsPage_->pupil()) {
        showError(QStringLiteral("Спершу виберіть учня на сторінці «Учні»."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Зберегти звіт"),
                                                      pupilsPage_->pupil()->name + QStringLiteral(".pdf"),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        exportPdf(path);
}

} // namespace zorna::results
