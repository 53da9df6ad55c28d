#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tintabel {

// Answers every dialog with the next queued answer, in the order the dialogs are asked, and
// records each request. A dialog with nothing queued is cancelled.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Open, Save, Folder };
    struct Asked {
        Kind kind;
        FileDialogRequest request; // empty for the folder chooser
    };

    std::optional<std::string> openFile(const FileDialogRequest& request) override
    {
        return answer(Kind::Open, request);
    }
    std::optional<std::string> saveFile(const FileDialogRequest& request) override
    {
        return answer(Kind::Save, request);
    }
    std::optional<std::string> chooseFolder() override { return answer(Kind::Folder, {}); }
    std::size_t chosenFilter() const override { return m_chosenFilter; }

    void queueAnswer(std::string path) { m_answers.emplace_back(std::move(path)); }
    void queueCancel() { m_answers.emplace_back(std::nullopt); }
    void chooseFilter(std::size_t filter) { m_chosenFilter = filter; }
    const std::vector<Asked>& asked() const { return m_asked; }

private:
    std::optional<std::string> answer(Kind kind, const FileDialogRequest& request)
    {
        m_asked.push_back({kind, request});
        if (m_answers.empty())
            return std::nullopt;
        std::optional<std::string> next = std::move(m_answers.front());
        m_answers.pop_front();
        return next;
    }

    std::deque<std::optional<std::string>> m_answers;
    std::vector<Asked> m_asked;
    std::size_t m_chosenFilter = 0;
};

} // namespace tintabel
