// Hover pictures on the real window, driven by pointer moves delivered to it as the window
// system delivers them; and the captions that share the buttons with their pictures.
#include "app/window_fixture.h"
#include "settings/registry_settings.h"
#include "ui/hovertable.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <set>

namespace {

// The rule itself, without a window.
TEST(HoverRule, ButtonsLightAfterTheResetAndFramesOnlyReset)
{
    struct Case {
        const char *target;
        bool reset;
        int lit; // picture number, 0: none
    };
    const Case cases[] = {
        {"CmdPlay", true, 2},   {"CmdPlayList", true, 2}, {"CmdStopList", true, 3}, {"CmdSetNew", true, 15},
        {"Command2", true, 14}, {"Frame6", true, 0},      {"Frame10", true, 0},     {"Frame3", true, 0},
        {"Frame7", false, 0},   {"CmdGoto", false, 0},    {"CmdaddList", false, 0}, {"List1", false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.target);
        const hover::Action action = hover::onPointerMove(c.target);
        EXPECT_EQ(action.reset, c.reset);
        EXPECT_EQ(action.lit ? action.lit->picture : 0, c.lit);
        if (action.lit) {
            EXPECT_EQ(action.lit->name, c.target);
        }
    }
    int reset = 0;
    for (const hover::Button &b : hover::Buttons)
        reset += b.reset;
    EXPECT_EQ(reset, 19);
    EXPECT_FALSE(hover::button("CmdPlayList")->reset);
    EXPECT_FALSE(hover::button("CmdStopList")->reset);
}

class Hover : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        installLibrary(FAKEBASS_PATH);
        ASSERT_TRUE(start());
        window_->show();
    }

    QAbstractButton *button(const char *name) const { return window_->findChild<QAbstractButton *>(name); }

    // Moves the pointer to `at` in `over` (its centre by default), through the window.
    void moveTo(const char *name, QPoint at = {-1, -1})
    {
        auto *over = window_->findChild<QWidget *>(name);
        ASSERT_NE(over, nullptr) << name;
        const QPointF local = over->mapTo(window_.get(), at.x() < 0 ? over->rect().center() : at);
        QMouseEvent move(QEvent::MouseMove, local, local, window_->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(window_->windowHandle(), &move);
    }

    // The buttons of the table showing their roll-over picture; fails on a button that
    // shows neither of its two pictures.
    std::set<std::string> lit() const
    {
        std::set<std::string> names;
        for (const hover::Button &b : hover::Buttons) {
            const qint64 key = button(std::string(b.name).c_str())->icon().cacheKey();
            if (key == ImageListRoll(*window_).ListImages(b.picture).cacheKey())
                names.insert(std::string(b.name));
            else
                EXPECT_EQ(key, ImageListNor(*window_).ListImages(b.picture).cacheKey()) << b.name;
        }
        return names;
    }
};

TEST_F(Hover, EveryButtonStartsWithItsNormalPicture)
{
    EXPECT_TRUE(lit().empty());
    EXPECT_TRUE(ImageListClick(*window_).count() == 0);
    EXPECT_FALSE(window_->windowIcon().isNull());
}

