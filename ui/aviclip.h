#pragma once
// Reading of small uncompressed AVI clips: the RIFF layout with one video stream of
// 24-bit or 8-bit palettised pictures. Everything is decoded up front into images.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

struct AviClip {
    QList<QImage> frames; // Format_RGB32, all of frameSize
    QSize frameSize;
    int frameIntervalMs = 100;
};

// Bounds the reader keeps to; anything larger is refused rather than read.
namespace AviLimits {
constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
constexpr int MaxDimension = 4096;
constexpr int MaxFrames = 5000;
constexpr qint64 MaxTotalPixels = 32 * 1024 * 1024;
constexpr int MinIntervalMs = 10;
constexpr int MaxIntervalMs = 10000;
} // namespace AviLimits

// Fills `clip` and returns true when `data` is a clip this reader can show; otherwise
// returns false, leaves `clip` untouched and, when given, puts the reason in `error`.
bool decodeAvi(const QByteArray &data, AviClip *clip, QString *error = nullptr);

// The same for a file; a missing, unreadable or oversized file is refused.
bool loadAvi(const QString &path, AviClip *clip, QString *error = nullptr);
