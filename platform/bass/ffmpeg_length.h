#pragma once
// The length of a stream from its packets alone, without decoding them: what each packet
// decodes to, less what the decoding library trims at the start and the end. Exact where
// every packet's length can be told; otherwise the caller decodes to count.

#include "platform/bass/ffmpeg_demux.h"

#include <cstdint>
#include <optional>

namespace trevisto::bass {

// Samples of one Opus packet, from its table of contents; 0 for a packet that decodes to
// nothing.
int64_t opusPacketFrames(const uint8_t *data, int size);

// What one packet gives the count.
struct PacketLength {
    int64_t samples = 0;       // its decoded length
    bool carriesSkip = false;  // side data with a skip and a discard count came with it
    int64_t skip = 0;          // samples to drop from the start of what follows
    int64_t discard = 0;       // samples to drop from the end of this packet's output
    bool discarded = false;    // marked to be decoded but not delivered
};

// The sum of packets' lengths as the decoding library delivers them: a skip at the start
// (the stream header's, replaced by one a packet carries) spans packets, a discarded packet
// still uses up skip, and a packet's discard at the end applies only when it fits.
class TrimmedLength {
public:
    explicit TrimmedLength(int64_t preSkip) : pendingSkip_(preSkip) {}
    void add(const PacketLength &packet);
    uint64_t total() const { return total_; }

private:
    int64_t pendingSkip_;
    uint64_t total_ = 0;
};

// Samples the decoder will deliver from `demux`'s stream, read to its end; nothing when
// a packet's length cannot be told without decoding it. Throws Failure for an encrypted
// packet.
std::optional<uint64_t> countFromPackets(Demux &demux);

} // namespace trevisto::bass
