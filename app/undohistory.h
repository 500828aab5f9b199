#pragma once
// What can be undone: Qt's undo stack of the steps the clip list and the loaded sound
// provide, and the Edit menu's Undo and Redo items over it. A step made obsolete (one of a
// sound no longer loaded) stays in the stack, which cannot take out chosen steps; Undo and
// Redo pass it by, and each item names the step it would really take.

#include <QObject>
#include <QUndoStack>

class QAction;

class UndoHistory : public QObject {
    Q_OBJECT

public:
    // How many steps are kept; the oldest go beyond that.
    static constexpr int Steps = 100;

    explicit UndoHistory(QObject *parent = nullptr);

    QUndoStack &stack() { return stack_; }
    // Pushes `step`, which is done by it (QUndoStack::push runs its redo()).
    void push(QUndoCommand *step);
    // The step Undo, or Redo, would take; null when there is none.
    const QUndoCommand *nextUndo() const;
    const QUndoCommand *nextRedo() const;
    // Takes the next step back, or again, passing obsolete ones by; false when there was
    // none or the history is held.
    bool undo();
    bool redo();
    // Retires the steps on the loaded sound: another one takes its place.
    void retireSourceSteps();
    // Forgets every step; what they hold goes.
    void clear();

    // While held (a sound being written, clips being joined), Undo and Redo do nothing and
    // their items are off. Holds nest.
    void hold(bool on);

    // Makes `undoItem` and `redoItem` the Edit menu's items: their texts, their enabled
    // states and their triggers, in the language of the program's messages.
    void attach(QAction *undoItem, QAction *redoItem);

signals:
    // Before an item takes a step, so that whatever plays can stop first.
    void aboutToStep();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showItems();

    QUndoStack stack_;
    QAction *undoItem_ = nullptr, *redoItem_ = nullptr;
    int holds_ = 0;
};
