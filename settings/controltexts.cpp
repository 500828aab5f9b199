#include "settings/controltexts.h"

#include "settings/captions.h"

#include <QCoreApplication>

#include <array>
#include <cstring>

namespace trevisto {

namespace {

constexpr const char *Context = "Controls";

// The pack tooltips that say what a button does stay; where none is given, or the pack's
// says too little ("->") or the same for two different buttons ("Delete"), the program's
// own takes its place.
constexpr ControlText Controls[] = {
    {"cmbHH", QT_TRANSLATE_NOOP("Controls", "Hours"), QT_TRANSLATE_NOOP("Controls", "Hours of the time to go to"), false},
    {"CmbMM", QT_TRANSLATE_NOOP("Controls", "Minutes"), QT_TRANSLATE_NOOP("Controls", "Minutes of the time to go to"), false},
    {"CmbSS", QT_TRANSLATE_NOOP("Controls", "Seconds"), QT_TRANSLATE_NOOP("Controls", "Seconds of the time to go to"), false},
    {"CmdGoto", QT_TRANSLATE_NOOP("Controls", "Go to"), QT_TRANSLATE_NOOP("Controls", "Play from the time chosen above"), true},
    {"Slider1", QT_TRANSLATE_NOOP("Controls", "Position"), QT_TRANSLATE_NOOP("Controls", "The whole sound: click or drag to play from there"), false},
    {"CmdBack", QT_TRANSLATE_NOOP("Controls", "Back"), QT_TRANSLATE_NOOP("Controls", "Back 2 seconds"), true},
    {"CmdPlay", QT_TRANSLATE_NOOP("Controls", "Play"), nullptr, true},
    {"CmdStop", QT_TRANSLATE_NOOP("Controls", "Stop"), nullptr, true},
    {"CmdPause", QT_TRANSLATE_NOOP("Controls", "Pause"), nullptr, true},
    {"CmdStep", QT_TRANSLATE_NOOP("Controls", "Forward"), QT_TRANSLATE_NOOP("Controls", "On 1 second"), true},
    {"Knob1", QT_TRANSLATE_NOOP("Controls", "Volume"), QT_TRANSLATE_NOOP("Controls", "Master volume of the sound card"), false},
    {"CmdSetin", QT_TRANSLATE_NOOP("Controls", "Mark In"), nullptr, false},
    {"CmdOut", QT_TRANSLATE_NOOP("Controls", "Mark out"), nullptr, false},
    {"CmdSetNew", QT_TRANSLATE_NOOP("Controls", "Cut"), nullptr, false},
    {"CmdPlayTemp", QT_TRANSLATE_NOOP("Controls", "Play the cut"), nullptr, true},
    {"CmdStopTemp", QT_TRANSLATE_NOOP("Controls", "Stop the cut"), nullptr, true},
    {"CmdSaveas", QT_TRANSLATE_NOOP("Controls", "Save the cut as MP3"), QT_TRANSLATE_NOOP("Controls", "Save the cut as an MP3 file"), true},
    {"Command3", QT_TRANSLATE_NOOP("Controls", "Save the cut as WAV"), QT_TRANSLATE_NOOP("Controls", "Save the cut as a WAV file"), true},
    {"CdmEnd", QT_TRANSLATE_NOOP("Controls", "End"), QT_TRANSLATE_NOOP("Controls", "End the program and delete its working files"), true},
    {"CmdaddList", QT_TRANSLATE_NOOP("Controls", "Add to list"), nullptr, true},
    {"List1", QT_TRANSLATE_NOOP("Controls", "Clips"), nullptr, false},
    {"CmdPlayList", QT_TRANSLATE_NOOP("Controls", "Play list"), QT_TRANSLATE_NOOP("Controls", "Play the clips one after another, from the selected one"), true},
    {"CmdStopList", QT_TRANSLATE_NOOP("Controls", "Stop list"), QT_TRANSLATE_NOOP("Controls", "Stop playing the list"), true},
    {"CmdUp", QT_TRANSLATE_NOOP("Controls", "Move up"), QT_TRANSLATE_NOOP("Controls", "Move the selected clip up"), true},
    {"CmdDown", QT_TRANSLATE_NOOP("Controls", "Move down"), QT_TRANSLATE_NOOP("Controls", "Move the selected clip down"), true},
    {"Command5", QT_TRANSLATE_NOOP("Controls", "Delete clip"), QT_TRANSLATE_NOOP("Controls", "Delete the selected clip"), true},
    {"Command4", QT_TRANSLATE_NOOP("Controls", "Delete all clips"), QT_TRANSLATE_NOOP("Controls", "Delete every clip of the list"), true},
    {"Command2", QT_TRANSLATE_NOOP("Controls", "Join as WAV"), QT_TRANSLATE_NOOP("Controls", "Join every clip into one WAV file"), true},
    {"CmdCreate", QT_TRANSLATE_NOOP("Controls", "Join as MP3"), QT_TRANSLATE_NOOP("Controls", "Join every clip into one MP3 file"), true},
    {"btnLoadFile", QT_TRANSLATE_NOOP("Controls", "Open File"), QT_TRANSLATE_NOOP("Controls", "Choose a sound file to open"), false},
    {"btnConvert", QT_TRANSLATE_NOOP("Controls", "Convert"), nullptr, false},
    {"TxtProcess", QT_TRANSLATE_NOOP("Controls", "Encoder status"), nullptr, false},
};

// Captions of the form that no pack carries.
constexpr ControlCaption Captions[] = {
    {"lblTime", QT_TRANSLATE_NOOP("Controls", "Time:")},
    {"CmdSetNew", QT_TRANSLATE_NOOP("Controls", "Set")},
};

constexpr FrameCaption Frames[] = {
    {"Frame5", QT_TRANSLATE_NOOP("Controls", "Currently/Total")},
    {"Frame6", QT_TRANSLATE_NOOP("Controls", "Time Frame")},
    {"Frame4", QT_TRANSLATE_NOOP("Controls", "Goto")},
    {"Frame8", QT_TRANSLATE_NOOP("Controls", "Mp3 Segment")},
    {"Frame3", QT_TRANSLATE_NOOP("Controls", "New Mp3")},
    {"Frame10", QT_TRANSLATE_NOOP("Controls", "List")},
};

// The reading order: the Goto boxes, the Time Frame and the knob, the bit rates row by
// row, the marks and the cut, the cut's buttons, then the list and its buttons. The
// controls below the client area, which nobody sees, are left out, and so are the close
// view and its bar, which the pointer and the keys serve.
constexpr const char *TabOrder[] = {
    "cmbHH",   "CmbMM",       "CmbSS",       "CmdGoto",   "Slider1",  "CmdBack",     "CmdPlay",
    "CmdStop", "CmdPause",    "CmdStep",     "Knob1",     "Option1",  "Option3",     "Option2",
    "Option4", "Option5",     "CmdSetin",    "CmdOut",    "CmdSetNew", "CmdPlayTemp", "CmdStopTemp",
    "CmdSaveas", "Command3",  "CdmEnd",      "CmdaddList", "List1",   "CmdPlayList", "CmdStopList",
    "CmdUp",   "CmdDown",     "Command5",    "Command4",  "Command2", "CmdCreate",
};

// The controls no one sees: they lie below the client area at every size.
constexpr const char *Unseen[] = {"btnLoadFile", "btnConvert", "TxtProcess"};

// The pack tooltip `control` gets, or an empty text where `tables` give it none; `texts`
// are captionTexts(tables).
QString packToolTip(const LanguageTables &tables, const QStringList &texts, const char *control)
{
    const std::span<const Caption> captions = windowCaptions();
    for (size_t i = 0; i < captions.size(); ++i) {
        const Caption &c = captions[i];
        if (c.part == CaptionPart::ToolTip && std::strcmp(c.control, control) == 0 && c.entry)
            return tableText(tables, *c.entry).isEmpty() ? QString() : texts.at(qsizetype(i));
    }
    return {};
}

} // namespace

std::span<const ControlText> controlTexts() { return Controls; }
std::span<const FrameCaption> frameCaptions() { return Frames; }
std::span<const char *const> tabOrder() { return TabOrder; }
std::span<const char *const> unseenControls() { return Unseen; }
std::span<const ControlCaption> controlCaptions() { return Captions; }

QString controlTranslation(const char *source)
{
    return QCoreApplication::translate(Context, source);
}

std::vector<ControlStrings> controlStrings(const LanguageTables &tables)
{
    const QStringList texts = captionTexts(tables);
    std::vector<ControlStrings> strings;
    for (const ControlText &c : Controls) {
        ControlStrings s;
        s.control = QLatin1String(c.control);
        s.picture = c.picture;
        if (c.toolTip) {
            s.toolTip = controlTranslation(c.toolTip);
            s.name = controlTranslation(c.name);
        } else {
            const QString pack = packToolTip(tables, texts, c.control);
            s.name = pack.isEmpty() ? controlTranslation(c.name) : pack;
        }
        strings.push_back(s);
    }
    return strings;
}

} // namespace trevisto
