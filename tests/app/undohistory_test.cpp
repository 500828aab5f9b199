// The undo history behind the Edit menu: Undo and Redo pass retired steps by, the items
// name the step they would take and are off with none or while the history is held, and a
// hundred steps are kept.
#include "app/undohistory.h"
#include "editor/sourcesteps.h"
#include "settings/message_language.h"

#include <gtest/gtest.h>

#include <QAction>

namespace {

// A step that logs what is done to it, on the loaded sound or not.
template <class Base>
class Logged : public Base {
public:
    Logged(const QString &text, QStringList &log) : log_(log) { this->setText(text); }
    void redo() override
    {
        if (!this->isObsolete())
            log_ << "do " + this->text();
    }
    void undo() override
    {
        if (!this->isObsolete())
            log_ << "undo " + this->text();
    }

private:
    QStringList &log_;
};
using ClipStep = Logged<QUndoCommand>;
using SoundStep = Logged<trevisto::SourceStep>;

class History : public ::testing::Test {
protected:
    void SetUp() override { history_.attach(&undoItem_, &redoItem_); }
    QString items() const
    {
        return QStringLiteral("%1%2 | %3%4")
            .arg(undoItem_.text(), undoItem_.isEnabled() ? "" : " (off)", redoItem_.text(),
                 redoItem_.isEnabled() ? "" : " (off)");
    }

    QAction undoItem_, redoItem_;
    UndoHistory history_;
    QStringList log_;
};

TEST_F(History, RetiredStepsArePassedByAndTheItemsNameTheNextRealOne)
{
    EXPECT_EQ(items(), "Undo (off) | Redo (off)");
    history_.push(new ClipStep("Add clip a", log_));
    history_.push(new SoundStep("Mark In at 00:00:01.000", log_));
    history_.push(new SoundStep("Cut from 00:00:00.000 to 00:00:01.000", log_));
    history_.push(new ClipStep("Add clip b", log_));
    history_.push(new SoundStep("Mark out at 00:00:02.000", log_));
    EXPECT_EQ(items(), "Undo Mark out at 00:00:02.000 | Redo (off)");

    // Another sound is opened: the clips' steps stay, the sound's are passed by.
    history_.retireSourceSteps();
    EXPECT_EQ(items(), "Undo Add clip b | Redo (off)");
    log_.clear();
    int triggered = 0;
    QObject::connect(&history_, &UndoHistory::aboutToStep, [&] { ++triggered; });
    undoItem_.trigger();
    EXPECT_EQ(items(), "Undo Add clip a | Redo Add clip b");
    undoItem_.trigger();
    EXPECT_EQ(items(), "Undo (off) | Redo Add clip a");
    undoItem_.trigger();
    redoItem_.trigger();
    redoItem_.trigger();
    redoItem_.trigger();
    EXPECT_EQ(log_, (QStringList{"undo Add clip b", "undo Add clip a", "do Add clip a", "do Add clip b"}));
    EXPECT_EQ(triggered, 4) << "only the items that took a step said so first";
    EXPECT_EQ(items(), "Undo Add clip b | Redo (off)");
    EXPECT_EQ(history_.stack().count(), 2) << "the retired steps left the stack on the way";
}

TEST_F(History, OnlyRetiredStepsEmptyTheStackAndAHoldStopsBothItems)
{
    history_.push(new SoundStep("Mark In at 00:00:01.000", log_));
    history_.push(new SoundStep("Mark In at 00:00:02.000", log_));
    history_.undo();
    history_.retireSourceSteps();
    EXPECT_EQ(history_.stack().count(), 0) << "nothing but retired steps: the room is given back";
    EXPECT_EQ(items(), "Undo (off) | Redo (off)");

    history_.push(new ClipStep("Delete clip a", log_));
    history_.hold(true);
    history_.hold(true);
    EXPECT_EQ(items(), "Undo Delete clip a (off) | Redo (off)");
    EXPECT_FALSE(history_.undo());
    history_.hold(false);
    EXPECT_FALSE(history_.undo()) << "holds nest";
    history_.hold(false);
    EXPECT_TRUE(history_.undo());
    EXPECT_EQ(items(), "Undo (off) | Redo Delete clip a");
    history_.clear();
    EXPECT_EQ(items(), "Undo (off) | Redo (off)");
}

TEST_F(History, AHundredStepsAreKept)
{
    for (int i = 0; i < 130; ++i)
        history_.push(new ClipStep(QStringLiteral("Add clip c%1").arg(i), log_));
    int undone = 0;
    while (history_.undo())
        ++undone;
    EXPECT_EQ(undone, UndoHistory::Steps);
    EXPECT_GE(UndoHistory::Steps, 100);
    EXPECT_EQ(items(), "Undo (off) | Redo Add clip c30");
}

TEST_F(History, TheItemsFollowTheLanguageOfTheMessages)
{
    history_.push(new ClipStep("Add clip a", log_));
    MessageLanguage language;
    ASSERT_TRUE(language.use("ger"));
    EXPECT_EQ(items(), "Rückgängig: Add clip a | Wiederholen (off)");
    ASSERT_TRUE(language.use("en"));
    EXPECT_EQ(items(), "Undo Add clip a | Redo (off)");
}

} // namespace
