#pragma once
// Waiting in a whole-window story: the window's events run until a condition holds or the
// time is up, so a story never hangs on a sound that does not end.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

// True once `done` holds; false when `ms` passed first.
template <typename F>
bool waitFor(F done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return done();
}
