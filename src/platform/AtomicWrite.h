#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tintabel {

// The text of a failed file operation, as the program shows it: "File access denied" for a file
// that may not be written, "File not found", "Path not found", "Disk full", "Disk quota exceeded",
// else the system's text.
std::string ioReason(int errorNumber);

// Every replacing write is atomic: the destination holds its old or its new content, never a part,
// whatever happens to the program. FlushToDisk also waits until the disk has both, so the user's
// own files survive a power cut; LeaveToSystem spares that wait for files rewritten at every
// keystroke that the program can always write again (the working colour file).
enum class WriteDurability { FlushToDisk, LeaveToSystem };

// Writes bytes to a temporary file in the destination's folder and renames it over the
// destination. Raises InOutError with the reason; on failure the temporary file is removed.
//
// A program killed in the middle of a save leaves its temporary behind, so every save first
// removes the ones of its destination that no running save owns. Temporaries are named "." + the
// destination's name + ".tintabel-" + six random characters, and each is locked (flock) by its
// writer until it has been renamed; the system drops the lock when the writer dies, however it
// dies, so a temporary that can be locked is a stale one. Another running copy's save is thus
// never disturbed. On a file system without locks stale temporaries stay.
void writeFileAtomically(const std::filesystem::path& destination, std::string_view bytes,
    WriteDurability durability = WriteDurability::FlushToDisk);

// The same for the content of another file, streamed so that big files need no memory of their
// size. A new destination takes the source's permissions; a replaced one keeps its own.
void copyFileAtomically(
    const std::filesystem::path& source, const std::filesystem::path& destination);

} // namespace tintabel
