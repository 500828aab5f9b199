#include "editor/typedmark.h"

#include <QStringList>

namespace trevisto {

namespace {

// Longer would overflow nothing, but no sound here lasts a million hours.
constexpr int kMostLeadingDigits = 6;

bool allDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

struct Reading {
    bool readable = false, complete = false;
    int64_t ms = 0;
};

Reading read(const QString &typed)
{
    const QString text = typed.trimmed();
    Reading r;
    if (text.isEmpty()) {
        r.readable = true;
        return r;
    }
    const QStringList parts = text.split(':');
    if (parts.size() > 3)
        return r;
    QString last = parts.back(), fraction;
    bool point = false;
    if (const qsizetype dot = last.indexOf('.'); dot >= 0) {
        fraction = last.mid(dot + 1);
        last = last.left(dot);
        point = true;
        if (fraction.size() > 3 || !allDigits(fraction))
            return r;
    }
    int64_t total = 0;
    bool complete = !point || !fraction.isEmpty();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = i + 1 == parts.size() ? last : parts[i];
        if (!allDigits(part))
            return r;
        if (part.isEmpty()) {
            // "1:" waits for its seconds; ":5" or "1::" never reads.
            if (i + 1 != parts.size() || point)
                return r;
            // What is typed so far reads as the whole minutes (or hours) it already gives.
            complete = false;
            total *= 60;
            continue;
        }
        const bool leading = i == 0;
        if (part.size() > (leading ? kMostLeadingDigits : 2))
            return r;
        const int64_t value = part.toLongLong();
        if (!leading && value >= 60)
            return r;
        total = total * 60 + value;
    }
    // Seconds after a colon have two digits once complete.
    if (parts.size() > 1 && last.size() == 1 && !point)
        complete = false;
    r.readable = true;
    r.complete = complete;
    r.ms = total * 1000 + (fraction.isEmpty() ? 0 : fraction.leftJustified(3, '0').toLongLong());
    return r;
}

} // namespace

std::optional<int64_t> TypedTime(const QString &text)
{
    const Reading r = read(text);
    if (!r.readable || !r.complete)
        return std::nullopt;
    return r.ms;
}

TypedMark CheckTypedMark(const QString &text, bool markIn, int64_t other, int64_t lengthMs)
{
    using V = TypedMark::Verdict;
    const Reading r = read(text);
    if (!r.readable)
        return {V::Unreadable, 0};
    // What is typed so far is the least the time can still become.
    if (r.ms > lengthMs || (markIn && r.ms > other))
        return {V::TooLate, r.ms};
    if (!r.complete)
        return {V::Partial, r.ms};
    if (!markIn && r.ms < other)
        return {V::TooEarly, r.ms};
    return {V::Fine, r.ms};
}

} // namespace trevisto
