#pragma once
// A numbered list of pictures, counted from 1 as the window's picture lists are. Each
// picture keeps its own size; asking for a number outside the list gives a null icon.

#include <QIcon>
#include <QList>
#include <QSize>

class ImageList {
public:
    // Appends a picture drawn at `size`; it takes the next number.
    void add(const QIcon &picture, QSize size);

    int count() const { return int(images_.size()); }
    QIcon ListImages(int index) const;
    QSize imageSize(int index) const;

private:
    struct Image {
        QIcon picture;
        QSize size;
    };
    QList<Image> images_;
};
