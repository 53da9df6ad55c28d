#include "app/BuildSettings.h"

namespace tintabel {

std::string updateServerAddress(const Environment& environment)
{
    return environment.updateServer.empty() ? TINTABEL_UPDATE_URL : environment.updateServer;
}

std::string siteAddress()
{
    return TINTABEL_SITE_URL;
}

} // namespace tintabel
