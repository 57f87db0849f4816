#pragma once

#include "platform/help.h"

#include <QStringList>

namespace zorna {

// Records the help pages asked for instead of opening them; `fails` makes
// every opening fail, as on a desktop without a browser.
class RecordingHelpLauncher : public HelpLauncher {
public:
    bool open(const QString& file) override {
        opened.append(file);
        return !fails;
    }
    QStringList opened;
    bool fails = false;
};

} // namespace zorna
