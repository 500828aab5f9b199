#include "ui/imagelist.h"

void ImageList::add(const QIcon &picture, QSize size)
{
    images_.append({picture, size});
}

QIcon ImageList::ListImages(int index) const
{
    return index >= 1 && index <= count() ? images_.at(index - 1).picture : QIcon();
}

QSize ImageList::imageSize(int index) const
{
    return index >= 1 && index <= count() ? images_.at(index - 1).size : QSize();
}
