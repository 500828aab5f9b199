#include "app/window/waitwindow.h"

#include <QWidget>

WaitWindow::~WaitWindow()
{
    delete form_;
}

Frmwait &WaitWindow::form()
{
    // Shown without owner, like the About box; it lives as long as the main window.
    if (!form_) {
        form_ = new Frmwait(programFolder_);
        form_->adjustSize();
        form_->move(window_.geometry().center() - form_->rect().center());
    }
    return *form_;
}

void WaitWindow::show(Frmwait::Job job)
{
    Frmwait &wait = form();
    wait.setJob(job);
    wait.resetProgress();
    wait.show();
    sinceRepaint_.invalidate();
}

void WaitWindow::pacedProgress(quint64 done, quint64 total)
{
    if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= ProgressPeriodMs) {
        sinceRepaint_.start();
        form().setProgress(done, total);
    }
}
