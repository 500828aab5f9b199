#pragma once
// The clip list as data: the clips in their order, each with its name, its file and what
// it was cut from. It is the one owner of what the list holds and the only writer of the
// session file that keeps it for the next start; the list widget only shows it, following
// its signals, and which entry is selected stays the widget's business.

#include "clips/loudness.h"
#include "core/mp3origin.h"
#include "core/workingfiles.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace trevisto {

// Tells one clip from another for as long as the program runs, also where a name comes
// back: a clip deleted and another added under its name are two clips.
using ClipId = quint64;

struct Clip {
    QString name;
    std::optional<Mp3Origin> origin = std::nullopt; // the MP3 samples it holds, when cut from an MP3
    ClipId id = 0;                   // given by the list when it is first listed
    // Not kept in the session file: a start measures again. Unmeasured with no `why`: not
    // measured yet.
    Loudness loudness = {};
};

class ClipList : public QObject {
    Q_OBJECT

public:
    // The clip files lie in `clipFolder`, a program path (drive C: or native) ending in its
    // separator; the list is kept in `sessionFile`. Both are resolved at each use.
    explicit ClipList(QString clipFolder = WorkingFiles::ClipFolder, QString sessionFile = WorkingFiles::Session,
                      QObject *parent = nullptr);

    const std::vector<Clip> &items() const { return items_; }
    int count() const { return int(items_.size()); }
    QStringList names() const;
    std::vector<ClipId> ids() const;
    // The row of the clip `id`, or -1 when it is not listed.
    int rowOf(ClipId id) const;
    // The program path of the file of a clip named `name`, and of the clip in `row`.
    QString fileOf(const QString &name) const;
    QString file(int row) const { return fileOf(items_.at(size_t(row)).name); }

    // Lists `clip` at `row` (the end when past it) and gives back its id: its own when it
    // has one, as a clip listed again does, else a new one.
    ClipId insert(int row, Clip clip);
    ClipId add(Clip clip) { return insert(count(), std::move(clip)); }
    // Takes the clip in `row` out of the list.
    Clip take(int row);
    // Moves the clip in `from` to `to`; rows outside the list change nothing.
    void move(int from, int to);
    void clear();
    // Gives the clip `id` its measured loudness; a clip no longer listed is passed over.
    // The session file is not written: loudness is not kept there.
    void setLoudness(ClipId id, Loudness loudness);

    // Lists what the last run kept: the clips of the session file whose files are left, in
    // its order and with their origins, then clip files it never recorded. A damaged file
    // is said on the error output, and the list written again wherever it differs from the
    // file. From here on every change is written at once.
    void load();
    // Writes the list as it is now; 0, or the errno of the call that failed, which is said
    // on the error output as well.
    int save();

    // The changes made while a Batch lives are written once, when the last one ends: taking
    // out a hundred clips writes the file once, not a hundred times.
    class Batch {
    public:
        explicit Batch(ClipList &list) : list_(list) { ++list_.batches_; }
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        ClipList &list_;
    };

    // The clips that went into the output being written, so that the question after it
    // deletes those and no others; none noted means the output was not made of clips.
    void noteOutput(std::vector<ClipId> ids) { output_ = std::move(ids); }
    void forgetOutput() { output_.reset(); }
    const std::optional<std::vector<ClipId>> &output() const { return output_; }

signals:
    void inserted(int row);
    void removed(int row);
    void moved(int from, int to);
    // Everything changed at once: the view lists the clips again.
    void reset();
    // The clip in `row` has a new loudness.
    void loudnessChanged(int row);

private:
    void changed();

    QString clipFolder_, sessionFile_;
    std::vector<Clip> items_;
    std::optional<std::vector<ClipId>> output_;
    ClipId lastId_ = 0;
    bool kept_ = false; // load() ran: each change is written
    int batches_ = 0;
    bool unsaved_ = false; // changed during a batch
};

} // namespace trevisto
