#pragma once
// Each listed clip's loudness, measured one clip after another on a worker thread of its
// own so that a long clip never holds the window. Results come back on the owner's thread
// and go into the clip list by clip id: a clip taken out meanwhile is simply passed over,
// one renamed keeps its result, and one whose file changed while it was measured is
// measured again. Knows nothing of widgets.

#include "clips/clipmodel.h"
#include "clips/loudness.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace trevisto {

class ClipLoudness : public QObject {
    Q_OBJECT

public:
    // Follows `list` from now on, measuring the clips it holds already and every clip
    // listed later. `threads` is passed to each measure (0: one per core).
    explicit ClipLoudness(ClipList &list, int threads = 0, QObject *parent = nullptr);
    // Ends a measure under way at once and waits for the worker.
    ~ClipLoudness() override;
    ClipLoudness(const ClipLoudness &) = delete;
    ClipLoudness &operator=(const ClipLoudness &) = delete;

    // Clips waiting or being measured, whose results have not come back yet.
    int pending() const { return pending_; }

signals:
    // The clip `id` has its measure in the list now.
    void measured(trevisto::ClipId id);

private:
    // What tells one version of a file from another: a file written anew or replaced
    // differs in one of these, while a renamed one keeps them all.
    struct Stamp {
        bool exists = false;
        uint64_t device = 0, inode = 0;
        int64_t size = 0, modifiedNs = 0;
        bool operator==(const Stamp &) const = default;
    };
    struct Job {
        ClipId id = 0;
        std::string path; // native
    };
    static Stamp stampOf(const std::string &path);

    void queue(const Clip &clip);
    void queueAll();
    void deliver(ClipId id, Stamp stamp, Loudness loudness);
    void work();

    ClipList &list_;
    int threads_;
    int pending_ = 0; // the owner's thread alone
    std::unordered_map<ClipId, Stamp> stamps_; // of the file each result was measured on

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_; // under mutex_
    bool ending_ = false;  // under mutex_
    std::atomic_bool stop_{false};
    std::thread worker_; // last: started once everything it uses is there
};

// A clip row's tooltip: its length (as "hh:mm:ss.mmm", left out when empty), then its
// loudness and true peak once measured, "measuring loudness…" while it waits, or the
// length alone where there is nothing to show (a failed measure, silence).
QString ClipToolTip(const QString &lengthText, const Loudness &loudness);

// The length in milliseconds of the WAV file at `nativePath`, or -1 when it cannot be read.
int64_t ClipLengthMs(const QString &nativePath);

} // namespace trevisto
