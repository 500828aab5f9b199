#include "app/window/filechooser.h"

#include "app/choosers.h"
#include "app/scripteddialogs.h"

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
    const auto saveMp3 = [](FileChooser &c) { return c.Choose(trevisto::saveMp3Request()); };
    const auto joinWav = [](FileChooser &c) { return c.Choose(trevisto::joinWavRequest(c.previousChoice())); };
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

} // namespace
