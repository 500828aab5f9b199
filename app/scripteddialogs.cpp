#include "app/scripteddialogs.h"

void ScriptedDialogs::clear()
{
    asked_.clear();
    messages_.clear();
    inputs_.clear();
    files_.clear();
    unanswered_ = 0;
}

int ScriptedDialogs::msgBox(const QString &text, int buttons, MsgIcon icon, const QString &title)
{
    asked_.push_back({Kind::Message, text, title, ButtonSet(buttons), icon, {}, DefaultButtonIndex(buttons), {}});
    buttons = ButtonSet(buttons);
    if (!messages_.empty()) {
        const int answer = messages_.front();
        messages_.pop_front();
        return answer;
    }
    if (buttons == vbOKOnly)
        return vbOK;
    ++unanswered_;
    return (buttons == vbYesNo) ? vbNo : vbCancel;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    FileRequest none;
    none.fileName = defaultText;
    asked_.push_back({Kind::Input, prompt, title, 0, MsgIcon::None, none, 0, {}});
    return take(inputs_, unanswered_);
}

std::optional<QString> ScriptedDialogs::fileDialog(const FileRequest &request)
{
    asked_.push_back({Kind::File, {}, request.title, 0, MsgIcon::None, request, 0, {}});
    return take(files_, unanswered_);
}

std::optional<QStringList> ScriptedDialogs::formBox(const QString &prompt, const QString &title,
                                                   const QList<FormField> &fields)
{
    asked_.push_back({Kind::Form, prompt, title, 0, MsgIcon::None, {}, 0, fields});
    if (forms_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    const auto [given, texts] = forms_.front();
    forms_.pop_front();
    if (!given)
        return std::nullopt;
    return texts;
}

std::optional<QString> ScriptedDialogs::take(std::deque<Answer> &queue, int &unanswered)
{
    if (queue.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    const Answer answer = queue.front();
    queue.pop_front();
    if (!answer.first)
        return std::nullopt;
    return answer.second;
}
