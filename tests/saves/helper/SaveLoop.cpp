// Saves through one of the program's save paths, alternating two versions, <count> times or until
// it is killed (tests/saves/KillTest.cpp). It stops itself after the first save, for the test to
// look at the files and let it go on. A failed save ends it.
// Arguments: Scheme, SaveToSkin, Settings or UpdateAnswer; the folder; the update server; the
// first version, 0 or 1; how many saves, -1 for ever.

#include "colours/ColourXmlWriter.h"
#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"
#include "colours/WorkingCopy.h"
#include "platform/CurlDownloader.h"
#include "platform/LocalFileSystem.h"
#include "platform/RegistryStore.h"

#include <csignal>
#include <string>

using namespace tintabel;

int main(int argc, char** argv)
{
    if (argc != 6)
        return 2;
    const std::string step = argv[1];
    const std::string folder = argv[2];
    LocalFileSystem files {Environment {}};
    const WorkingCopy copy {folder, folder + "/fm colours.xml"};
    for (long done = 0; std::stol(argv[5]) < 0 || done < std::stol(argv[5]); ++done) {
        const int version = static_cast<int>((std::stol(argv[4]) + done) % 2);
        SlotModel slots; // the versions differ in every colour and alpha, and in length
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            slots.setColour(index, version == 0 ? 0x102030 : 0xFFC800);
            slots.setAlpha(index, version == 0 ? "7" : "255");
        }
        if (step == "Scheme") { // "Save colour scheme" after an edit
            WorkingColourFile(files, folder + "/", slots).data();
            files.copyFileOrThrow(folder + "/dane.dat", folder + "/scheme.ctm");
        } else if (step == "SaveToSkin") { // "Save XML file as..." only copies elsewhere
            if (!files.fileExists(copy.path))
                files.writeFileAtomically(copy.path, R"(<c><colour name="low attribute"/></c>)");
            ColourXmlWriter(files, copy, slots).save();
            files.copyFileOrThrow(copy.path, folder + "/skin.xml");
        } else if (step == "Settings") {
            RegistryStore(folder + "/registry.reg")
                .writeString(RegistryRoot::CurrentUser, "Software", "lang",
                    version == 0 ? "English" : "Polish");
        } else if (CurlDownloader(Environment {})
                       .download(argv[3] + ("/" + std::to_string(version)), folder + "/orb.ini")
            != 0) {
            return 1;
        }
        if (done == 0)
            ::raise(SIGSTOP);
    }
    return 0;
}
