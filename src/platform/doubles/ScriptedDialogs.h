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

    void queueAnswer(std::string path) { m_answers.emplace_back(std::move(path)); }
    void queueCancel() { m_answers.emplace_back(std::nullopt); }
    void chooseFilter(std::size_t filter) { m_chosenFilter = filter; }
    const std::vector<Asked>& asked() const { return m_asked; }
    // Answers queued and not yet taken.
    std::size_t pending() const { return m_answers.size(); }

private:
    std::optional<std::string> answer(Kind kind, const FileDialogRequest& request);

    std::deque<std::optional<std::string>> m_answers;
    std::vector<Asked> m_asked;
    std::size_t m_chosenFilter = 0;
};

} // namespace tintabel
