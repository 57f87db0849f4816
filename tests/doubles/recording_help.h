#pragma once

#include "platform/help.h"

#include <QStringList>

namespace zorna {

// Records the help pages asked for instead of opening them.
class RecordingHelpLauncher : public HelpLauncher {
public:
    void open(const QString& file) override { opened.append(file); }
    QStringList opened;
};

} // namespace zorna
