#include "ui/aviclip.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

constexpr quint32 fourcc(const char (&s)[5])
{
    return quint32(quint8(s[0])) | quint32(quint8(s[1])) << 8 | quint32(quint8(s[2])) << 16 |
           quint32(quint8(s[3])) << 24;
}

constexpr quint32 RIFF = fourcc("RIFF");
constexpr quint32 LIST = fourcc("LIST");
constexpr quint32 AVI_ = fourcc("AVI ");
constexpr quint32 HDRL = fourcc("hdrl");
constexpr quint32 MOVI = fourcc("movi");
constexpr quint32 AVIH = fourcc("avih");
constexpr quint32 STRL = fourcc("strl");
constexpr quint32 STRH = fourcc("strh");
constexpr quint32 STRF = fourcc("strf");
constexpr quint32 REC_ = fourcc("rec ");
constexpr quint32 VIDS = fourcc("vids");
constexpr quint32 DIB_ = fourcc("DIB ");
constexpr quint32 RGB_ = fourcc("RGB ");

constexpr qint64 AvihBytes = 56;
constexpr qint64 StrhBytes = 48; // the older short form; fields past it are not used
constexpr qint64 BitmapHeaderBytes = 40;
constexpr int MaxListDepth = 4;

// A chunk located inside the file: `data` is where its contents start.
struct Chunk {
    quint32 id = 0;
    quint32 listType = 0; // LIST chunks only
    qint64 data = 0;
    qint64 size = 0;
};

// What the header list says about the video stream.
struct VideoFormat {
    int stream = -1;
    qint64 width = 0;
    qint64 height = 0; // negative: rows are stored top row first
    int bitCount = 0;
    QList<QRgb> palette;
    qint64 usPerFrameStream = 0;
    qint64 usPerFrameMain = 0;
};

class Parser {
public:
    explicit Parser(const QByteArray &data)
        : p_(reinterpret_cast<const uchar *>(data.constData())), size_(data.size())
    {
    }

    bool decode(AviClip *clip)
    {
        if (size_ < 12 || u32(0) != RIFF || u32(8) != AVI_)
            return fail("not an AVI file");
        const qint64 riffSize = u32(4);
        if (riffSize < 4 || riffSize > size_ - 8)
            return fail("the file is shorter than its RIFF header says");

        Chunk hdrl, movi;
        bool haveHdrl = false, haveMovi = false;
        const bool walked = walk(12, 8 + riffSize, [&](const Chunk &c) {
            if (c.id == LIST && c.listType == HDRL && !haveHdrl) {
                hdrl = c;
                haveHdrl = true;
            } else if (c.id == LIST && c.listType == MOVI && !haveMovi) {
                movi = c;
                haveMovi = true;
            }
            return true;
        });
        if (!walked)
            return false;
        if (!haveHdrl || !haveMovi)
            return fail("the header list or the picture list is missing");

        VideoFormat format;
        if (!readHeaders(hdrl, &format))
            return false;

        AviClip out;
        out.frameSize = QSize(int(format.width), int(std::llabs(format.height)));
        out.frameIntervalMs = intervalMs(format);
        if (!readFrames(movi, format, &out.frames, 0))
            return false;
        if (out.frames.isEmpty())
            return fail("the clip holds no pictures");
        *clip = std::move(out);
        return true;
    }

    QString error;

private:
    quint32 u32(qint64 at) const
    {
        return quint32(p_[at]) | quint32(p_[at + 1]) << 8 | quint32(p_[at + 2]) << 16 | quint32(p_[at + 3]) << 24;
    }
    quint16 u16(qint64 at) const { return quint16(p_[at] | p_[at + 1] << 8); }
    qint32 i32(qint64 at) const { return qint32(u32(at)); }

    bool fail(const char *reason)
    {
        error = QString::fromLatin1(reason);
        return false;
    }

