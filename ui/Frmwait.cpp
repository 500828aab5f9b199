#include "ui/Frmwait.h"

#include "ui/AviPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include <limits>

Frmwait::Frmwait(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), programFolder_(programFolder)
{
    setObjectName("Frmwait");
    // An open wait window must not keep the program alive once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    Label1 = new QLabel(jobText(job_), this);
    Label1->setObjectName("Label1");

    Animation1 = new AviPlayer(this);
    Animation1->setObjectName("Animation1");
    Animation1->setMinimumSize(200, 40);

    progress = new QProgressBar(this);
    progress->setObjectName("progress");
    progress->setRange(0, 100);
    progress->setValue(0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addWidget(Animation1, 1, Qt::AlignHCenter);
    layout->addWidget(progress);
    setMinimumWidth(300);
}

QString Frmwait::programFolder() const
{
    return programFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder_;
}

void Frmwait::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window stays loaded between showings; its title follows the language chosen since.
    setWindowTitle(tr("Please wait"));
    Label1->setText(jobText(job_));
    if (!loaded_ && !event->spontaneous()) {
        loaded_ = true;
        Form_Load();
    }
}

// Runs at the first showing only. A missing or unreadable clip leaves the area empty.
void Frmwait::Form_Load()
{
    const QString path = QDir(programFolder()).filePath(QString::fromLatin1(ClipFileName));
    Animation1->open(path);
    Animation1->setAutoPlay(true);
}

QString Frmwait::jobText(Job job)
{
    switch (job) {
    case Job::Copying: return tr("Copying…");
    case Job::Joining: return tr("Joining…");
    case Job::Encoding: return tr("Encoding…");
    case Job::Loading: break;
    }
    return tr("Loading…");
}

void Frmwait::setJob(Job job)
{
    job_ = job;
    Label1->setText(jobText(job));
}

void Frmwait::setProgress(quint64 delivered, quint64 total)
{
    int percent = 0;
    if (total > 0) {
        if (delivered >= total)
            percent = 100;
        else if (total <= std::numeric_limits<quint64>::max() / 100)
            percent = int(delivered * 100 / total);
        else
            percent = int(delivered / (total / 100));
    }
    const int maximum = total > 0 ? 100 : 0;
    if (progress->maximum() == maximum && (maximum == 0 || progress->value() == percent))
        return;

    // QProgressBar paints at once when its text changes; jobs report from their copy
    // loops, so the paint is left to the event loop instead.
    progress->setUpdatesEnabled(false);
    progress->setRange(0, maximum);
    if (maximum > 0)
        progress->setValue(percent);
    progress->setUpdatesEnabled(true);
    progress->update();
}

void Frmwait::resetProgress()
{
    setProgress(0, 1);
}
