#pragma once
// The wait window of the long jobs (loading, copying, joining, encoding): made at its first
// showing, over the middle of the main window, and repainted sparingly while a source is
// written.

#include "ui/Frmwait.h"

#include <QElapsedTimer>
#include <QString>

class QWidget;

class WaitWindow {
public:
    // Shows its animation from `programFolder`, centred on `window` when first shown.
    WaitWindow(QWidget &window, const QString &programFolder) : window_(window), programFolder_(programFolder) {}
    ~WaitWindow();
    WaitWindow(const WaitWindow &) = delete;
    WaitWindow &operator=(const WaitWindow &) = delete;

    // The wait window, made at its first use.
    Frmwait &form();
    // The wait window shown for `job`, its progress reset; the next paced progress is
    // painted at once.
    void show(Frmwait::Job job);
    void hide() { form().hide(); }
    // `done` of `total`, painted at most once in each period.
    void pacedProgress(quint64 done, quint64 total);

    // Progress is repainted at most this often while a source is written.
    static constexpr qint64 ProgressPeriodMs = 33;

private:
    QWidget &window_;
    QString programFolder_;
    Frmwait *form_ = nullptr;    // shown without owner, like the About box
    QElapsedTimer sinceRepaint_; // of the paced progress
};
