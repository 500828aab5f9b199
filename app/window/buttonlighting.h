#pragma once
// The picture buttons' pictures: each button's normal picture, the roll-over picture that
// lights it under the pointer, and the normal pictures given back when the pointer moves on.

#include "ui/imagelist.h"

class QWidget;

class ButtonLighting {
public:
    // Lights the picture buttons among the children of `window`, and gives it its icon.
    explicit ButtonLighting(QWidget &window) : window_(window) {}

    // Fills the picture lists, gives each picture button its picture and the window its icon.
    void LoadButtonImages();
    // Reports pointer moves over the lit buttons and the frames that reset them.
    void WatchPointerMoves();
    void ResetButtonImages();
    // The pointer moved over `target`: a button that lights up or a frame's background.
    void PointerMove(QWidget *target);

    ImageList ImageListNor, ImageListRoll;
    ImageList ImageListClick; // on the form, and never filled

private:
    QWidget &window_;
};
