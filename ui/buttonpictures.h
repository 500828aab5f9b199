#pragma once
// The artwork compiled into the program: the picture buttons' normal and roll-over
// pictures, the two pictures of buttons that never light, and the program icon. Each is
// drawn from its SVG source at its own size and at twice that for high-density screens.

#include "ui/imagelist.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace buttonpictures {

// How many pictures each of the two lists holds.
inline constexpr int PictureCount = 15;

// The normal pictures, numbered 1 to 15.
ImageList normalPictures();
// The roll-over pictures, with the same numbers.
ImageList rollPictures();

// A picture of its own for a button outside the lists: "goto" or "addlist".
QIcon buttonPicture(const QString &name);

// The program icon, at the usual icon sizes.
QIcon programIcon();
// The program icon drawn at `size` pixels square.
QPixmap programIconPixmap(int size);

// The picture from SVG resource `path` at its own size and at 2x; null when it is missing
// or not an image. `size` receives its size.
QIcon loadPicture(const QString &path, QSize *size = nullptr);

} // namespace buttonpictures
