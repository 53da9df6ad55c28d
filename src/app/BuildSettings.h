#pragma once

#include "platform/Environment.h"

#include <string>

namespace tintabel {

// The update server's base address; the check fetches <address>/orb.ini. A build setting,
// replaced by TINTABEL_UPDATE_URL in the environment (tests point it at a server of their own).
std::string updateServerAddress(const Environment& environment);

// The maker's site, behind the about window's link.
std::string siteAddress();

} // namespace tintabel
