#pragma once

#include "platform/dialogs.h"
#include "results/model/journal_set.h"
#include "results/model/results_model.h"

#include <QMainWindow>

class QCheckBox;
class QDateEdit;
class QLabel;
class QTabWidget;

namespace zorna::results {

class ClassPage;
class PupilsPage;

// The results program's window: the journals opened, a filter by dates, the
// pupils and the class, exports as CSV and PDF, and what could not be read.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    // Messages (a file that cannot be written) go through `dialogs`.
    explicit ResultsWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~ResultsWindow() override;

    // Adds journal files or folders of them and shows everything again.
    void openPaths(const QStringList& paths);
    void setFilter(const DateFilter& filter);
    // Writes what is shown as CSV: the chosen pupil on the pupils page, the
    // class on the class page. False (and a message) when it cannot be written.
    bool exportCsv(const QString& path);
    // The chosen pupil's one-page PDF report.
    bool exportPdf(const QString& path);

    PupilsPage* pupilsPage() const { return pupilsPage_; }
    ClassPage* classPage() const { return classPage_; }
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
    void showError(const QString& text);

    Dialogs& dialogs_;
    JournalSet journals_;
    ClassView classView_;
    DateFilter filter_;
    QTabWidget* tabs_;
    PupilsPage* pupilsPage_;
    ClassPage* classPage_;
    QLabel* problems_;
    QLabel* sources_;
    QCheckBox* fromOn_;
    QCheckBox* toOn_;
    QDateEdit* from_;
    QDateEdit* to_;
};

} // namespace zorna::results
