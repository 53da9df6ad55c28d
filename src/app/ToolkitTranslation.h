#pragma once

#include <QTranslator>

namespace tintabel {

// The toolkit's own texts (the buttons of message boxes, the file dialogs) in the interface
// language: Qt's translations of its base module, which Debian ships in qt6-translations-l10n.
class ToolkitTranslation {
public:
    ToolkitTranslation() = default;
    ~ToolkitTranslation();
    ToolkitTranslation(const ToolkitTranslation&) = delete;
    ToolkitTranslation& operator=(const ToolkitTranslation&) = delete;

    // A missing translation is logged and leaves the toolkit's English.
    void polish();
    void english();

private:
    QTranslator m_polish;
    bool m_installed = false;
};

} // namespace tintabel
