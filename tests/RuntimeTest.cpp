#include "runtime/Int16.h"

#include <gtest/gtest.h>

TEST(Int16, Placeholder)
{
    EXPECT_EQ(int(rt::Int16(3) + 4), 7);
}
