#pragma once

#include "colours/ColourRecord.h"

#include <string>
#include <utility>

namespace tintabel::testing {

// One record of a scheme file as its bytes, written into a buffer of zeros.
inline std::string schemeRecord(std::string name, std::string red, std::string green,
    std::string blue, std::string alpha = "255")
{
    ColourRecord::Bytes bytes {};
    ColourRecord {
        std::move(name), std::move(red), std::move(green), std::move(blue), std::move(alpha)}
        .writeInto(bytes);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace tintabel::testing