    // Visits each chunk in [begin, end). A chunk reaching past the end of its container
    // is refused; only the very last chunk may lack its padding byte.
    bool walk(qint64 begin, qint64 end, const std::function<bool(const Chunk &)> &visit)
    {
        qint64 pos = begin;
        while (pos < end) {
            if (end - pos < 8)
                return fail("a chunk header is cut short");
            Chunk c;
            c.id = u32(pos);
            c.size = u32(pos + 4);
            c.data = pos + 8;
            if (c.size > end - c.data)
                return fail("a chunk runs past its container");
            if (c.id == LIST || c.id == RIFF) {
                if (c.size < 4)
                    return fail("a list is too short for its type");
                c.listType = u32(c.data);
            }
            if (!visit(c))
                return false;
            pos = c.data + c.size + (c.size & 1);
            if (pos > end)
                pos = end;
        }
        return true;
    }

    bool readHeaders(const Chunk &hdrl, VideoFormat *format)
    {
        bool haveMain = false;
        int streamIndex = 0;
        const bool walked = walk(hdrl.data + 4, hdrl.data + hdrl.size, [&](const Chunk &c) {
            if (c.id == AVIH) {
                if (c.size < AvihBytes)
                    return fail("the main header is too short");
                format->usPerFrameMain = u32(c.data);
                haveMain = true;
            } else if (c.id == LIST && c.listType == STRL) {
                const int index = streamIndex++;
                if (format->stream < 0)
                    return readStream(c, index, format);
            }
            return true;
        });
        if (!walked)
            return false;
        if (!haveMain)
            return fail("the main header is missing");
        if (format->stream < 0)
            return fail("the clip has no video stream");
        return true;
    }

    // Takes the stream described by `strl` when it is the first video stream.
    bool readStream(const Chunk &strl, int index, VideoFormat *format)
    {
        Chunk strh, strf;
        bool haveStrh = false, haveStrf = false;
        const bool walked = walk(strl.data + 4, strl.data + strl.size, [&](const Chunk &c) {
            if (c.id == STRH && !haveStrh) {
                strh = c;
                haveStrh = true;
            } else if (c.id == STRF && !haveStrf) {
                strf = c;
                haveStrf = true;
            }
            return true;
        });
        if (!walked)
            return false;
        if (!haveStrh || strh.size < StrhBytes)
            return fail("a stream header is missing or too short");
        if (u32(strh.data) != VIDS)
            return true; // not video: skipped
        if (index > 99)
            return fail("too many streams");
        if (!haveStrf || strf.size < BitmapHeaderBytes)
            return fail("the video format is missing or too short");

        const qint64 headerSize = u32(strf.data);
        const qint64 width = i32(strf.data + 4);
        const qint64 height = i32(strf.data + 8);
        const int bitCount = u16(strf.data + 14);
        const quint32 compression = u32(strf.data + 16);
        const qint64 colorsUsed = u32(strf.data + 32);

        if (headerSize < BitmapHeaderBytes || headerSize > strf.size)
            return fail("the picture header has a wrong size");
        if (compression != 0 && compression != DIB_ && compression != RGB_)
            return fail("compressed video is not supported");
        if (bitCount != 24 && bitCount != 8)
            return fail("only 24-bit and 8-bit pictures are supported");
        if (width < 1 || width > AviLimits::MaxDimension || height == 0 ||
            std::llabs(height) > AviLimits::MaxDimension)
            return fail("the picture size is out of range");

        if (bitCount == 8) {
            const qint64 colors = colorsUsed == 0 ? 256 : colorsUsed;
            if (colors > 256)
                return fail("the palette has more than 256 colours");
            if (headerSize + 4 * colors > strf.size)
                return fail("the palette is cut short");
            for (qint64 i = 0; i < colors; ++i) {
                const qint64 at = strf.data + headerSize + 4 * i;
                format->palette.append(qRgb(p_[at + 2], p_[at + 1], p_[at]));
            }
            while (format->palette.size() < 256)
                format->palette.append(qRgb(0, 0, 0));
        }

        const qint64 scale = u32(strh.data + 20);
        const qint64 rate = u32(strh.data + 24);
        if (scale > 0 && rate > 0)
            format->usPerFrameStream = scale * 1000000 / rate;
        format->stream = index;
        format->width = width;
        format->height = height;
        format->bitCount = bitCount;
        return true;
    }

