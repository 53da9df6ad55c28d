#pragma once

#include "colours/ColourValue.h"
#include "readability/PixelBuffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tintabel {

enum class Vision { normal, protanopia, deuteranopia, tritanopia };

inline constexpr std::size_t kVisionCount = 4;
inline constexpr std::array<Vision, kVisionCount> kVisions {
    Vision::normal, Vision::protanopia, Vision::deuteranopia, Vision::tritanopia};

// "normal", "protanopia", "deuteranopia", "tritanopia".
std::string_view visionName(Vision vision);

// The colour as a dichromat sees it, after Machado, Oliveira and Fernandes (2009) at full
// severity: their matrix applied to linear light, clamped and turned back into 8-bit sRGB.
// Normal vision leaves every colour as it is.
ColourValue simulateVision(ColourValue colour, Vision vision);

// The same for 32-bit pixels in place; alpha stays as it is.
void simulateVision(std::span<std::uint32_t> pixels, Vision vision);
void simulateVision(const PixelBuffer& picture, Vision vision);

} // namespace tintabel
