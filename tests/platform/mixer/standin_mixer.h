#pragma once
// A mixer with chosen elements that records every value it is given, and can refuse one
// channel.

#include "platform/mixer/mixer.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

struct SetCall {
    size_t element;
    int channel;
    long value;
    bool operator==(const SetCall &) const = default;
};

class StandInMixer : public trevisto::mixer::MixerDevice {
public:
    struct State {
        std::vector<trevisto::mixer::MixerElement> elements;
        std::vector<SetCall> calls;
        int refusedChannel = -1;
        // The raw value of each (element, channel) that can be read; set ones are kept.
        std::map<std::pair<size_t, int>, long> levels;
    };

    explicit StandInMixer(std::shared_ptr<State> state) : state_(std::move(state)) {}

    std::vector<trevisto::mixer::MixerElement> playbackElements() override { return state_->elements; }
    bool setPlaybackVolume(size_t element, int channel, long value) override
    {
        state_->calls.push_back({element, channel, value});
        if (channel == state_->refusedChannel)
            return false;
        state_->levels[{element, channel}] = value;
        return true;
    }
    bool playbackVolume(size_t element, int channel, long &value) override
    {
        const auto it = state_->levels.find({element, channel});
        if (it == state_->levels.end())
            return false;
        value = it->second;
        return true;
    }

    // Makes device 0 open a stand-in over `state`, or fail to open when `state` is null.
    static void install(std::shared_ptr<State> state)
    {
        trevisto::mixer::setDeviceOpener([state](trevisto::mixer::DWORD device) -> std::unique_ptr<MixerDevice> {
            if (!state || device != 0)
                return nullptr;
            return std::make_unique<StandInMixer>(state);
        });
    }

private:
    std::shared_ptr<State> state_;
};
