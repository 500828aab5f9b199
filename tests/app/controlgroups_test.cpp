#include "app/window/controlgroups.h"

#include "ui_frmWriteWave.h"

#include <gtest/gtest.h>

#include <QMainWindow>

#include <functional>
#include <vector>

namespace {

// The form alone, without the window's handlers: the groups act on its controls only.
class ControlGroupsTest : public ::testing::Test {
protected:
    void SetUp() override { ui_.setupUi(&form_); }

    QMainWindow form_;
    Ui::frmWriteWave ui_;
    ControlGroups groups_{ui_};
};

TEST_F(ControlGroupsTest, GroupsHoldTheirControls)
{
    using Names = std::vector<QString>;
    const auto names = [](const QList<QWidget *> &controls) {
        Names n;
        for (const QWidget *c : controls)
            n.push_back(c->objectName());
        return n;
    };
    EXPECT_EQ(names(groups_.TransportControls()),
              (Names{"CmdPlay", "CmdBack", "CmdStop", "CmdPause", "CmdStep", "CmdSetin", "CmdOut"}));
    EXPECT_EQ(names(groups_.SourceControls()),
              (Names{"CmdPlay", "CmdBack", "CmdStop", "CmdPause", "CmdStep", "CmdSetin", "CmdOut", "CmdSetNew"}));
    EXPECT_EQ(names(groups_.PlayingControls()),
              (Names{"CmdBack", "CmdPause", "CmdStop", "CmdSetin", "CmdOut", "CmdSetNew", "CmdGoto"}));
    EXPECT_EQ(names(groups_.ResultControls()), (Names{"CmdPlayTemp", "CmdStopTemp", "CmdSaveas", "Command3", "CmdaddList"}));
    EXPECT_EQ(names(groups_.ListLockedControls()),
              (Names{"CmdPlay", "CmdBack", "CmdStop", "CmdPause", "CmdStep", "CmdSetin", "CmdOut", "CmdSetNew",
                     "CmdPlayTemp", "CmdStopTemp", "CmdSaveas", "Command3", "CmdaddList", "CmdGoto"}));
}

// Each case starts with every list-locked control enabled, runs its steps, and looks at
// CmdPlay (a source control) and CmdSaveas (a result control) after each.
TEST_F(ControlGroupsTest, HoldsKeepControlsOffAndGiveBackTheLastStateSet)
{
    using Hold = ControlGroups::Hold;
    struct Step {
        std::function<void(ControlGroups &)> does;
        bool play, saveAs; // enabled afterwards
    };
    const auto hold = [](Hold h, bool on) { return [h, on](ControlGroups &g) { g.HoldControls(h, on); }; };
    const auto source = [](bool on) { return [on](ControlGroups &g) { g.SetEnabled(g.SourceControls(), on); }; };
    const auto result = [](bool on) { return [on](ControlGroups &g) { g.SetEnabled(g.ResultControls(), on); }; };
    const struct {
        const char *name;
        std::vector<Step> steps;
    } cases[] = {
        {"no hold: states change at once", {{source(false), false, true}, {result(false), false, false}}},
        {"a hold and its end give the states back",
         {{hold(Hold::Opening, true), false, false}, {hold(Hold::Opening, false), true, true}}},
        {"a state set under a hold waits for its end",
         {{hold(Hold::ListPlayback, true), false, false},
          {source(false), false, false},
          {hold(Hold::ListPlayback, false), false, true}}},
        {"holds nest: only the end of the last gives back",
         {{hold(Hold::Opening, true), false, false},
          {hold(Hold::ListPlayback, true), false, false},
          {result(false), false, false},
          {hold(Hold::Opening, false), false, false},
          {hold(Hold::ListPlayback, false), true, false}}},
        {"a hold taken twice ends once",
         {{hold(Hold::Opening, true), false, false},
          {hold(Hold::Opening, true), false, false},
          {hold(Hold::Opening, false), true, true}}},
        {"ending a hold not taken changes nothing",
         {{source(false), false, true}, {hold(Hold::ListPlayback, false), false, true}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ControlGroups groups(ui_);
        for (QWidget *control : groups.ListLockedControls())
            control->setEnabled(true);
        int index = 0;
        for (const Step &step : c.steps) {
            step.does(groups);
            EXPECT_EQ(ui_.CmdPlay->isEnabled(), step.play) << "after step " << index;
            EXPECT_EQ(ui_.CmdSaveas->isEnabled(), step.saveAs) << "after step " << index;
            ++index;
        }
    }
}

// A control outside the list-locked ones is never held.
TEST_F(ControlGroupsTest, ControlsOutsideTheLockedOnesAreNeverHeld)
{
    ui_.CmdCreate->setEnabled(true);
    groups_.HoldControls(ControlGroups::ListPlayback, true);
    groups_.SetEnabled({ui_.CmdCreate}, false);
    EXPECT_FALSE(ui_.CmdCreate->isEnabled());
    groups_.SetEnabled({ui_.CmdCreate}, true);
    groups_.HoldControls(ControlGroups::ListPlayback, false);
    EXPECT_TRUE(ui_.CmdCreate->isEnabled());
}

} // namespace
