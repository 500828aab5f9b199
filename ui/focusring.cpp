#include "ui/focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget *window) : QWidget(window), window_(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusRing::follow(QWidget *now)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = nullptr;
    // Menus and other windows draw their own selection; the window itself is no control.
    if (!now || now == window_ || now->window() != window_ || !now->parentWidget()) {
        hide();
        return;
    }
    target_ = now;
    now->installEventFilter(this);
    if (parentWidget() != now->parentWidget())
        setParent(now->parentWidget());
    place();
}

void FocusRing::place()
{
    if (!target_ || !target_->isVisible() || !target_->isEnabled()) {
        hide();
        return;
    }
    setGeometry(target_->geometry().adjusted(-Width - 1, -Width - 1, Width + 1, Width + 1));
    raise();
    show();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), Width);
    p.setPen(pen);
    p.drawRoundedRect(QRectF(rect()).adjusted(Width / 2.0, Width / 2.0, -Width / 2.0, -Width / 2.0), 3, 3);
}
