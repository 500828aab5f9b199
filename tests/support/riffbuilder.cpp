#include "support/riffbuilder.h"

namespace trevisto::test {

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes &operator+=(Bytes &a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void put16(Bytes &b, uint32_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void put32(Bytes &b, uint32_t v)
{
    put16(b, v);
    put16(b, v >> 16);
}

void putText(Bytes &b, std::string_view text)
{
    b.insert(b.end(), text.begin(), text.end());
}

Bytes riffChunk(std::string_view id, const Bytes &body, std::optional<uint32_t> size, bool pad)
{
    Bytes b;
    putText(b, id);
    put32(b, size.value_or(uint32_t(body.size())));
    b += body;
    if (pad && (body.size() & 1))
        b.push_back(0);
    return b;
}

Bytes riffFile(const Bytes &chunks, std::string_view form)
{
    Bytes b;
    putText(b, "RIFF");
    put32(b, uint32_t(chunks.size() + 4));
    putText(b, form);
    return b + chunks;
}

Bytes fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, std::optional<uint16_t> blockAlign)
{
    Bytes f;
    put16(f, tag);
    put16(f, channels);
    put32(f, rate);
    const uint16_t align = blockAlign.value_or(uint16_t(channels * bits / 8));
    put32(f, align * rate);
    put16(f, align);
    put16(f, bits);
    return f;
}

Bytes extensibleBody(uint32_t subTag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t validBits,
                     uint32_t channelMask, bool standardGuid)
{
    Bytes f = fmtBody(0xFFFE, channels, rate, bits);
    put16(f, 22);
    put16(f, validBits);
    put32(f, channelMask);
    put32(f, subTag);
    const uint8_t tail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, uint8_t(standardGuid ? 0x71 : 0x72)};
    f.insert(f.end(), tail, tail + 12);
    return f;
}

} // namespace trevisto::test
