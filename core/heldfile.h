#pragma once
// A file taken out of the way by a step that can be undone: a clip deleted from the list,
// the cut result a new cut replaced. It waits in the holding folder, beside the drive in
// the prefix, and either goes back when its step is undone or is deleted with its handle
// once the step can no longer be undone. Nothing else writes there, so whatever a start
// finds there was left by a run that did not end, and goes.

#include <QString>
#include <QStringList>

namespace trevisto {

class HeldFile {
public:
    HeldFile() = default;
    // Moves the native file `file` into the native folder `folder`, made when missing. An
    // empty handle when it cannot be moved (nothing there, no room, a folder in the way):
    // the file is then where it was.
    static HeldFile take(const QString &file, const QString &folder);

    // Deletes the held file.
    ~HeldFile();
    HeldFile(HeldFile &&other) noexcept;
    HeldFile &operator=(HeldFile &&other) noexcept;
    HeldFile(const HeldFile &) = delete;
    HeldFile &operator=(const HeldFile &) = delete;

    // Moves the held file to the native path `file`, never over anything already there.
    // True when it is there; the handle is empty then, and keeps the file otherwise.
    bool putBack(const QString &file);
    // Deletes the held file now.
    void discard();

    explicit operator bool() const { return !path_.isEmpty(); }
    const QString &path() const { return path_; }

private:
    explicit HeldFile(QString path) : path_(std::move(path)) {}
    QString path_;
};

// The native holding folder of the current prefix: <prefix>/held.
QString HoldingFolder();

// Deletes what the native folder `folder` holds, as a start does under the drive's lock.
// The native paths deleted.
QStringList SweepHoldingFolder(const QString &folder);

} // namespace trevisto
