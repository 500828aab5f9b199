#include "app/undohistory.h"

#include "editor/sourcesteps.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

UndoHistory::UndoHistory(QObject *parent) : QObject(parent)
{
    stack_.setUndoLimit(Steps);
    connect(&stack_, &QUndoStack::indexChanged, this, &UndoHistory::showItems);
}

void UndoHistory::push(QUndoCommand *step)
{
    stack_.push(step);
    showItems();
}

const QUndoCommand *UndoHistory::nextUndo() const
{
    for (int i = stack_.index() - 1; i >= 0; --i)
        if (!stack_.command(i)->isObsolete())
            return stack_.command(i);
    return nullptr;
}

const QUndoCommand *UndoHistory::nextRedo() const
{
    for (int i = stack_.index(); i < stack_.count(); ++i)
        if (!stack_.command(i)->isObsolete())
            return stack_.command(i);
    return nullptr;
}

bool UndoHistory::undo()
{
    if (holds_ || !nextUndo())
        return false;
    // QUndoStack::undo deletes an obsolete step instead of undoing it.
    while (stack_.command(stack_.index() - 1)->isObsolete())
        stack_.undo();
    stack_.undo();
    showItems();
    return true;
}

bool UndoHistory::redo()
{
    if (holds_ || !nextRedo())
        return false;
    // QUndoStack::redo runs an obsolete step's redo (which does nothing) and deletes it.
    while (stack_.command(stack_.index())->isObsolete())
        stack_.redo();
    stack_.redo();
    showItems();
    return true;
}

void UndoHistory::retireSourceSteps()
{
    if (!trevisto::RetireSourceSteps(stack_))
        return;
    // Obsolete steps take room in the stack; with nothing else there, it is emptied.
    bool anyLeft = false;
    for (int i = 0; i < stack_.count() && !anyLeft; ++i)
        anyLeft = !stack_.command(i)->isObsolete();
    if (!anyLeft)
        stack_.clear();
    showItems();
}

void UndoHistory::clear()
{
    stack_.clear();
    showItems();
}

void UndoHistory::hold(bool on)
{
    holds_ = on ? holds_ + 1 : std::max(holds_ - 1, 0);
    showItems();
}

void UndoHistory::attach(QAction *undoItem, QAction *redoItem)
{
    undoItem_ = undoItem;
    redoItem_ = redoItem;
    connect(undoItem_, &QAction::triggered, this, [this] {
        if (holds_ || !nextUndo())
            return;
        emit aboutToStep();
        undo();
    });
    connect(redoItem_, &QAction::triggered, this, [this] {
        if (holds_ || !nextRedo())
            return;
        emit aboutToStep();
        redo();
    });
    // A new translation reaches the application before anything else.
    QCoreApplication::instance()->installEventFilter(this);
    showItems();
}

bool UndoHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
        showItems();
    return QObject::eventFilter(watched, event);
}

void UndoHistory::showItems()
{
    if (!undoItem_ || !redoItem_)
        return;
    const QUndoCommand *back = nextUndo();
    const QUndoCommand *again = nextRedo();
    undoItem_->setText(back ? tr("Undo %1").arg(back->text()) : tr("Undo"));
    redoItem_->setText(again ? tr("Redo %1").arg(again->text()) : tr("Redo"));
    undoItem_->setEnabled(back && !holds_);
    redoItem_->setEnabled(again && !holds_);
}
