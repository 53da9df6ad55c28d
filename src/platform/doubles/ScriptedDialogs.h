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

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder() override;
    std::size_t chosenFilter() const override { return m_chosenFilter; }

    // The file type the user leaves chosen comes with the answer.
    void queueAnswer(std::string path, std::size_t filter = 0)
    {
        m_answers.push_back({std::move(path), filter});
    }
    void queueCancel() { m_answers.push_back({std::nullopt, 0}); }
    const std::vector<Asked>& asked() const { return m_asked; }
    // Answers queued and not yet taken.
    std::size_t pending() const { return m_answers.size(); }

private:
    std::optional<std::string> answer(Kind kind, const FileDialogRequest& request);

    struct Answer {
        std::optional<std::string> path;
        std::size_t filter;
    };

    std::deque<Answer> m_answers;
    std::size_t m_chosenFilter = 0;
    std::vector<Asked> m_asked;
};

} // namespace tintabel
