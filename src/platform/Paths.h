#pragma once

#include "platform/Environment.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tintabel {

// The program builds paths by joining texts, so they mix "/" and "\" and may double separators
// ("<program folder>\temp" when the folder already ends in one). This turns such a text into a
// local path: both characters separate, runs of separators collapse, a trailing separator goes,
// and a relative text stays relative. A drive path ("C:\Games", "x:/a") goes through the Wine
// prefix's dosdevices link for that drive and, as on Windows, its components are found without
// regard to case when exactly one entry matches. A drive without a link (or no prefix at all)
// gives nothing: such a path does not exist and cannot be created. An empty text gives nothing.
std::optional<std::filesystem::path> toLocalPath(std::string_view text, const Environment& env);

// The root followed by the components of a relative path text, each found without regard to case
// when the given spelling is not there and exactly one entry matches (as Windows finds them);
// "." and ".." are resolved in the text, never above the root; missing parts stay as written.
std::filesystem::path resolveIgnoringCase(
    const std::filesystem::path& root, std::string_view relative);

// Whether a path text starts with a drive letter and its colon ("C:", "x:/a").
bool isDrivePath(std::string_view text);

// The file-name part of a path text: what follows the last "\", "/" or drive colon.
std::string fileNamePart(std::string_view path);

// The extension of a path text with its dot (".jpg"), or "" when the file name has none.
std::string extensionPart(std::string_view path);

// File names as Windows compares them: without regard to case, for any script.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);
// An order of names without regard to case; names that differ only in case keep a fixed order.
bool nameLessIgnoringCase(std::string_view a, std::string_view b);

// Whether a file name matches a Windows wildcard mask without regard to case: "*" stands for any
// run of characters, "?" for one; a mask ending in "." matches only names without a "." ("*."),
// and one ending in ".*" also matches the name without any extension ("*.*" matches all).
bool matchesWildcard(std::string_view name, std::string_view mask);

} // namespace tintabel