TEST_F(Hover, PointerMovesLightAndResetAsTheTableSays)
{
    // A point of each frame's own background, clear of every control on it.
    const QPoint background(20, 80);
    struct Step {
        const char *over;
        QPoint at;
    };
    struct Case {
        const char *story;
        std::vector<Step> moves;
        std::set<std::string> lit;
    };
    const Case cases[] = {
        {"play, then stop", {{"CmdPlay", {}}, {"CmdStop", {}}}, {"CmdStop"}},
        {"mark in, then the transport frame", {{"CmdSetin", {}}, {"Frame6", background}}, {}},
        {"list play, then play", {{"CmdPlayList", {}}, {"CmdPlay", {}}}, {"CmdPlayList", "CmdPlay"}},
        {"list stop survives its frame", {{"CmdStopList", {}}, {"Frame10", {20, 300}}}, {"CmdStopList"}},
        {"moves within one button", {{"CmdSetNew", {5, 5}}, {"CmdSetNew", {30, 40}}}, {"CmdSetNew"}},
        {"Goto takes no part", {{"CmdSaveas", {}}, {"CmdGoto", {}}}, {"CmdSaveas"}},
        {"a label is not the frame", {{"Command3", {}}, {"Label4", {}}}, {"Command3"}},
        {"nor is the frame of the marks", {{"CdmEnd", {}}, {"Frame7", {20, 20}}}, {"CdmEnd"}},
        {"the result frame resets", {{"CmdCreate", {}}, {"Frame3", {10, 100}}}, {}},
    };
    // Every button usable, as after a source and a cut result were loaded.
    for (const hover::Button &b : hover::Buttons)
        button(std::string(b.name).c_str())->setEnabled(true);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.story);
        // The list's stop button shows, over its play button, only while the list plays.
        const bool listPlays = std::any_of(c.moves.begin(), c.moves.end(),
                                           [](const Step &s) { return std::string(s.over) == "CmdStopList"; });
        button("CmdStopList")->setVisible(listPlays);
        // The list buttons stay lit once lit; only a new window starts them afresh.
        for (const char *listButton : {"CmdPlayList", "CmdStopList"})
            button(listButton)->setIcon(ImageListNor(*window_).ListImages(hover::button(listButton)->picture));
        moveTo("Frame6", background);
        for (const Step &s : c.moves)
            moveTo(s.over, s.at);
        EXPECT_EQ(lit(), c.lit);
    }
}

TEST_F(Hover, ADisabledButtonPassesTheMoveToItsFrame)
{
    // At start-up the transport buttons are disabled; the pointer over one of them is
    // over the transport frame, which resets.
    ASSERT_FALSE(button("CmdPlay")->isEnabled());
    // As with clips listed.
    button("Command5")->setEnabled(true);
    button("Command4")->setEnabled(true);
    moveTo("Command5");
    EXPECT_EQ(lit(), std::set<std::string>{"Command5"});
    moveTo("CmdPlay");
    EXPECT_TRUE(lit().empty());
    // A disabled button straight on the window has no frame to pass to: nothing changes.
    ASSERT_FALSE(button("CmdSetin")->isEnabled());
    moveTo("Command4");
    moveTo("CmdSetin");
    EXPECT_EQ(lit(), std::set<std::string>{"Command4"});
}

TEST_F(Hover, CaptionsFitTheirButtonsInEveryLanguage)
{
    const char *languages[][2] = {{"en", "english"},          {"fra", "french"},  {"ger", "german"},
                                  {"it", "italian"},          {"sch", "SimplifiedChinese"},
                                  {"tch", "TraditionalChinese"}, {"spa", "spanish"}, {"ru", "russian"}};
    for (const auto &[code, file] : languages)
        ASSERT_TRUE(QFile::copy(QStringLiteral(LANGUAGE_FILES_DIR "/%1.lng").arg(file),
                                QStringLiteral("%1/%2.lng").arg(programFolder_, file)));
    for (const auto &[code, file] : languages) {
        SCOPED_TRACE(file);
        RegWriteValue("SOFTWARE\\Trevisto", "Language", QString::fromLatin1(code), trevisto::registry::REG_SZ);
        window_->LoadLanguage();
        for (const char *name : {"CmdSetin", "CmdOut", "CmdSetNew"}) {
            SCOPED_TRACE(name);
            auto *b = window_->findChild<QToolButton *>(name);
            ASSERT_FALSE(b->text().isEmpty());
            EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            // The style draws a 2-pixel frame and gives the picture a band 4 pixels taller
            // than itself; the caption's ink must fit the face below that band.
            const QRect ink = QFontMetrics(b->font()).tightBoundingRect(b->text());
            EXPECT_LE(ink.width(), b->width() - 4);
            EXPECT_LE(ink.height(), b->height() - 4 - (b->iconSize().height() + 4));
            EXPECT_GE(b->iconSize().height(), 10) << "the picture is still a picture";
        }
    }
}

} // namespace
