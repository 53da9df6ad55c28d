#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace tintabel {

// Records what the program asks the desktop to open instead of opening it, and accepts it.
class RecordingShell : public Shell {
public:
    struct Opened {
        std::string target;
        ShowWindow show;
    };

    bool open(std::string_view target, ShowWindow show) override
    {
        m_opened.push_back({std::string(target), show});
        return true;
    }

    const std::vector<Opened>& opened() const { return m_opened; }

private:
    std::vector<Opened> m_opened;
};

} // namespace tintabel
