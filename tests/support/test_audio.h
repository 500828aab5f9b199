#pragma once
// Audio for tests: generated clips and the files made from them. Every writer throws
// std::runtime_error when it cannot do its job, so a broken fixture fails the test
// rather than testing nothing.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trevisto::test {

// 16-bit interleaved PCM.
struct Pcm {
    int rate = 44100;
    int channels = 2;
    std::vector<int16_t> samples;

    size_t frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    // The samples as little-endian bytes, as a decoder on this machine delivers them.
    std::vector<uint8_t> bytes() const;
};

// A sine tone, the same in every channel. `phase` (radians) chooses where the wave
// starts, so a clip can open at full swing instead of at zero.
Pcm makeTone(int rate, int channels, double seconds, double hz, double amplitude = 0.5, double phase = 0.0);

// A tone per channel (`hz`, `hz` + `hzStep`, ...) under noise drawn from `seed`, so that an MP3
// encoder fills and drains its bit reservoir; the same `seed` gives the same samples.
struct BusyMix {
    double tone = 0.5, hz = 300, hzStep = 50, noise = 0.1;
};
Pcm makeBusySound(int rate, int channels, double seconds, uint32_t seed, const BusyMix &mix = {});

// A folder under the system temp folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return path_; }
    std::string file(const std::string &name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void writeBytes(const std::string &path, const std::vector<uint8_t> &bytes);
std::vector<uint8_t> readBytes(const std::string &path);
void truncateFile(const std::string &path, uint64_t size);
// Bytes of the ID3v2 tag an MP3 starts with (header and footer included); 0 without one.
size_t id3v2Bytes(const uint8_t *data, size_t size);

// The 44-byte header of a PCM WAV file whose data chunk holds `dataBytes` bytes of
// `bits`-wide samples (8 = unsigned, 16/24/32 = signed little-endian).
std::vector<uint8_t> wavHeader(int rate, int channels, int bits, uint32_t dataBytes);
// A PCM WAV file from raw sample bytes.
void writeWav(const std::string &path, int rate, int channels, int bits, const std::vector<uint8_t> &data);
// A 16-bit PCM WAV file.
void writeWav(const std::string &path, const Pcm &pcm);

// 16-bit AIFF and FLAC, and Ogg Vorbis, through libsndfile.
void writeAiff(const std::string &path, const Pcm &pcm);
void writeFlac(const std::string &path, const Pcm &pcm);
void writeOgg(const std::string &path, const Pcm &pcm, double quality = 0.4);

// Constant-bitrate MP3 at the clip's own rate, with the encoder's info tag in the
// first frame (encoder delay and padding, for gapless decoding).
void writeMp3(const std::string &path, const Pcm &pcm, int kbps = 128);
// The same with LAME's variable bit rate (quality 0 best .. 9) or CRC-protected frames.
struct Mp3Options {
    int kbps = 128;
    int vbrQuality = -1; // -1: constant bit rate
    bool crc = false;
    bool jointStereo = true; // else left and right coded apart
    bool infoTag = true;     // without it, no gapless trim: every frame's samples count
};
void writeMp3(const std::string &path, const Pcm &pcm, const Mp3Options &options);

// A four-channel ProTracker module ("M.K.") with one looped square-wave sample and a
// single pattern.
struct ModNote {
    int row = 0;
    int channel = 0;
    int period = 428; // Amiga period: 428 = C-2, 214 = C-3; 0 for an effect alone
    int effect = 0;
    int param = 0;
};
struct ModSong {
    std::string title = "test song";
    int rows = 16; // rows played; fewer than 64 adds a pattern break on the last one
    int orders = 1; // times the pattern is played, 1 to 128
    std::vector<ModNote> notes;
};
// A few notes over 16 rows: about two seconds of sound.
ModSong shortModSong();
// Its notes over 64 rows with speed 31 and tempo 32 set on the first: 155 seconds each of
// the `orders` times the pattern plays, a song whose length takes long to find.
ModSong slowModSong(int orders);
std::vector<uint8_t> buildMod(const ModSong &song);

} // namespace trevisto::test
