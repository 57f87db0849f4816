#include "stats.h"

#include <sys/resource.h>

#include <algorithm>

namespace bench {

double median(QList<double> samples) {
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const qsizetype n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

double cpuMsUsed() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000 + double(t.tv_usec) / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double peakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024; // ru_maxrss is in kB
}

} // namespace bench
