#include "platform/encode/soundencoder.h"

#include "platform/resample/converter.h"
#include "platform/wav/wav.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <strings.h>
#include <unistd.h>
#include <vector>

namespace trevisto::encode {
namespace {

constexpr int64_t kBlockFrames = 16384;
constexpr uint32_t kOpusRate = 48000;

// libsndfile writes through these callbacks into the atomic file, which has no read
// of its own: FLAC goes back to fill in its stream info, and may read what it wrote.
struct Sink {
    io::AtomicFile *file = nullptr;
    sf_count_t position = 0;
    sf_count_t length = 0;
    bool failed = false;

    static SF_VIRTUAL_IO callbacks()
    {
        SF_VIRTUAL_IO io{};
        io.get_filelen = [](void *user) -> sf_count_t { return static_cast<Sink *>(user)->length; };
        io.seek = [](sf_count_t offset, int whence, void *user) -> sf_count_t {
            auto *s = static_cast<Sink *>(user);
            const sf_count_t base = whence == SEEK_CUR ? s->position : whence == SEEK_END ? s->length : 0;
            if (base + offset < 0)
                return -1;
            s->position = base + offset;
            return s->position;
        };
        io.read = [](void *out, sf_count_t count, void *user) -> sf_count_t {
            auto *s = static_cast<Sink *>(user);
            const sf_count_t available = std::max<sf_count_t>(0, std::min(count, s->length - s->position));
            sf_count_t done = 0;
            while (done < available) {
                const ssize_t n = ::pread(s->file->fd(), static_cast<char *>(out) + done,
                                          static_cast<size_t>(available - done), s->position + done);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                done += n;
            }
            s->position += done;
            return done;
        };
        io.write = [](const void *data, sf_count_t count, void *user) -> sf_count_t {
            auto *s = static_cast<Sink *>(user);
            if (s->failed || !s->file->writeAt(s->position, data, static_cast<size_t>(count))) {
                s->failed = true;
                return 0;
            }
            s->position += count;
            s->length = std::max(s->length, s->position);
            return count;
        };
        io.tell = [](void *user) -> sf_count_t { return static_cast<Sink *>(user)->position; };
        return io;
    }
};

struct SndClose {
    void operator()(SNDFILE *f) const { sf_close(f); }
};

Result failure(std::string why)
{
    Result r;
    r.why = std::move(why);
    return r;
}

std::string systemText(int error)
{
    return error ? std::string(std::strerror(error)) : std::string("the file could not be written");
}

int sndFormatOf(Kind kind, const wav::Format &format)
{
    switch (kind) {
    case Kind::Flac:
        if (format.tag == wav::kTagPcm && format.bitsPerSample == 8)
            return SF_FORMAT_FLAC | SF_FORMAT_PCM_S8;
        if (format.tag == wav::kTagPcm && format.bitsPerSample == 16)
            return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_24; // FLAC holds no more than 24 bits
    case Kind::Vorbis:
        return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case Kind::Opus:
        return SF_FORMAT_OGG | SF_FORMAT_OPUS;
    }
    return 0;
}

// Integer samples, left-aligned in 32 bits, as libsndfile scales them to the file's
// width: 8, 16 and 24-bit sources come out exactly as they went in.
void toInt(const wav::Format &format, const unsigned char *in, int64_t frames, std::vector<int> &out)
{
    const size_t count = static_cast<size_t>(frames) * format.channels;
    out.resize(count);
    const unsigned bytes = format.bitsPerSample / 8u;
    for (size_t i = 0; i < count; ++i) {
        const unsigned char *p = in + i * bytes;
        switch (bytes) {
        case 1:
            out[i] = (int(p[0]) - 128) * (1 << 24);
            break;
        case 2:
            out[i] = int(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 24);
            break;
        case 3:
            out[i] = int(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24);
            break;
        default:
            out[i] = int(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
            break;
        }
    }
}

} // namespace

std::optional<Kind> kindOfName(std::string_view name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.find('/', dot) != std::string_view::npos)
        return std::nullopt;
    const std::string ext(name.substr(dot + 1));
    if (::strcasecmp(ext.c_str(), "flac") == 0)
        return Kind::Flac;
    if (::strcasecmp(ext.c_str(), "ogg") == 0 || ::strcasecmp(ext.c_str(), "oga") == 0)
        return Kind::Vorbis;
    if (::strcasecmp(ext.c_str(), "opus") == 0)
        return Kind::Opus;
    return std::nullopt;
}

const char *extensionOf(Kind kind)
{
    switch (kind) {
    case Kind::Flac:
        return "flac";
    case Kind::Vorbis:
        return "ogg";
    case Kind::Opus:
        return "opus";
    }
    return "";
}

double vorbisQuality(int kbps)
{
    // The nominal stereo bit rates of Vorbis's quality steps 0 to 10, at 44.1 kHz.
    static constexpr int kNominal[] = {64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 500};
    if (kbps <= kNominal[0])
        return 0.0;
    for (int q = 1; q <= 10; ++q) {
        if (kbps <= kNominal[q])
            return (q - 1 + double(kbps - kNominal[q - 1]) / (kNominal[q] - kNominal[q - 1])) / 10.0;
    }
    return 1.0;
}

int opusBitRate(int kbps, int channels)
{
    // Opus sounds as good as MP3 at about two thirds of its rate; it takes 6 to 256
    // kbit/s per channel.
    const int n = std::max(channels, 1);
    return std::clamp(kbps * 1000 * 2 / 3, 6000 * n, 256000 * n);
}

Result encodeWav(const std::string &wavPath, const std::string &output, Kind kind, int kbps,
                 const Progress &progress, const io::AtomicFile::Options &options,
                 const Texts &texts)
{
    wav::ReadError readError = wav::ReadError::None;
    int systemError = 0;
    const std::unique_ptr<wav::File> source = wav::File::open(wavPath, &readError, &systemError);
    if (!source)
        return failure(std::string(wav::describe(readError)));
    const wav::Format in = source->format();
    const int64_t frames = source->info().frames;

    const uint32_t rate = kind == Kind::Opus ? kOpusRate : in.sampleRate;
    std::unique_ptr<resample::Converter> converter;
    if (kind == Kind::Opus) {
        const wav::Format to{wav::kTagFloat, in.channels, kOpusRate, 32};
        std::string why;
        converter = resample::Converter::create(in, to, &why);
        if (!converter)
            return failure(why);
    }

    io::AtomicFile file = io::AtomicFile::create(output, options);
    if (!file.isOpen())
        return failure(systemText(file.error()));
    Sink sink;
    sink.file = &file;
    SF_VIRTUAL_IO io = Sink::callbacks();
    SF_INFO info{};
    info.samplerate = static_cast<int>(rate);
    info.channels = in.channels;
    info.format = sndFormatOf(kind, in);
    std::unique_ptr<SNDFILE, SndClose> out(sf_open_virtual(&io, SFM_WRITE, &info, &sink));
    if (!out)
        return failure(sink.failed ? systemText(file.error()) : std::string(sf_strerror(nullptr)));
    // Before the first sound: the formats keep their comments in front of it.
    const std::pair<int, const std::string *> comments[] = {
        {SF_STR_TITLE, &texts.title}, {SF_STR_ARTIST, &texts.artist}, {SF_STR_ALBUM, &texts.album},
        {SF_STR_DATE, &texts.date},   {SF_STR_GENRE, &texts.genre},   {SF_STR_COMMENT, &texts.comment},
    };
    for (const auto &[type, text] : comments)
        if (!text->empty())
            sf_set_string(out.get(), type, text->c_str());
    if (kind == Kind::Vorbis) {
        double level = 1.0 - vorbisQuality(kbps);
        sf_command(out.get(), SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    } else if (kind == Kind::Opus) {
        int mode = SF_BITRATE_MODE_VARIABLE;
        sf_command(out.get(), SFC_SET_BITRATE_MODE, &mode, sizeof mode);
        // libsndfile spreads its compression level over Opus's bit rates linearly.
        double level = 1.0 - (opusBitRate(kbps, in.channels) - 6000.0 * in.channels) /
                                 ((256000.0 - 6000.0) * in.channels);
        level = std::clamp(level, 0.0, 1.0);
        sf_command(out.get(), SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    } else {
        double level = 5.0 / 8.0; // FLAC's own default, level 5
        sf_command(out.get(), SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }

    Result result;
    result.rate = rate;
    const uint32_t frameBytes = in.blockAlign();
    std::vector<unsigned char> block(static_cast<size_t>(kBlockFrames) * frameBytes);
    std::vector<int> ints;
    std::vector<float> floats;
    std::vector<unsigned char> converted;
    auto writeFloats = [&](const float *data, sf_count_t count) {
        return sf_writef_float(out.get(), data, count) == count;
    };
    for (int64_t at = 0; at < frames;) {
        const int64_t want = std::min<int64_t>(kBlockFrames, frames - at);
        const int64_t got = source->readFrames(at, want, block.data(), &systemError);
        if (got <= 0)
            return failure(got < 0 ? systemText(systemError) : std::string(wav::describe(wav::WriteError::ReadFailed)));
        bool written = true;
        if (kind == Kind::Flac) {
            if (in.tag == wav::kTagFloat) {
                floats.resize(static_cast<size_t>(got) * in.channels);
                wav::toFloat(in, block.data(), got, 0, in.channels, floats.data());
                written = writeFloats(floats.data(), got);
            } else {
                toInt(in, block.data(), got, ints);
                written = sf_writef_int(out.get(), ints.data(), got) == got;
            }
            result.frames += static_cast<uint64_t>(got);
        } else if (kind == Kind::Vorbis) {
            floats.resize(static_cast<size_t>(got) * in.channels);
            wav::toFloat(in, block.data(), got, 0, in.channels, floats.data());
            written = writeFloats(floats.data(), got);
            result.frames += static_cast<uint64_t>(got);
        } else {
            converted.clear();
            if (!converter->process(block.data(), static_cast<size_t>(got), converted))
                return failure("the sound could not be converted to 48 kHz");
            const sf_count_t n = static_cast<sf_count_t>(converted.size() / (4u * in.channels));
            written = writeFloats(reinterpret_cast<const float *>(converted.data()), n);
            result.frames += static_cast<uint64_t>(n);
        }
        if (!written || sink.failed)
            return failure(sink.failed ? systemText(file.error()) : std::string(sf_strerror(out.get())));
        at += got;
        if (progress && !progress(static_cast<uint64_t>(at) * frameBytes, static_cast<uint64_t>(frames) * frameBytes)) {
            result.stopped = true;
            return result; // the atomic file goes unkept
        }
    }
    if (converter) {
        converted.clear();
        if (!converter->finish(converted))
            return failure("the sound could not be converted to 48 kHz");
        const sf_count_t n = static_cast<sf_count_t>(converted.size() / (4u * in.channels));
        if (n > 0 && !writeFloats(reinterpret_cast<const float *>(converted.data()), n))
            return failure(sink.failed ? systemText(file.error()) : std::string(sf_strerror(out.get())));
        result.frames += static_cast<uint64_t>(n);
    }
    out.reset(); // writes the last pages and the stream info
    if (sink.failed || !file.commit())
        return failure(systemText(file.error()));
    result.ok = true;
    return result;
}

} // namespace trevisto::encode
