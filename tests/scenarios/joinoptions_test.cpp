// The join options as a user sets them: the form in the Option menu, kept in the settings,
// heard at a joint with Ctrl+J, and applied by the next join, whose message gives the
// joined length.
#include "scenarios/clips_window.h"

#include "editor/timetext.h"
#include "platform/wav/wav.h"
#include "settings/registry_settings.h"

namespace {

using namespace clipstory;
using JoinOptionsStory = ClipsWindow;

trevisto::wav::Info infoOf(const QString &path)
{
    trevisto::wav::Info info;
    trevisto::wav::readInfo(path.toStdString(), info);
    return info;
}

TEST_F(JoinOptionsStory, TheOptionsAreKeptHeardAtAJointAndJoinedWith)
{
    makeClips({"a", "b", "c"}, 1500);
    const trevisto::wav::Info clip = infoOf(clipFile("a"));
    const int64_t rate = clip.format.sampleRate, frames = clip.frames;
    ASSERT_GT(rate, 0);

    // A target the form does not offer is said, and the form asks again with the texts typed.
    dialogs_.answerForm(QStringList{"-20", "10", "0", "0"});
    dialogs_.answerForm(QStringList{"-16", "10", "0", "0"});
    w().JoinOptions_Click();
    ASSERT_EQ(dialogs_.asked().size(), 3);
    EXPECT_TRUE(dialogs_.asked()[1].text.contains("-20"));
    ASSERT_EQ(dialogs_.asked()[2].fields.size(), 4);
    EXPECT_EQ(dialogs_.asked()[2].fields[0].text, "-20");
    for (const FormField &field : dialogs_.asked()[2].fields)
        EXPECT_FALSE(field.toolTip.isEmpty()) << field.label.toStdString();
    EXPECT_EQ(RegReadString(ProgramSettingsKey, QStringLiteral("JoinOptions")), "-16;10;0;0");

    // The joint after "b": two seconds around the middle of its 10 ms overlap.
    const int64_t overlap = (10 * rate + 500) / 1000;
    select(1);
    dialogs_.clear();
    w().HearJoint_Click();
    EXPECT_EQ(dialogs_.asked().size(), 0);
    const trevisto::wav::Info heard = infoOf(NativePath(WorkingFiles::JointPreview));
    EXPECT_EQ(heard.frames, 2 * rate);
    w().CmdStopList_Click();
    // The last clip has no joint after it.
    select(2);
    w().HearJoint_Click();
    ASSERT_EQ(dialogs_.asked().size(), 1);
    EXPECT_TRUE(dialogs_.asked()[0].text.startsWith("Select a clip"));

    dialogs_.clear();
    const QString out = outPath("joined.wav");
    dialogs_.answerFile(out);
    w().Command2_Click();
    ASSERT_GE(dialogs_.asked().size(), 2);
    const int64_t joined = 3 * frames - 2 * overlap;
    EXPECT_EQ(infoOf(out).frames, joined) << "the clips' sum less the two overlaps";
    const QString said = dialogs_.asked()[1].text;
    EXPECT_TRUE(said.startsWith("The file is saved")) << said.toStdString();
    EXPECT_TRUE(said.contains(MillisecondText((joined * 1000 + rate / 2) / rate))) << said.toStdString();
}

} // namespace
