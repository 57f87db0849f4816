#include "machine_load.h"

#include <sched.h>

namespace bench {

int allowedProcessors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0)
        return 0;
    return CPU_COUNT(&set);
}

CpuHog::CpuHog() {
    // A shell loop never sleeps; the child inherits the affinity and the priority.
    spinner_.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
    if (!spinner_.waitForStarted())
        qFatal("the CPU-bound process did not start: %s", qPrintable(spinner_.errorString()));
}

CpuHog::~CpuHog() {
    spinner_.kill();
    spinner_.waitForFinished();
}

} // namespace bench
