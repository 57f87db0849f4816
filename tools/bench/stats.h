#pragma once

#include <QList>
#include <QString>

namespace bench {

// The median of the samples; 0 when there are none.
double median(QList<double> samples);

// Process-wide figures from getrusage.
double cpuMsUsed(); // user + system time so far
double peakRssMb(); // the largest resident set so far

} // namespace bench
