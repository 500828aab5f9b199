#include "editor/loadedsound.h"

std::optional<Mp3Origin> LoadedSound::originOf(int64_t first, int64_t last) const
{
    if (!mp3 || last <= first)
        return std::nullopt;
    return Mp3Origin{*mp3, first, last};
}
