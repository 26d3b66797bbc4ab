#include "ScriptedRandom.h"

#include <gtest/gtest.h>

ScriptedRandom::ScriptedRandom() { m_previous = InstallRandomSource(this); }

ScriptedRandom::~ScriptedRandom()
{
    InstallRandomSource(m_previous);
    EXPECT_TRUE(m_draws.empty()) << m_draws.size() << " scripted draw(s) never made";
}

int ScriptedRandom::next(int n)
{
    if (m_draws.empty()) {
        ADD_FAILURE() << "unexpected draw Random(" << n << ")";
        return 0;
    }
    Draw draw = m_draws.front();
    m_draws.pop_front();
    EXPECT_TRUE(draw.value >= 0 && draw.value < n) << "scripted draw " << draw.value << " outside Random(" << n << ")";
    if (draw.range != 0) {
        EXPECT_EQ(draw.range, n) << "draw from an unexpected range";
    }
    return draw.value;
}
