#include "platform/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

namespace tintabel {

std::jthread readFontConfigurationAside()
{
    // A failure here is the toolkit's to meet and report when it reads the configuration itself.
    return std::jthread([] { FcInit(); });
}

} // namespace tintabel
