// Split points as the user changes them: added, removed and moved one at a time, the tracks
// between them named, and each change a step Undo takes back.
#include "editor/splitplan.h"

#include <gtest/gtest.h>

#include <QUndoStack>

namespace {

using namespace trevisto;

std::vector<int64_t> framesOf(const SplitPlan &plan)
{
    std::vector<int64_t> frames;
    for (const SplitPoint &p : plan.points)
        frames.push_back(p.frame);
    return frames;
}

TEST(SplitPlan, KeepsPointsInOrderInsideTheRange)
{
    const SplitPlan plan = PlanOf(100, 1000, {700, 200, 100, 1000, 5, 2000, 200, 500});
    EXPECT_EQ(framesOf(plan), (std::vector<int64_t>{200, 500, 700}));

    const struct {
        const char *what;
        int64_t frame;
        std::optional<std::vector<int64_t>> expected;
    } adds[] = {
        {"between two", 300, std::vector<int64_t>{200, 300, 500, 700}},
        {"before the first", 150, std::vector<int64_t>{150, 200, 500, 700}},
        {"after the last", 999, std::vector<int64_t>{200, 500, 700, 999}},
        {"on a point", 500, std::nullopt},
        {"on the start", 100, std::nullopt},
        {"on the end", 1000, std::nullopt},
        {"outside", 1200, std::nullopt},
    };
    for (const auto &c : adds) {
        SCOPED_TRACE(c.what);
        const std::optional<SplitPlan> added = WithPointAdded(plan, c.frame);
        ASSERT_EQ(added.has_value(), c.expected.has_value());
        if (added) {
            EXPECT_EQ(framesOf(*added), *c.expected);
        }
    }

    const struct {
        const char *what;
        size_t index;
        int64_t to;
        std::vector<int64_t> expected;
    } moves[] = {
        {"within its neighbours", 1, 600, {200, 600, 700}},
        {"onto the next: stops a frame before it", 1, 900, {200, 699, 700}},
        {"onto the one before", 1, 50, {200, 201, 700}},
        {"the first to the start", 0, 0, {101, 500, 700}},
        {"the last past the end", 2, 5000, {200, 500, 999}},
        {"no such point", 7, 300, {200, 500, 700}},
    };
    for (const auto &c : moves) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(framesOf(WithPointMoved(plan, c.index, c.to)), c.expected);
    }

    EXPECT_EQ(NearestPoint(plan, 0), 0u);
    EXPECT_EQ(NearestPoint(plan, 610), 2u);
    EXPECT_EQ(NearestPoint(plan, 599), 1u);
    EXPECT_FALSE(NearestPoint(SplitPlan{}, 10));
}

TEST(SplitPlan, TracksCarryTheirNamesThroughChanges)
{
    SplitPlan plan{0, 1000, "Overture", {{300, "Song"}, {600, "Air"}}};
    EXPECT_EQ(TracksOf(plan), (std::vector<PlannedTrack>{{0, 300, "Overture"}, {300, 600, "Song"}, {600, 1000, "Air"}}));
    // A point added splits a track: the new one has no name.
    plan = *WithPointAdded(plan, 450);
    EXPECT_EQ(TracksOf(plan), (std::vector<PlannedTrack>{
                                  {0, 300, "Overture"}, {300, 450, "Song"}, {450, 600, ""}, {600, 1000, "Air"}}));
    // A point removed joins two tracks under the first one's name.
    plan = WithPointRemoved(plan, 0);
    EXPECT_EQ(TracksOf(plan), (std::vector<PlannedTrack>{{0, 450, "Overture"}, {450, 600, ""}, {600, 1000, "Air"}}));
    EXPECT_EQ(TracksOf(SplitPlan{}), std::vector<PlannedTrack>{});
    EXPECT_EQ(TracksOf(PlanOf(10, 20, {})), (std::vector<PlannedTrack>{{10, 20, ""}}));
}

TEST(SplitPlanStep, UndoShowsTheEarlierPlanUntilTheSoundGoes)
{
    QUndoStack stack;
    SplitPlan shown;
    const auto show = [&](const SplitPlan &plan) { shown = plan; };
    const SplitPlan found = PlanOf(0, 1000, {250, 500});
    stack.push(new SplitPlanStep(FoundPausesText(2), SplitPlan{}, found, show));
    EXPECT_EQ(shown, found);
    const SplitPlan moved = WithPointMoved(found, 0, 300);
    stack.push(new SplitPlanStep(MoveSplitText(250, 300), found, moved, show));
    EXPECT_EQ(shown, moved);
    stack.undo();
    EXPECT_EQ(shown, found);
    stack.undo();
    EXPECT_EQ(shown, SplitPlan{});
    stack.redo();
    EXPECT_EQ(shown, found);
    // Another sound opened: the steps show nothing of the old one any more.
    EXPECT_TRUE(RetireSourceSteps(stack));
    shown = PlanOf(0, 10, {5});
    stack.redo();
    stack.undo();
    EXPECT_EQ(shown, PlanOf(0, 10, {5}));
    EXPECT_EQ(FoundPausesText(4), "Split points at 4 pause(s)");
}

} // namespace
