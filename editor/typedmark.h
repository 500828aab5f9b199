#pragma once
// A mark typed to the millisecond: the text read as hh:mm:ss.mmm or any shorter form of it
// ("1:05.25", "65.25", "90"), and judged against the sound and the other mark while it is
// typed. Typing goes left to right, so a text that is already too late can only grow later:
// that keystroke is refused. One that is too early may still become right and waits.

#include <QString>

#include <cstdint>
#include <optional>

namespace trevisto {

// The milliseconds of a complete text; nothing for a partial or unreadable one.
std::optional<int64_t> TypedTime(const QString &text);

struct TypedMark {
    enum class Verdict {
        Unreadable, // no time and no start of one
        Partial,    // a time may still follow ("", "1:", "12.")
        TooEarly,   // Mark Out before Mark In
        TooLate,    // past the end, or Mark In past Mark Out
        Fine,
    };
    Verdict verdict = Verdict::Unreadable;
    int64_t ms = 0;
};

// `markIn` is true for Mark In; `other` is the other mark.
TypedMark CheckTypedMark(const QString &text, bool markIn, int64_t other, int64_t lengthMs);

} // namespace trevisto
