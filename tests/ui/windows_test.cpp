// The wait window and the About box as the main window uses them.
#include "avibuilder.h"
#include "ui/AviPlayer.h"
#include "ui/Frmwait.h"
#include "ui/frmAbout.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Top-level widgets other than `except`, counting only visible ones when asked.
QList<QWidget *> otherWindows(const QWidget *except)
{
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != except && w->isVisible())
            out.append(w);
    return out;
}

int aboutBoxes()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<frmAbout *>(w) != nullptr;
    return n;
}

QByteArray tinyClip()
{
    AviLayout s;
    s.width = 2;
    s.height = 2;
    s.frames = {rowsPadded({bgr(0x3060a0) + bgr(0x3060a0), bgr(0x3060a0) + bgr(0x3060a0)}),
                rowsPadded({bgr(0xa0a0a0) + bgr(0xa0a0a0), bgr(0xa0a0a0) + bgr(0xa0a0a0)})};
    return buildAvi(s);
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

TEST(Frmwait, OpensTheClipAtFirstShowingOnly)
{
    QTemporaryDir folder;
    QFile clip(folder.filePath("loading.avi"));
    ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
    clip.write(tinyClip());
    clip.close();

    Frmwait wait(folder.path());
    EXPECT_EQ(wait.Label1->text(), QStringLiteral("Loading…"));
    for (const auto &[job, text] : {std::pair{Frmwait::Job::Copying, "Copying…"}, std::pair{Frmwait::Job::Joining, "Joining…"},
                                    std::pair{Frmwait::Job::Encoding, "Encoding…"}, std::pair{Frmwait::Job::Loading, "Loading…"}}) {
        wait.setJob(job);
        EXPECT_EQ(wait.Label1->text(), QString::fromUtf8(text));
    }
    EXPECT_EQ(wait.parentWidget(), nullptr);
    EXPECT_EQ(wait.Animation1->openCount(), 0) << "opened before being shown";

    wait.show();
    settle();
    EXPECT_EQ(wait.Animation1->openCount(), 1);
    EXPECT_TRUE(wait.Animation1->isOpen());
    EXPECT_TRUE(wait.Animation1->autoPlay());
    EXPECT_TRUE(wait.Animation1->isPlaying());

    for (int i = 0; i < 3; ++i) {
        wait.hide();
        settle();
        wait.show();
        settle();
    }
    EXPECT_EQ(wait.Animation1->openCount(), 1);
    EXPECT_TRUE(wait.Animation1->isOpen());
    wait.hide();
}

TEST(Frmwait, MissingClipLeavesLabelAndShowsNoMessage)
{
    QTemporaryDir emptyFolder;
    Frmwait wait(emptyFolder.path());
    wait.show();
    settle();
    EXPECT_FALSE(wait.Animation1->isOpen());
    EXPECT_EQ(wait.Label1->text(), QStringLiteral("Loading…"));
    EXPECT_TRUE(otherWindows(&wait).isEmpty()) << "a message window appeared";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    wait.hide();
}

TEST(Frmwait, ProgressIsPercentOfTotalAndBusyWithoutTotal)
{
    Frmwait wait;
    QProgressBar *bar = wait.findChild<QProgressBar *>("progress");
    ASSERT_EQ(bar, wait.progress);

    wait.setProgress(50, 200);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 25);

    wait.setProgress(0, 0);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 0);

    wait.setProgress(199, 200); // back from busy; rounds down, never shows 100 early
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 99);

    wait.setProgress(300, 200);
    EXPECT_EQ(bar->value(), 100);

    const quint64 huge = ~quint64(0);
    wait.setProgress(huge / 4, huge); // no overflow in delivered * 100
    EXPECT_EQ(bar->value(), 25);

    wait.resetProgress();
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
}

TEST(Frmwait, ProgressUpdatesLeaveThePaintToTheEventLoop)
{
    QTemporaryDir emptyFolder;
    Frmwait wait(emptyFolder.path());
    wait.show();
    settle();

    PaintCounter counter;
    wait.progress->installEventFilter(&counter);
    for (quint64 delivered = 0; delivered <= 1000; delivered += 7)
        wait.setProgress(delivered, 1000);
    EXPECT_EQ(counter.paints, 0);
    settle();
    EXPECT_GE(counter.paints, 1) << "the bar was never repainted";
    EXPECT_EQ(wait.progress->value(), 99);
    wait.hide();
}

TEST(frmAbout, ShowsTitleAndVersionModelessAndOnce)
{
    frmAbout *about = frmAbout::showAbout();
    ASSERT_NE(about, nullptr);
    settle();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(about->windowTitle(), "About Trevisto MP3 Editor");
    EXPECT_EQ(about->lblTitle->text(), "Trevisto MP3 Editor");
    EXPECT_EQ(about->lblVersion->text(), "Version 1.5.1");
    EXPECT_FALSE(about->picIcon->pixmap().isNull());

    EXPECT_EQ(frmAbout::showAbout(), about);
    settle();
    EXPECT_EQ(aboutBoxes(), 1);

    // OK destroys it; the next call builds a new one with the same texts.
    about->CmdOK->click();
    EXPECT_EQ(frmAbout::instance(), nullptr);
    settle();
    EXPECT_EQ(aboutBoxes(), 0);

    frmAbout *again = frmAbout::showAbout();
    settle();
    EXPECT_EQ(aboutBoxes(), 1);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(again->windowTitle(), "About Trevisto MP3 Editor");
    EXPECT_EQ(again->lblVersion->text(), "Version 1.5.1");

    // Escape closes it for good too, not just hides it.
    again->reject();
    settle();
    EXPECT_EQ(aboutBoxes(), 0);
    EXPECT_EQ(frmAbout::instance(), nullptr);

    // So does the window's own close button.
    frmAbout::showAbout()->close();
    EXPECT_EQ(frmAbout::instance(), nullptr);
    settle();
    EXPECT_EQ(aboutBoxes(), 0);
}

TEST(frmAbout, TakesTitleAndVersionFromTheApplication)
{
    QCoreApplication::setApplicationVersion("2.04.010");
    QGuiApplication::setApplicationDisplayName("Other Title");
    const AboutInfo info = AboutInfo::fromApplication();
    QCoreApplication::setApplicationVersion(QString());
    QGuiApplication::setApplicationDisplayName(QString());

    frmAbout about(info);
    EXPECT_EQ(about.windowTitle(), "About Other Title");
    EXPECT_EQ(about.lblTitle->text(), "Other Title");
    EXPECT_EQ(about.lblVersion->text(), "Version 2.4.10");
}
