#include "app/EmbeddedPicture.h"

#include "platform/Errors.h"
#include "platform/PictureLoader.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <span>

namespace tintabel {

QImage loadEmbeddedPicture(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError("Cannot read the picture " + resourcePath.toStdString());
    const QByteArray bytes = file.readAll();
    const std::span<const std::uint8_t> data(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()));
    const QString lower = resourcePath.toLower();
    if (lower.endsWith(QLatin1String(".png")))
        return decodePng(data);
    if (lower.endsWith(QLatin1String(".jpg")) || lower.endsWith(QLatin1String(".jpeg")))
        return decodeJpeg(data);
    throw PictureError("Unknown picture file extension (" + resourcePath.toStdString() + ")");
}

QImage loadEmbeddedPicture(const QString& resourcePath, qreal ratio)
{
    const qsizetype dot = resourcePath.lastIndexOf(QLatin1Char('.'));
    const QString detailed = resourcePath.left(dot) + QStringLiteral("@2x") + resourcePath.mid(dot);
    if (ratio <= 1 || dot < 0 || !QFile::exists(detailed))
        return loadEmbeddedPicture(resourcePath);
    QImage picture = loadEmbeddedPicture(detailed);
    picture.setDevicePixelRatio(2);
    return picture;
}

} // namespace tintabel
