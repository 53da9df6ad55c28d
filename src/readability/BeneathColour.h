#pragma once

#include "colours/ColourValue.h"
#include "readability/PixelBuffer.h"

namespace tintabel {

// A rectangle in the picture's own pixels; it may reach past any edge.
struct PictureRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The mean of the colours under the rectangle, per channel and rounded. Where it lies off the
// picture the group's face shows, so each pixel there counts as groupFace, as a sample partly off
// the picture partly shows it. The picture's alpha is not read: the preview shows it opaque. An
// empty rectangle sees groupFace alone.
ColourValue meanBeneath(const ConstPixelBuffer& picture, PictureRect rect, ColourValue groupFace);

// The mean of every pixel; black for an empty picture.
ColourValue meanOfPicture(const ConstPixelBuffer& picture);

} // namespace tintabel
