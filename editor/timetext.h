#pragma once
// The one rule by which times become "hh:mm:ss" text and positions become whole seconds,
// and the reading of typed Goto times.

#include <QString>

#include <cstdint>
#include <optional>

// Nearest whole number, an exact half to the even one (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// "hh:mm:ss" for a number of seconds; past 99 hours the hours take more digits.
QString ClockText(double seconds);

// "hh:mm:ss.mmm" for a number of milliseconds, negative ones as 0.
QString MillisecondText(int64_t milliseconds);

// "hh:mm:ss / hh:mm:ss" of a player's position and length in milliseconds.
QString PositionText(int64_t positionMs, int64_t lengthMs);

// Whole seconds of a position in milliseconds, rounded as ClockText rounds.
int32_t WholeSeconds(int64_t milliseconds);

// The number a typed text begins with: leading blanks, an optional sign, digits and an
// optional decimal point; 0 when the text does not begin with a number.
double LeadingNumber(const QString &text);

// The Goto target in milliseconds for typed hours, minutes and seconds, or nothing when a
// part or the sum does not fit a signed 32-bit count of milliseconds.
std::optional<int32_t> GotoTarget(const QString &hours, const QString &minutes, const QString &seconds);
