#include "ui/AviPlayer.h"

#include <QPainter>

AviPlayer::AviPlayer(QWidget *parent) : QWidget(parent)
{
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &AviPlayer::advance);
}

bool AviPlayer::open(const QString &path)
{
    AviClip clip;
    QString error;
    if (!loadAvi(path, &clip, &error)) {
        close();
        error_ = error;
        return false;
    }
    clip_ = std::move(clip);
    error_.clear();
    current_ = 0;
    ++openCount_;
    playing_ = autoPlay_;
    updateGeometry();
    updateTimer();
    update();
    return true;
}

void AviPlayer::close()
{
    clip_ = AviClip();
    current_ = 0;
    playing_ = false;
    updateTimer();
    update();
}

void AviPlayer::setAutoPlay(bool on)
{
    autoPlay_ = on;
    if (on && isOpen())
        playing_ = true;
    updateTimer();
}

void AviPlayer::play()
{
    playing_ = isOpen();
    updateTimer();
}

void AviPlayer::stop()
{
    playing_ = false;
    updateTimer();
}

QSize AviPlayer::sizeHint() const
{
    return isOpen() ? clip_.frameSize : QSize(16, 16);
}

void AviPlayer::paintEvent(QPaintEvent *)
{
    if (!isOpen())
        return;
    const QImage &image = clip_.frames.at(current_);
    QPainter painter(this);
    painter.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
}

void AviPlayer::showEvent(QShowEvent *)
{
    shown_ = true;
    updateTimer();
}

void AviPlayer::hideEvent(QHideEvent *)
{
    shown_ = false;
    updateTimer();
}

void AviPlayer::advance()
{
    if (!isOpen())
        return;
    current_ = (current_ + 1) % frameCount();
    update();
    emit frameChanged(current_);
}

// The timer runs only while there is something to show and someone to see it.
void AviPlayer::updateTimer()
{
    const bool run = playing_ && shown_ && frameCount() > 1;
    if (run) {
        if (!timer_.isActive() || timer_.interval() != clip_.frameIntervalMs)
            timer_.start(clip_.frameIntervalMs);
    } else {
        timer_.stop();
    }
}
