#include "readability/BeneathColour.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tintabel {

ColourValue meanBeneath(const ConstPixelBuffer& picture, PictureRect rect, ColourValue groupFace)
{
    if (rect.width <= 0 || rect.height <= 0)
        return groupFace;
    std::array<std::uint64_t, 3> sums {};
    std::uint64_t onPicture = 0;
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.top + rect.height, picture.height);
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.left + rect.width, picture.width);
    for (int y = top; y < bottom && left < right; ++y) {
        for (const std::uint32_t pixel : picture.row(y).subspan(left, right - left)) {
            const ColourValue colour = pixelColour(pixel);
            sums[0] += static_cast<std::uint64_t>(redOf(colour));
            sums[1] += static_cast<std::uint64_t>(greenOf(colour));
            sums[2] += static_cast<std::uint64_t>(blueOf(colour));
        }
        onPicture += static_cast<std::uint64_t>(right - left);
    }
    const auto total
        = static_cast<std::uint64_t>(rect.width) * static_cast<std::uint64_t>(rect.height);
    const std::uint64_t offPicture = total - onPicture;
    const std::array<int, 3> face {redOf(groupFace), greenOf(groupFace), blueOf(groupFace)};
    std::array<int, 3> mean {};
    for (std::size_t channel = 0; channel < 3; ++channel)
        mean[channel] = static_cast<int>(
            (sums[channel] + offPicture * static_cast<std::uint64_t>(face[channel]) + total / 2)
            / total);
    return makeColour(mean[0], mean[1], mean[2]);
}

ColourValue meanOfPicture(const ConstPixelBuffer& picture)
{
    return meanBeneath(picture, {0, 0, picture.width, picture.height}, 0);
}

} // namespace tintabel
