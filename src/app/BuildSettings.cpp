#include "app/BuildSettings.h"

#include <cstdlib>

namespace tintabel {

std::string updateServerAddress()
{
    if (const char* address = std::getenv("TINTABEL_UPDATE_URL"); address && *address)
        return address;
    return TINTABEL_UPDATE_URL;
}

std::string siteAddress()
{
    return TINTABEL_SITE_URL;
}

} // namespace tintabel