    static int intervalMs(const VideoFormat &format)
    {
        qint64 us = format.usPerFrameStream > 0 ? format.usPerFrameStream : format.usPerFrameMain;
        if (us <= 0)
            return 100;
        return int(std::clamp<qint64>((us + 500) / 1000, AviLimits::MinIntervalMs, AviLimits::MaxIntervalMs));
    }

    bool isFrameChunk(quint32 id, int stream) const
    {
        const int d0 = int(id & 0xff) - '0';
        const int d1 = int((id >> 8) & 0xff) - '0';
        if (d0 < 0 || d0 > 9 || d1 < 0 || d1 > 9 || d0 * 10 + d1 != stream)
            return false;
        const quint32 kind = id >> 16;
        return kind == (fourcc("00dc") >> 16) || kind == (fourcc("00db") >> 16);
    }

    bool readFrames(const Chunk &list, const VideoFormat &format, QList<QImage> *frames, int depth)
    {
        const qint64 width = format.width;
        const qint64 rows = std::llabs(format.height);
        const qint64 stride = (width * format.bitCount + 31) / 32 * 4;
        const qint64 frameBytes = stride * rows;

        return walk(list.data + 4, list.data + list.size, [&](const Chunk &c) {
            if (c.id == LIST) {
                if (c.listType != REC_)
                    return true;
                if (depth >= MaxListDepth)
                    return fail("record lists are nested too deeply");
                return readFrames(c, format, frames, depth + 1);
            }
            if (!isFrameChunk(c.id, format.stream))
                return true;
            if (frames->size() >= AviLimits::MaxFrames ||
                (frames->size() + 1) * width * rows > AviLimits::MaxTotalPixels)
                return fail("the clip has too many pictures");
            if (c.size == 0) {
                // An empty chunk holds the previous picture for one more frame.
                if (!frames->isEmpty())
                    frames->append(frames->constLast());
                return true;
            }
            if (c.size < frameBytes)
                return fail("a picture is shorter than its size needs");

            QImage image(int(width), int(rows), QImage::Format_RGB32);
            if (image.isNull())
                return fail("out of memory for a picture");
            const bool bottomUp = format.height > 0;
            for (qint64 y = 0; y < rows; ++y) {
                const uchar *src = p_ + c.data + (bottomUp ? rows - 1 - y : y) * stride;
                auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
                if (format.bitCount == 24) {
                    for (qint64 x = 0; x < width; ++x, src += 3)
                        dst[x] = qRgb(src[2], src[1], src[0]);
                } else {
                    for (qint64 x = 0; x < width; ++x)
                        dst[x] = format.palette[src[x]];
                }
            }
            frames->append(image);
            return true;
        });
    }

    const uchar *p_;
    qint64 size_;
};

} // namespace

bool decodeAvi(const QByteArray &data, AviClip *clip, QString *error)
{
    Parser parser(data);
    if (data.size() > AviLimits::MaxFileBytes) {
        if (error)
            *error = QStringLiteral("the file is too large for a clip");
        return false;
    }
    if (parser.decode(clip))
        return true;
    if (error)
        *error = parser.error;
    return false;
}

bool loadAvi(const QString &path, AviClip *clip, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > AviLimits::MaxFileBytes) {
        if (error)
            *error = QStringLiteral("the file is too large for a clip");
        return false;
    }
    const QByteArray data = file.read(AviLimits::MaxFileBytes + 1);
    return decodeAvi(data, clip, error);
}
