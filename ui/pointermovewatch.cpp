#include "ui/pointermovewatch.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QWidget>

PointerMoveWatch::PointerMoveWatch(Handler handler, QObject *parent) : QObject(parent), handler_(std::move(handler))
{
}

void PointerMoveWatch::watch(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    watched_.insert(widget);
}

bool PointerMoveWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (!widget->isEnabled()) {
        // Qt lets a disabled button keep the moves over it; they belong to its container.
        QWidget *container = widget->parentWidget();
        if (container && watched_.contains(container) && container->isEnabled())
            handler_(container);
        return false;
    }
    // A container hears the moves its controls let through; only its bare background counts.
    if (!qobject_cast<QAbstractButton *>(widget)) {
        const QWidget *child = widget->childAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (child && child->isEnabled())
            return false;
    }
    handler_(widget);
    // The control still sees the move, so dragging off a pressed button works as usual.
    return false;
}
