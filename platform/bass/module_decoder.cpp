#include "platform/bass/module_decoder.h"

#include "platform/bass/failure.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace trevisto::bass {
namespace {

// Modules are read whole; beyond this size a file is not taken for one.
constexpr int64_t kMaxModuleBytes = 256 * 1024 * 1024;
constexpr size_t kRenderChunk = 4096; // frames per render call while measuring
// Crafted modules can loop for ever, and libopenmpt then estimates an infinite
// duration. No real song is longer than this.
constexpr double kMaxSeconds = 4 * 3600;
// Loading runs on the window's thread: the measuring render stops after this many frames
// (about four minutes at CD rate, a fraction of a second's work) and the duration
// estimate stands in for longer songs. Counted in frames rather than time, so that one
// file has one length however busy the machine is.
constexpr uint64_t kMeasureFrames = 240 * 44100;

class ModuleDecoder final : public Decoder {
public:
    ModuleDecoder(std::vector<unsigned char> data, uint32_t rate, bool ramping)
        : data_(std::move(data)), ramping_(ramping)
    {
        format_.rate = rate;
        format_.channels = 2;
        format_.ctype = BASS_CTYPE_MUSIC_MOD;
        restart();
        // Without a song (no orders) the estimate is 0, and all a render gives is a moment
        // of fade-out. Written so that NaN is refused too.
        const double seconds = openmpt_module_get_duration_seconds(module_.get());
        if (!(seconds > 0 && seconds <= kMaxSeconds))
            throw Failure(BASS_ERROR_FILEFORM);
        total_ = measure(static_cast<uint64_t>(std::ceil(seconds * rate)));
        if (total_ == 0)
            throw Failure(BASS_ERROR_FILEFORM);
        restart();
    }

    const PcmFormat &format() const override { return format_; }
    uint64_t totalFrames() const override { return total_; }

    size_t read(int16_t *out, size_t frames) override
    {
        return openmpt_module_read_interleaved_stereo(module_.get(), static_cast<int32_t>(format_.rate), frames, out);
    }

    // Module playback cannot be positioned to an exact frame, so a seek renders
    // from the start again.
    void seek(uint64_t frame) override
    {
        restart();
        std::vector<int16_t> scratch(kRenderChunk * 2);
        while (frame > 0) {
            const size_t n = read(scratch.data(), static_cast<size_t>(std::min<uint64_t>(frame, kRenderChunk)));
            if (n == 0)
                break;
            frame -= n;
        }
    }

private:
    struct Destroy {
        void operator()(openmpt_module *module) const { openmpt_module_destroy(module); }
    };
    using ModulePtr = std::unique_ptr<openmpt_module, Destroy>;

    ModulePtr create() const
    {
        // Without this, every load walks all sub-songs to time them; only the first one
        // is played, and its estimate is computed on demand.
        static const openmpt_module_initial_ctl ctls[] = {{"load.skip_subsongs_init", "1"}, {nullptr, nullptr}};
        int error = 0;
        openmpt_module *module =
            openmpt_module_create_from_memory2(data_.data(), data_.size(), openmpt_log_func_silent, nullptr,
                                               openmpt_error_func_ignore, nullptr, &error, nullptr, ctls);
        if (!module)
            throw Failure(error == OPENMPT_ERROR_OUT_OF_MEMORY ? BASS_ERROR_MEM : BASS_ERROR_FILEFORM);
        // No dither: its noise is random, and a rewound channel must repeat itself.
        openmpt_module_ctl_set_integer(module, "dither", 0);
        openmpt_module_set_render_param(module, OPENMPT_MODULE_RENDER_VOLUMERAMPING_STRENGTH, ramping_ ? -1 : 0);
        return ModulePtr(module);
    }

    // A fresh module renders exactly as the one measured.
    void restart() { module_ = create(); }

    // The estimate leaves out the fade-out after the song's end, so the length is what a
    // complete render produces, counted with the module made for playing (restarted
    // afterwards). Beyond what 32-bit byte counts can describe there is no need to count.
    // A render cut short by the budget leaves the estimate, which may clip the fade-out.
    uint64_t measure(uint64_t estimate)
    {
        const uint64_t limit = UINT32_MAX / format_.frameBytes();
        std::vector<int16_t> scratch(kRenderChunk * 2);
        uint64_t count = 0;
        while (count <= limit) {
            if (count >= kMeasureFrames)
                return std::max(count, estimate);
            const size_t n = read(scratch.data(), kRenderChunk);
            if (n == 0)
                break;
            count += n;
        }
        return count;
    }

    std::vector<unsigned char> data_;
    bool ramping_;
    PcmFormat format_;
    uint64_t total_ = 0;
    ModulePtr module_;
};

} // namespace

std::unique_ptr<Decoder> openModuleDecoder(std::shared_ptr<SourceFile> file, uint32_t rate, bool ramping)
{
    const int64_t size = file->size();
    if (size <= 0 || size > kMaxModuleBytes)
        throw Failure(BASS_ERROR_FILEFORM);

    // Judge the header before reading the whole file.
    std::vector<unsigned char> data(
        static_cast<size_t>(std::min<int64_t>(size, static_cast<int64_t>(openmpt_probe_file_header_get_recommended_size()))));
    if (file->readAt(0, data.data(), data.size()) != static_cast<int64_t>(data.size()))
        throw Failure(file->failed() ? BASS_ERROR_FILEOPEN : BASS_ERROR_FILEFORM);
    int error = 0;
    const int probe = openmpt_probe_file_header(OPENMPT_PROBE_FILE_HEADER_FLAGS_DEFAULT, data.data(), data.size(),
                                                static_cast<uint64_t>(size), openmpt_log_func_silent, nullptr,
                                                openmpt_error_func_ignore, nullptr, &error, nullptr);
    if (probe != OPENMPT_PROBE_FILE_HEADER_RESULT_SUCCESS)
        throw Failure(BASS_ERROR_FILEFORM);

    data.resize(static_cast<size_t>(size));
    if (file->readAt(0, data.data(), data.size()) != size)
        throw Failure(file->failed() ? BASS_ERROR_FILEOPEN : BASS_ERROR_FILEFORM);
    return std::make_unique<ModuleDecoder>(std::move(data), rate, ramping);
}

} // namespace trevisto::bass
