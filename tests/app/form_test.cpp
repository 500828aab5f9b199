#include "window_fixture.h"

#include "settings/controltexts.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QGroupBox>
#include <QLabel>

#include <map>

namespace {

struct Place {
    const char *name;
    const char *container; // "" for the client area
    int left, top, width, height; // twips
};

// The design in twips, relative to each control's container.
const Place kPlaces[] = {
    {"Frame9", "", 120, 120, 9255, 1695},      {"Frame5", "", 240, 360, 2775, 1335},
    {"lblTime", "Frame5", 120, 600, 390, 195}, {"lblAudio", "Frame5", 720, 600, 1575, 255},
    {"Frame2", "", 3240, 360, 3135, 1335},     {"Frame4", "", 6600, 360, 2655, 1335},
    {"Label1", "Frame4", 360, 240, 615, 255},  {"Label2", "Frame4", 1080, 240, 615, 255},
    {"Label3", "Frame4", 1800, 240, 615, 255}, {"cmbHH", "", 6840, 840, 615, 315},
    {"CmbMM", "", 7560, 840, 615, 315},        {"CmbSS", "", 8280, 840, 615, 315},
    {"CmdGoto", "", 8280, 1200, 735, 375},     {"Frame11", "", 8640, 1800, 735, 1575},
    {"Knob1", "Frame11", 120, 840, 495, 615},  {"Frame6", "", 120, 1800, 8415, 1575},
    {"Slider1", "", 240, 2040, 8175, 495},     {"CmdBack", "Frame6", 1560, 960, 975, 495},
    {"CmdPlay", "Frame6", 2640, 960, 975, 495}, {"CmdStop", "Frame6", 3720, 960, 975, 495},
    {"CmdPause", "Frame6", 4800, 960, 975, 495}, {"CmdStep", "Frame6", 5880, 960, 975, 495},
    {"Frame7", "", 120, 3600, 9255, 2655},     {"Frame8", "Frame7", 2520, 120, 3495, 2415},
    {"Txtin", "Frame8", 240, 960, 975, 375},   {"TxtOut", "Frame8", 1920, 960, 975, 375},
    {"CmdSetin", "", 3000, 4080, 855, 495},    {"CmdOut", "", 4680, 4080, 855, 495},
    {"CmdSetNew", "", 5040, 5160, 735, 855},   {"Frame1", "", 480, 4320, 1935, 1575},
    {"CmdSaveas", "", 6720, 4920, 975, 495},
    {"Option5", "Frame1", 240, 1200, 1440, 300},   {"Frame3", "", 6240, 3720, 2895, 2415},
    {"Label4", "Frame3", 480, 240, 2055, 255}, {"CmdPlayTemp", "Frame3", 480, 600, 975, 495},
    {"CmdStopTemp", "Frame3", 1680, 600, 975, 495}, {"Command3", "Frame3", 1680, 1200, 975, 495},
    {"CdmEnd", "Frame3", 480, 1800, 975, 495}, {"CmdaddList", "Frame3", 1680, 1800, 975, 495},
    {"Frame10", "", 9480, 120, 2535, 6135},    {"List1", "", 9600, 360, 2295, 2985},
    {"CmdPlayList", "Frame10", 120, 3360, 855, 495}, {"CmdStopList", "", 9600, 3480, 855, 495},
    {"CmdUp", "", 10800, 3480, 495, 495},      {"CmdDown", "", 11400, 3480, 495, 495},
    {"Command5", "", 9600, 4080, 2295, 495},   {"Command4", "", 9600, 4680, 2295, 495},
    {"Command2", "", 9600, 5280, 2295, 375},   {"CmdCreate", "", 9600, 5760, 2295, 375},
};

class Form : public WindowFixture {};

TEST_F(Form, EveryControlSitsAtItsPlaceInItsContainer)
{
    frmWriteWave &w = makeWindow();
    EXPECT_EQ(w.centralWidget()->size(), QSize(808, 423));
    for (const Place &p : kPlaces) {
        SCOPED_TRACE(p.name);
        auto *widget = w.findChild<QWidget *>(p.name);
        ASSERT_NE(widget, nullptr);
        const QString container = widget->parentWidget()->objectName();
        EXPECT_EQ(container, *p.container ? QString(p.container) : QString("centralwidget"));
        EXPECT_EQ(widget->geometry(), QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15));
    }
}

