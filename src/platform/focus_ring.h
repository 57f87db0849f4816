#pragma once

#include <QString>

namespace zorna {

// The keyboard focus ring every window of the game shows on its focused
// control: an orange border that stands out on the registration window's
// dark blue, on the board's white and on the buttons' own colours.
inline constexpr const char* kFocusRingColour = "#ff8000";

// A style-sheet rule that draws the ring on a focused widget of the given
// type selector ("QPushButton", "QLineEdit"); it only adds to the widget's
// look while it has the focus.
inline QString focusRingSheet(const QString& selector) {
    return QStringLiteral("%1:focus { border: 2px solid %2; }")
        .arg(selector, QLatin1String(kFocusRingColour));
}

} // namespace zorna
