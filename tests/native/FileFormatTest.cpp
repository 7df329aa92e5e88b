#include <gtest/gtest.h>
#include "CCharacterModel.h"
TEST(Smoke, Empty) { CCharacterModel m; EXPECT_FALSE(m.IsFailed()); }
