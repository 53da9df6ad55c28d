#pragma once

#include "app/CommandLine.h"

namespace tintabel {

class FileSystem;

// "apply [--dry-run] SCHEME TARGET...": puts a scheme (.ctm, .gpl, .ase) into colour files and
// skins' folders. Reports each file's changes on standard output and each failure on standard
// error; ends with kSuccess when every file was done, kFailure when one was not, and kUsageError
// for wrong arguments or a scheme that cannot be read.
CommandLine::Command applyCommand(FileSystem& files);

// "convert INPUT OUTPUT": between scheme files and GIMP and Adobe palettes, and from a colour
// document, each by its extension.
CommandLine::Command convertCommand(FileSystem& files);

} // namespace tintabel
