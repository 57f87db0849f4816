#pragma once

#include <QProcess>

namespace bench {

// The number of processors this process may run on (its affinity, as taskset sets it).
int allowedProcessors();

// A slow school computer: a CPU-bound process at this process's priority, on
// the processors this process may use, for as long as the object lives. Under
// `taskset -c 0` the game, its X server and this process share one core.
class CpuHog {
public:
    CpuHog();
    ~CpuHog();
    CpuHog(const CpuHog&) = delete;
    CpuHog& operator=(const CpuHog&) = delete;

private:
    QProcess spinner_;
};

} // namespace bench
