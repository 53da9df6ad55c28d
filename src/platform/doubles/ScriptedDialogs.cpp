#include "platform/doubles/ScriptedDialogs.h"

namespace tintabel {

std::optional<std::string> ScriptedDialogs::answer(Kind kind, const FileDialogRequest& request)
{
    m_asked.push_back({kind, request});
    if (m_answers.empty())
        return std::nullopt;
    Answer next = std::move(m_answers.front());
    m_answers.pop_front();
    if (next.path)
        m_chosenFilter = next.filter;
    return next.path;
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
