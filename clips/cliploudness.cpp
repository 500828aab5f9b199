#include "clips/cliploudness.h"

#include "core/routines.h"
#include "platform/wav/wav.h"

#include <QFile>
#include <QStringList>

#include <sys/stat.h>

#include <utility>

namespace trevisto {

ClipLoudness::ClipLoudness(ClipList &list, int threads, QObject *parent)
    : QObject(parent), list_(list), threads_(threads)
{
    connect(&list_, &ClipList::inserted, this, [this](int row) { queue(list_.items()[size_t(row)]); });
    connect(&list_, &ClipList::reset, this, &ClipLoudness::queueAll);
    queueAll();
    worker_ = std::thread([this] { work(); });
}

ClipLoudness::~ClipLoudness()
{
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
        jobs_.clear();
    }
    stop_ = true;
    wake_.notify_all();
    worker_.join();
    // Results posted meanwhile are dropped with this object's pending events.
}

ClipLoudness::Stamp ClipLoudness::stampOf(const std::string &path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {true, uint64_t(st.st_dev), uint64_t(st.st_ino), int64_t(st.st_size),
            int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

void ClipLoudness::queue(const Clip &clip)
{
    const std::string path = QFile::encodeName(NativePath(list_.fileOf(clip.name))).toStdString();
    // A clip listed again (an undone deletion) keeps its measure while its file is the
    // one that was measured.
    if (clip.loudness.measured) {
        const auto known = stamps_.find(clip.id);
        if (known != stamps_.end() && known->second == stampOf(path))
            return;
        list_.setLoudness(clip.id, {});
    }
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({clip.id, path});
    }
    ++pending_;
    wake_.notify_one();
}

void ClipLoudness::queueAll()
{
    {
        // The list was replaced whole: what waits for the old one is of no use.
        std::lock_guard lock(mutex_);
        pending_ -= int(jobs_.size());
        jobs_.clear();
    }
    for (const Clip &clip : list_.items())
        queue(clip);
}

void ClipLoudness::deliver(ClipId id, Stamp stamp, Loudness loudness)
{
    --pending_;
    const int row = list_.rowOf(id);
    if (row < 0) {
        stamps_.erase(id);
        return;
    }
    // A file renamed, written anew or replaced while it was measured: the result may be of
    // another sound, or of no file at all, so the clip's file as it is now is measured.
    const std::string path = QFile::encodeName(NativePath(list_.file(row))).toStdString();
    if (!(stamp == stampOf(path))) {
        queue(list_.items()[size_t(row)]);
        return;
    }
    if (!loudness.measured && loudness.why.empty())
        loudness.why = "not measured";
    stamps_[id] = stamp;
    list_.setLoudness(id, std::move(loudness));
    emit measured(id);
}

void ClipLoudness::work()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            if (ending_)
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        // The stamp is taken first: a file changed during the measure differs from it
        // when the result comes back.
        const Stamp stamp = stampOf(job.path);
        LoudnessOptions options;
        options.threads = threads_;
        options.stop = &stop_;
        Loudness loudness = measureLoudness(job.path, options);
        if (stop_)
            return;
        QMetaObject::invokeMethod(
            this, [this, id = job.id, stamp, loudness = std::move(loudness)]() mutable {
                deliver(id, stamp, std::move(loudness));
            },
            Qt::QueuedConnection);
    }
}

QString ClipToolTip(const QString &lengthText, const Loudness &loudness)
{
    QStringList parts;
    if (!lengthText.isEmpty())
        parts << lengthText;
    if (loudness.hasLoudness()) {
        // The units are the same in every language.
        parts << QStringLiteral("%1 LUFS").arg(loudness.lufs, 0, 'f', 1);
        if (std::isfinite(loudness.truePeakDb))
            parts << QStringLiteral("%1 dBTP").arg(loudness.truePeakDb, 0, 'f', 1);
    } else if (!loudness.measured && loudness.why.empty()) {
        parts << ClipLoudness::tr("measuring loudness…");
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

int64_t ClipLengthMs(const QString &nativePath)
{
    wav::Info info;
    if (wav::readInfo(QFile::encodeName(nativePath).toStdString(), info) != wav::ReadError::None ||
        info.format.sampleRate == 0)
        return -1;
    const int64_t rate = info.format.sampleRate;
    return (info.frames * 1000 + rate / 2) / rate;
}

} // namespace trevisto
