#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace tintabel {

// Records what the program asks the desktop to open instead of opening it.
class RecordingShell : public Shell {
public:
    struct Opened {
        std::string target;
        ShowWindow show;
    };

    bool open(std::string_view target, ShowWindow show) override;

    const std::vector<Opened>& opened() const { return m_opened; }
    // What open returns from now on (accepted at first).
    void setAccepts(bool accepts) { m_accepts = accepts; }

private:
    std::vector<Opened> m_opened;
    bool m_accepts = true;
};

} // namespace tintabel
