#pragma once
// The steps on the loaded sound that Undo can take back: a mark set (by its button, its
// key or a drag in the close view) and a cut. They mean nothing once another sound is
// opened: that retires them, and Undo and Redo pass them by from then on.
//
// The steps know no widgets: what a mark or a cut result looks like in the window is the
// window's, given to each step as a function.

#include "core/heldfile.h"
#include "core/mp3origin.h"

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <optional>

class QUndoStack;

namespace trevisto {

class SourceStep : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    // The sound it was made on is gone: the step is obsolete, and lets go of what it holds.
    virtual void retire() { setObsolete(true); }
};

// Retires every source step of `stack`; true when one was.
bool RetireSourceSteps(QUndoStack &stack);

class MarkStep : public SourceStep {
public:
    enum class Mark { In, Out };
    // A mark's place and the time its label shows for it.
    struct Place {
        qint64 ms = 0;
        QString text;
        bool operator==(const Place &) const = default;
    };
    using Show = std::function<void(Mark, const Place &)>;

    MarkStep(Mark mark, Place before, Place after, Show show);
    void redo() override;
    void undo() override;

private:
    Mark mark_;
    Place before_, after_;
    Show show_;
};

// Both marks set at once, as a range selected by dragging: one step.
class MarkRangeStep : public SourceStep {
public:
    MarkRangeStep(MarkStep::Place inBefore, MarkStep::Place inAfter, MarkStep::Place outBefore,
                  MarkStep::Place outAfter, MarkStep::Show show);
    void redo() override;
    void undo() override;

private:
    MarkStep::Place inBefore_, inAfter_, outBefore_, outAfter_;
    MarkStep::Show show_;
};

class CutStep : public SourceStep {
public:
    // A cut result as the window shows it: where it came from and the marks it was cut at.
    struct Result {
        std::optional<Mp3Origin> origin;
        qint64 from = 0, to = 0;
    };
    // Lets go of the result file (its player closes), and shows the result now in the file,
    // or none.
    using Release = std::function<void()>;
    using Show = std::function<void(const std::optional<Result> &)>;

    // A cut named `text` was made into the native `resultFile`: `after` is it, or none
    // when it failed; `before` the result it replaced, whose file `previous` holds.
    CutStep(const QString &text, QString resultFile, QString holdingFolder, std::optional<Result> before, HeldFile previous,
            std::optional<Result> after, Release release, Show show);
    // The first redo does nothing: the cut is made.
    void redo() override;
    void undo() override;
    void retire() override;

private:
    // Puts `to` in the result file's place, holding what is there for the other way.
    void exchange(const std::optional<Result> &from, const std::optional<Result> &to);

    QString resultFile_, holdingFolder_;
    std::optional<Result> before_, after_;
    HeldFile held_; // the result not shown: `before` while done, `after` while undone
    Release release_;
    Show show_;
    bool made_ = false;
};

QString MarkText(MarkStep::Mark mark, qint64 ms);
QString MarkRangeText(qint64 markIn, qint64 markOut);
QString CutText(qint64 from, qint64 to);

} // namespace trevisto
