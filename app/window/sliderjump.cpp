#include "app/window/sliderjump.h"

#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

SliderJump::SliderJump(QSlider &slider, std::function<void()> released, QObject *parent)
    : QObject(parent), slider_(slider), released_(std::move(released))
{
    slider_.installEventFilter(this);
}

bool SliderJump::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &slider_ || !slider_.isEnabled())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        QStyleOptionSlider option;
        option.initFrom(&slider_);
        option.orientation = Qt::Horizontal;
        option.minimum = slider_.minimum();
        option.maximum = slider_.maximum();
        option.sliderPosition = slider_.sliderPosition();
        const QRect handle = slider_.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider_);
        // A press beside the handle moves it to the point, not by a page.
        if (mouse->button() == Qt::LeftButton && !handle.contains(mouse->position().toPoint())) {
            const int span = slider_.width() - handle.width();
            const int x = int(mouse->position().x()) - handle.width() / 2;
            slider_.setValue(QStyle::sliderValueFromPosition(slider_.minimum(), slider_.maximum(), x, span));
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // Let the slider finish its own drag first.
        QMetaObject::invokeMethod(this, released_, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
