#include "platform/mp3frames/framecutter.h"

namespace trevisto::mp3frames {

bool FrameCutter::feed(const unsigned char *data, size_t bytes, const Sink &sink)
{
    // Frames that lie whole in `data` go out from there; only a piece of one is kept.
    const unsigned char *from = data;
    size_t left = bytes;
    if (!pending_.empty()) {
        pending_.insert(pending_.end(), data, data + bytes);
        from = pending_.data();
        left = pending_.size();
    }
    size_t at = 0;
    bool ok = true;
    while (left - at >= 4) {
        const auto h = FrameHeader::parse(from + at);
        if (!h || h->frameBytes() == 0) {
            ok = false;
            break;
        }
        if (h->frameBytes() > left - at)
            break;
        if (!sink(from + at, *h)) {
            ok = false;
            break;
        }
        at += h->frameBytes();
    }
    if (!ok) {
        pending_.clear();
        return false;
    }
    if (from == data)
        pending_.assign(data + at, data + bytes);
    else
        pending_.erase(pending_.begin(), pending_.begin() + long(at));
    return true;
}

} // namespace trevisto::mp3frames
