#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tintabel {

// What a file dialog shows. The filter is written as the program's texts give it:
// "Description|*.a;*.b" (pairs separated by "|").
struct FileDialogRequest {
    std::string name; // the dialog's own name ("od", "sv", "opimg", ...), for tests
    std::string filter; //
    std::string defaultExtension; // "xml": a name typed without an extension gets ".xml"
    std::string initialFileName; //
    bool mayNotExist = false; // an open dialog that also returns the name of a missing file
};

// The modal dialogs the program asks questions with. Every answer is a full path or nothing
// (cancelled). Tests script the answers (ScriptedDialogs), so no test waits on a window.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // The file type the user left chosen in the last file dialog answered, by the place of its
    // pair in the request's filter (0 is the first).
    virtual std::size_t chosenFilter() const = 0;
    // The chosen folder without a trailing separator.
    virtual std::optional<std::string> chooseFolder() = 0;
};

} // namespace tintabel
