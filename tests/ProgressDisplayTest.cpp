// The status bar's progress bar: a held full bar stays in sight for its moment while the
// next step already runs, and nested steps keep one bar.
#include "common/ProgressDisplay.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using std::chrono::milliseconds;
using Shown = ProgressDisplay::Shown;

TEST(ProgressDisplay, AHeldFullBarStaysItsMomentWhileTheNextStepRuns) {
    const ProgressDisplay::Clock::time_point t0{};
    ProgressDisplay bar;
    EXPECT_EQ(bar.shown(t0), Shown{});

    bar.begin("節点ファイル展開中");
    bar.set(30);
    EXPECT_EQ(bar.shown(t0), (Shown{true, "節点ファイル展開中", 30}));
    bar.end(true, t0);
    ASSERT_TRUE(bar.heldUntil().has_value());
    EXPECT_EQ(*bar.heldUntil(), t0 + milliseconds(100));
    EXPECT_EQ(bar.shown(t0 + milliseconds(99)), (Shown{true, "節点ファイル展開中", 100}));
    EXPECT_EQ(bar.shown(t0 + milliseconds(100)), Shown{});

    // The next step begins at once; its bar shows once the moment has passed.
    bar.begin("要素ファイル展開中");
    bar.set(80);
    EXPECT_EQ(bar.shown(t0 + milliseconds(50)), (Shown{true, "節点ファイル展開中", 100}));
    EXPECT_EQ(bar.shown(t0 + milliseconds(100)), (Shown{true, "要素ファイル展開中", 80}));
    // A step that ends without holding removes its bar at once.
    bar.end(false, t0 + milliseconds(120));
    EXPECT_EQ(bar.shown(t0 + milliseconds(120)), Shown{});
}

TEST(ProgressDisplay, NestedStepsKeepOneBarUntilTheOutermostEnds) {
    const ProgressDisplay::Clock::time_point t0{};
    ProgressDisplay bar;
    bar.begin("outer");
    bar.begin("inner");
    bar.set(60);
    // An inner step's hold is the outer bar's business: nothing is held yet.
    bar.end(true, t0);
    EXPECT_FALSE(bar.heldUntil().has_value());
    EXPECT_EQ(bar.shown(t0), (Shown{true, "inner", 60}));
    bar.end(true, t0 + milliseconds(10));
    EXPECT_EQ(bar.shown(t0 + milliseconds(60)), (Shown{true, "inner", 100}));
    EXPECT_EQ(bar.shown(t0 + milliseconds(110)), Shown{});
    // An end without a begin leaves nothing open.
    bar.end(false, t0 + milliseconds(200));
    EXPECT_EQ(bar.shown(t0 + milliseconds(300)), Shown{});
}

} // namespace
} // namespace vellum
