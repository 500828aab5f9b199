#pragma once
// Runs the start-up work that the window's first frame does not need once that frame is on
// screen: the window shows sooner, and the work still comes before anything the user does
// in the window (it runs from the first turn of the event loop after the frame).

#include <QObject>

#include <chrono>
#include <functional>

class QWidget;

namespace trevisto {

class FirstFrame : public QObject {
public:
    // A window that is not exposed by then (one started minimised) runs the work anyway.
    static constexpr std::chrono::milliseconds kPatience{500};

    // Runs `then` once, from the event loop, after the first frame of `window`, which has
    // been shown; or after `patience`, whichever comes first.
    static void after(QWidget &window, std::function<void()> then, std::chrono::milliseconds patience = kPatience);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstFrame(QWidget &window, std::function<void()> then, std::chrono::milliseconds patience);
    void run();

    std::function<void()> then_;
    bool queued_ = false;
};

} // namespace trevisto
