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

    void error(std::string_view text) override;
    void information(std::string_view text) override;
    bool warningYesNo(std::string_view title, std::string_view text) override;

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    const std::vector<Shown>& shown() const { return m_shown; }
    std::vector<std::string> errors() const;
    void clear() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
};

} // namespace tintabel
