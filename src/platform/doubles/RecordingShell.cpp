#include "platform/doubles/RecordingShell.h"

namespace tintabel {

bool RecordingShell::open(std::string_view target, ShowWindow show)
{
    m_opened.push_back({std::string(target), show});
    return m_accepts;
}

} // namespace tintabel
