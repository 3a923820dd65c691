// Skill orders and the odometer of the decoration search.

#include <vector>

#include <gtest/gtest.h>

#include "core/search/engine/permutation.h"
#include "core/search/reference/odometer.h"

namespace vk {
namespace {

using Order = std::array<int, 5>;

TEST(Permutation, ThreeSkillsInLexicographicOrder) {
    // A B C = positions 0 1 2: ABC, ACB, BAC, BCA, CAB, CBA.
    EXPECT_EQ(factorial(3), 6u);
    EXPECT_EQ(permutationOrder(0, 3), (Order{0, 1, 2, 3, 4}));
    EXPECT_EQ(permutationOrder(1, 3), (Order{0, 2, 1, 3, 4}));
    EXPECT_EQ(permutationOrder(2, 3), (Order{1, 0, 2, 3, 4}));
    EXPECT_EQ(permutationOrder(3, 3), (Order{1, 2, 0, 3, 4}));
    EXPECT_EQ(permutationOrder(4, 3), (Order{2, 0, 1, 3, 4}));
    EXPECT_EQ(permutationOrder(5, 3), (Order{2, 1, 0, 3, 4}));
}

TEST(Permutation, FourAndFiveSkillsAndUnusedPositions) {
    EXPECT_EQ(factorial(4), 24u);
    EXPECT_EQ(factorial(5), 120u);
    EXPECT_EQ(permutationOrder(6, 4), (Order{1, 0, 2, 3, 4}));
    EXPECT_EQ(permutationOrder(9, 4), (Order{1, 2, 3, 0, 4}));
    EXPECT_EQ(permutationOrder(23, 4), (Order{3, 2, 1, 0, 4}));
    EXPECT_EQ(permutationOrder(119, 5), (Order{4, 3, 2, 1, 0}));
    EXPECT_EQ(permutationOrder(1, 2), (Order{1, 0, 2, 3, 4}));
    EXPECT_EQ(permutationOrder(0, 1), (Order{0, 1, 2, 3, 4}));
}

TEST(Odometer, FirstCounterFastestEmptyListCountsOnce) {
    Odometer odo({2, 0, 3, 9, 9}, 3);  // positions 3, 4 are beyond n
    std::vector<Order> seen;
    do {
        seen.push_back({odo[0], odo[1], odo[2], odo[3], odo[4]});
    } while (odo.advance());
    const std::vector<Order> expected = {{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, {0, 0, 1, 0, 0},
                                         {1, 0, 1, 0, 0}, {0, 0, 2, 0, 0}, {1, 0, 2, 0, 0}};
    EXPECT_EQ(seen, expected);
}

TEST(Odometer, SingleValuesEndAtOnce) {
    Odometer one({1, 0, 0, 0, 0}, 2);
    EXPECT_FALSE(one.advance());
    Odometer none({5, 5, 5, 5, 5}, 0);
    EXPECT_FALSE(none.advance());
}

}  // namespace
}  // namespace vk
