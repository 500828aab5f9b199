#pragma once
// The field in which Mark In or Mark Out is typed to the millisecond (hh:mm:ss.mmm or a
// shorter form). A keystroke that makes the time too late is refused at once; one that makes
// it too early waits, in a warning colour with its reason, and Enter does not take it.
// Escape, or leaving the field, closes it unchanged.

#include <QLineEdit>

#include <functional>

class MarkField : public QLineEdit {
public:
    // A field for Mark In (or Mark Out) showing `currentMs`, taking what the other mark at
    // `otherMs` and a sound of `lengthMs` allow.
    MarkField(QWidget *parent, bool markIn, qint64 currentMs, qint64 otherMs, qint64 lengthMs);

    // Called when Escape or a loss of focus ends the field.
    std::function<void()> closing;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The warning colour and the tooltip follow what the field holds.
    void showVerdict();

    bool markIn_;
};