// From the design size up, the window grows without a control leaving the frame it sits in
// at the design size or running into another one; the close view shows once there is room,
// above the Time Frame, 1400 px wide on a 1600 × 900 screen.
TEST_F(Form, AtEverySizeEachControlStaysInItsFrameAndNoneOverlap)
{
    frmWriteWave &w = makeWindow();
    w.show();
    QWidget *client = w.centralWidget();
    const QSize window = w.size();
    QList<QWidget *> frames, controls;
    for (QWidget *c : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        (qobject_cast<QGroupBox *>(c) ? frames : controls) << c;
    const QSize design = client->size();
    // Each control's frame: the smallest one around it at the design size.
    std::map<QWidget *, QWidget *> frameOf;
    for (QWidget *c : controls) {
        for (QWidget *f : frames)
            if (f->geometry().contains(c->geometry()) &&
                (!frameOf[c] || frameOf[c]->geometry().contains(f->geometry())))
                frameOf[c] = f;
    }
    auto *view = w.findChild<QWidget *>("CloseView1");
    ASSERT_NE(view, nullptr);

    for (const QSize extra : {QSize(0, 0), QSize(1, 1), QSize(0, 170), QSize(300, 0), QSize(792, 459), QSize(1111, 77)}) {
        SCOPED_TRACE(testing::Message() << "+" << extra.width() << "x" << extra.height());
        w.resize(window + extra);
        QCoreApplication::processEvents();
        ASSERT_EQ(client->size(), design + extra);
        EXPECT_EQ(view->isVisibleTo(&w), extra.height() >= 46);
        if (view->isVisibleTo(&w)) {
            EXPECT_LT(view->geometry().bottom(), ui(w)->Frame6->y());
        }
        for (QWidget *c : controls) {
            SCOPED_TRACE(c->objectName().toStdString());
            if (c->y() >= client->height()) {
                EXPECT_TRUE(c->isHidden() || c->y() >= design.height() + extra.height()) << "stays below the client";
                continue;
            }
            EXPECT_TRUE(client->rect().contains(c->geometry()));
            if (QWidget *f = frameOf[c]) {
                EXPECT_TRUE(f->geometry().contains(c->geometry())) << "in " << f->objectName().toStdString();
            }
            for (QWidget *other : controls) {
                if (other != c && !other->isHidden() && !c->isHidden() && other->y() < client->height() &&
                    (other != view || view->isVisibleTo(&w)) && (c != view || view->isVisibleTo(&w))) {
                    EXPECT_FALSE(c->geometry().intersects(other->geometry())) << other->objectName().toStdString();
                }
            }
        }
        // Controls inside the frames stay inside them too.
        for (QWidget *f : frames) {
            for (QWidget *c : f->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(f->rect().contains(c->geometry()))
                    << c->objectName().toStdString() << " in " << f->objectName().toStdString();
            }
        }
        if (extra == QSize(792, 459)) {
            EXPECT_GE(view->width(), 1400) << "the extra width goes to the view";
        }
    }
    w.resize(window);
    QCoreApplication::processEvents();
    for (const Place &p : kPlaces) {
        auto *widget = w.findChild<QWidget *>(p.name);
        EXPECT_EQ(widget->geometry(), QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15)) << p.name;
    }
}

TEST_F(Form, TheBarsRunInThreeRows)
{
    frmWriteWave &w = makeWindow();
    const int lefts[] = {120, 600, 1080, 1560, 2040, 2520};
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(Shape1(w)[i], nullptr);
        EXPECT_EQ(Shape1(w)[i]->parentWidget(), ui(w)->Frame2);
        const int row = i / 6, column = i % 6;
        const int left = row == 2 ? lefts[5 - column] : lefts[column];
        const int top = row == 0 ? 600 : row == 1 ? 960 : 240;
        EXPECT_EQ(Shape1(w)[i]->geometry(), QRect(left / 15, top / 15, 25, 17));
    }
}

TEST_F(Form, ControlsOverFramesTakeTheClicks)
{
    frmWriteWave &w = makeWindow();
    w.show();
    QWidget *client = w.centralWidget();
    for (QWidget *c : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QGroupBox *>(c) || c->isHidden() || c->y() >= client->height())
            continue;
        SCOPED_TRACE(c->objectName().toStdString());
        QWidget *hit = client->childAt(c->geometry().center());
        ASSERT_NE(hit, nullptr);
        EXPECT_TRUE(hit == c || c->isAncestorOf(hit)) << "hit " << hit->objectName().toStdString();
    }
}

