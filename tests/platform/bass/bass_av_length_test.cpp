// The length of an FFmpeg stream told from its packets without decoding them: each Opus
// packet's length from its table of contents, and the trims at the start and the end
// applied in the order the decoding library applies them. A sample too many or too few
// here is a length that the read does not keep.

#include "platform/bass/ffmpeg_length.h"

#include <gtest/gtest.h>

#include <vector>

namespace trevisto::bass {
namespace {

TEST(OpusPacketLength, FollowsTheTableOfContents)
{
    struct Row {
        const char *what;
        std::vector<uint8_t> packet;
        int64_t samples;
    };
    const auto toc = [](int config, int code) { return uint8_t(config << 3 | code); };
    const Row rows[] = {
        {"empty", {}, 0},
        {"SILK 10 ms", {toc(0, 0)}, 480},
        {"SILK 20 ms", {toc(5, 0)}, 960},
        {"SILK 40 ms", {toc(10, 0)}, 1920},
        {"SILK 60 ms", {toc(3, 0)}, 2880},
        {"hybrid 10 ms", {toc(12, 0)}, 480},
        {"hybrid 20 ms", {toc(15, 0)}, 960},
        {"CELT 2.5 ms", {toc(16, 0)}, 120},
        {"CELT 5 ms", {toc(21, 0)}, 240},
        {"CELT 20 ms", {toc(31, 0)}, 960},
        {"two frames of one size", {toc(31, 1)}, 1920},
        {"two frames of two sizes", {toc(16, 2)}, 240},
        {"two 60 ms frames: the 120 ms at most", {toc(3, 1)}, 5760},
        {"counted frames, flags beside the count", {toc(16, 3), 0xC6}, 720},
        {"counted frames past 120 ms decode to nothing", {toc(3, 3), 3}, 0},
        {"no frames counted", {toc(31, 3), 0}, 0},
        {"the count cut off", {toc(31, 3)}, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(opusPacketFrames(row.packet.data(), int(row.packet.size())), row.samples) << row.what;
}

TEST(TrimmedLength, DropsTheSkipAndDiscardsInTheLibrarysOrder)
{
    struct Row {
        const char *what;
        int64_t preSkip;
        std::vector<PacketLength> packets;
        uint64_t total;
    };
    const auto plain = [](int64_t n) { return PacketLength{.samples = n}; };
    const auto skipping = [](int64_t n, int64_t skip, int64_t discard) {
        return PacketLength{.samples = n, .carriesSkip = true, .skip = skip, .discard = discard};
    };
    const auto dropped = [](int64_t n) { return PacketLength{.samples = n, .discarded = true}; };
    const Row rows[] = {
        {"untrimmed packets add up", 0, {plain(1024), plain(1024), plain(1000)}, 3048},
        {"the header's skip from the first packet", 312, {plain(960), plain(960)}, 1608},
        {"a skip longer than a packet goes on into the next", 1500, {plain(960), plain(960), plain(960)}, 1380},
        {"a packet's skip replaces the header's", 312, {skipping(960, 0, 0), plain(960)}, 1920},
        {"a packet's skip starts with that packet", 0, {plain(960), skipping(960, 100, 0)}, 1820},
        {"a discard trims the end of its packet", 0, {plain(960), skipping(960, 0, 200)}, 1720},
        {"a discard longer than its packet is ignored", 0, {plain(960), skipping(960, 0, 961)}, 1920},
        {"a discard of the whole packet leaves nothing", 0, {skipping(960, 0, 960), plain(960)}, 960},
        {"a discard after the skip counts from what is left", 0, {skipping(960, 500, 400)}, 60},
        {"a discard is not applied to a packet the skip ate", 0, {skipping(960, 960, 100), plain(960)}, 960},
        {"a discarded packet adds nothing", 0, {dropped(1024), plain(1024)}, 1024},
        {"a discarded packet still uses up the skip", 1500, {dropped(1024), plain(1024)}, 548},
        {"no packets", 312, {}, 0},
    };
    for (const Row &row : rows) {
        TrimmedLength length(row.preSkip);
        for (const PacketLength &p : row.packets)
            length.add(p);
        EXPECT_EQ(length.total(), row.total) << row.what;
    }
}

} // namespace
} // namespace trevisto::bass
