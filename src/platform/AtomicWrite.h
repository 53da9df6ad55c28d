#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tintabel {

// The text of a failed file operation, as the program shows it: "File access denied" for a file
// that may not be written, "File not found", "Path not found", "Disk full", else the system's text.
std::string ioReason(int errorNumber);

// Writes bytes to a temporary file in the destination's folder, flushes it to disk and renames it
// over the destination, so the destination holds either its old or its new content, never a
// part. Raises InOutError with the reason; on failure the temporary file is removed.
void writeFileAtomically(const std::filesystem::path& destination, std::string_view bytes);

// The same for the content of another file, streamed so that big files need no memory of their
// size. A new destination takes the source's permissions; a replaced one keeps its own.
void copyFileAtomically(
    const std::filesystem::path& source, const std::filesystem::path& destination);

} // namespace tintabel
