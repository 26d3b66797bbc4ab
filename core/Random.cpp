#include "core/Random.h"

#include <chrono>
#include <random>

namespace {
class ClockSeededSource : public RandomSource {
public:
    int next(int n) override
    {
        if (n < 1)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
    }
    void seed() override
    {
        m_engine.seed(static_cast<std::mt19937::result_type>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }

private:
    std::mt19937 m_engine { 1u };
};

ClockSeededSource realSource;
RandomSource* installed = nullptr;

RandomSource& source() { return installed ? *installed : realSource; }
}

int Random(int n) { return source().next(n); }

void Randomize() { source().seed(); }

RandomSource* InstallRandomSource(RandomSource* source)
{
    RandomSource* previous = installed;
    installed = source;
    return previous;
}
