#pragma once
// Dialogs answered from a script, for tests: every question is recorded, answers are taken
// from queues. A question with no queued answer is recorded as unanswered and gets the
// cancelling answer, so a forgotten dialog fails a test instead of hanging it. A message
// box that offers only OK needs no answer.

#include "app/dialogs.h"

#include <QList>

#include <deque>
#include <utility>

class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Message, Input, File, Form };
    struct Asked {
        Kind kind;
        QString text; // message or prompt
        QString title;
        int buttons = 0; // the button set
        MsgIcon icon = MsgIcon::None;
        FileRequest file;
        int defaultButton = 0; // the index of the button Enter gives
        QList<FormField> fields; // of a form
    };

    void answerMessage(int answer) { messages_.push_back(answer); }
    void answerInput(const std::optional<QString> &text) { inputs_.push_back({text.has_value(), text.value_or(QString())}); }
    void answerFile(const std::optional<QString> &path) { files_.push_back({path.has_value(), path.value_or(QString())}); }
    // A form's texts, or nullopt to cancel it; a form without an answer is cancelled.
    void answerForm(const std::optional<QStringList> &texts) { forms_.push_back({texts.has_value(), texts.value_or(QStringList())}); }

    const QList<Asked> &asked() const { return asked_; }
    int unanswered() const { return unanswered_; }
    void clear();

    int msgBox(const QString &text, int buttons, MsgIcon icon, const QString &title) override;
    std::optional<QString> inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> fileDialog(const FileRequest &request) override;
    std::optional<QStringList> formBox(const QString &prompt, const QString &title,
                                       const QList<FormField> &fields) override;

private:
    QList<Asked> asked_;
    std::deque<int> messages_;
    // An answer is a text, or a cancel when its flag is false.
    using Answer = std::pair<bool, QString>;
    static std::optional<QString> take(std::deque<Answer> &queue, int &unanswered);
    std::deque<Answer> inputs_;
    std::deque<Answer> files_;
    std::deque<std::pair<bool, QStringList>> forms_;
    int unanswered_ = 0;
};
