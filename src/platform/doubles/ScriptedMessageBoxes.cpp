#include "platform/doubles/ScriptedMessageBoxes.h"

namespace tintabel {

void ScriptedMessageBoxes::error(std::string_view text)
{
    m_shown.push_back({Kind::Error, {}, std::string(text)});
}

void ScriptedMessageBoxes::information(std::string_view text)
{
    m_shown.push_back({Kind::Information, {}, std::string(text)});
}

bool ScriptedMessageBoxes::warningYesNo(std::string_view title, std::string_view text)
{
    m_shown.push_back({Kind::WarningYesNo, std::string(title), std::string(text)});
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::vector<std::string> ScriptedMessageBoxes::errors() const
{
    std::vector<std::string> texts;
    for (const Shown& shown : m_shown) {
        if (shown.kind == Kind::Error)
            texts.push_back(shown.text);
    }
    return texts;
}

} // namespace tintabel
