#pragma once

#include <QImage>
#include <QString>

namespace tintabel {

// A picture built into the program (":/pictures/<name>"), decoded by its extension like picture
// files are. A missing or undecodable picture raises PictureError.
QImage loadEmbeddedPicture(const QString& resourcePath);

// The same for a screen of ratio device pixels per pixel: where that is more than one and the
// picture is built in at twice its size too ("<name>@2x.<extension>"), that one, its device
// pixel ratio 2, so that it shows at the same size in full detail.
QImage loadEmbeddedPicture(const QString& resourcePath, qreal ratio);

} // namespace tintabel
