#include "ui/frmAbout.h"

#include "ui/buttonpictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVersionNumber>

#ifndef TREVISTO_VERSION_MAJOR
#define TREVISTO_VERSION_MAJOR 1
#define TREVISTO_VERSION_MINOR 5
#define TREVISTO_VERSION_PATCH 1
#endif

QPointer<frmAbout> frmAbout::open_;

AboutInfo AboutInfo::fromApplication()
{
    AboutInfo info;
    // Without a display name of its own, Qt reports the executable's name here.
    const QString display = QGuiApplication::applicationDisplayName();
    info.title = display.isEmpty() || display == QCoreApplication::applicationName()
                     ? QString::fromLatin1(frmAbout::DefaultTitle)
                     : display;

    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    if (version.isNull()) {
        info.major = TREVISTO_VERSION_MAJOR;
        info.minor = TREVISTO_VERSION_MINOR;
        info.revision = TREVISTO_VERSION_PATCH;
    } else {
        info.major = version.majorVersion();
        info.minor = version.minorVersion();
        info.revision = version.microVersion();
    }
    return info;
}

frmAbout::frmAbout(const AboutInfo &info, QWidget *parent) : QDialog(parent), info_(info)
{
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while this box is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(programIcon(64));
    picIcon->setFixedSize(64, 64);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");

    lblDescription = new QLabel(tr("Cut, collect and join sounds into one MP3 or WAV file."), this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setWordWrap(true);

    Label1 = new QLabel(tr("Mark pieces, list them, and save the list as one file."), this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    QPalette muted = Label1->palette();
    muted.setColor(QPalette::WindowText, muted.color(QPalette::PlaceholderText));
    Label1->setPalette(muted);

    CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName("CmdOK");
    CmdOK->setDefault(true);
    CmdOK->setMinimumWidth(88);
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(10);
    text->addWidget(lblDescription);
    text->addSpacing(4);
    text->addWidget(Label1);
    text->addStretch(1);

    auto *top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdOK);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(buttons);

    Form_Load();
    setFixedWidth(470);
    setFixedHeight(sizeHint().height());
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + info_.title);
    lblVersion->setText(QStringLiteral("Version ") + QStringLiteral("%1.%2.%3").arg(info_.major).arg(info_.minor).arg(info_.revision));
    lblTitle->setText(info_.title);
}

frmAbout *frmAbout::showAbout(const AboutInfo &info)
{
    if (!open_)
        open_ = new frmAbout(info);
    open_->show();
    open_->raise();
    open_->activateWindow();
    return open_;
}

frmAbout *frmAbout::instance()
{
    return open_;
}

void frmAbout::done(int result)
{
    // Gone as far as callers are concerned, even before the deferred delete runs.
    if (open_ == this)
        open_ = nullptr;
    QDialog::done(result);
}

QPixmap frmAbout::programIcon(int size)
{
    return buttonpictures::programIconPixmap(size);
}
