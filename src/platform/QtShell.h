#pragma once

#include "platform/Environment.h"
#include "platform/Shell.h"

namespace tintabel {

// Opens addresses and files through the desktop (QDesktopServices). A target with a scheme
// ("https://...", "mailto:...") is an address; anything else is a path text of the program's.
class QtShell : public Shell {
public:
    explicit QtShell(Environment environment);
    bool open(std::string_view target, ShowWindow show) override;

private:
    Environment m_environment;
};

} // namespace tintabel
