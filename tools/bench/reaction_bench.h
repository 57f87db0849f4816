#pragma once

#include <QList>
#include <QString>

namespace bench {

// The reaction windows' animations on real timers, in real time.
struct ReactionFigures {
    QList<double> cartTripMs;  // task 31: the push to the cart's homecoming
    QList<double> ballTickMs;  // task 31: the interval between two steps of a falling ball
    QList<double> ballStepPx;  // task 31: the distance of one such step
    QList<double> appleStepMs; // task 13: the interval between two steps of the apple
};

ReactionFigures measureReactions(const QString& programFolder, int runs);

} // namespace bench
