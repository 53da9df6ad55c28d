// The update server's answer (orb.ini), read as the update check reads it.
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "support/Check.h"
#include "support/InputFiles.h"

using namespace tintabel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tintabel::fuzz::InputFiles files({reinterpret_cast<const char*>(data), size});
    const IniFile ini = IniFile::load(files, "orb.ini");
    for (const char* key : {"version", "url"}) {
        // A value never holds a line break: the lines are its bounds.
        const std::string value = ini.read("update", key, "");
        FUZZ_CHECK(value.find('\n') == std::string::npos);
        FUZZ_CHECK(ini.read("UPDATE", key, "") == value);
    }
    return 0;
}
