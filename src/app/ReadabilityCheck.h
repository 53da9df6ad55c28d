#pragma once

#include "app/CommandLine.h"

#include <QStringList>

namespace tintabel {

struct Environment;

// "tintabel check [--json] [--background PICTURE | --against RRGGBB] COLOUR_XML": reads a colour
// document as the window loads one and prints the readability figures of its slots, each over
// the plain colour given, over the mean of the whole picture given, or, with neither, over the
// start background under the sample's start place. It needs no display. Exit status kSuccess
// when every slot passes and no pair is hard to tell apart, kFailure otherwise, kUsageError when
// the arguments are wrong or an input cannot be read, with the message the window would show.
CommandLine::Command readabilityCheckCommand();

// The command's work, the files found through environment; arguments are those after its name.
CommandLine::Result runReadabilityCheck(
    const QStringList& arguments, const Environment& environment);

} // namespace tintabel
