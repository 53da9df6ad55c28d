#pragma once

#include "platform/Environment.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tintabel {

// The program builds paths by joining texts, so they mix "/" and "\" and may double separators
// ("<program folder>\temp" when the folder already ends in one). This turns such a text into a
// local path: both characters separate, runs of separators collapse, and a drive path ("C:\Games",
// "x:/a") goes through the Wine prefix's dosdevices link for that drive. A drive without a link
// (or no prefix at all) gives nothing: such a path does not exist and cannot be created.
std::optional<std::filesystem::path> toLocalPath(std::string_view text, const Environment& env);

// The file-name part of a path text: what follows the last "\", "/" or drive colon.
std::string fileNamePart(std::string_view path);

// The extension of a path text with its dot (".jpg"), or "" when the file name has none.
std::string extensionPart(std::string_view path);

} // namespace tintabel
