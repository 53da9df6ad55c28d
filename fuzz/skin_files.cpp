// Every file the program reads from a skin and from the game's settings: the location of the
// user folder, a skin's description and the colour files listed from its settings folder.
#include "colours/SkinCatalogue.h"
#include "colours/UserDataLocation.h"
#include "platform/Errors.h"
#include "support/Check.h"
#include "support/InputFiles.h"

using namespace tintabel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tintabel::fuzz::InputFiles files({reinterpret_cast<const char*>(data), size});
    try {
        UserDataLocation::readFolder(files, "user_data_location.xml");
    } catch (const Error&) {
    }

    const SkinCatalogue catalogue(files);
    try {
        for (const SkinEntry& skin : catalogue.scan("user\\", [] {}))
            FUZZ_CHECK(!skin.displayName.empty());
    } catch (const Error&) {
    }
    try {
        catalogue.listColourFiles("settings\\", [](const std::string&) {});
    } catch (const Error&) {
    }
    return 0;
}
