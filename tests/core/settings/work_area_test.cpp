#include <gtest/gtest.h>

#include "core/settings/work_area.h"

namespace vk {
namespace {

// A 1920 x 1080 screen with a 64-pixel panel along one edge.
constexpr ScreenRect kLeftPanelArea{64, 0, 1856, 1080};
constexpr ScreenRect kTopPanelArea{0, 40, 1920, 1040};

TEST(FitToWorkArea, WindowInsideTheAreaStaysPut) {
    const ScreenRect window{191, 105, 1012, 623};
    EXPECT_EQ(fitToWorkArea(window, kLeftPanelArea), window);
    EXPECT_EQ(fitToWorkArea(window, kTopPanelArea), window);
}

TEST(FitToWorkArea, WindowPartlyUnderALeftPanelMovesRightToItsEdge) {
    const ScreenRect moved = fitToWorkArea({10, 105, 1012, 623}, kLeftPanelArea);
    EXPECT_EQ(moved, (ScreenRect{64, 105, 1012, 623}));
}

TEST(FitToWorkArea, WindowPartlyUnderATopPanelMovesDownToItsEdge) {
    const ScreenRect moved = fitToWorkArea({191, 0, 1012, 623}, kTopPanelArea);
    EXPECT_EQ(moved, (ScreenRect{191, 40, 1012, 623}));
}

TEST(FitToWorkArea, WindowPastTheRightOrBottomEdgeMovesToTheLeftOrTopEdge) {
    // It fits once moved, so it keeps its size.
    EXPECT_EQ(fitToWorkArea({1200, 105, 1012, 623}, kLeftPanelArea), (ScreenRect{64, 105, 1012, 623}));
    EXPECT_EQ(fitToWorkArea({191, 600, 1012, 623}, kTopPanelArea), (ScreenRect{191, 40, 1012, 623}));
}

TEST(FitToWorkArea, WindowLargerThanTheAreaTakesItsCornerAndSize) {
    EXPECT_EQ(fitToWorkArea({-30, -20, 2500, 1400}, kLeftPanelArea), kLeftPanelArea);
    EXPECT_EQ(fitToWorkArea({300, 200, 2500, 1400}, kTopPanelArea), kTopPanelArea);
}

TEST(FitToWorkArea, OnlyTheDimensionThatOverflowsIsShrunk) {
    // Too wide but short enough: the height survives.
    EXPECT_EQ(fitToWorkArea({100, 100, 3000, 500}, kTopPanelArea), (ScreenRect{0, 100, 1920, 500}));
    // Too tall but narrow enough: the width survives.
    EXPECT_EQ(fitToWorkArea({100, 100, 500, 3000}, kLeftPanelArea), (ScreenRect{100, 0, 500, 1080}));
}

TEST(FitToWorkArea, AreaAwayFromTheScreenOrigin) {
    // A second monitor to the right of the first, with a bottom panel.
    const ScreenRect area{1920, 0, 1280, 990};
    EXPECT_EQ(fitToWorkArea({100, 100, 1012, 623}, area), (ScreenRect{1920, 100, 1012, 623}));
    EXPECT_EQ(fitToWorkArea({2000, 500, 1012, 623}, area), (ScreenRect{2000, 0, 1012, 623}));
}

}  // namespace
}  // namespace vk
