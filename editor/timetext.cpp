#include "editor/timetext.h"

#include <algorithm>
#include <cmath>
#include <limits>

double RoundHalfEven(double value)
{
    // The default rounding mode of the floating-point unit is to nearest, ties to even.
    return std::nearbyint(value);
}

QString ClockText(double seconds)
{
    if (!std::isfinite(seconds))
        seconds = 0;
    const double rounded = RoundHalfEven(seconds);
    // Time texts are never negative here; clamp rather than print a minus sign.
    const int64_t n = rounded <= 0 ? 0 : rounded >= 9.2e18 ? int64_t(9.2e18) : static_cast<int64_t>(rounded);
    // A long low-rate WAV can pass a day; its hours go on counting rather than wrap.
    const int64_t hours = n / 3600;
    const int64_t minutes = (n / 60) % 60;
    const int64_t secs = n % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QChar('0'))
        .arg(minutes, 2, 10, QChar('0'))
        .arg(secs, 2, 10, QChar('0'));
}

QString PositionText(int64_t positionMs, int64_t lengthMs)
{
    return ClockText(positionMs / 1000.0) + " / " + ClockText(lengthMs / 1000.0);
}

QString MillisecondText(int64_t milliseconds)
{
    const int64_t n = std::max<int64_t>(milliseconds, 0);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(n / 3600000, 2, 10, QChar('0'))
        .arg(n / 60000 % 60, 2, 10, QChar('0'))
        .arg(n / 1000 % 60, 2, 10, QChar('0'))
        .arg(n % 1000, 3, 10, QChar('0'));
}

int32_t WholeSeconds(int64_t milliseconds)
{
    return static_cast<int32_t>(RoundHalfEven(static_cast<double>(milliseconds) / 1000.0));
}

double LeadingNumber(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    QString number;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool digits = false, point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

static std::optional<int32_t> toMilliseconds(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::optional<int32_t> GotoTarget(const QString &hours, const QString &minutes, const QString &seconds)
{
    const auto h = toMilliseconds(LeadingNumber(hours) * 1000.0 * 60.0 * 60.0);
    const auto m = toMilliseconds(LeadingNumber(minutes) * 1000.0 * 60.0);
    const auto s = toMilliseconds(LeadingNumber(seconds) * 1000.0);
    if (!h || !m || !s)
        return std::nullopt;
    const int64_t sum = int64_t(*h) + *m + *s;
    if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(sum);
}
