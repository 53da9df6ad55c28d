#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <string>

namespace tintabel::testing {

// Picture files made in the test: Qt's writers for what they can write, and encoders of our own
// for the kinds the loader must read that Qt does not write.

// The picture as Qt writes it in the format ("png", "jpeg", "bmp"); for Grayscale8 pictures a
// grey JPEG or PNG, for Mono and Indexed8 ones a palette PNG.
std::string qtEncoded(const QImage& picture, const char* format, int quality = -1);
// A JPEG in inverted CMYK with Adobe's marker, the picture's red, green and blue as the inverted
// cyan, magenta and yellow, and no black ink.
std::string encodeCmykJpeg(const QImage& picture);
// The picture's grey as an 8-bit grey PNG with Adam7 interlacing whose black is transparent (a
// tRNS chunk).
std::string encodeTransparentGreyPng(const QImage& picture);

inline std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace tintabel::testing
