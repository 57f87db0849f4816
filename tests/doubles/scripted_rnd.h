#pragma once

#include "platform/rnd.h"

#include <QList>

#include <initializer_list>
#include <random>

namespace zorna {

// Returns the scripted values in order. When the script runs out it returns 0
// and counts the overrun, so a test can check it planned enough; or, for long
// scenarios, continues with a seeded generator (useSeededFallback).
class ScriptedRnd : public Rnd {
public:
    void push(float value) { values_.append(value); }
    void push(std::initializer_list<float> values) {
        for (float v : values)
            values_.append(v);
    }
    // Value that makes draw(k, c) return `result`.
    static float forDraw(int result, int k, int c);

    float next() override;
    void randomize() override { ++randomizeCount_; }

    void useSeededFallback(quint32 seed) {
        fallback_ = true;
        engine_.seed(seed);
    }

    int remaining() const { return int(values_.size()); }
    int overruns() const { return overruns_; }
    int randomizeCount() const { return randomizeCount_; }

private:
    QList<float> values_;
    bool fallback_ = false;
    std::mt19937 engine_;
    int overruns_ = 0;
    int randomizeCount_ = 0;
};

} // namespace zorna
