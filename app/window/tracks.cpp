// Tracks in the loaded sound: split points proposed at its pauses, every so many minutes or
// by a cue sheet, changed one at a time as steps Undo takes back, and the tracks between
// them added as clips in one step.
#include "app/frmWriteWave.h"
#include "app/commandline.h"
#include "app/window/decodinglibrary.h"
#include "app/window/tracknames.h"

#include "audio/sourcechannel.h"
#include "clips/cliplist.h"
#include "clips/clipsteps.h"
#include "clips/jointimeline.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "core/yieldingcall.h"
#include "platform/mci/player.h"
#include "platform/registry/registry.h"
#include "platform/wav/wav.h"
#include "settings/registry_settings.h"
#include "tracks/cuesheet.h"
#include "tracks/levels.h"
#include "tracks/pauses.h"
#include "tracks/searchform.h"
#include "tracks/trackfiles.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

// The texts this file shows, under one translation context.
struct Tracks {
    Q_DECLARE_TR_FUNCTIONS(Tracks)
};

using trevisto::SplitPlan;

const QString PauseSearchValue = QStringLiteral("PauseSearch");
const QString SplitMinutesValue = QStringLiteral("SplitEveryMinutes");
const QString TrackPrefixValue = QStringLiteral("TrackNamePrefix");

std::unique_ptr<trevisto::wav::File> OpenWorkingSource()
{
    return trevisto::wav::File::open(NativePath(WorkingFiles::Source).toStdString());
}

int64_t FrameOfMs(qint64 ms, uint32_t rate) { return ms * int64_t(rate) / 1000; }
qint64 MsOfFrame(int64_t frame, uint32_t rate) { return rate ? frame * 1000 / int64_t(rate) : 0; }

// The levels of frames [first, end) of the working file, measured beside the window's
// thread; nullopt when it cannot be read or the program ends meanwhile.
std::optional<trevisto::tracks::Levels> MeasureSource(int64_t first, int64_t end, const bool &ending)
{
    struct Measured {
        trevisto::tracks::Levels levels;
        trevisto::tracks::MeasureResult result;
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<Measured> measured = trevisto::CallYielding<Measured>(
        [first, end] {
            Measured m;
            if (const auto file = OpenWorkingSource())
                m.result = trevisto::tracks::MeasureLevels(*file, first, end - first, m.levels);
            return m;
        },
        [&ending] { return ending; });
    QApplication::restoreOverrideCursor();
    if (!measured || !measured->result.ok)
        return std::nullopt;
    return measured->levels;
}

} // namespace

bool frmWriteWave::SoundForTracks()
{
    return !ending_ && MMaudio->isOpen() && loader_.job() == trevisto::SourceLoader::Job::None &&
           !controls_.Held(ControlGroups::Opening);
}

void frmWriteWave::ShowSplitPlan(const SplitPlan &plan)
{
    source_.splits = plan;
    std::vector<qint64> ms;
    const auto file = plan.points.empty() ? nullptr : OpenWorkingSource();
    if (file)
        for (const trevisto::SplitPoint &point : plan.points)
            ms.push_back(MsOfFrame(point.frame, file->format().sampleRate));
    closeView_->setSplitPoints(ms);
    ui->Slider1->setSplitPoints(ms);
    ShowTrackItems();
}

void frmWriteWave::ShowTrackItems()
{
    // The loader may still be finishing the sound just shown: its items go on now, and each
    // handler checks that nothing is being opened when it acts.
    const bool sound = !ending_ && MMaudio->isOpen() && !controls_.Held(ControlGroups::Opening);
    const bool points = sound && !source_.splits.points.empty();
    ui->TracksFindPauses->setEnabled(sound);
    ui->TracksSplitEvery->setEnabled(sound);
    ui->TracksAddPoint->setEnabled(sound);
    ui->TracksRemovePoint->setEnabled(points);
    ui->TracksClearPoints->setEnabled(points);
    ui->TracksAddClips->setEnabled(points);
}

