#pragma once
// Every message box, input box and file chooser of the program goes through this
// interface, so tests can answer them and check what was asked.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// Button sets and answers keep the classic numbering the handlers compare against. A set
// may have vbDefaultButton2 or 3 added: the button Enter gives, the first one otherwise.
enum MsgButtons {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5,
    vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
// The button set of `buttons`, and the index (from 0) of the button Enter gives.
inline int ButtonSet(int buttons) { return buttons & 0xF; }
inline int DefaultButtonIndex(int buttons) { return (buttons >> 8) & 0x3; }
enum MsgResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// What a file chooser is asked to show, complete: a chooser keeps nothing from one
// request to the next. The filter uses the "description|pattern" form, pairs separated
// by "|" as well.
struct FileRequest {
    QString filter;
    QString initDir;
    QString title;
    QString fileName;
    int flags = 0;
    bool save = false;
    // Added, after a dot, to a file name typed without an extension (a save chooser's).
    QString defaultSuffix;
};

// One field of a form: what it asks, the text it starts with, and a tooltip saying what it
// takes.
struct FormField {
    QString label;
    QString text;
    QString toolTip;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int msgBox(const QString &text, int buttons, MsgIcon icon, const QString &title) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<QString> fileDialog(const FileRequest &request) = 0;
    // A small form of text fields under `prompt`: the texts as typed, one a field, or
    // nullopt when the user cancels.
    virtual std::optional<QStringList> formBox(const QString &prompt, const QString &title,
                                               const QList<FormField> &fields) = 0;
};

// `request` with the previous choice `previous` in its file name field where the filter
// lists that file; otherwise only its folder is kept, as the start folder where the request
// names none, so Enter cannot open an MP3 as a WAV.
FileRequest offeringPrevious(FileRequest request, const QString &previous);

// `path` with "." + `suffix` added when its file name has no extension (no dot at all);
// unchanged when `suffix` is empty.
QString withDefaultSuffix(const QString &path, const QString &suffix);

// Whether the file name of `path` matches a pattern of a "desc|pattern|..." filter, in
// any letter case.
bool MatchesFilter(const QString &path, const QString &filter);

// Turns "desc|pattern|desc|pattern" into Qt's "desc (pattern);;..." form.
QString qtFilterFromPairs(const QString &filter);

// The filter a chooser shows, in Qt's form: the request's own first, exactly as given.
// An open chooser adds "All sound files" (what the decoding library opens) and "All files"
// after it; one that lists only WAV files, which is all the WAV player takes, adds only
// "All files". A save chooser shows its own filter alone.
QString qtChooserFilter(const FileRequest &request);
