#include "app/window/endquestion.h"

#include <gtest/gtest.h>

namespace {

TEST(EndQuestionTest, TheSecondLineNamesWhatTheEndDeletesAndStops)
{
    const QString ask = QStringLiteral("Are You Sure Want to Exit");
    const QString mp3 = QStringLiteral("\"/m/out.mp3\" is still being written and will not be finished.");
    const struct {
        int clips;
        std::optional<QString> unfinished;
        QString question;
    } cases[] = {
        {0, std::nullopt, ask},
        // One clip stays when the program ends: only a list of two or more is deleted.
        {1, std::nullopt, ask},
        {2, std::nullopt, ask + "\r\nAll 2 clip files of the list will be deleted."},
        {17, std::nullopt, ask + "\r\nAll 17 clip files of the list will be deleted."},
        {1, QStringLiteral("/m/out.mp3"), ask + "\r\n" + mp3},
        {3, QStringLiteral("/m/out.mp3"), ask + "\r\nAll 3 clip files of the list will be deleted. " + mp3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(trevisto::EndQuestion(c.clips, c.unfinished), c.question)
            << c.clips << " clips, " << c.unfinished.value_or("none").toStdString();
}

} // namespace
