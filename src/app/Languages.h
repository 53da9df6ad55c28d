#pragma once

#include "app/ToolkitTranslation.h"
#include "colours/InterfaceTexts.h"

#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace tintabel {

class Registry;
class Shell;

// The interface language of the main window: applies the English or Polish texts, the toolkit's
// own texts with them, switches between them with the flags and remembers the choice in the
// settings store, and opens the help page of the language in force.
class Languages {
public:
    static constexpr const char* kKey = "\\SOFTWARE\\VELDO\\orb\\Lang";
    static constexpr const char* kValue = "lang";

    // The window's controls are found by their names; the help pages lie in dataFolder.
    Languages(QWidget& window, std::string dataFolder, Registry& registry, Shell& shell);

    // The texts of the language in force; empty until a language is applied.
    const InterfaceTexts& texts() const { return m_texts; }
    // "English", "Polish", another text read from the settings store, or empty.
    const std::string& languageName() const { return m_languageName; }

    void angielski();
    void polski();

    // Start-up: reads the stored language name; nothing stored or "English" gives English,
    // "Polish" Polish, and any other text neither, so the designed captions stay and the
    // messages stay empty.
    void applyStoredLanguage();

    void engimgClick();
    void polimgClick();
    // Opens the help page of the language in force; with nothing stored, the English one.
    void helpbtClick();

private:
    struct Caption {
        std::string InterfaceTexts::*text;
        QWidget* control;
    };

    void apply(const InterfaceTexts& texts);
    // A refused write leaves everything as it was: the error ends the switch before any change.
    void switchTo(std::string_view name, void (Languages::*applyLanguage)());

    std::string m_dataFolder;
    Registry& m_registry;
    Shell& m_shell;
    std::vector<Caption> m_captions;
    std::string m_languageName;
    InterfaceTexts m_texts;
    ToolkitTranslation m_toolkit;
};

} // namespace tintabel
