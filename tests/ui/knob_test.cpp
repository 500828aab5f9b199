// The volume knob on a started window, over a stand-in mixer and over the real one.
#include "app/window_fixture.h"
#include "platform/mixer/standin_mixer.h"
#include "stderr_capture.h"

using namespace trevisto::mixer;

namespace {

class Knob : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        installLibrary(FAKEBASS_PATH);
    }
    void TearDown() override
    {
        WindowFixture::TearDown();
        setDeviceOpener({});
    }
};

TEST_F(Knob, StartUpShowsSixtyFiveAndLeavesTheVolumeAlone)
{
    auto mixer = std::make_shared<StandInMixer::State>();
    mixer->elements = {{"Headphone", 0, 31, {0, 1}}, {"Master", 0, 87, {0, 1}}};
    StandInMixer::install(mixer);
    ASSERT_TRUE(start());
    QDial *knob = ui(*window_)->Knob1;
    EXPECT_EQ(knob->minimum(), 0);
    EXPECT_EQ(knob->maximum(), 65);
    EXPECT_EQ(knob->value(), 65);
    EXPECT_NE(MixerHandle(*window_), 0u);
    EXPECT_EQ(VolumeControl(*window_).controlId, 2u) << "Master";
    EXPECT_TRUE(mixer->calls.empty()) << "starting the program must not change the volume";

    // Each turn sets both channels of Master alike: knob x 1000 of 65535, on 0..87.
    struct Turn {
        int knob;
        long raw;
    };
    for (const Turn &t : {Turn{0, 0}, Turn{65, 86}, Turn{33, 44}, Turn{1, 1}}) {
        SCOPED_TRACE(t.knob);
        mixer->calls.clear();
        knob->setValue(t.knob);
        EXPECT_EQ(mixer->calls, (std::vector<SetCall>{{1, 0, t.raw}, {1, 1, t.raw}}));
    }
    EXPECT_TRUE(dialogs_.asked().isEmpty());
}

TEST_F(Knob, WithoutAMixerTheKnobStaysAndTurnsWithoutEffect)
{
    StandInMixer::install(nullptr);
    makeWindow();
    const int designValue = ui(*window_)->Knob1->value();
    ASSERT_TRUE(window_->Form_Load());
    window_->FinishStarting();
    EXPECT_EQ(ui(*window_)->Knob1->value(), designValue);
    EXPECT_EQ(MixerHandle(*window_), 0u);
    EXPECT_EQ(VolumeControl(*window_), MixerControl{});
    ui(*window_)->Knob1->setValue(40);
    ui(*window_)->Knob1->setValue(0);
    EXPECT_TRUE(dialogs_.asked().isEmpty()) << "no message";
    EXPECT_FALSE(endCode_.has_value());
}

// The real ALSA path. On a machine without sound (as the build machines are) start-up
// goes on and prints nothing; the language file is in place so that nothing else speaks.
TEST_F(Knob, StartingOnTheRealMixerPrintsNothing)
{
    setDeviceOpener({});
    ASSERT_TRUE(QFile::copy(LANGUAGE_FILES_DIR "/english.lng", programFolder_ + "/english.lng"));
    makeWindow();
    StderrCapture capture;
    const bool started = window_->Form_Load();
    if (started)
        window_->FinishStarting();
    const std::string printed = capture.text();
    EXPECT_TRUE(started);
    EXPECT_EQ(printed, "");
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    if (MixerHandle(*window_) == 0) {
        EXPECT_EQ(ui(*window_)->Knob1->value(), 0) << "no mixer: the knob keeps its design value";
    }
}

} // namespace
