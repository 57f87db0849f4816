#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "results/model/class_book.h"
#include "results/model/journal_set.h"
#include "results/model/periods.h"
#include "results/model/results_model.h"

#include <QMainWindow>

#include <memory>

class QComboBox;
class QFileSystemWatcher;
class QDateEdit;
class QLabel;
class QTabWidget;

namespace zorna::results {

class ClassPage;
class JournalsPage;
class PupilsPage;

// The results program's window: the journals opened, a filter by dates, the
// pupils and the class, exports as CSV and PDF, and what could not be read.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    // Messages (a file that cannot be written) go through `dialogs`. The
    // teacher's classes are kept in `classBookPath` (none kept when empty); the
    // class she looked at last is opened.
    // A journal that changes is read again once it has been quiet for a moment
    // (a timer of `clock`).
    ResultsWindow(Dialogs& dialogs, Clock& clock, const QString& classBookPath = QString(),
                  QWidget* parent = nullptr);
    ~ResultsWindow() override;

    // Adds journal files or folders of them and shows everything again. With a
    // class chosen they become the class's sources.
    void openPaths(const QStringList& paths);

    // Names the task of a square (the game's captions) in the lists of tasks failed most.
    void setTaskNames(std::function<QString(int square)> taskName);

    // Where this computer's journals may lie (see ownJournalPlaces()).
    void setOwnJournalPlaces(const QStringList& places) { ownJournalPlaces_ = places; }
    // Opens those of this computer's journals that exist; false (and a
    // message) when there is none.
    bool openOwnJournals();
    // Writes a consistent copy of each of this computer's journals into
    // `folder`, named with the computer's name and the date
    // (results-КОМП'ЮТЕР-2026-03-09.sqlite); false (and a message) when none
    // could be copied. A file of that name already there is never replaced.
    bool copyOwnJournalsTo(const QString& folder, const QDate& today);

    // Reads every journal again (after a change, or on «Оновити»).
    void reload();
    // True while a change seen in a journal waits for the quiet moment.
    bool reloadPending() const;

    // Classes: the teacher's own groups of journals. Pupils are merged by name
    // within the class shown only.
    bool createClass(const QString& name);
    // Shows a class (an empty name: the journals opened without a class),
    // remembered as the one to open next time unless `remember` is false.
    void showClass(const QString& name, bool remember = true);
    const QString& currentClass() const { return currentClass_; }
    const ClassBook& classBook() const { return classBook_; }
    // Joins the pupil typed `from` to `into` within the class shown.
    bool joinPupils(const QString& from, const QString& into);
    void setFilter(const DateFilter& filter);
    const DateFilter& filter() const { return filter_; }
    // The period chooser: a preset, or «Свої дні» with the two dates.
    QComboBox* periodChooser() const { return period_; }
    // Writes what is shown as CSV: the chosen pupil on the pupils page, the
    // class on the class page. False (and a message) when it cannot be written.
    bool exportCsv(const QString& path);
    // The chosen pupil's one-page PDF report.
    bool exportPdf(const QString& path);

    PupilsPage* pupilsPage() const { return pupilsPage_; }
    ClassPage* classPage() const { return classPage_; }
    JournalsPage* journalsPage() const { return journalsPage_; }
    // Stops reading the journal at `path` (and its copies); in a class, a
    // source naming that very file is dropped from the class.
    void closeJournal(const QString& path);
    QTabWidget* tabs() const { return tabs_; }
    // The messages about files that could not be read, as shown.
    QString problemText() const;
    const ClassView& classView() const { return classView_; }

private:
    void buildActions();
    QWidget* buildFilterBar();
    void refresh();
    void chooseFilesToOpen();
    void chooseFolderToOpen();
    void chooseCsvFile();
    void choosePdfFile();
    DateFilter filterFromControls() const;
    void applyPeriodControls();
    void showError(const QString& text);

    void chooseNewClass();
    void chooseJoin();
    void fillClassChooser();
    void saveClassBook();
    void chooseCopyFolder();
    // Watches the journals read and the folders they and the sources lie in.
    void watchSources();

    Dialogs& dialogs_;
    QString classBookPath_;
    ClassBook classBook_;
    QString currentClass_;
    QComboBox* classChooser_;
    std::unique_ptr<JournalSet> journals_;
    QStringList openedPaths_; // opened without a class
    QStringList closedPaths_; // closed by the teacher, left closed on reloading
    QStringList ownJournalPlaces_;
    std::function<QString(int square)> taskName_;
    QFileSystemWatcher* watcher_;
    std::unique_ptr<Timer> reloadTimer_;
    ClassView classView_;
    DateFilter filter_;
    QTabWidget* tabs_;
    PupilsPage* pupilsPage_;
    ClassPage* classPage_;
    JournalsPage* journalsPage_;
    QLabel* problems_;
    QLabel* sources_;
    QComboBox* period_;
    QDateEdit* from_;
    QDateEdit* to_;
};

} // namespace zorna::results
