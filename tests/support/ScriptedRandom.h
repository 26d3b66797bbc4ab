// A random source for tests: returns the listed draws and fails the test on any draw it did not expect.
#pragma once

#include "core/Random.h"

#include <deque>
#include <initializer_list>

class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom();
    ~ScriptedRandom() override;

    // Queues draws; each may name the range it expects (0 = any range).
    void add(int value, int expectedRange = 0) { m_draws.push_back({ value, expectedRange }); }
    void add(std::initializer_list<int> values)
    {
        for (int value : values)
            add(value);
    }
    bool usedUp() const { return m_draws.empty(); }
    int seeds = 0;

    int next(int n) override;
    void seed() override { ++seeds; }

private:
    struct Draw {
        int value;
        int range;
    };
    std::deque<Draw> m_draws;
    RandomSource* m_previous = nullptr;
};
