#pragma once

#include <QImage>

namespace tintabel::pictures {

// The pictures the program carries or ships; each is drawn from scratch, so the same build of
// this program always writes the same files.
QImage drawLogo(); // 116 x 299
QImage drawEnglishFlag(); // 40 x 25, the Union flag
QImage drawPolishFlag(); // 40 x 25
QImage drawBackground(); // 150 x 160, RGB888

} // namespace tintabel::pictures
