#include "platform/mci/device.h"

#include "platform/drive/drive.h"
#include "platform/mci/timebase.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace trevisto::mci {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string lower(std::string s)
{
    for (char &c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct Word {
    std::string text;
    size_t begin, end; // offsets in the line
};

std::vector<Word> split(const std::string &line)
{
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const size_t b = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > b)
            words.push_back({line.substr(b, i - b), b, i});
    }
    return words;
}

std::string trimmed(const std::string &s, size_t from, size_t to)
{
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.substr(from, to - from);
}

bool is(const std::string &word, const char *keyword) { return lower(word) == keyword; }

// A position in milliseconds: decimal digits only. Values too large for 64 bits are
// as good as "past the end" and saturate.
int parseMs(const std::string &text, int64_t &ms)
{
    if (text.empty())
        return BadNumber;
    ms = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return BadNumber;
        if (ms > (std::numeric_limits<int64_t>::max() - 9) / 10)
            ms = std::numeric_limits<int64_t>::max() / 10;
        else
            ms = ms * 10 + (c - '0');
    }
    return Ok;
}

} // namespace

void eraseFrames(std::vector<FrameRange> &kept, int64_t from, int64_t to)
{
    if (from >= to)
        return;
    std::vector<FrameRange> out;
    out.reserve(kept.size() + 1);
    auto keep = [&out](FrameRange r) {
        if (r.first >= r.last)
            return;
        if (!out.empty() && out.back().last == r.first)
            out.back().last = r.last;
        else
            out.push_back(r);
    };
    int64_t at = 0; // position of the range in the current sound
    for (const FrameRange &r : kept) {
        const int64_t len = r.last - r.first;
        if (at + len <= from || at >= to) {
            keep(r);
        } else {
            keep({r.first, r.first + std::max<int64_t>(0, from - at)});
            keep({r.first + std::min(len, to - at), r.last});
        }
        at += len;
    }
    kept = std::move(out);
}

int eraseMs(std::vector<FrameRange> &kept, uint32_t rate, const int64_t *fromMs, const int64_t *toMs)
{
    int64_t frames = 0;
    for (const FrameRange &r : kept)
        frames += r.last - r.first;
    const int64_t from = fromMs ? mci::frameAt(*fromMs, rate, frames) : 0;
    const int64_t to = toMs ? mci::frameAt(*toMs, rate, frames) : frames;
    if (fromMs && toMs && *fromMs > *toMs)
        return BadRange;
    eraseFrames(kept, from, to);
    return Ok;
}

std::vector<FrameRange> cutKeptFrames(int64_t frames, uint32_t rate, int64_t markIn, int64_t markOut,
                                      int64_t lengthMs)
{
    std::vector<FrameRange> kept;
    if (frames > 0)
        kept.push_back({0, frames});
    const int64_t zero = 0, tailFrom = markOut - markIn, tailTo = lengthMs - markIn;
    eraseMs(kept, rate, &zero, &markIn);
    eraseMs(kept, rate, &tailFrom, &tailTo);
    return kept;
}

// ---- Sound

Sound::Sound(std::unique_ptr<wav::File> file) : file_(std::move(file))
{
    if (file_->info().frames > 0)
        kept_.push_back({0, file_->info().frames});
}

int64_t Sound::frames() const
{
    int64_t n = 0;
    for (const FrameRange &r : kept_)
        n += r.last - r.first;
    return n;
}

int64_t Sound::lengthMs() const { return mci::lengthMs(frames(), file_->format().sampleRate); }

int64_t Sound::frameAt(int64_t ms) const { return mci::frameAt(ms, file_->format().sampleRate, frames()); }

void Sound::erase(int64_t from, int64_t to) { eraseFrames(kept_, from, to); }

int Sound::save(const std::string &nativePath, int *systemError, bool durable) const
{
    // Only a failure to write keeps the system's reason.
    auto failed = [systemError](wav::WriteError error, int system) {
        const int code = fromWriteError(error);
        if (systemError)
            *systemError = code == CannotWriteFile ? system : 0;
        return code;
    };
    if (systemError)
        *systemError = 0;
    const wav::Info &info = file_->info();
    const int64_t block = info.format.blockAlign();
    if (uint64_t(frames()) * uint64_t(block) > wav::kMaxFileDataBytes)
        return FileTooLarge;
    wav::WriteError error;
    int system;
    auto writer = wav::Writer::create(nativePath, info.format, &error, &system, {.durable = durable});
    if (!writer)
        return failed(error, system);
    writer->expect(uint64_t(frames()) * uint64_t(block));
    for (const FrameRange &r : kept_) {
        if (!writer->copyFrom(file_->fd(), info.dataOffset + r.first * block, (r.last - r.first) * block))
            return failed(writer->error(), writer->systemError());
    }
    const wav::WriteError committed = writer->commit();
    return failed(committed, writer->systemError());
}

// ---- CommandDevice

