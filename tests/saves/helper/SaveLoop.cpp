// Saves through one of the program's save paths, alternating two versions, <count> times or until
// it is killed (tests/saves/KillTest.cpp). It stops itself after the first save, for the test to
// look at the files and let it go on. A failed save ends it with status 1.
//     tintabel_save_loop <Scheme|SaveToSkin|Settings|UpdateAnswer> <folder> <server> <first>
//     <count>

#include "colours/ColourXmlWriter.h"
#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"
#include "colours/WorkingCopy.h"
#include "platform/CurlDownloader.h"
#include "platform/LocalFileSystem.h"
#include "platform/RegistryStore.h"

#include <csignal>
#include <cstdio>
#include <string>

using namespace tintabel;

int main(int argc, char** argv)
{
    if (argc != 6)
        return 2;
    const std::string step = argv[1];
    const std::string folder = argv[2];
    LocalFileSystem files {Environment {}};
    const WorkingCopy copy {folder + "/temp", folder + "/temp/fm colours.xml"};
    try {
        for (long done = 0, count = std::stol(argv[5]); count < 0 || done < count; ++done) {
            const int version = static_cast<int>((std::stol(argv[4]) + done) % 2);
            // Versions differ in every colour and alpha, and in length.
            SlotModel slots;
            for (std::size_t index = 0; index < kSlotCount; ++index) {
                slots.setColour(index, version == 0 ? 0x102030 : 0xFFC800);
                slots.setAlpha(index, version == 0 ? "7" : "255");
            }
            if (step == "Scheme") { // "Save colour scheme" after an edit
                WorkingColourFile(files, folder + "/", slots).data();
                files.copyFileOrThrow(folder + "/dane.dat", folder + "/scheme.ctm");
            } else if (step == "SaveToSkin") { // and "Save XML file as...", which only differs
                if (!files.fileExists(copy.path)) { // in where it copies to
                    files.makeFolderTree(copy.tempFolder);
                    files.writeFileAtomically(copy.path,
                        R"(<colours><colour name="low attribute" red="1" green="2" blue="3"/>)"
                        "</colours>");
                }
                ColourXmlWriter(files, copy, slots).save();
                files.copyFileOrThrow(copy.path, folder + "/skin.xml");
            } else if (step == "Settings") {
                RegistryStore(folder + "/registry.reg")
                    .writeString(RegistryRoot::CurrentUser, "Software", "lang",
                        version == 0 ? "English" : "Polish");
            } else if (CurlDownloader(Environment {})
                           .download(argv[3] + ("/" + std::to_string(version)), folder + "/orb.ini")
                != 0) {
                throw std::runtime_error("the update answer was not downloaded");
            }
            if (done == 0)
                ::raise(SIGSTOP);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
