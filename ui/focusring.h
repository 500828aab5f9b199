#pragma once
// A clearly visible ring around whichever control of one window has the keyboard focus,
// whatever the style draws for focus itself (the picture buttons draw nothing). It lies
// over the control's surroundings and lets every click through.

#include <QPointer>
#include <QWidget>

class FocusRing : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 2;

    // Follows the focus among the controls of `window`.
    explicit FocusRing(QWidget *window);
    // The control the ring is around, or null while it is hidden.
    QWidget *target() const { return isVisible() ? target_.data() : nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *now);
    void place();
    QWidget *window_;
    QPointer<QWidget> target_;
};
