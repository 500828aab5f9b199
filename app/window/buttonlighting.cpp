// Pictures of the picture buttons and their roll-over pictures under the pointer.
#include "app/window/buttonlighting.h"

#include "ui/buttonpictures.h"
#include "ui/hovertable.h"
#include "ui/pointermovewatch.h"
#include <QFontMetrics>
#include <QToolButton>

namespace {

// The largest size up to `picture` that leaves a button room for its frame and, under the
// picture, its caption. The captions change with the language, so the room is kept for
// a line of text whatever the caption is now.
QSize fittedIconSize(const QToolButton *button, QSize picture)
{
    // The style draws a 2-pixel frame, and a caption sits 4 pixels below the picture.
    constexpr int Frame = 2, Gap = 4;
    QSize room = button->size() - QSize(2 * Frame, 2 * Frame);
    if (button->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
        room.rheight() -= Gap + QFontMetrics(button->font()).height();
    return picture.scaled(picture.boundedTo(room), Qt::KeepAspectRatio);
}

void showPicture(QToolButton *button, const QIcon &picture, QSize size)
{
    button->setToolButtonStyle(button->text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    button->setIcon(picture);
    button->setIconSize(fittedIconSize(button, size));
}

// Sets a picture only when it changes: every pointer move resets nineteen buttons, and
// most of them already show the picture they are given.
void setPicture(QAbstractButton *button, const QIcon &picture)
{
    if (button->icon().cacheKey() != picture.cacheKey())
        button->setIcon(picture);
}

} // namespace

void ButtonLighting::LoadButtonImages()
{
    ImageListNor = buttonpictures::normalPictures();

    for (const hover::Button &b : hover::Buttons)
        showPicture(window_.findChild<QToolButton *>(QString::fromLatin1(b.name)), ImageListNor.ListImages(b.picture),
                    ImageListNor.imageSize(b.picture));
    // Two picture buttons that never light up.
    showPicture(window_.findChild<QToolButton *>(QStringLiteral("CmdGoto")),
                buttonpictures::buttonPicture(QStringLiteral("goto")), QSize(16, 16));
    showPicture(window_.findChild<QToolButton *>(QStringLiteral("CmdaddList")),
                buttonpictures::buttonPicture(QStringLiteral("addlist")), QSize(28, 28));
}

void ButtonLighting::WatchPointerMoves()
{
    // Nothing is lit before this: the pictures come with the moves that show them.
    ImageListRoll = buttonpictures::rollPictures();
    auto *watch = new PointerMoveWatch([this](QWidget *target) { PointerMove(target); }, &window_);
    for (const hover::Button &b : hover::Buttons)
        watch->watch(window_.findChild<QWidget *>(QString::fromLatin1(b.name)));
    for (std::string_view frame : hover::ResetFrames)
        watch->watch(window_.findChild<QWidget *>(QString::fromLatin1(frame)));
}

void ButtonLighting::ResetButtonImages()
{
    for (const hover::Button &b : hover::Buttons)
        if (b.reset)
            setPicture(window_.findChild<QAbstractButton *>(QString::fromLatin1(b.name)), ImageListNor.ListImages(b.picture));
}

void ButtonLighting::PointerMove(QWidget *target)
{
    const hover::Action action = hover::onPointerMove(target->objectName().toStdString());
    if (action.reset)
        ResetButtonImages();
    if (action.lit)
        setPicture(static_cast<QAbstractButton *>(target), ImageListRoll.ListImages(action.lit->picture));
}
