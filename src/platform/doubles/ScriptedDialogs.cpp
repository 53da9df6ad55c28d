#include "platform/doubles/ScriptedDialogs.h"

namespace tintabel {

std::optional<std::string> ScriptedDialogs::answer(Kind kind, const FileDialogRequest& request)
{
    m_asked.push_back({kind, request});
    if (m_answers.empty())
        return std::nullopt;
    std::optional<std::string> next = std::move(m_answers.front());
    m_answers.pop_front();
    return next;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    return answer(Kind::Open, request);
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogRequest& request)
{
    return answer(Kind::Save, request);
}

std::optional<std::string> ScriptedDialogs::chooseFolder()
{
    return answer(Kind::Folder, {});
}

} // namespace tintabel
