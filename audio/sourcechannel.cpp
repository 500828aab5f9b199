#include "audio/sourcechannel.h"

DWORD OpenSourceChannel(const BassLibrary &bass, const QString &path)
{
    const QByteArray path8 = path.toLocal8Bit();
    DWORD chan = bass.StreamCreateFile(0, path8.constData(), 0, 0, BASS_STREAM_DECODE);
    if (chan == 0)
        chan = bass.StreamCreateURL(path8.constData(), 0, BASS_STREAM_DECODE | BASS_STREAM_BLOCK, nullptr, nullptr);
    if (chan == 0)
        chan = bass.MusicLoad(0, path8.constData(), 0, 0, BASS_STREAM_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP, 0);
    return chan;
}
