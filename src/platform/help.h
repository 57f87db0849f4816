#pragma once

#include <QStringList>

class QWidget;

namespace zorna {

struct AppContext;

// Opens an installed page with the desktop's usual browser, without waiting.
class HelpLauncher {
public:
    virtual ~HelpLauncher() = default;
    // False when the page could not be handed to a browser.
    virtual bool open(const QString& file) = 0;
};

class DesktopHelpLauncher : public HelpLauncher {
public:
    // Refuses a missing file and reports the desktop's own failure (no
    // program to open the page with).
    bool open(const QString& file) override;
};

// Opens the program's help page; when it cannot be opened, a message box on
// `parent` names the file.
void showHelpPage(AppContext& ctx, QWidget* parent);

} // namespace zorna
