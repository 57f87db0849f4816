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

// Board double for task windows: records the hand-back in order.
class FakeHost : public TaskHost {
public:
    bool prav() const override { return prav_; }
    void setPrav(bool solved) override {
        prav_ = solved;
        calls.append(QStringLiteral("prav=%1").arg(solved ? 1 : 0));
    }
    void setWinType(int category) override {
        winType = category;
        calls.append(QStringLiteral("WinType=%1").arg(category));
    }
    void setBoardEnabled(bool enabled) override {
        boardEnabled = enabled;
        calls.append(QStringLiteral("enabled=%1").arg(enabled ? 1 : 0));
    }
    void showBoard() override { calls.append(QStringLiteral("show")); }
    void krok() override {
        ++krokCount;
        krokSawPrav = prav_;
        krokSawWinType = winType;
        calls.append(QStringLiteral("krok"));
    }

    bool prav_ = false;
    int winType = 0;
    bool boardEnabled = false;
    int krokCount = 0;
    bool krokSawPrav = false;
    int krokSawWinType = 0;
    QStringList calls;
};

// The calls FakeHost records when a window hands back an answer: prav, then
// the board enabled and shown, WinType set and krok called.
QStringList handBack(bool solved, int category);

// Processes posted events (deferred deletes of closed windows among them).
void settle();

} // namespace zorna::test
