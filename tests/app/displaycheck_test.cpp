// The check for a display before Qt starts: which settings end the start with one line,
// and which are left to Qt.
#include "app/displaycheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using trevisto::DisplaySetting;
using trevisto::MissingDisplayMessage;

TEST(DisplayCheck, EndsOnlyAStartThatHasNoDisplayToDrawOn)
{
    struct Case {
        const char *what;
        DisplaySetting setting;
        bool xAnswers;
        const char *why; // nullptr: the start goes on
    } cases[] = {
        {"nothing set", {"", "", ""}, true, "DISPLAY is not set"},
        {"an X server that answers", {"", ":0", ""}, true, nullptr},
        {"an X server that does not answer", {"", ":5", ""}, false, "the display \":5\" cannot be reached"},
        {"a Wayland session", {"", "", "wayland-0"}, false, nullptr},
        {"X asked for, only Wayland there", {"xcb", "", "wayland-0"}, true, "DISPLAY is not set"},
        {"X with options", {"xcb:nograb", ":1", ""}, true, nullptr},
        {"Wayland asked for, none there", {"wayland", ":0", ""}, true, "WAYLAND_DISPLAY is not set"},
        {"Wayland, else X", {"wayland;xcb", ":0", ""}, true, nullptr},
        {"Wayland, else an X that does not answer", {"wayland-egl;xcb", ":0", ""}, false,
         "the display \":0\" cannot be reached"},
        {"offscreen, as the tests run it", {"offscreen", "", ""}, false, nullptr},
        {"a frame buffer", {"linuxfb", "", ""}, false, nullptr},
        {"X, else offscreen", {"xcb;offscreen", "", ""}, false, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> tried;
        const auto connects = [&](const std::string &display) {
            tried.push_back(display);
            return c.xAnswers;
        };
        const std::optional<std::string> line = MissingDisplayMessage(c.setting, connects, "trevisto");
        if (!c.why) {
            EXPECT_FALSE(line.has_value()) << *line;
            continue;
        }
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(*line, std::string("trevisto: no display to show the window on (") + c.why +
                             "); without one, start it as: xvfb-run -a trevisto");
        EXPECT_EQ(line->find('\n'), std::string::npos);
        // Only a display that is set is tried.
        for (const std::string &display : tried)
            EXPECT_EQ(display, c.setting.x11Display);
    }
}

TEST(DisplayCheck, NamesTheProgramAsItWasStartedAndReadsThePlatformArgument)
{
    // Run by the test binary, whose environment is offscreen: only the argument can ask
    // for X here, and its display is then read from the environment.
    const std::string saved = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    ::unsetenv("DISPLAY");
    struct Case {
        std::vector<std::string> args;
        const char *named; // nullptr: the start goes on
    } cases[] = {
        {{"build/bin/trevisto"}, nullptr},
        {{"build/bin/trevisto", "-platform", "xcb"}, "build/bin/trevisto"},
        {{"/usr/local/libexec/trevisto/trevisto", "--platform", "xcb"}, "trevisto"},
        {{"./trevisto", "-platform", "offscreen", "song.mp3"}, nullptr},
    };
    for (const Case &c : cases) {
        std::vector<char *> argv;
        for (const std::string &arg : c.args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        const std::optional<std::string> line = MissingDisplayMessage(int(argv.size()), argv.data());
        if (!c.named) {
            EXPECT_FALSE(line.has_value()) << c.args.front();
            continue;
        }
        ASSERT_TRUE(line.has_value()) << c.args.front();
        EXPECT_EQ(line->substr(0, line->find(':')), c.named);
        EXPECT_TRUE(line->ends_with(std::string("xvfb-run -a ") + c.named)) << *line;
    }
    if (!saved.empty())
        ::setenv("DISPLAY", saved.c_str(), 1);
}

} // namespace
