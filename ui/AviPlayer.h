#pragma once
// A small animation control: opens an uncompressed AVI clip, keeps its pictures in
// memory and shows them one after another, looping, centred in the widget.

#include "ui/aviclip.h"

#include <QTimer>
#include <QWidget>

class AviPlayer : public QWidget {
    Q_OBJECT

public:
    explicit AviPlayer(QWidget *parent = nullptr);

    // Replaces the clip. On failure the control is left empty and errorString() says why.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return !clip_.frames.isEmpty(); }
    QString errorString() const { return error_; }

    // With automatic playback on, an opened clip plays in a loop while the control is shown.
    void setAutoPlay(bool on);
    bool autoPlay() const { return autoPlay_; }
    void play();
    void stop();
    bool isPlaying() const { return playing_; }

    int frameCount() const { return int(clip_.frames.size()); }
    QSize frameSize() const { return clip_.frameSize; }
    int frameIntervalMs() const { return clip_.frameIntervalMs; }
    int currentFrame() const { return current_; }
    QImage frame(int index) const { return clip_.frames.value(index); }
    // Successful open() calls so far.
    int openCount() const { return openCount_; }

    QSize sizeHint() const override;

signals:
    // The playback moved on to this picture.
    void frameChanged(int frame);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void advance();
    void updateTimer();

    AviClip clip_;
    QTimer timer_;
    QString error_;
    int current_ = 0;
    int openCount_ = 0;
    bool autoPlay_ = false;
    bool playing_ = false;
    bool shown_ = false;
};
