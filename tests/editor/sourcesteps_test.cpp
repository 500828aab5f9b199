// The steps on the loaded sound without a window: a mark and a cut done, undone and done
// again, what a cut holds, and retirement when another sound is opened.
#include "editor/sourcesteps.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>

namespace {

using namespace trevisto;

TEST(MarkSteps, EachMarkShowsItsPlaceBeforeAndAfter)
{
    QStringList shown;
    const auto show = [&](MarkStep::Mark mark, const MarkStep::Place &place) {
        shown << QStringLiteral("%1 %2 %3").arg(mark == MarkStep::Mark::In ? "in" : "out").arg(place.ms).arg(place.text);
    };
    QUndoStack stack;
    stack.push(new MarkStep(MarkStep::Mark::In, {0, "00:00:00"}, {1200, "00:00:01"}, show));
    stack.push(new MarkStep(MarkStep::Mark::Out, {3000, "00:00:03"}, {2500, "00:00:02"}, show));
    EXPECT_EQ(stack.text(0), "Mark In at 00:00:01.200");
    EXPECT_EQ(stack.text(1), "Mark out at 00:00:02.500");
    stack.undo();
    stack.undo();
    stack.redo();
    EXPECT_EQ(shown, (QStringList{"in 1200 00:00:01", "out 2500 00:00:02", "out 3000 00:00:03", "in 0 00:00:00",
                                  "in 1200 00:00:01"}));
}

TEST(MarkSteps, ARangeIsOneStepBothWaysAndRetiresWithItsSound)
{
    QStringList shown;
    const auto show = [&](MarkStep::Mark mark, const MarkStep::Place &place) {
        shown << QStringLiteral("%1 %2").arg(mark == MarkStep::Mark::In ? "in" : "out").arg(place.ms);
    };
    QUndoStack stack;
    stack.push(new MarkRangeStep({0, "00:00:00"}, {10000, "00:00:10"}, {30000, "00:00:30"}, {10500, "00:00:10"}, show));
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.text(0), "Marks at 00:00:10.000 to 00:00:10.500");
    stack.undo();
    EXPECT_EQ(shown, (QStringList{"in 10000", "out 10500", "out 30000", "in 0"}));
    stack.redo();
    EXPECT_EQ(shown.mid(4), (QStringList{"in 10000", "out 10500"}));
    // Once another sound is open, the range means nothing there.
    EXPECT_TRUE(RetireSourceSteps(stack));
    shown.clear();
    stack.undo();
    EXPECT_TRUE(shown.isEmpty());
}

class CutSteps : public ::testing::Test {
protected:
    QString result() const { return dir_.path() + "/temp2.wav"; }
    QString holding() const { return dir_.path() + "/held"; }
    void writeResult(const QByteArray &bytes) const
    {
        QFile f(result());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readResult() const
    {
        QFile f(result());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    QStringList held() const { return QDir(holding()).entryList(QDir::Files); }

    // A cut from `from` to `to` made into the result file, as the window makes it: the
    // result before it held, the new one written.
    CutStep *cut(qint64 from, qint64 to, std::optional<CutStep::Result> before)
    {
        HeldFile previous = before ? HeldFile::take(result(), holding()) : HeldFile();
        writeResult(QByteArray("cut ") + QByteArray::number(from));
        return new CutStep(CutText(from, to), result(), holding(), before, std::move(previous),
                           CutStep::Result{origin(from), from, to}, [this] { log_ << "release"; },
                           [this](const std::optional<CutStep::Result> &r) {
                               log_ << (r ? QStringLiteral("show %1 %2").arg(r->from).arg(readResult()) : "none");
                           });
    }
    static Mp3Origin origin(qint64 from)
    {
        Mp3Origin o;
        o.source.path = "/music/a.mp3";
        o.first = from * 441 / 10;
        o.last = o.first + 4410;
        return o;
    }

    QTemporaryDir dir_;
    QStringList log_;
};

TEST_F(CutSteps, UndoBringsThePreviousResultBackAndRedoTheNewOne)
{
    QUndoStack stack;
    stack.push(cut(0, 100, std::nullopt));
    stack.push(cut(500, 900, CutStep::Result{origin(0), 0, 100}));
    EXPECT_EQ(stack.undoText(), "Cut from 00:00:00.500 to 00:00:00.900");
    EXPECT_TRUE(log_.isEmpty()) << "pushing a made cut shows nothing again";
    EXPECT_EQ(held().size(), 1);

    stack.undo();
    EXPECT_EQ(readResult(), "cut 0");
    stack.undo();
    EXPECT_EQ(readResult(), "(none)");
    EXPECT_EQ(held().size(), 2) << "both results wait for Redo";
    stack.redo();
    stack.redo();
    EXPECT_EQ(readResult(), "cut 500");
    EXPECT_EQ(log_, (QStringList{"release", "show 0 cut 0", "release", "none", "release", "show 0 cut 0", "release",
                                 "show 500 cut 500"}));
    EXPECT_EQ(held().size(), 1);

    // A cut that replaced nothing holds nothing: its step leaves the stack without a trace.
    stack.undo();
    stack.clear();
    EXPECT_TRUE(held().isEmpty()) << "what the steps held went with them";
    EXPECT_EQ(readResult(), "cut 0");
}

TEST_F(CutSteps, RetiredStepsLetGoOfTheirFilesAndChangeNothing)
{
    QUndoStack stack;
    QStringList shown;
    stack.push(new MarkStep(MarkStep::Mark::In, {0, "a"}, {10, "b"},
                            [&](MarkStep::Mark, const MarkStep::Place &p) { shown << p.text; }));
    stack.push(cut(0, 100, std::nullopt));
    stack.push(cut(200, 300, CutStep::Result{std::nullopt, 0, 100}));
    // A step that is no source step stays as it was.
    stack.push(new QUndoCommand("Add clip x"));
    ASSERT_EQ(held().size(), 1);

    EXPECT_TRUE(RetireSourceSteps(stack));
    EXPECT_FALSE(RetireSourceSteps(stack)) << "retired once";
    EXPECT_TRUE(held().isEmpty());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(stack.command(i)->isObsolete()) << i;
    EXPECT_FALSE(stack.command(3)->isObsolete());

    // Qt's stack deletes an obsolete step on its way, undoing nothing (and its redo, which
    // Qt runs, does nothing either).
    const QByteArray before = readResult();
    shown.clear();
    log_.clear();
    while (stack.canUndo())
        stack.undo();
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(readResult(), before);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_TRUE(log_.isEmpty());
}

} // namespace
