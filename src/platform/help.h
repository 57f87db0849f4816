#pragma once

#include <QStringList>

namespace zorna {

// Opens an installed page with the desktop's usual browser, without waiting.
class HelpLauncher {
public:
    virtual ~HelpLauncher() = default;
    virtual void open(const QString& file) = 0;
};

class DesktopHelpLauncher : public HelpLauncher {
public:
    void open(const QString& file) override;
};

} // namespace zorna
