#pragma once

#include "doubles/recording_help.h"
#include "doubles/scripted_dialogs.h"
#include "doubles/scripted_rnd.h"
#include "doubles/virtual_clock.h"
#include "platform/app_context.h"
#include "tasks/common/task_catalog.h"
#include "tasks/common/task_host.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace zorna::test {

// A fresh program folder in a temporary directory: the generated assets of the
// build are linked in read-only, Temp and Save start absent.
class TestProgramFolder {
public:
    TestProgramFolder();
    ~TestProgramFolder();
    TestProgramFolder(const TestProgramFolder&) = delete;
    TestProgramFolder& operator=(const TestProgramFolder&) = delete;
    QString root() const { return dir_.path(); }
    // Writes a file under the folder (its folder created), e.g. "Temp/2.$$$".
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

// Everything a window needs, with test doubles: virtual clock, scripted random
// values, scripted dialogs, recorded help pages, a temporary program folder.
// Pass a catalog to let the board open task windows.
class TestContext {
public:
    explicit TestContext(TaskCatalog catalog = TaskCatalog());

    VirtualClock clock;
    ScriptedRnd rnd;
    ScriptedDialogs dialogs;
    RecordingHelpLauncher help;
    TestProgramFolder programFolder;
    TaskCatalog catalog;
    AppContext ctx;
};

// Board double for task windows: records every answer handed back.
class FakeHost : public TaskHost {
public:
    void taskAnswered(const TaskResult& result) override {
        ++answerCount;
        lastRight = result.right;
        lastCategory = result.category;
        calls.append(handBack(result.right, result.category).constFirst());
    }
    static QStringList handBack(bool right, int category) {
        return {QStringLiteral("answered right=%1 category=%2").arg(right ? 1 : 0).arg(category)};
    }

    int answerCount = 0;
    bool lastRight = false;
    int lastCategory = 0;
    QStringList calls;
};

// What FakeHost records when a window hands back one answer.
inline QStringList handBack(bool right, int category) {
    return FakeHost::handBack(right, category);
}

// Processes posted events (deferred deletes of closed windows among them).
void settle();

} // namespace zorna::test
