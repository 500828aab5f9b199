#include "app/window/filechooser.h"

#include "app/choosers.h"
#include "app/scripteddialogs.h"
#include "fresh_prefix.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const QString Mp3Filter = QStringLiteral("Mp3 (*.mp3)|*.mp3");

// Each case runs its choices in order on one chooser; after each, what it returned, the
// file name the chooser offered, and the previous choice.
TEST(FileChooserTest, ThePreviousChoiceIsWhatWasLastChosenOrGiven)
{
    struct Step {
        std::function<std::optional<QString>(FileChooser &)> does;
        std::optional<QString> answer; // the user's; nothing for Cancel
        std::optional<QString> returned;
        QString offered;  // the file name the chooser was given
        QString previous; // afterwards
    };
    const auto source = [](FileChooser &c) { return c.ChooseSource(Mp3Filter); };
    const auto saveMp3 = [](FileChooser &c) { return c.Choose(trevisto::saveMp3Request(), trevisto::ChooserKind::Save); };
    const auto joinWav = [](FileChooser &c) {
        return c.Choose(trevisto::joinWavRequest(c.previousChoice()), trevisto::ChooserKind::Join);
    };
    const struct {
        const char *name;
        std::vector<Step> steps;
    } cases[] = {
        {"a choice is offered again",
         {{source, "/m/a.mp3", "/m/a.mp3", "", "/m/a.mp3"}, {source, "/m/b.mp3", "/m/b.mp3", "/m/a.mp3", "/m/b.mp3"}}},
        {"Cancel keeps the previous choice",
         {{source, "/m/a.mp3", "/m/a.mp3", "", "/m/a.mp3"}, {source, std::nullopt, std::nullopt, "/m/a.mp3", "/m/a.mp3"}}},
        {"a saved name gets its suffix, and is the choice with it",
         {{saveMp3, "/m/ringtone", "/m/ringtone.mp3", "", "/m/ringtone.mp3"},
          {source, std::nullopt, std::nullopt, "/m/ringtone.mp3", "/m/ringtone.mp3"}}},
        {"a previous choice of another kind is not offered as the name",
         {{source, "/m/a.mp3", "/m/a.mp3", "", "/m/a.mp3"}, {joinWav, "/w/j.wav", "/w/j.wav", "", "/w/j.wav"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FreshPrefix prefix;
        ScriptedDialogs dialogs;
        FileChooser chooser(dialogs);
        int index = 0;
        for (const Step &step : c.steps) {
            SCOPED_TRACE(index++);
            dialogs.answerFile(step.answer);
            EXPECT_EQ(step.does(chooser), step.returned);
            ASSERT_FALSE(dialogs.asked().isEmpty());
            EXPECT_EQ(dialogs.asked().last().file.fileName, step.offered);
            EXPECT_EQ(chooser.previousChoice(), step.previous);
        }
    }
}

TEST(FileChooserTest, AGivenFileIsOfferedByTheNextChooser)
{
    ScriptedDialogs dialogs;
    FileChooser chooser(dialogs);
    chooser.given("/m/given.mp3");
    dialogs.answerFile(std::nullopt);
    EXPECT_EQ(chooser.ChooseSource(Mp3Filter), std::nullopt);
    EXPECT_EQ(dialogs.asked().last().file.fileName, "/m/given.mp3");
}

TEST(FileChooserTest, AFileOfferedByItsPathKeepsItsFolderElseTheKeptFolderIsTheStart)
{
    const struct {
        const char *what;
        QString fileName, initDir, kept;
        QString startsIn;
    } cases[] = {
        {"nothing kept: the request's own start", "", "/music", "", "/music"},
        {"nothing kept, no start of its own", "", "", "", ""},
        {"the kept folder wins over the request's start", "", "/music", "/kept", "/kept"},
        {"a bare file name is offered in the kept folder", "take.wav", "/music", "/kept", "/kept"},
        {"a file offered by its path names its folder", "/m/a.mp3", "", "/kept", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FileRequest request;
        request.fileName = c.fileName;
        request.initDir = c.initDir;
        const FileRequest r = trevisto::inKeptFolder(request, c.kept);
        EXPECT_EQ(r.initDir, c.startsIn);
        EXPECT_EQ(r.fileName, c.fileName);
    }
}

// Opening, saving and joining each start where their kind last opened or wrote a file, in
// this run and in the next; a choice that was not used (refused, failed) keeps nothing, a
// folder that went is forgotten, and Cancel keeps what was kept.
TEST(FileChooserTest, EachKindStartsInTheFolderItLastUsed)
{
    FreshPrefix prefix;
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString sources = root.filePath("sources"), saves = root.filePath("saves"), joins = root.filePath("joins"),
                  refused = root.filePath("refused");
    for (const QString &folder : {sources, saves, joins, refused})
        ASSERT_TRUE(QDir().mkpath(folder));
    using trevisto::ChooserKind;
    const auto startOf = [](ScriptedDialogs &d) { return d.asked().last().file.initDir; };
    const QString ogg = QStringLiteral("Ogg (*.ogg)|*.ogg");
    {
        ScriptedDialogs dialogs;
        FileChooser chooser(dialogs);
        dialogs.answerFile(sources + "/song.wav");
        chooser.Used(ChooserKind::OpenSource, *chooser.ChooseSource(ogg));
        EXPECT_EQ(startOf(dialogs), "") << "nothing kept at first";
        dialogs.answerFile(saves + "/cut.mp3");
        chooser.Used(ChooserKind::Save, *chooser.Choose(trevisto::saveMp3Request(), ChooserKind::Save));
        EXPECT_EQ(startOf(dialogs), trevisto::saveMp3Request().initDir);
        dialogs.answerFile(joins + "/all");
        chooser.Used(ChooserKind::Join, *chooser.Choose(trevisto::saveMp3Request(), ChooserKind::Join));
        EXPECT_EQ(startOf(dialogs), trevisto::saveMp3Request().initDir) << "a join keeps its own";
        dialogs.answerFile(refused + "/clip.wav");
        chooser.Choose(trevisto::saveWavRequest(), ChooserKind::Save);
        EXPECT_EQ(startOf(dialogs), saves);
        dialogs.answerFile(std::nullopt);
        chooser.Choose(trevisto::saveWavRequest(), ChooserKind::Save);
        EXPECT_EQ(startOf(dialogs), saves) << "a choice not used keeps nothing";
    }
    // The next run: a new chooser, the same settings.
    ScriptedDialogs dialogs;
    FileChooser chooser(dialogs);
    dialogs.answerFile(std::nullopt);
    chooser.ChooseSource(ogg);
    EXPECT_EQ(startOf(dialogs), sources);
    dialogs.answerFile(std::nullopt);
    chooser.Choose(trevisto::saveWavRequest(), ChooserKind::Save);
    EXPECT_EQ(startOf(dialogs), saves);
    dialogs.answerFile(std::nullopt);
    chooser.Choose(trevisto::joinWavRequest({}), ChooserKind::Join);
    EXPECT_EQ(startOf(dialogs), joins);
    EXPECT_EQ(trevisto::KeptFolder(ChooserKind::Join), joins);

    ASSERT_TRUE(QDir(saves).removeRecursively());
    EXPECT_EQ(trevisto::KeptFolder(ChooserKind::Save), "");
    dialogs.answerFile(std::nullopt);
    chooser.Choose(trevisto::saveWavRequest(), ChooserKind::Save);
    EXPECT_EQ(startOf(dialogs), trevisto::saveWavRequest().initDir) << "a folder that went is no start";
}

} // namespace
