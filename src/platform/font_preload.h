#pragma once

#include <thread>

namespace zorna {

// Linux: reading the font configuration (fontconfig's XML files and its cache of
// the installed fonts) is the largest single cost of the start, and no window
// needs it before the first one is built. FontConfigPreload reads it on
// another core from the very start of main, while Qt connects to the display;
// wait() before the first widget is made. Qt then finds the configuration
// loaded and uses it as it is. On Windows there is nothing to read ahead
// and the class does nothing.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Returns once the configuration is loaded (or failed to load: Qt then
    // tries again itself).
    void wait();

private:
    std::thread reader_;
};

} // namespace zorna
