#include "loadingclip.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace avigen {
namespace {

struct Rgb {
    int r, g, b;
};

// The light window background, the faint axis line and the bar blues from the axis
// outwards.
constexpr Rgb Background{239, 239, 239};
constexpr Rgb Axis{204, 206, 212};
constexpr Rgb InnerBlue{50, 94, 154};
constexpr Rgb OuterBlue{118, 162, 210};
constexpr int ShadeCount = 10;

// Palette layout: 0 background, 1 axis, then for each shade four entries covering a
// quarter, a half, three quarters and all of a pixel.
constexpr int PaletteSize = 2 + ShadeCount * 4;

// sin(2*pi*k/24) * 1000
constexpr std::array<int, 24> Sine{0,    259,  500,  707,  866,  966,  1000,  966,  866,  707,  500,  259,
                                   0,    -259, -500, -707, -866, -966, -1000, -966, -866, -707, -500, -259};
constexpr int BarCount = 20;
constexpr int BarPitch = 10;
constexpr int BarWidth = 6;
constexpr int BarLeft = 2;
// Loudness across the row: quieter at the ends, 100 in the middle.
constexpr std::array<int, BarCount> Envelope{45, 54, 63, 71, 79, 86, 91, 95, 98, 100,
                                             100, 98, 95, 91, 86, 79, 71, 63, 54, 45};
constexpr int MinHalfQuarters = 8;  // 2 pixels
constexpr int MaxHalfQuarters = 68; // 17 pixels

Rgb blend(Rgb from, Rgb to, int quarters)
{
    return {from.r + (to.r - from.r) * quarters / 4, from.g + (to.g - from.g) * quarters / 4,
            from.b + (to.b - from.b) * quarters / 4};
}

std::vector<Rgb> palette()
{
    std::vector<Rgb> colors{Background, Axis};
    for (int i = 0; i < ShadeCount; ++i) {
        const Rgb shade{InnerBlue.r + (OuterBlue.r - InnerBlue.r) * i / (ShadeCount - 1),
                        InnerBlue.g + (OuterBlue.g - InnerBlue.g) * i / (ShadeCount - 1),
                        InnerBlue.b + (OuterBlue.b - InnerBlue.b) * i / (ShadeCount - 1)};
        for (int q = 1; q <= 4; ++q)
            colors.push_back(blend(Background, shade, q));
    }
    return colors;
}

// Half the height of bar `bar` in frame `frame`, in quarter pixels: two waves running
// to the right, shaped by the envelope. Both waves repeat after ClipFrames frames.
int halfHeight(int bar, int frame)
{
    const int slow = Sine[((bar * 2 - frame) % 24 + 24) % 24];
    const int fast = Sine[((bar * 5 - frame * 2) % 24 + 48) % 24];
    const int wave = (650 * slow + 350 * fast) / 1000; // -1000 .. 1000
    const int level = (wave + 1000) / 2;               // 0 .. 1000
    return MinHalfQuarters + (MaxHalfQuarters - MinHalfQuarters) * Envelope[bar] * level / 100000;
}

// One picture, top row first, one palette index a pixel.
std::vector<std::uint8_t> picture(int frame)
{
    std::vector<std::uint8_t> pixels(ClipWidth * ClipHeight, 0);
    const int centre = ClipHeight / 2; // the axis lies between rows centre-1 and centre
    for (int x = 0; x < ClipWidth; ++x) {
        pixels[(centre - 1) * ClipWidth + x] = 1;
        pixels[centre * ClipWidth + x] = 1;
    }
    for (int bar = 0; bar < BarCount; ++bar) {
        const int h = halfHeight(bar, frame);
        for (int d = 0; d < centre; ++d) {
            const int cover = std::clamp(h - d * 4, 0, 4);
            if (cover == 0)
                continue;
            const int shade = std::min(ShadeCount - 1, d * ShadeCount / centre);
            const auto index = std::uint8_t(2 + shade * 4 + cover - 1);
            for (int x = BarLeft + bar * BarPitch; x < BarLeft + bar * BarPitch + BarWidth; ++x) {
                pixels[(centre - 1 - d) * ClipWidth + x] = index;
                pixels[(centre + d) * ClipWidth + x] = index;
            }
        }
    }
    return pixels;
}

class Writer {
public:
    void tag(const char *fourcc) { bytes.insert(bytes.end(), fourcc, fourcc + 4); }
    void u16(std::uint32_t v)
    {
        bytes.push_back(std::uint8_t(v));
        bytes.push_back(std::uint8_t(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    // Starts a chunk and returns where its size goes.
    std::size_t begin(const char *fourcc)
    {
        tag(fourcc);
        u32(0);
        return bytes.size() - 4;
    }
    std::size_t beginList(const char *kind, const char *type)
    {
        const std::size_t at = begin(kind);
        tag(type);
        return at;
    }
    void end(std::size_t sizeAt)
    {
        const auto size = std::uint32_t(bytes.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i)
            bytes[sizeAt + i] = std::uint8_t(size >> (8 * i));
        if (size & 1)
            bytes.push_back(0);
    }

    std::vector<std::uint8_t> bytes;
};

} // namespace

std::vector<std::uint8_t> makeLoadingClip()
{
    const std::vector<Rgb> colors = palette();
    const std::uint32_t stride = (ClipWidth + 3) / 4 * 4;
    const std::uint32_t frameBytes = stride * ClipHeight;

    Writer w;
    const std::size_t riff = w.beginList("RIFF", "AVI ");

    const std::size_t hdrl = w.beginList("LIST", "hdrl");
    const std::size_t avih = w.begin("avih");
    w.u32(1000000 / ClipFramesPerSecond);            // microseconds a frame
    w.u32(frameBytes * ClipFramesPerSecond);         // bytes a second
    w.u32(0);                                        // padding granularity
    w.u32(0x10);                                     // has an index
    w.u32(ClipFrames);                               // frames
    w.u32(0);                                        // initial frames
    w.u32(1);                                        // streams
    w.u32(frameBytes);                               // suggested buffer
    w.u32(ClipWidth);
    w.u32(ClipHeight);
    for (int i = 0; i < 4; ++i)
        w.u32(0);
    w.end(avih);

    const std::size_t strl = w.beginList("LIST", "strl");
    const std::size_t strh = w.begin("strh");
    w.tag("vids");
    w.tag("DIB ");
    w.u32(0);                   // flags
    w.u16(0);                   // priority
    w.u16(0);                   // language
    w.u32(0);                   // initial frames
    w.u32(1);                   // scale
    w.u32(ClipFramesPerSecond); // rate
    w.u32(0);                   // start
    w.u32(ClipFrames);          // length
    w.u32(frameBytes);          // suggested buffer
    w.u32(0xffffffff);          // quality
    w.u32(0);                   // sample size
    w.u16(0);
    w.u16(0);
    w.u16(ClipWidth);
    w.u16(ClipHeight);
    w.end(strh);

    const std::size_t strf = w.begin("strf");
    w.u32(40);
    w.u32(ClipWidth);
    w.u32(ClipHeight); // positive: bottom row first
    w.u16(1);
    w.u16(8);
    w.u32(0); // uncompressed
    w.u32(frameBytes);
    w.u32(2835); // 72 dpi
    w.u32(2835);
    w.u32(std::uint32_t(colors.size()));
    w.u32(std::uint32_t(colors.size()));
    for (const Rgb &c : colors) {
        w.bytes.push_back(std::uint8_t(c.b));
        w.bytes.push_back(std::uint8_t(c.g));
        w.bytes.push_back(std::uint8_t(c.r));
        w.bytes.push_back(0);
    }
    w.end(strf);
    w.end(strl);
    w.end(hdrl);

    std::vector<std::uint32_t> offsets;
    const std::size_t movi = w.beginList("LIST", "movi");
    const std::size_t moviData = movi + 4; // index offsets count from the 'movi' tag
    for (int f = 0; f < ClipFrames; ++f) {
        const std::vector<std::uint8_t> pixels = picture(f);
        offsets.push_back(std::uint32_t(w.bytes.size() - moviData));
        const std::size_t chunk = w.begin("00db");
        for (int y = ClipHeight - 1; y >= 0; --y) {
            w.bytes.insert(w.bytes.end(), pixels.begin() + y * ClipWidth, pixels.begin() + (y + 1) * ClipWidth);
            w.bytes.resize(w.bytes.size() + (stride - ClipWidth), 0);
        }
        w.end(chunk);
    }
    w.end(movi);

    const std::size_t idx1 = w.begin("idx1");
    for (std::uint32_t offset : offsets) {
        w.tag("00db");
        w.u32(0x10); // key frame
        w.u32(offset);
        w.u32(frameBytes);
    }
    w.end(idx1);

    w.end(riff);
    static_assert(PaletteSize <= 256);
    return w.bytes;
}

} // namespace avigen
