#include "app/window/tracknames.h"

#include "clips/cliplist.h"

std::vector<TrackClipName> NameTrackClips(const std::vector<QString> &asked, const QString &prefix,
                                          const QStringList &listed,
                                          const std::function<bool(const QString &)> &fileTaken)
{
    // A prefix the rules refuse would never give a name they take.
    const QString stem = TrackPrefixAccepted(prefix) ? prefix : QStringLiteral("Track_");
    QStringList taken = listed;
    const auto free = [&](const QString &name) {
        return CheckClipName(name, taken) == ClipName::Accepted && !fileTaken(name);
    };
    std::vector<TrackClipName> names;
    for (size_t i = 0; i < asked.size(); ++i) {
        TrackClipName named{{}, asked[i], false};
        QString title = asked[i].trimmed();
        title.replace(u' ', u'_');
        if (!title.isEmpty() && free(title)) {
            named.name = title;
        } else {
            named.replaced = !asked[i].trimmed().isEmpty();
            const QString number = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            named.name = stem + number;
            for (int again = 2; !free(named.name); ++again)
                named.name = stem + number + QStringLiteral("_%1").arg(again);
        }
        taken.append(named.name);
        names.push_back(named);
    }
    return names;
}

bool TrackPrefixAccepted(const QString &prefix)
{
    return CheckClipName(prefix + QStringLiteral("01"), {}) == ClipName::Accepted;
}
