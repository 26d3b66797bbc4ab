#include "GameFixture.h"
TEST_F(GameFixture, Placeholder) { EXPECT_EQ(state.text(Field::Money), "80"); }
