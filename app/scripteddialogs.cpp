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
    asked_.push_back({Kind::Message, text, title, buttons, icon, {}});
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
    asked_.push_back({Kind::Input, prompt, title, 0, MsgIcon::None, none});
    if (inputs_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    auto answer = inputs_.front();
    inputs_.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::fileDialog(const FileRequest &request)
{
    asked_.push_back({Kind::File, {}, request.title, 0, MsgIcon::None, request});
    if (files_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    auto answer = files_.front();
    files_.pop_front();
    return answer;
}