int CommandDevice::send(const std::string &command, std::string *ret)
{
    if (ret)
        ret->clear();
    const std::vector<Word> words = split(command);
    if (words.empty())
        return UnrecognizedCommand;
    std::vector<std::string> texts;
    for (const Word &w : words)
        texts.push_back(w.text);
    const std::string verb = lower(texts[0]);

    std::lock_guard lock(mutex_);
    lastSystemError_ = 0;
    if (verb == "open")
        return open(command, words[0].end);
    if (verb == "delete")
        return erase(texts);
    if (verb == "save")
        return words.size() < 2 ? MissingParameter : save(command.substr(words[1].end), texts);
    if (verb == "status")
        return status(texts, ret);
    if (verb == "close")
        return close(texts);
    return UnrecognizedCommand;
}

std::vector<FrameRange> CommandDevice::keptFrames(const std::string &alias) const
{
    std::lock_guard lock(mutex_);
    const auto it = sounds_.find(lower(alias));
    return it == sounds_.end() ? std::vector<FrameRange>{} : it->second->kept();
}

const Sound *CommandDevice::sound(const std::string &alias) const
{
    std::lock_guard lock(mutex_);
    const auto it = sounds_.find(lower(alias));
    return it == sounds_.end() ? nullptr : it->second.get();
}

int CommandDevice::open(const std::string &line, size_t argsAt)
{
    // Read from the right, so the file name may hold blanks and even these words.
    const std::vector<Word> words = split(line);
    const size_t n = words.size();
    if (n < 4 || !is(words[n - 2].text, "alias"))
        return MissingParameter;
    const std::string alias = lower(words[n - 1].text);
    size_t pathEnd = words[n - 2].begin;
    if (n >= 5 && is(words[n - 4].text, "type")) {
        if (!is(words[n - 3].text, "waveaudio"))
            return UnsupportedDevice;
        pathEnd = words[n - 4].begin;
    }
    const std::string path = trimmed(line, argsAt, pathEnd);
    if (path.empty())
        return MissingParameter;
    if (alias == "all")
        return BadParameter;
    if (sounds_.count(alias))
        return AliasInUse;

    wav::ReadError error;
    auto file = wav::File::open(drive::toNative(path), &error);
    if (!file)
        return fromReadError(error);
    sounds_[alias] = std::make_unique<Sound>(std::move(file));
    return Ok;
}

int CommandDevice::erase(const std::vector<std::string> &words)
{
    if (words.size() < 2)
        return MissingParameter;
    bool haveFrom = false, haveTo = false;
    int64_t fromMs = 0, toMs = 0;
    for (size_t i = 2; i < words.size(); i += 2) {
        const bool isFrom = is(words[i], "from");
        if ((!isFrom && !is(words[i], "to")) || (isFrom ? haveFrom : haveTo) || (isFrom && haveTo))
            return BadParameter;
        if (i + 1 >= words.size())
            return MissingParameter;
        if (const int e = parseMs(words[i + 1], isFrom ? fromMs : toMs); e != Ok)
            return e;
        (isFrom ? haveFrom : haveTo) = true;
    }
    if (!haveFrom && !haveTo)
        return MissingParameter;
    const auto it = sounds_.find(lower(words[1]));
    if (it == sounds_.end())
        return UnknownAlias;
    Sound &sound = *it->second;
    return sound.eraseMs(haveFrom ? &fromMs : nullptr, haveTo ? &toMs : nullptr);
}

int CommandDevice::save(const std::string &rest, const std::vector<std::string> &words)
{
    const std::string path = trimmed(rest, 0, rest.size());
    if (path.empty())
        return MissingParameter;
    const auto it = sounds_.find(lower(words[1]));
    if (it == sounds_.end())
        return UnknownAlias;
    const std::string native = drive::toNative(path);
    return it->second->save(native, &lastSystemError_, !workingFiles_.contains(native));
}

void CommandDevice::markWorkingFile(const std::string &nativePath)
{
    std::lock_guard lock(mutex_);
    workingFiles_.insert(nativePath);
}

int CommandDevice::lastSystemError() const
{
    std::lock_guard lock(mutex_);
    return lastSystemError_;
}

int CommandDevice::status(const std::vector<std::string> &words, std::string *ret)
{
    if (words.size() < 3)
        return MissingParameter;
    if (words.size() > 3 || !is(words[2], "length"))
        return BadParameter;
    const auto it = sounds_.find(lower(words[1]));
    if (it == sounds_.end())
        return UnknownAlias;
    if (ret)
        *ret = std::to_string(it->second->lengthMs());
    return Ok;
}

int CommandDevice::close(const std::vector<std::string> &words)
{
    if (words.size() < 2)
        return MissingParameter;
    if (words.size() > 2)
        return BadParameter;
    const std::string alias = lower(words[1]);
    if (alias == "all") {
        sounds_.clear();
        return Ok;
    }
    return sounds_.erase(alias) ? Ok : UnknownAlias;
}

namespace {

CommandDevice &theDevice()
{
    static CommandDevice device;
    return device;
}

} // namespace

int mciSendString(const std::string &command, std::string *ret) { return theDevice().send(command, ret); }

std::string mciGetErrorString(int code) { return errorString(code); }

int mciGetLastSystemError() { return theDevice().lastSystemError(); }

std::vector<FrameRange> mciKeptFrames(const std::string &alias) { return theDevice().keptFrames(alias); }

void mciMarkWorkingFile(const std::string &nativePath) { theDevice().markWorkingFile(nativePath); }

} // namespace trevisto::mci
