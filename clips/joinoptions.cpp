#include "clips/joinoptions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trevisto {

namespace {

// The texts this file shows, under one translation context.
struct JoinOptionsText {
    Q_DECLARE_TR_FUNCTIONS(JoinOptionsText)
};

bool isTarget(double lufs)
{
    return std::find(std::begin(JoinOptions::kTargets), std::end(JoinOptions::kTargets), lufs) !=
           std::end(JoinOptions::kTargets);
}

} // namespace

QString JoinOptionsSetting(const JoinOptions &o)
{
    return QStringLiteral("%1;%2;%3;%4")
        .arg(o.targetLufs ? QString::number(*o.targetLufs) : QString())
        .arg(o.crossfadeMs)
        .arg(o.fadeInMs)
        .arg(o.fadeOutMs);
}

JoinOptions JoinOptionsFromSetting(const QString &setting)
{
    const QStringList parts = setting.split(QLatin1Char(';'));
    if (parts.size() != 4)
        return {};
    QString why;
    return JoinOptionsFromTexts(parts, &why).value_or(JoinOptions{});
}

QStringList JoinOptionsTexts(const JoinOptions &o)
{
    return {o.targetLufs ? QString::number(*o.targetLufs) : QString(), QString::number(o.crossfadeMs),
            QString::number(o.fadeInMs), QString::number(o.fadeOutMs)};
}

std::optional<JoinOptions> JoinOptionsFromTexts(const QStringList &texts, QString *why)
{
    if (texts.size() != 4)
        return std::nullopt;
    JoinOptions o;
    const QString target = texts[0].trimmed();
    if (!target.isEmpty()) {
        bool ok = false;
        const double lufs = target.toDouble(&ok);
        if (!ok || !isTarget(lufs)) {
            *why = JoinOptionsText::tr("The loudness to match is empty (off), -23, -18, -16 or -14 LUFS, not \"%1\".")
                       .arg(target);
            return std::nullopt;
        }
        o.targetLufs = lufs;
    }
    auto number = [&](int at, int low, int high, int &out) {
        bool ok = false;
        const QString text = texts[at].trimmed();
        out = text.isEmpty() ? 0 : text.toInt(&ok);
        return text.isEmpty() || (ok && out >= low && out <= high) || (ok && out == 0);
    };
    if (!number(1, JoinOptions::kMinCrossfadeMs, JoinOptions::kMaxCrossfadeMs, o.crossfadeMs)) {
        *why = JoinOptionsText::tr("The crossfade is 0 (none) or 5 to 5000 ms, not \"%1\".").arg(texts[1].trimmed());
        return std::nullopt;
    }
    if (!number(2, 0, JoinOptions::kMaxFadeMs, o.fadeInMs) || !number(3, 0, JoinOptions::kMaxFadeMs, o.fadeOutMs)) {
        *why = JoinOptionsText::tr("A fade is 0 to 10000 ms.");
        return std::nullopt;
    }
    return o;
}

JoinOptions JoinOptions::clamped() const
{
    JoinOptions o = *this;
    if (o.crossfadeMs < kMinCrossfadeMs)
        o.crossfadeMs = 0;
    o.crossfadeMs = std::min(o.crossfadeMs, kMaxCrossfadeMs);
    o.fadeInMs = std::clamp(o.fadeInMs, 0, kMaxFadeMs);
    o.fadeOutMs = std::clamp(o.fadeOutMs, 0, kMaxFadeMs);
    return o;
}

int64_t msToFrames(int ms, int sampleRate) { return (int64_t(ms) * sampleRate + 500) / 1000; }

int64_t JoinLevels::startOf(size_t i, const std::vector<JoinClipFacts> &clips) const
{
    int64_t at = 0;
    for (size_t k = 0; k < i; ++k)
        at += clips[k].frames - overlap[k];
    return at;
}

JoinLevels planJoinLevels(const std::vector<JoinClipFacts> &clips, const JoinOptions &asked, int sampleRate)
{
    const JoinOptions options = asked.clamped();
    JoinLevels plan;
    plan.sampleRate = sampleRate;
    const size_t n = clips.size();
    plan.gainDb.assign(n, 0);
    plan.heldBackDb.assign(n, 0);
    plan.steps.assign(n, 0);
    for (size_t i = 0; i < n && options.targetLufs; ++i) {
        const Loudness &l = clips[i].loudness;
        if (!l.hasLoudness())
            continue; // silence has no level to bring anywhere
        const double wanted = *options.targetLufs - l.lufs;
        const double room = std::isfinite(l.truePeakDb) ? JoinOptions::kPeakCeilingDb - l.truePeakDb : HUGE_VAL;
        plan.gainDb[i] = std::min(wanted, room);
        plan.heldBackDb[i] = wanted - plan.gainDb[i];
        // The nearest whole step, one fewer while it would pass the ceiling.
        int steps = int(std::lround(wanted / kGainStepDb));
        while (steps * kGainStepDb > room + 1e-9)
            --steps;
        plan.steps[i] = steps;
    }

    // A joint overlaps by the crossfade, but never by more than half of either clip: each
    // clip keeps a middle of its own between its two joints.
    const int64_t crossfade = msToFrames(options.crossfadeMs, sampleRate);
    plan.overlap.assign(n > 0 ? n - 1 : 0, 0);
    int64_t total = 0;
    for (size_t i = 0; i < n; ++i)
        total += clips[i].frames;
    for (size_t j = 0; j + 1 < n; ++j) {
        plan.overlap[j] = std::min({crossfade, clips[j].frames / 2, clips[j + 1].frames / 2});
        total -= plan.overlap[j];
    }
    plan.outputFrames = total;
    plan.fadeIn = std::min(msToFrames(options.fadeInMs, sampleRate), total);
    plan.fadeOut = std::min(msToFrames(options.fadeOutMs, sampleRate), total);
    return plan;
}

CrossfadeWeights crossfadeAt(int64_t k, int64_t n)
{
    const double t = (double(k) + 0.5) / double(n) * std::numbers::pi / 2;
    return {std::cos(t), std::sin(t)};
}

double fadeInAt(int64_t k, int64_t n)
{
    const double s = std::sin((double(k) + 0.5) / double(n) * std::numbers::pi / 2);
    return s * s;
}

} // namespace trevisto
