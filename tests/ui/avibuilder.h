#pragma once
// Builds small AVI files in memory, with switches for the layouts and faults the
// reader has to cope with.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

struct AviLayout {
    int width = 4;
    int height = 3; // negative: top row first
    int bitCount = 24;
    QByteArray compression = QByteArray(4, '\0'); // four bytes as stored
    QByteArray chunkId = "00dc";
    bool recordList = false;   // frames inside a LIST 'rec '
    bool audioStreamFirst = false;
    quint32 usPerFrame = 100000;
    quint32 scale = 0;
    quint32 rate = 0;
    QList<quint32> palette;    // 0xRRGGBB; written as-is for 8-bit pictures
    quint32 colorsUsed = 0;
    QList<QByteArray> frames;  // raw picture bytes as stored in each chunk
};

inline void putU16(QByteArray &b, quint32 v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

inline void putU32(QByteArray &b, quint32 v)
{
    putU16(b, v & 0xffff);
    putU16(b, v >> 16);
}

inline QByteArray chunk(const QByteArray &id, const QByteArray &data)
{
    QByteArray b = id;
    putU32(b, quint32(data.size()));
    b += data;
    if (data.size() & 1)
        b.append('\0');
    return b;
}

inline QByteArray list(const QByteArray &type, const QByteArray &contents)
{
    return chunk("LIST", type + contents);
}

inline QByteArray streamList(const QByteArray &kind, quint32 scale, quint32 rate, const QByteArray &format)
{
    QByteArray strh = kind + QByteArray("\0\0\0\0", 4);
    putU32(strh, 0); // flags
    putU32(strh, 0); // priority, language
    putU32(strh, 0); // initial frames
    putU32(strh, scale);
    putU32(strh, rate);
    for (int i = 0; i < 6; ++i)
        putU32(strh, 0);
    return list("strl", chunk("strh", strh) + chunk("strf", format));
}

inline QByteArray buildAvi(const AviLayout &s)
{
    QByteArray avih;
    putU32(avih, s.usPerFrame);
    for (int i = 0; i < 3; ++i)
        putU32(avih, 0);
    putU32(avih, quint32(s.frames.size()));
    putU32(avih, 0);
    putU32(avih, s.audioStreamFirst ? 2 : 1);
    putU32(avih, 0);
    putU32(avih, quint32(s.width));
    putU32(avih, quint32(s.height < 0 ? -s.height : s.height));
    for (int i = 0; i < 4; ++i)
        putU32(avih, 0);

    QByteArray bih;
    putU32(bih, 40);
    putU32(bih, quint32(s.width));
    putU32(bih, quint32(s.height));
    putU16(bih, 1);
    putU16(bih, quint32(s.bitCount));
    bih += s.compression;
    for (int i = 0; i < 3; ++i)
        putU32(bih, 0);
    putU32(bih, s.colorsUsed);
    putU32(bih, 0);
    for (quint32 c : s.palette) {
        bih.append(char(c & 0xff));
        bih.append(char((c >> 8) & 0xff));
        bih.append(char((c >> 16) & 0xff));
        bih.append('\0');
    }

    QByteArray headers = chunk("avih", avih);
    if (s.audioStreamFirst)
        headers += streamList("auds", 1, 8000, QByteArray(18, '\0'));
    headers += streamList("vids", s.scale, s.rate, bih);

    QByteArray movi;
    for (const QByteArray &f : s.frames) {
        QByteArray c = chunk(s.chunkId, f);
        if (s.audioStreamFirst)
            c = chunk("00wb", QByteArray(7, '\x55')) + c;
        movi += s.recordList ? list("rec ", c) : c;
    }
    return chunk("RIFF", "AVI " + list("hdrl", headers) + list("movi", movi));
}

// One picture of `rows` rows, each of `rowBytes` meaningful bytes padded to four.
inline QByteArray rowsPadded(const QList<QByteArray> &rows)
{
    QByteArray out;
    for (const QByteArray &row : rows) {
        out += row;
        out += QByteArray((4 - row.size() % 4) % 4, '\0');
    }
    return out;
}

inline QByteArray bgr(std::uint32_t rgb)
{
    QByteArray b;
    b.append(char(rgb & 0xff));
    b.append(char((rgb >> 8) & 0xff));
    b.append(char((rgb >> 16) & 0xff));
    return b;
}
