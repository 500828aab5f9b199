#include "platform/mixer/mixer.h"

#include "standin_mixer.h"
#include "stderr_capture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace trevisto::mixer;

namespace {

MixerElement element(const std::string &name, long minimum = 0, long maximum = 100, std::vector<int> channels = {0, 1})
{
    return {name, minimum, maximum, std::move(channels)};
}

class Mixer : public ::testing::Test {
protected:
    void SetUp() override { StandInMixer::install(state_); }
    void TearDown() override
    {
        if (handle_)
            mixerClose(handle_);
        setDeviceOpener({});
    }

    // Opens the stand-in and finds its volume control.
    bool openAndFind()
    {
        EXPECT_EQ(mixerOpen(&handle_, 0), MMSYSERR_NOERROR);
        return FindMasterVolumeControl(handle_, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME,
                                       control_);
    }

    std::shared_ptr<StandInMixer::State> state_ = std::make_shared<StandInMixer::State>();
    HMIXER handle_ = 0;
    MixerControl control_;
};

TEST_F(Mixer, TheVolumeControlIsMasterElsePcmElseTheFirstWithAVolume)
{
    struct Case {
        std::vector<std::string> elements;
        int chosen; // -1: none
    };
    const Case cases[] = {
        {{"Headphone", "PCM", "Master"}, 2},
        {{"Headphone", "PCM", "Speaker"}, 1},
        {{"Headphone", "Speaker"}, 0},
        {{"master", "pcm", "Front"}, 0}, // the names are matched exactly
        {{}, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.elements));
        state_->elements.clear();
        state_->calls.clear();
        for (const std::string &name : c.elements)
            state_->elements.push_back(element(name));
        control_ = {};
        const bool found = openAndFind();
        ASSERT_EQ(found, c.chosen >= 0);
        if (!found) {
            EXPECT_EQ(control_, MixerControl{}) << "left untouched";
            EXPECT_FALSE(SetMasterVolume(handle_, control_, 1000));
        } else {
            EXPECT_EQ(control_.controlType, MIXERCONTROL_CONTROLTYPE_VOLUME);
            EXPECT_EQ(control_.minimum, 0);
            EXPECT_EQ(control_.maximum, 65535);
            EXPECT_TRUE(SetMasterVolume(handle_, control_, 65535));
            ASSERT_FALSE(state_->calls.empty());
            for (const SetCall &call : state_->calls)
                EXPECT_EQ(call.element, size_t(c.chosen));
        }
        mixerClose(handle_);
        handle_ = 0;
    }
}

TEST_F(Mixer, AVolumeIsSpreadOverTheElementsOwnRangeToTheNearestStep)
{
    struct Case {
        long minimum, maximum;
        std::int32_t volume;
        long raw;
    };
    const Case cases[] = {
        {0, 100, 0, 0},           {0, 100, 65535, 100},       {0, 100, 65000, 99},    // 99.18
        {0, 87, 65000, 86},       {0, 87, 32767, 43},         {0, 87, 32768, 44},     // 43.4997 / 43.5006
        {0, 65535, 65000, 65000}, {-10239, 400, 0, -10239},   {-10239, 400, 65535, 400},
        {-10239, 400, 65000, 313}, // -10239 + 10552.2
        {0, 1, 32767, 0},         {0, 1, 32768, 1},           {7, 7, 65000, 7},       // no range at all
        {0, 100, 70000, 100},     {0, 100, -5, 0},                                    // held to the ends
        {0, 2147483647L, 65535, 2147483647L}, {0, 2147483647L, 32768, 1073758208L},  // no overflow
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << ".." << c.maximum << " at " << c.volume);
        EXPECT_EQ(rawVolume(c.volume, c.minimum, c.maximum), c.raw);
    }
}

TEST_F(Mixer, EveryChannelGetsTheSameValue)
{
    state_->elements = {element("Master", -6400, 0, {0, 1, 2, 3, 9})};
    ASSERT_TRUE(openAndFind());
    EXPECT_TRUE(SetMasterVolume(handle_, control_, 65000));
    const long raw = -6400 + 6348; // 6400 * 65000 / 65535 = 6347.76
    EXPECT_EQ(state_->calls, (std::vector<SetCall>{{0, 0, raw}, {0, 1, raw}, {0, 2, raw}, {0, 3, raw}, {0, 9, raw}}));

    // One channel refusing is a failure, and the others are still set.
    state_->calls.clear();
    state_->refusedChannel = 1;
    EXPECT_FALSE(SetMasterVolume(handle_, control_, 0));
    EXPECT_EQ(state_->calls.size(), 5u);
    for (const SetCall &call : state_->calls)
        EXPECT_EQ(call.value, -6400);
}

