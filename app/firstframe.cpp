#include "app/firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace trevisto {

void FirstFrame::after(QWidget &window, std::function<void()> then, std::chrono::milliseconds patience)
{
    new FirstFrame(window, std::move(then), patience);
}

FirstFrame::FirstFrame(QWidget &window, std::function<void()> then, std::chrono::milliseconds patience)
    : QObject(&window), then_(std::move(then))
{
    QTimer::singleShot(patience, this, [this] { run(); });
    // The expose event paints the frame and puts it on screen before it returns; the work is
    // queued behind it.
    if (QWindow *handle = window.windowHandle(); handle && !handle->isExposed())
        handle->installEventFilter(this);
    else
        QTimer::singleShot(0, this, [this] { run(); });
}

bool FirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && !queued_ && static_cast<QWindow *>(watched)->isExposed()) {
        queued_ = true;
        QTimer::singleShot(0, this, [this] { run(); });
    }
    return QObject::eventFilter(watched, event);
}

void FirstFrame::run()
{
    if (!then_)
        return;
    const std::function<void()> then = std::exchange(then_, nullptr);
    deleteLater();
    then();
}

} // namespace trevisto