TEST_F(Form, CaptionsAndMenusAreTheDesignOnes)
{
    frmWriteWave &w = makeWindow();
    EXPECT_EQ(w.windowTitle(), "Trevisto MP3 Editor");
    EXPECT_EQ(ui(w)->Frame5->title(), "      Currently/Total");
    EXPECT_EQ(ui(w)->Frame8->title(), "      Mp3 Segment");
    EXPECT_EQ(ui(w)->Frame1->title(), "        MP3 Kbit/s");
    EXPECT_EQ(ui(w)->Frame6->title(), "Time Frame");
    EXPECT_EQ(ui(w)->CmdSetin->text(), "Mark In");
    EXPECT_EQ(ui(w)->CmdOut->text(), "Mark out");
    EXPECT_EQ(ui(w)->CmdSetNew->text(), "Set");
    EXPECT_EQ(ui(w)->Txtin->text(), "00:00:00");
    EXPECT_EQ(ui(w)->btnConvert->text(), "Convert to \"BASS.WAV\"");
    EXPECT_TRUE(ui(w)->btnConvert->isHidden());
    EXPECT_FALSE(ui(w)->btnConvert->isEnabled());
    EXPECT_GE(ui(w)->btnLoadFile->y(), 423) << "below the client area";
    EXPECT_GE(ui(w)->lblPos->y(), 423);
    EXPECT_TRUE(ui(w)->Option3->isChecked());
    EXPECT_FALSE(ui(w)->CmdPlay->icon().isNull()) << "picture buttons show a picture";

    auto captions = [](const QList<QAction *> &actions) {
        QStringList out;
        for (QAction *a : actions)
            out << a->text();
        return out;
    };
    EXPECT_EQ(captions(w.menuBar()->actions()), (QStringList{"&File", "&Edit", "&Tracks", "&Open", "O&ption", "&Help"}));
    EXPECT_FALSE(ui(w)->opt1->menuAction()->isVisible()) << "shown by start-up, not by the form";
    EXPECT_EQ(captions(ui(w)->File->actions()), QStringList{"Exit"});
    EXPECT_EQ(captions(ui(w)->Edit->actions()), (QStringList{"Undo", "Redo"}));
    for (QAction *a : ui(w)->Edit->actions())
        EXPECT_FALSE(a->isEnabled()) << "nothing to undo yet";
    EXPECT_EQ(ui(w)->EditUndo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(ui(w)->EditRedo->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
    EXPECT_EQ(captions(ui(w)->Fopen->actions()), (QStringList{"Open Wav", "Open Mp3", "Open Ogg", "Open AIFF", "Open Cue sheet"}));
    EXPECT_EQ(captions(ui(w)->Tracks->actions()),
              (QStringList{"Find pauses...", "Split every N minutes...", "", "Add split point", "Remove split point",
                           "Clear split points", "", "Add tracks as clips...", "", "Write a cue sheet beside each join"}));
    EXPECT_TRUE(ui(w)->TracksCueBesideJoins->isCheckable());
    EXPECT_EQ(ui(w)->TracksFindPauses->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(ui(w)->TracksAddPoint->shortcut(), QKeySequence("K"));
    EXPECT_EQ(captions(ui(w)->opt1->actions()),
              (QStringList{"&Language", "", "Ask for tags when saving", "", "&Join options...", "&Hear the joint"}));
    EXPECT_TRUE(ui(w)->OptionAskTags->isCheckable());
    EXPECT_FALSE(ui(w)->OptionAskTags->toolTip().isEmpty());
    const QAction *hear = w.findChild<QAction *>(QStringLiteral("HearJoint"));
    ASSERT_TRUE(hear);
    EXPECT_EQ(hear->shortcut(), QKeySequence("Ctrl+J"));
    EXPECT_TRUE(hear->toolTip().contains("Ctrl+J"));
    EXPECT_EQ(captions(ui(w)->language->actions()),
              (QStringList{"English", "French", "German", "Italian", "S. Chinese", "T.Chinese", "Spanish", "Russian"}));
    EXPECT_EQ(captions(ui(w)->help->actions()), QStringList{"About Trevisto Mp3 Editor"});
    for (QAction *a : ui(w)->language->actions()) {
        SCOPED_TRACE(a->text().toStdString());
        EXPECT_EQ(a->isChecked(), a == ui(w)->english);
        EXPECT_EQ(a->isEnabled(), a != ui(w)->french);
    }
}

} // namespace

// What a screen reader announces: every control by a name, a picture button also by what
// it does; and Tab visits the controls in reading order.
TEST_F(Form, EveryControlIsNamedAndTabFollowsTheReadingOrder)
{
    frmWriteWave &w = makeWindow();
    int walked = 0;
    for (QWidget *control : w.findChildren<QWidget *>()) {
        if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QComboBox *>(control) &&
            !qobject_cast<QAbstractSlider *>(control) && !qobject_cast<QAbstractItemView *>(control) &&
            !qobject_cast<QLineEdit *>(control))
            continue;
        if (control->parent() && qobject_cast<QComboBox *>(control->parentWidget()))
            continue; // a combo box's own parts
        // Qt's own parts (scroll bars, the menu bar's extension) are named by Qt.
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
            continue;
        ++walked;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(a, nullptr) << control->objectName().toStdString();
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << control->objectName().toStdString();
        const auto *tool = qobject_cast<QToolButton *>(control);
        if (tool && tool->text().isEmpty()) {
            EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << control->objectName().toStdString();
            EXPECT_FALSE(tool->toolTip().isEmpty()) << control->objectName().toStdString();
        }
    }
    EXPECT_GE(walked, 30);
    EXPECT_NE(ui(w)->Command4->accessibleName(), ui(w)->Command5->accessibleName());

    QStringList chain;
    QWidget *first = w.findChild<QWidget *>(QLatin1String(trevisto::tabOrder().front()));
    ASSERT_NE(first, nullptr);
    QWidget *at = first;
    do {
        chain << at->objectName();
        at = at->nextInFocusChain();
    } while (at && at != first && chain.size() < 1000);
    QStringList expected;
    for (const char *name : trevisto::tabOrder())
        expected << QString::fromLatin1(name);
    QStringList listed;
    for (const QString &name : chain)
        if (expected.contains(name))
            listed << name;
    EXPECT_EQ(listed, expected);
}
