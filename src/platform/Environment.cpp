#include "platform/Environment.h"

#include "platform/Errors.h"
#include "platform/LocalRecordFile.h"
#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <ranges>
#include <unistd.h>

namespace tintabel {

namespace {

// The value of XDG_DOCUMENTS_DIR in a user-dirs.dirs file: a shell assignment of a quoted text
// that is either absolute or starts with "$HOME".
std::optional<std::string> documentsFromUserDirs(const std::string& file, const std::string& home)
{
    std::string content;
    try {
        content = LocalRecordFile::readWhole(file);
    } catch (const InOutError&) {
        // Most users have no such file; an unreadable one gives the default folder as well.
        return std::nullopt;
    }
    std::optional<std::string> result;
    const std::string_view key = "XDG_DOCUMENTS_DIR=";
    for (const auto line : std::views::split(content, '\n')) {
        std::string_view text(line.begin(), line.end());
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        if (!text.starts_with(key))
            continue;
        text.remove_prefix(key.size());
        if (text.size() < 2 || text.front() != '"')
            continue;
        std::string value;
        bool closed = false;
        for (std::size_t i = 1; i < text.size() && !closed; ++i) {
            if (text[i] == '\\' && i + 1 < text.size())
                value += text[++i];
            else if (text[i] == '"')
                closed = true;
            else
                value += text[i];
        }
        if (!closed)
            continue;
        if (value.starts_with("$HOME"))
            value = home + value.substr(5);
        else if (!value.starts_with('/'))
            continue;
        while (value.size() > 1 && value.back() == '/')
            value.pop_back();
        result = value;
    }
    return result;
}

std::optional<std::string> fromPasswordFile(bool wantHome)
{
    const passwd* entry = ::getpwuid(::getuid());
    if (!entry)
        return std::nullopt;
    const char* value = wantHome ? entry->pw_dir : entry->pw_name;
    return value && *value ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

Environment Environment::fromProcess()
{
    return fromVariables([](std::string_view name) -> std::optional<std::string> {
        const char* value = std::getenv(std::string(name).c_str());
        if (value && *value)
            return std::string(value);
        if (name == "HOME")
            return fromPasswordFile(true);
        if (name == "USER")
            return fromPasswordFile(false);
        return std::nullopt;
    });
}

Environment Environment::fromVariables(const VariableLookup& variable)
{
    const auto either = [&variable](std::string_view name, const std::string& fallback) {
        std::optional<std::string> value = variable(name);
        return value && !value->empty() ? *value : fallback;
    };
    Environment env;
    env.home = either("HOME", "");
    env.configHome = either("XDG_CONFIG_HOME", env.home + "/.config");
    env.dataHome = either("XDG_DATA_HOME", env.home + "/.local/share");
    env.stateHome = either("XDG_STATE_HOME", env.home + "/.local/state");
    env.cacheHome = either("XDG_CACHE_HOME", env.home + "/.cache");
    env.runtimeFolder = either("XDG_RUNTIME_DIR", "");
    env.tempFolder = either("TMPDIR", "/tmp");
    std::optional<std::string> documents = variable("XDG_DOCUMENTS_DIR");
    if (!documents || documents->empty())
        documents = documentsFromUserDirs(env.configHome + "/user-dirs.dirs", env.home);
    env.documentsFolder = documents.value_or(env.home + "/Documents");
    env.winePrefix = either("WINEPREFIX", env.home + "/.wine");
    env.userName = either("USER", either("LOGNAME", ""));
    env.updateServer = either("TINTABEL_UPDATE_URL", "");
    return env;
}

std::string specialFolderPath(int folder, const Environment& env)
{
    if (folder != 26 && folder != 5)
        return {};
    const std::filesystem::path driveC = std::filesystem::path(env.winePrefix) / "drive_c";
    std::error_code error;
    if (env.winePrefix.empty() || env.userName.empty()
        || !std::filesystem::is_directory(driveC, error))
        return folder == 26 ? env.dataHome : env.documentsFolder;
    // Prefixes made by older Wine versions still have the names of Windows XP's time.
    const std::string user = "users/" + env.userName + "/";
    const std::string current = user + (folder == 26 ? "AppData/Roaming" : "Documents");
    const std::string older = user + (folder == 26 ? "Application Data" : "My Documents");
    const std::filesystem::path path = resolveIgnoringCase(driveC, current);
    const std::filesystem::path olderPath = resolveIgnoringCase(driveC, older);
    if (!std::filesystem::is_directory(path, error)
        && std::filesystem::is_directory(olderPath, error))
        return olderPath.string();
    return path.string();
}

} // namespace tintabel
