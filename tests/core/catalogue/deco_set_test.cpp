#include <gtest/gtest.h>

#include "core/catalogue/deco_set.h"
TEST(DecoSet, PlaceKeepsCountsConsistent) {
    vk::DecoSet d;
    d.place(vk::Body, 7, 2);
    d.place(vk::Body, 3, 1);
    EXPECT_EQ(d.SlotsUsed[vk::Body], 3);
    EXPECT_EQ(d.DecoIndex[vk::Body][0], 7);
    EXPECT_EQ(d.DecoIndex[vk::Body][2], 3);
    EXPECT_EQ(d.DecoCount[vk::Body], 2);
    EXPECT_EQ(d.DecoTotal, 2);
}