TEST_F(Mixer, CallsWithoutAMixerOrControlChangeNothing)
{
    state_->elements = {element("Master")};
    ASSERT_TRUE(openAndFind());
    MixerControl other = control_;
    other.controlId = 7;
    MixerControl wrongType = control_;
    wrongType.controlType = 0x50030000;

    EXPECT_FALSE(SetMasterVolume(0, control_, 1000)) << "zero handle";
    EXPECT_FALSE(SetMasterVolume(handle_, MixerControl{}, 1000)) << "zero record";
    EXPECT_FALSE(SetMasterVolume(handle_, other, 1000)) << "no such control";
    EXPECT_FALSE(SetMasterVolume(handle_, wrongType, 1000)) << "not a volume";
    MixerControl untouched;
    EXPECT_FALSE(FindMasterVolumeControl(handle_, 5, MIXERCONTROL_CONTROLTYPE_VOLUME, untouched)) << "not the speakers";
    EXPECT_FALSE(FindMasterVolumeControl(handle_, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, 0x50030000, untouched));
    EXPECT_FALSE(FindMasterVolumeControl(0, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME,
                                         untouched));
    EXPECT_EQ(untouched, MixerControl{});

    const HMIXER closed = handle_;
    EXPECT_EQ(mixerClose(closed), MMSYSERR_NOERROR);
    handle_ = 0;
    EXPECT_FALSE(SetMasterVolume(closed, control_, 1000)) << "closed handle";
    EXPECT_EQ(mixerClose(closed), MMSYSERR_INVALHANDLE);
    EXPECT_TRUE(state_->calls.empty());
}

TEST_F(Mixer, AFailedOpenLeavesAZeroHandle)
{
    StandInMixer::install(nullptr);
    handle_ = 99;
    EXPECT_NE(mixerOpen(&handle_, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(handle_, 0u);
    EXPECT_EQ(mixerOpen(&handle_, 3), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(mixerOpen(nullptr, 0), MMSYSERR_INVALHANDLE);
}

// The real sound system: on a machine without a sound card the open fails, and ALSA's
// complaints about the missing card must not reach the terminal. Where a card exists the
// control is only looked up; a test never changes the volume of the machine it runs on.
TEST(RealMixer, OpeningAndFindingPrintNothing)
{
    setDeviceOpener({});
    StderrCapture capture;
    HMIXER handle = 0;
    const MMRESULT opened = mixerOpen(&handle, 0);
    MixerControl control;
    const bool found = FindMasterVolumeControl(handle, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS,
                                               MIXERCONTROL_CONTROLTYPE_VOLUME, control);
    if (opened == MMSYSERR_NOERROR)
        mixerClose(handle);
    const std::string printed = capture.text();
    EXPECT_EQ(printed, "");
    if (opened != MMSYSERR_NOERROR) {
        EXPECT_EQ(handle, 0u);
        EXPECT_FALSE(found);
        EXPECT_FALSE(SetMasterVolume(handle, control, 65000));
    }
}

} // namespace

TEST_F(Mixer, TheCurrentVolumeIsTheLoudestChannelAndRoundTripsWithSetting)
{
    state_->elements = {element("Master", 0, 87)};
    ASSERT_TRUE(openAndFind());
    std::int32_t volume = -1;
    EXPECT_FALSE(GetMasterVolume(handle_, control_, volume)) << "no channel readable yet";
    EXPECT_EQ(volume, -1);
    state_->levels = {{{0, 0}, 20}, {{0, 1}, 44}};
    ASSERT_TRUE(GetMasterVolume(handle_, control_, volume));
    EXPECT_EQ(volume, volumeFromRaw(44, 0, 87));
    for (const std::int32_t set : {0, 1000, 33000, 65000, 65535}) {
        ASSERT_TRUE(SetMasterVolume(handle_, control_, set));
        ASSERT_TRUE(GetMasterVolume(handle_, control_, volume));
        EXPECT_EQ(rawVolume(volume, 0, 87), rawVolume(set, 0, 87)) << set;
    }
    // The ends land on the ends, outside values are held, halves go up.
    EXPECT_EQ(volumeFromRaw(-10, -10, 10), 0);
    EXPECT_EQ(volumeFromRaw(10, -10, 10), 65535);
    EXPECT_EQ(volumeFromRaw(0, -10, 10), 32768);
    EXPECT_EQ(volumeFromRaw(-99, -10, 10), 0);
    EXPECT_EQ(volumeFromRaw(99, -10, 10), 65535);
}
