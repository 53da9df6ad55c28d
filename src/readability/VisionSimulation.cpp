#include "readability/VisionSimulation.h"

#include "readability/Srgb.h"

namespace tintabel {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, rows red, green, blue.
constexpr std::array<Matrix, kVisionCount> kMatrices {{
    {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
        {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
        {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
        {0.004733, 0.691367, 0.303900}}},
}};

} // namespace

std::string_view visionName(Vision vision)
{
    constexpr std::array<std::string_view, kVisionCount> names {
        "normal", "protanopia", "deuteranopia", "tritanopia"};
    return names[static_cast<std::size_t>(vision)];
}

ColourValue simulateVision(ColourValue colour, Vision vision)
{
    if (vision == Vision::normal)
        return colour;
    const Matrix& matrix = kMatrices[static_cast<std::size_t>(vision)];
    const std::array<double, 3> linear = linearRgb(colour);
    std::array<double, 3> seen {};
    for (std::size_t row = 0; row < 3; ++row)
        seen[row]
            = matrix[row][0] * linear[0] + matrix[row][1] * linear[1] + matrix[row][2] * linear[2];
    return encodedColour(seen);
}

void simulateVision(std::span<std::uint32_t> pixels, Vision vision)
{
    if (vision == Vision::normal)
        return;
    // Previews are mostly runs of one colour, so the last answer is usually the next one.
    std::uint32_t lastColour = 0;
    std::uint32_t lastSeen = colourPixel(simulateVision(ColourValue {0}, vision), 0);
    for (std::uint32_t& pixel : pixels) {
        const std::uint32_t colour = pixel & 0xFFFFFFu;
        if (colour != lastColour) {
            lastColour = colour;
            lastSeen = colourPixel(simulateVision(pixelColour(colour), vision), 0);
        }
        pixel = (pixel & 0xFF000000u) | lastSeen;
    }
}

void simulateVision(const PixelBuffer& picture, Vision vision)
{
    for (int y = 0; y < picture.height; ++y)
        simulateVision(picture.row(y), vision);
}

} // namespace tintabel
