#pragma once

#include <functional>

class QObject;
class QWidget;

namespace zorna {

// Runs work once a window has drawn its first frame: two turns of the event
// loop after the first paint in that window (in any window when none is
// named), so that the frame is on the screen and what the frame itself queued
// has run. Work that no frame needs waits here instead of delaying the first
// one. Nothing runs when context goes first.
void afterFirstFrame(QObject* context, const QWidget* window, std::function<void()> work);

} // namespace zorna