void frmWriteWave::ChangeSplitPlan(const QString &text, SplitPlan after)
{
    if (after == source_.splits)
        return;
    undo_.push(new trevisto::SplitPlanStep(text, source_.splits, std::move(after),
                                           [this](const SplitPlan &plan) { ShowSplitPlan(plan); }));
}

std::pair<int64_t, int64_t> frmWriteWave::TrackRange(uint32_t rate, int64_t frames) const
{
    // The marked range, when the marks are not the whole sound as every sound opens.
    if (MarkIn < MarkOut && (MarkIn > 0 || MarkOut < MMaudio->length()))
        return {std::min(frames, FrameOfMs(MarkIn, rate)), std::min(frames, FrameOfMs(MarkOut, rate))};
    return {0, frames};
}

void frmWriteWave::FindPauses_Click()
{
    if (!SoundForTracks())
        return;
    using namespace trevisto::tracks;
    PauseSearch search = PauseSearchFromSetting(RegReadString(ProgramSettingsKey, PauseSearchValue));
    QStringList texts = PauseSearchTexts(search);
    const QStringList labels = PauseSearchLabels();
    const QStringList tips = {
        Tracks::tr("Steps quieter than this count as pause. Empty: a little above the sound's own noise floor."),
        Tracks::tr("A quiet stretch at least this long is a pause between tracks."),
        Tracks::tr("Split points that would leave a track shorter than this are dropped."),
        Tracks::tr("How much of each pause stays at the end of the track before it. Empty: the split falls in the "
                   "pause's middle.")};
    for (;;) {
        QList<FormField> fields;
        for (int i = 0; i < 4; ++i)
            fields.append({labels[i], texts[i], tips[i]});
        const std::optional<QStringList> answer = dialogs_.formBox(
            Tracks::tr("Find the pauses in the sound, or in the marked range when marks are set."),
            Tracks::tr("Find pauses"), fields);
        if (!answer)
            return;
        QString why;
        if (const std::optional<PauseSearch> read = PauseSearchFromTexts(*answer, &why)) {
            search = *read;
            break;
        }
        texts = *answer;
        dialogs_.msgBox(why, vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
    }
    RegWriteValue(ProgramSettingsKey, PauseSearchValue, PauseSearchSetting(search), trevisto::registry::REG_SZ);

    const auto file = OpenWorkingSource();
    if (!file)
        return;
    const uint32_t rate = file->format().sampleRate;
    const auto [first, end] = TrackRange(rate, file->info().frames);
    const std::optional<Levels> levels = MeasureSource(first, end, ending_);
    if (!levels) {
        if (!ending_)
            dialogs_.msgBox(Tracks::tr("The sound \"%1\" could not be read.").arg(NativePath(WorkingFiles::Source)),
                            vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    const std::vector<int64_t> points = PauseSplitPoints(*levels, search);
    if (points.empty()) {
        const double threshold = search.thresholdDbfs ? *search.thresholdDbfs : AutomaticThreshold(*levels);
        dialogs_.msgBox(Tracks::tr("No pause of %1 s or more below %2 dBFS was found.")
                            .arg(search.minPauseMs / 1000.0)
                            .arg(threshold, 0, 'f', 1),
                        vbOKOnly, MsgIcon::Information, ProgramTitle);
        return;
    }
    ChangeSplitPlan(trevisto::FoundPausesText(points.size()), trevisto::PlanOf(first, end, points));
}

void frmWriteWave::SplitEvery_Click()
{
    if (!SoundForTracks())
        return;
    const QString kept = RegReadString(ProgramSettingsKey, SplitMinutesValue);
    const std::optional<QString> answer =
        dialogs_.inputBox(Tracks::tr("Split every how many minutes (1 to 1440)? Each point moves to the quietest "
                                     "place within 30 seconds."),
                          Tracks::tr("Split every N minutes"), kept.isEmpty() ? QStringLiteral("10") : kept);
    if (!answer)
        return;
    const std::optional<int> minutes = trevisto::tracks::SplitMinutesFromText(*answer);
    if (!minutes) {
        dialogs_.msgBox(Tracks::tr("\"%1\" is not a number of minutes from 1 to 1440.").arg(*answer), vbOKOnly,
                        MsgIcon::Exclamation, ProgramTitle);
        return;
    }
    RegWriteValue(ProgramSettingsKey, SplitMinutesValue, QString::number(*minutes), trevisto::registry::REG_SZ);
    const auto file = OpenWorkingSource();
    if (!file)
        return;
    const auto [first, end] = TrackRange(file->format().sampleRate, file->info().frames);
    const std::optional<trevisto::tracks::Levels> levels = MeasureSource(first, end, ending_);
    if (!levels)
        return;
    const std::vector<int64_t> points = trevisto::tracks::EverySplitPoints(*levels, int64_t(*minutes) * 60000);
    if (points.empty()) {
        dialogs_.msgBox(Tracks::tr("The sound is not longer than %n minute(s): there is nothing to split.", nullptr,
                                   *minutes),
                        vbOKOnly, MsgIcon::Information, ProgramTitle);
        return;
    }
    ChangeSplitPlan(trevisto::SplitEveryText(*minutes), trevisto::PlanOf(first, end, points));
}

void frmWriteWave::AddSplitPoint_Click()
{
    if (!SoundForTracks())
        return;
    const auto file = OpenWorkingSource();
    if (!file)
        return;
    const uint32_t rate = file->format().sampleRate;
    SplitPlan plan = source_.splits;
    if (plan.end <= plan.first)
        plan = trevisto::PlanOf(0, file->info().frames, {});
    const qint64 ms = MMaudio->position();
    if (const std::optional<SplitPlan> added = trevisto::WithPointAdded(plan, FrameOfMs(ms, rate)))
        ChangeSplitPlan(trevisto::AddSplitText(ms), *added);
}

void frmWriteWave::RemoveSplitPoint_Click()
{
    if (!SoundForTracks())
        return;
    const auto file = OpenWorkingSource();
    if (!file)
        return;
    const uint32_t rate = file->format().sampleRate;
    const std::optional<size_t> nearest = trevisto::NearestPoint(source_.splits, FrameOfMs(MMaudio->position(), rate));
    if (!nearest)
        return;
    ChangeSplitPlan(trevisto::RemoveSplitText(MsOfFrame(source_.splits.points[*nearest].frame, rate)),
                    trevisto::WithPointRemoved(source_.splits, *nearest));
}

void frmWriteWave::ClearSplitPoints_Click()
{
    if (SoundForTracks() && !source_.splits.points.empty())
        ChangeSplitPlan(trevisto::ClearSplitsText(), SplitPlan{});
}

void frmWriteWave::MoveSplitPoint(int index, qint64 ms)
{
    const auto file = OpenWorkingSource();
    if (!file || !SoundForTracks() || index < 0 || size_t(index) >= source_.splits.points.size())
        return;
    const uint32_t rate = file->format().sampleRate;
    const qint64 from = MsOfFrame(source_.splits.points[size_t(index)].frame, rate);
    ChangeSplitPlan(trevisto::MoveSplitText(from, ms),
                    trevisto::WithPointMoved(source_.splits, size_t(index), FrameOfMs(ms, rate)));
}

void frmWriteWave::AddTracksAsClips_Click()
{
    if (!SoundForTracks())
        return;
    if (source_.splits.points.empty()) {
        dialogs_.msgBox(Tracks::tr("There are no split points: find the pauses, or add a split point, first."),
                        vbOKOnly, MsgIcon::Information, ProgramTitle);
        return;
    }
    const std::vector<trevisto::PlannedTrack> tracks = trevisto::TracksOf(source_.splits);
    const QString kept = RegReadString(ProgramSettingsKey, TrackPrefixValue);
    QString prefix = kept.isEmpty() ? QStringLiteral("Track_") : kept;
    for (;;) {
        const std::optional<QString> answer = dialogs_.inputBox(
            Tracks::tr("Add the %n track(s) as clips. Tracks without a title are named with this prefix and their "
                       "number:",
                       nullptr, int(tracks.size())),
            Tracks::tr("Add as clips"), prefix);
        if (!answer)
            return;
        prefix = answer->trimmed();
        if (TrackPrefixAccepted(prefix))
            break;
        dialogs_.msgBox(Tracks::tr("A prefix takes letters, digits, \"-\" and \"_\" only."), vbOKOnly,
                        MsgIcon::Exclamation, ProgramTitle);
    }
    RegWriteValue(ProgramSettingsKey, TrackPrefixValue, prefix, trevisto::registry::REG_SZ);

    std::vector<QString> titles;
    for (const trevisto::PlannedTrack &track : tracks)
        titles.push_back(track.name);
    const std::vector<TrackClipName> names = NameTrackClips(
        titles, prefix, clips_.names(), [this](const QString &name) { return ClipFileTaken(NativePath(clips_.fileOf(name))); });

    // The clip files are written beside the window's thread, each whole or not at all.
    std::vector<trevisto::tracks::TrackFile> files;
    for (size_t i = 0; i < tracks.size(); ++i)
        files.push_back({NativePath(clips_.fileOf(names[i].name)).toStdString(), tracks[i].first, tracks[i].end});
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string source = NativePath(WorkingFiles::Source).toStdString();
    const std::optional<trevisto::tracks::TrackFilesWritten> written =
        trevisto::CallYielding<trevisto::tracks::TrackFilesWritten>(
            [source, files] { return trevisto::tracks::WriteTrackFiles(source, files); }, [this] { return ending_; });
    QApplication::restoreOverrideCursor();
    if (!written)
        return;
    if (written->count < tracks.size()) {
        // Nothing half done: the clips written before the failure go again.
        for (size_t i = 0; i < written->count; ++i)
            QFile::remove(QFile::decodeName(files[i].path.c_str()));
        dialogs_.msgBox(Tracks::tr("The tracks could not be added as clips: %1").arg(written->why), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
        return;
    }
    auto *step = new trevisto::AddClipsStep(clips_, trevisto::AddClipsText(int(tracks.size())));
    for (size_t i = 0; i < tracks.size(); ++i)
        new trevisto::AddClipStep(clips_, {names[i].name, source_.originOf(tracks[i].first, tracks[i].end)},
                                  trevisto::HoldingFolder(), step);
    undo_.push(step);

    QStringList replaced;
    for (const TrackClipName &name : names)
        if (name.replaced)
            replaced << Tracks::tr("\"%1\" as %2").arg(name.asked, name.name);
    if (!replaced.isEmpty())
        dialogs_.msgBox(Tracks::tr("%n clip(s) added. Clip names take letters, digits, \"-\" and \"_\" only, and "
                                   "no name twice; these titles were named otherwise:",
                                   nullptr, int(tracks.size())) +
                            QStringLiteral("\r\n") + replaced.join(QStringLiteral("\r\n")),
                        vbOKOnly, MsgIcon::Information, ProgramTitle);
}

void frmWriteWave::cue_Click()
{
    OpenKind = 3;
    btnLoadFile_Click();
}

void frmWriteWave::OpenCueSheet(const QString &path)
{
    if (RefuseWhileOpening())
        return;
    using namespace trevisto::tracks;
    const auto refuse = [&](const QString &why) {
        dialogs_.msgBox(Tracks::tr("The cue sheet \"%1\" cannot be opened.\r\n%2").arg(path, why), vbOKOnly,
                        MsgIcon::Critical, ProgramTitle);
    };
    const CueRead read = ReadCueSheet(path);
    if (!read.outcome) {
        refuse(read.outcome.why);
        return;
    }
    // The tracks must lie inside the sound before anything else changes.
    const QString sound = read.sheet.file;
    int64_t frames = -1;
    uint32_t rate = 0;
    if (openRouteFor(sound) == OpenRoute::Wav) {
        trevisto::wav::Info info;
        if (trevisto::wav::readInfo(QFile::encodeName(sound).toStdString(), info) == trevisto::wav::ReadError::None) {
            frames = info.frames;
            rate = info.format.sampleRate;
        }
    } else {
        const DWORD chan = OpenSourceChannel(Bass, sound);
        if (chan == 0) {
            trevisto::ShowLibraryError(dialogs_, Bass, "Can't play the file");
            return;
        }
        BASS_CHANNELINFO info{};
        const int64_t bytes = Bass.channelLength(chan);
        if (Bass.ChannelGetInfo(chan, &info) && info.chans && bytes >= 0) {
            frames = int64_t(bytes) / (2 * int64_t(info.chans));
            rate = info.freq;
        }
        Bass.ChannelFree(chan);
    }
    if (frames >= 0) {
        if (const Outcome inside = CheckCueAgainstSound(read.sheet, frames, rate); !inside) {
            refuse(inside.why);
            return;
        }
    }
    source_.cue = LoadedSound::Cue{read.sheet, path};
    OpenGivenFile(sound);
    // A sound that did not start opening takes its sheet's tracks with it.
    if (loader_.job() == trevisto::SourceLoader::Job::None)
        source_.cue.reset();
}

void frmWriteWave::ApplyPendingCue()
{
    if (!source_.cue)
        return;
    const LoadedSound::Cue cue = *std::exchange(source_.cue, std::nullopt);
    const auto file = OpenWorkingSource();
    if (!file)
        return;
    using namespace trevisto::tracks;
    const uint32_t rate = file->format().sampleRate;
    const int64_t frames = file->info().frames;
    if (const Outcome inside = CheckCueAgainstSound(cue.sheet, frames, rate); !inside) {
        dialogs_.msgBox(Tracks::tr("The cue sheet \"%1\" does not fit its sound.\r\n%2").arg(cue.path, inside.why),
                        vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
        return;
    }
    SplitPlan plan;
    plan.first = CueToSoundFrame(cue.sheet.tracks.front().start, rate);
    plan.end = frames;
    plan.firstName = CueTrackName(cue.sheet, cue.sheet.tracks.front());
    for (size_t i = 1; i < cue.sheet.tracks.size(); ++i)
        plan.points.push_back({CueToSoundFrame(cue.sheet.tracks[i].start, rate), CueTrackName(cue.sheet, cue.sheet.tracks[i])});
    ChangeSplitPlan(trevisto::CueSheetText(QFileInfo(cue.path).fileName()), plan);
}

void frmWriteWave::WriteJoinCueSheet(const trevisto::OutputDone &done)
{
    if (!ui->TracksCueBesideJoins->isChecked())
        return;
    // The clips joined, as far as they are still listed.
    std::vector<trevisto::OutputPiece> pieces;
    for (const trevisto::ClipId id : done.clips)
        if (const int row = clips_.rowOf(id); row >= 0)
            pieces.push_back({clips_.file(row), std::nullopt, clips_.items()[size_t(row)].name});
    const Outcome written = trevisto::WriteJoinCueSheet(done.output, pieces, trevisto::JoinTimelineOf(done));
    if (!written)
        dialogs_.msgBox(Tracks::tr("The cue sheet \"%1\" could not be written: %2")
                            .arg(trevisto::tracks::CueSheetBeside(done.output), written.why),
                        vbOKOnly, MsgIcon::Exclamation, ProgramTitle);
}
