#include "support/test_audio.h"

#include <algorithm>
#include <stdexcept>

namespace trevisto::test {
namespace {

constexpr int kChannels = 4;
constexpr int kPatternRows = 64;
constexpr int kSampleWords = 16; // 32 bytes: one period of a square wave
constexpr int kMaxOrders = 128;

void putText(std::vector<uint8_t> &v, const std::string &text, size_t width)
{
    for (size_t i = 0; i < width; ++i)
        v.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

void putBigEndian16(std::vector<uint8_t> &v, int x)
{
    v.push_back(static_cast<uint8_t>(x >> 8));
    v.push_back(static_cast<uint8_t>(x));
}

} // namespace

ModSong shortModSong()
{
    ModSong song;
    song.notes = {{0, 0, 428}, {4, 1, 339}, {8, 2, 285}, {12, 3, 214}};
    return song;
}

ModSong slowModSong(int orders)
{
    ModSong song = shortModSong();
    song.rows = 64;
    song.orders = orders;
    song.notes.push_back({0, 1, 0, 0xF, 0x1F}); // speed 31
    song.notes.push_back({0, 2, 0, 0xF, 0x20}); // tempo 32
    return song;
}

std::vector<uint8_t> buildMod(const ModSong &song)
{
    if (song.rows < 1 || song.rows > kPatternRows)
        throw std::invalid_argument("a module pattern has 1 to 64 rows");
    if (song.orders < 1 || song.orders > kMaxOrders)
        throw std::invalid_argument("a module plays its pattern 1 to 128 times");

    std::vector<uint8_t> mod;
    putText(mod, song.title, 20);

    // Sample headers: sample 1 is the square wave, looped over its whole length;
    // samples 2..31 are empty.
    putText(mod, "square", 22);
    putBigEndian16(mod, kSampleWords);
    mod.push_back(0);  // finetune
    mod.push_back(64); // volume
    putBigEndian16(mod, 0);
    putBigEndian16(mod, kSampleWords);
    for (int i = 1; i < 31; ++i) {
        putText(mod, "", 22);
        putBigEndian16(mod, 0);
        mod.push_back(0);
        mod.push_back(0);
        putBigEndian16(mod, 0);
        putBigEndian16(mod, 1);
    }

    mod.push_back(static_cast<uint8_t>(song.orders));
    mod.push_back(127);          // restart position, unused
    putText(mod, "", kMaxOrders); // order table: pattern 0 only
    putText(mod, "M.K.", 4);

    std::vector<uint8_t> pattern(kPatternRows * kChannels * 4, 0);
    auto cell = [&](int row, int channel) { return pattern.begin() + (row * kChannels + channel) * 4; };
    for (const ModNote &n : song.notes) {
        if (n.row < 0 || n.row >= kPatternRows || n.channel < 0 || n.channel >= kChannels)
            throw std::invalid_argument("note outside the pattern");
        auto c = cell(n.row, n.channel);
        const int sample = n.period ? 1 : 0;
        c[0] = static_cast<uint8_t>((sample & 0xF0) | ((n.period >> 8) & 0x0F));
        c[1] = static_cast<uint8_t>(n.period & 0xFF);
        c[2] = static_cast<uint8_t>(((sample & 0x0F) << 4) | (n.effect & 0x0F));
        c[3] = static_cast<uint8_t>(n.param);
    }
    if (song.rows < kPatternRows) {
        // Pattern break on the last row: with one order, the song ends there.
        auto c = cell(song.rows - 1, kChannels - 1);
        c[2] = static_cast<uint8_t>((c[2] & 0xF0) | 0x0D);
        c[3] = 0;
    }
    mod.insert(mod.end(), pattern.begin(), pattern.end());

    for (int i = 0; i < kSampleWords * 2; ++i)
        mod.push_back(static_cast<uint8_t>(static_cast<int8_t>(i < kSampleWords ? 64 : -64)));
    return mod;
}

} // namespace trevisto::test
