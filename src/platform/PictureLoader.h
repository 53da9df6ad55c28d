#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <string_view>

namespace tintabel {

class FileSystem;

// Decodes picture files by the extension of their name: ".jpg" and ".jpeg" with libjpeg-turbo,
// ".png" with libpng, ".bmp" with Qt's reader. Every picture comes back as QImage::Format_ARGB32.
// A truncated or corrupt file is refused whole with the decoder's own message (PictureError),
// never shown in part; another extension raises "Unknown picture file extension (.<ext>)".
class PictureLoader {
public:
    explicit PictureLoader(FileSystem& files);
    QImage load(std::string_view path);

private:
    FileSystem& m_files;
};

QImage decodeJpeg(std::span<const std::uint8_t> bytes);
QImage decodePng(std::span<const std::uint8_t> bytes);
QImage decodeBmp(std::span<const std::uint8_t> bytes);

} // namespace tintabel
