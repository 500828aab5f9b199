#include "settings/mnemonics.h"

#include <QSet>

namespace {

bool hasCase(QChar c) { return c.isLetter() && (c.isUpper() || c.isLower()); }

} // namespace

QStringList MarkMnemonics(const QList<MenuCaption> &captions)
{
    QSet<QChar> taken;
    for (const MenuCaption &c : captions)
        taken.insert(c.fallback.toLower());
    // A caption that cannot mark a letter of its own keeps its fixed letter, so captions
    // that can choose leave those free.
    QStringList marked;
    QSet<QChar> used;
    for (const MenuCaption &caption : captions) {
        QString text = caption.text;
        text.replace(u'&', QStringLiteral("&&"));
        int chosen = -1;
        for (const bool avoidFallbacks : {true, false}) {
            for (int i = 0; i < text.size() && chosen < 0; ++i) {
                const QChar c = text.at(i).toLower();
                if (text.at(i) == u'&') {
                    ++i; // the doubled '&'
                    continue;
                }
                const bool othersLetter = taken.contains(c) && c != caption.fallback.toLower();
                if (hasCase(c) && !used.contains(c) && !(avoidFallbacks && othersLetter))
                    chosen = i;
            }
            if (chosen >= 0)
                break;
        }
        if (chosen >= 0) {
            used.insert(text.at(chosen).toLower());
            text.insert(chosen, u'&');
        } else {
            used.insert(caption.fallback.toLower());
            text += QStringLiteral("(&%1)").arg(caption.fallback.toUpper());
        }
        marked << text;
    }
    return marked;
}
