// Marks typed to the millisecond: the forms a time may take, and what is refused while it
// is typed, keystroke by keystroke.
#include "editor/typedmark.h"

#include <gtest/gtest.h>

namespace {

using trevisto::CheckTypedMark;
using trevisto::TypedMark;
using trevisto::TypedTime;
using V = TypedMark::Verdict;

TEST(TypedMark, ReadsEveryShorterFormOfAClockTime)
{
    const struct {
        const char *text;
        std::optional<int64_t> ms;
    } cases[] = {
        {"00:00:12.005", 12005},  {"01:02:03.004", 3723004}, {"12.005", 12005}, {"12", 12000},
        {"1:05.25", 65250},       {"1:05.2", 65200},         {"0:00.001", 1},   {" 3:00 ", 180000},
        {"100:00:00", 360000000}, {"90", 90000},             {"12.", std::nullopt}, {"1:", std::nullopt},
        {"1:5", std::nullopt},    {"", std::nullopt},        {"1:60", std::nullopt}, {"1:60:00", std::nullopt},
        {"12.0005", std::nullopt}, {"1:2:3:4", std::nullopt}, {"a", std::nullopt},  {"1::5", std::nullopt},
        {"-1", std::nullopt},     {"1.5:00", std::nullopt},  {"1234567", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TypedTime(QString::fromLatin1(c.text)), c.ms) << c.text;
}

TEST(TypedMark, TooLateIsRefusedAtOnceAndTooEarlyWaits)
{
    // A sound of 30.5 s with Mark In at 10 s and Mark Out at 20 s.
    const int64_t length = 30500, markIn = 10000, markOut = 20000;
    const struct {
        const char *text;
        bool in;
        V verdict;
        int64_t ms;
    } cases[] = {
        {"", true, V::Partial, 0},
        {"5", true, V::Fine, 5000},
        {"00:00:20.000", true, V::Fine, 20000},    // Mark In may reach Mark Out
        {"00:00:20.001", true, V::TooLate, 20001}, // but not pass it
        {"21", true, V::TooLate, 21000},
        {"3", false, V::TooEarly, 3000},           // "3" may still become "30"
        {"30", false, V::Fine, 30000},
        {"30.5", false, V::Fine, 30500},           // the end itself
        {"30.501", false, V::TooLate, 30501},
        {"31", false, V::TooLate, 31000},
        {"1:", false, V::TooLate, 60000},          // a minute is already past the end
        {"00:00:1", false, V::Partial, 1000},
        {"00:00:09", false, V::TooEarly, 9000},    // complete, and before Mark In
        {"0:09.999", false, V::TooEarly, 9999},
        {"00:00:10.000", false, V::Fine, 10000},   // Mark Out may be Mark In
        {"00:00:1x", false, V::Unreadable, 0},
    };
    for (const auto &c : cases) {
        const TypedMark m = CheckTypedMark(QString::fromLatin1(c.text), c.in, c.in ? markOut : markIn, length);
        EXPECT_EQ(m.verdict, c.verdict) << c.text << (c.in ? " as Mark In" : " as Mark Out");
        if (m.verdict != V::Unreadable) {
            EXPECT_EQ(m.ms, c.ms) << c.text;
        }
    }
    // Mark Out at exactly Mark In is a point, and fine.
    EXPECT_EQ(CheckTypedMark("10", false, markIn, length).verdict, V::Fine);
}

TEST(TypedMark, WhatIsTypedSoFarNeverExceedsWhereItEnds)
{
    // Refusing a keystroke as too late is sound only if every text it can grow into is
    // later still: check that along the typing of several times.
    for (const char *full : {"00:00:12.005", "1:05.25", "12.5", "100:00:00.001", "0:59.999"}) {
        const QString text = QString::fromLatin1(full);
        const int64_t end = *TypedTime(text);
        for (qsizetype n = 0; n <= text.size(); ++n) {
            const TypedMark m = CheckTypedMark(text.left(n), true, end, end);
            EXPECT_NE(m.verdict, V::Unreadable) << full << " after " << n;
            EXPECT_NE(m.verdict, V::TooLate) << full << " after " << n;
            EXPECT_LE(m.ms, end) << full << " after " << n;
        }
    }
}

} // namespace
