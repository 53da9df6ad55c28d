#pragma once

#include <QImage>
#include <QString>

namespace tintabel {

// A picture built into the program (":/pictures/<name>"), decoded by its extension like picture
// files are. A missing or undecodable picture raises PictureError.
QImage loadEmbeddedPicture(const QString& resourcePath);

} // namespace tintabel
