#pragma once

#include <QList>

class QKeyEvent;

namespace zorna {

class AnswerRegion;

// Keyboard play over a window's answer regions: the arrow keys move a
// highlight (the focus ring's colour) over the regions shown, in their order,
// and Enter or Space chooses the highlighted one. The mouse is untouched.
class RegionKeys {
public:
    RegionKeys() = default;
    explicit RegionKeys(QList<AnswerRegion*> regions) : regions_(std::move(regions)) {}

    // Handles a key of the window; returns the index of the region chosen
    // (Enter or Space on a highlight), 0 otherwise. `handled` tells whether
    // the key was one of these keys.
    int press(const QKeyEvent& event, bool& handled);
    // The highlighted region's index, 0 when none.
    int highlighted() const { return highlighted_; }
    // No highlight (a new picture, other regions shown).
    void clear();

private:
    void highlight(int index);
    // The next shown region from the highlight in a direction (+1 or -1), 0 when none is shown.
    int step(int direction) const;

    QList<AnswerRegion*> regions_;
    int highlighted_ = 0;
};

} // namespace zorna
