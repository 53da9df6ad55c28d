#pragma once

#include "platform/MessageBoxes.h"

#include <deque>
#include <string>
#include <vector>

namespace tintabel {

// Records every message box instead of showing it; Yes/No questions take queued answers
// (No when none is queued).
class ScriptedMessageBoxes : public MessageBoxes {
public:
    enum class Kind { Error, Information, WarningYesNo };
    struct Shown {
        Kind kind;
        std::string title;
        std::string text;
    };

    void error(std::string_view text) override
    {
        m_shown.push_back({Kind::Error, {}, std::string(text)});
    }
    void information(std::string_view text) override
    {
        m_shown.push_back({Kind::Information, {}, std::string(text)});
    }
    bool warningYesNo(std::string_view title, std::string_view text) override
    {
        m_shown.push_back({Kind::WarningYesNo, std::string(title), std::string(text)});
        const bool yes = !m_answers.empty() && m_answers.front();
        if (!m_answers.empty())
            m_answers.pop_front();
        return yes;
    }

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    const std::vector<Shown>& shown() const { return m_shown; }
    std::vector<std::string> errors() const
    {
        std::vector<std::string> texts;
        for (const Shown& shown : m_shown) {
            if (shown.kind == Kind::Error)
                texts.push_back(shown.text);
        }
        return texts;
    }
    void clear() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
};

} // namespace tintabel
