#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <string>

namespace tintabel::testing {

// Small picture files made in the test with the encoders themselves.

enum class JpegKind { Rgb, Grey, AdobeCmyk, Progressive };
// The picture's pixels (alpha ignored); for Grey the red channel, for AdobeCmyk the inverse
// of red, green and blue as inverted ink with no black.
std::string encodeJpeg(const QImage& picture, JpegKind kind, int quality = 95);

struct PngFormat {
    const char* name;
    int colourType; // PNG_COLOR_TYPE_*
    int bitDepth;
    bool interlaced = false;
    bool transparency = false; // a tRNS chunk (palette and grey pictures)
};
// Writes the picture in the format. The picture must fit it: grey formats take the red channel,
// a palette picture at most 256 colours, a 1-bit grey picture only black and white.
std::string encodePng(const QImage& picture, const PngFormat& format);

std::string encodeBmp(const QImage& picture);

inline std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace tintabel::testing
