#pragma once
// Alt letters for the captions of one menu bar, in any language. A caption written in
// letters that have case (Latin, Cyrillic, Greek) marks one of its own letters, the
// first one no earlier caption took; a caption without such a letter (Chinese) gets the
// letter the bar gives it in brackets after the caption, "文件(&F)", as programs in those
// languages do. A literal '&' in a caption stays visible.

#include <QList>
#include <QString>
#include <QStringList>

struct MenuCaption {
    QString text;
    QChar fallback; // the letter for a caption with none of its own, unique in the bar
};

QStringList MarkMnemonics(const QList<MenuCaption> &captions);
