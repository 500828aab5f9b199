#pragma once
// Reports pointer moves over chosen controls, the way a form's mouse-move events arrive:
// over a control while it is enabled, and over a container only where no enabled control
// of its own covers the point (a disabled control passes its moves to its container).
// Moves are reported with or without a mouse button held down.

#include <QObject>
#include <QSet>

#include <functional>

class QWidget;

class PointerMoveWatch : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget *target)>;

    PointerMoveWatch(Handler handler, QObject *parent);

    // Starts reporting moves over `widget`; its mouse tracking is switched on so that moves
    // arrive without a pressed button.
    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler handler_;
    QSet<QWidget *> watched_;
};
