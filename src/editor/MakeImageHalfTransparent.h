#pragma once

#include <cstdint>

class QImage;

namespace tintabel {

// Gives the image an alpha channel when it has none (grey and colour images alike) and sets the
// alpha of every pixel to alpha, keeping the colours: the image ends up as non-premultiplied
// 32-bit ARGB.
void MakeImageHalfTransparent(QImage& image, std::uint8_t alpha);

} // namespace tintabel
