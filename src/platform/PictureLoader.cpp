#include "platform/PictureLoader.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <png.h>
#include <string>
#include <vector>

// jerror.h reads the library configuration that jpeglib.h brings in.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace tintabel {

namespace {

// A picture of this many pixels already takes 256 MiB; a header that claims more is far more
// likely corrupt or hostile than a background the user wants to see.
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

QImage allocatePicture(std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0 || width * height > kMaxPixels)
        throw PictureError(formatMessage("Picture size not supported (%d x %d)",
            {std::to_string(width), std::to_string(height)}));
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (image.isNull())
        throw PictureError("Out of memory");
    return image;
}

QRgb* pixelRow(QImage& image, int y)
{
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

// ---- JPEG ----

struct JpegErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jpegFail(j_common_ptr info)
{
    auto* error = reinterpret_cast<JpegErrorManager*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// libjpeg reports damaged data as warnings and goes on, filling the rest of the picture with
// grey. A picture shown in part would hide the damage, so these warnings end the decoding; the
// harmless ones (skipped bytes between segments, an odd ICC or JFIF marker) do not.
void jpegMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
        jpegFail(info);
    default:
        ++info->err->num_warnings;
    }
}

void convertJpegRow(const JSAMPLE* in, QRgb* out, JDIMENSION width, bool cmyk, bool inverted)
{
    if (!cmyk) {
        for (JDIMENSION x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[0], in[1], in[2]);
        return;
    }
    // Adobe writes CMYK inverted (0 is full ink); others store plain ink amounts.
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        const int c = inverted ? in[0] : 255 - in[0];
        const int m = inverted ? in[1] : 255 - in[1];
        const int y = inverted ? in[2] : 255 - in[2];
        const int k = inverted ? in[3] : 255 - in[3];
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Holds no object with a destructor, so the long jump out of libjpeg skips nothing; the caller
// owns the decompressor, the picture and the row buffer.
bool readJpeg(jpeg_decompress_struct& info, JpegErrorManager& error,
    std::span<const std::uint8_t> bytes, QImage& image, std::vector<JSAMPLE>& row)
{
    if (setjmp(error.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);

    image = allocatePicture(info.output_width, info.output_height);
    row.resize(std::size_t(info.output_width) * std::size_t(info.output_components));
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1)
            return false;
        convertJpegRow(
            row.data(), pixelRow(image, y), info.output_width, cmyk, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    return true;
}

// ---- PNG ----

struct PngSource {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
    char message[256] = {};
};

[[noreturn]] void pngFail(png_structp png, png_const_charp message)
{
    auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
    std::snprintf(source->message, sizeof source->message, "%s", message);
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp)
{
}

void pngRead(png_structp png, png_bytep data, png_size_t length)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (source->bytes.size() - source->position < length)
        png_error(png, "Premature end of PNG file");
    std::memcpy(data, source->bytes.data() + source->position, length);
    source->position += length;
}

// Like readJpeg: no object with a destructor lives here.
bool readPng(png_structp png, png_infop info, QImage& image, std::vector<png_byte>& pixels,
    std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    // Every kind of PNG comes out as 8-bit RGBA: palettes, low bit depths and tRNS expanded,
    // 16 bits scaled down, grey copied into the three channels, opaque alpha where none is stored.
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    image = allocatePicture(width, height);
    const std::size_t stride = png_get_rowbytes(png, info);
    pixels.resize(stride * height);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = pixels.data() + stride * y;
    png_read_image(png, rows.data());
    // Reads the chunks after the pixels up to IEND, so a file cut short there is refused too.
    png_read_end(png, nullptr);

    for (png_uint_32 y = 0; y < height; ++y) {
        const png_byte* in = rows[y];
        QRgb* out = pixelRow(image, static_cast<int>(y));
        for (png_uint_32 x = 0; x < width; ++x, in += 4)
            out[x] = qRgba(in[0], in[1], in[2], in[3]);
    }
    return true;
}

// ---- BMP ----

std::uint32_t littleEndian(std::span<const std::uint8_t> bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// How many bytes the header says the file holds: the larger of its stated file size and the end
// of its pixel data. Qt's reader fills what is missing at the end with black instead.
std::uint64_t bmpClaimedSize(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kFileHeader = 14;
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        throw PictureError("Not a Windows bitmap file");
    if (bytes.size() < kFileHeader + 4)
        throw PictureError("Bitmap file is truncated");
    const std::uint64_t fileSize = littleEndian(bytes, 2, 4);
    const std::uint64_t dataOffset = littleEndian(bytes, 10, 4);
    const std::uint32_t headerSize = littleEndian(bytes, 14, 4);
    // Every header but the old OS/2 one has at least the 40 bytes whose fields are read here.
    const std::uint32_t fieldsRead
        = headerSize == 12 ? 12 : std::max<std::uint32_t>(headerSize, 40);
    if (headerSize < 12 || bytes.size() < kFileHeader + fieldsRead)
        throw PictureError("Bitmap file is truncated");

    std::int64_t width, height;
    std::uint32_t bitCount, compression = 0, imageSize = 0;
    if (headerSize == 12) { // the old OS/2 header: 16-bit sizes, no compression
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        bitCount = littleEndian(bytes, 24, 2);
    } else {
        width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        bitCount = littleEndian(bytes, 28, 2);
        compression = littleEndian(bytes, 30, 4);
        imageSize = littleEndian(bytes, 34, 4);
    }
    constexpr std::uint32_t kRle8 = 1, kRle4 = 2;
    const std::uint64_t stride
        = (std::uint64_t(std::max<std::int64_t>(width, 0)) * bitCount + 31) / 32 * 4;
    const std::uint64_t pixelBytes = compression == kRle8 || compression == kRle4
        ? imageSize
        : stride * std::uint64_t(height < 0 ? -height : height);
    return std::max(fileSize, dataOffset + pixelBytes);
}

struct JpegDecompressor {
    jpeg_decompress_struct info {};
    ~JpegDecompressor() { jpeg_destroy_decompress(&info); }
};

struct PngDecompressor {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngDecompressor() { png_destroy_read_struct(&png, &info, nullptr); }
};

} // namespace

QImage decodeJpeg(std::span<const std::uint8_t> bytes)
{
    JpegErrorManager error {};
    JpegDecompressor decompressor;
    decompressor.info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFail;
    error.manager.emit_message = jpegMessage;

    QImage image;
    std::vector<JSAMPLE> row;
    if (!readJpeg(decompressor.info, error, bytes, image, row))
        throw PictureError(error.message);
    return image;
}

QImage decodePng(std::span<const std::uint8_t> bytes)
{
    PngSource source {bytes};
    PngDecompressor decompressor;
    decompressor.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, pngFail, pngWarning);
    if (decompressor.png)
        decompressor.info = png_create_info_struct(decompressor.png);
    if (!decompressor.info)
        throw PictureError("Out of memory");
    png_set_read_fn(decompressor.png, &source, pngRead);

    QImage image;
    std::vector<png_byte> pixels;
    std::vector<png_bytep> rows;
    if (!readPng(decompressor.png, decompressor.info, image, pixels, rows))
        throw PictureError(source.message);
    return image;
}

QImage decodeBmp(std::span<const std::uint8_t> bytes)
{
    if (bmpClaimedSize(bytes) > bytes.size())
        throw PictureError("Bitmap file is truncated");
    QByteArray data = QByteArray::fromRawData(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "bmp");
    QImage image = reader.read();
    if (image.isNull())
        throw PictureError(reader.errorString().toStdString());
    return image.convertToFormat(QImage::Format_ARGB32);
}

PictureLoader::PictureLoader(FileSystem& files)
    : m_files(files)
{
}

QImage PictureLoader::load(std::string_view path)
{
    const std::string extension = extensionPart(path);
    std::string lower = extension;
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    QImage (*decode)(std::span<const std::uint8_t>) = nullptr;
    if (lower == ".jpg" || lower == ".jpeg")
        decode = decodeJpeg;
    else if (lower == ".png")
        decode = decodePng;
    else if (lower == ".bmp")
        decode = decodeBmp;
    else
        throw PictureError(formatMessage("Unknown picture file extension (.%s)",
            {std::string_view(extension).substr(extension.empty() ? 0 : 1)}));

    const std::string bytes = m_files.readFile(path);
    return decode({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

} // namespace tintabel
