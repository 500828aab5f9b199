#include "tracks/searchform.h"

#include <QCoreApplication>

namespace trevisto::tracks {

namespace {

struct PauseForm {
    Q_DECLARE_TR_FUNCTIONS(PauseForm)
};

QString number(double value) { return QString::number(value, 'g', 6); }

// A number in [low, high]; nullopt for anything else, empty included.
std::optional<double> parse(QString text, double low, double high)
{
    text = text.trimmed().replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= low && value <= high))
        return std::nullopt;
    return value;
}

} // namespace

QStringList PauseSearchLabels()
{
    return {PauseForm::tr("Threshold (dBFS, empty for automatic):"), PauseForm::tr("Shortest pause (s):"),
            PauseForm::tr("Shortest track (s):"), PauseForm::tr("Pause kept before a split (ms, empty for its middle):")};
}

QStringList PauseSearchTexts(const PauseSearch &search)
{
    return {search.thresholdDbfs ? number(*search.thresholdDbfs) : QString(), number(search.minPauseMs / 1000.0),
            number(search.minTrackMs / 1000.0), search.keepPauseMs ? QString::number(*search.keepPauseMs) : QString()};
}

std::optional<PauseSearch> PauseSearchFromTexts(const QStringList &texts, QString *why)
{
    const auto fail = [&](const QString &reason) -> std::optional<PauseSearch> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (texts.size() != 4)
        return fail(PauseForm::tr("The pause search needs four answers."));
    PauseSearch search;
    if (!texts[0].trimmed().isEmpty()) {
        const auto db = parse(texts[0], -120, 0);
        if (!db)
            return fail(PauseForm::tr("The threshold must be a level from -120 to 0 dBFS, or empty."));
        search.thresholdDbfs = *db;
    }
    const auto pause = parse(texts[1], 0.05, 600);
    if (!pause)
        return fail(PauseForm::tr("The shortest pause must be from 0.05 to 600 seconds."));
    search.minPauseMs = int64_t(*pause * 1000 + 0.5);
    const auto track = parse(texts[2], 0, 86400);
    if (!track)
        return fail(PauseForm::tr("The shortest track must be from 0 to 86400 seconds."));
    search.minTrackMs = int64_t(*track * 1000 + 0.5);
    if (!texts[3].trimmed().isEmpty()) {
        const auto keep = parse(texts[3], 0, 600000);
        if (!keep)
            return fail(PauseForm::tr("The pause kept must be from 0 to 600000 ms, or empty."));
        search.keepPauseMs = int64_t(*keep + 0.5);
    }
    return search;
}

QString PauseSearchSetting(const PauseSearch &search) { return PauseSearchTexts(search).join(u';'); }

PauseSearch PauseSearchFromSetting(const QString &setting)
{
    return PauseSearchFromTexts(setting.split(u';')).value_or(PauseSearch{});
}

std::optional<int> SplitMinutesFromText(const QString &text)
{
    bool ok = false;
    const int minutes = text.trimmed().toInt(&ok);
    if (!ok || minutes < 1 || minutes > 1440)
        return std::nullopt;
    return minutes;
}

} // namespace trevisto::tracks
