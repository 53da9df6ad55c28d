#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tintabel {

// Where the user's folders are. Every location the program uses derives from these texts, read
// from the process environment once at start; tests build their own pointing into temporary
// folders.
struct Environment {
    std::string home; // $HOME
    std::string configHome; // $XDG_CONFIG_HOME, else home + "/.config"
    std::string dataHome; // $XDG_DATA_HOME, else home + "/.local/share"
    std::string stateHome; // $XDG_STATE_HOME, else home + "/.local/state"
    std::string cacheHome; // $XDG_CACHE_HOME, else home + "/.cache"
    std::string runtimeFolder; // $XDG_RUNTIME_DIR, else "" (not every session has one)
    std::string tempFolder; // $TMPDIR, else "/tmp"
    std::string
        documentsFolder; // $XDG_DOCUMENTS_DIR, else user-dirs.dirs, else home + "/Documents"
    std::string winePrefix; // $WINEPREFIX, else home + "/.wine" (it need not exist)
    std::string userName; // $USER, else $LOGNAME
    std::string updateServer; // $TINTABEL_UPDATE_URL, else "" (the build's address)

    static Environment fromProcess();
    // The same rules over any source of variables (an unset or empty variable gives nothing);
    // "user-dirs.dirs" is still read from the configuration folder the variables name.
    using VariableLookup = std::function<std::optional<std::string>(std::string_view name)>;
    static Environment fromVariables(const VariableLookup& variable);
};

// The path of a shell special folder, by its Windows number, without creating it: 26 is the
// user's application data, 5 the personal documents. Inside the Wine prefix when one exists (the
// game runs there), otherwise the XDG data and documents folders. Other numbers give "".
std::string specialFolderPath(int folder, const Environment& env);

} // namespace tintabel
