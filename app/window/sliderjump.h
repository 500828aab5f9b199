#pragma once
// Clicks on a slider that stands for a time line: a press beside the handle jumps to the
// point pressed instead of moving by a page, and the release is reported once the slider
// has finished its own drag, so that the position it reports is the one it shows.

#include <QObject>

#include <functional>

class QSlider;

class SliderJump : public QObject {
    Q_OBJECT

public:
    // Watches `slider` while it is enabled; `released` runs after each left-button release.
    SliderJump(QSlider &slider, std::function<void()> released, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSlider &slider_;
    std::function<void()> released_;
};
