#include "PictureEncoders.h"

#include <QBuffer>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <jpeglib.h>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace tintabel::testing {

std::string encodeJpeg(const QImage& picture, JpegKind kind, int quality)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr error {};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = kind == JpegKind::Grey ? 1 : kind == JpegKind::AdobeCmyk ? 4 : 3;
    info.in_color_space = kind == JpegKind::Grey ? JCS_GRAYSCALE
        : kind == JpegKind::AdobeCmyk            ? JCS_CMYK
                                                 : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);

    std::vector<JSAMPLE> row(std::size_t(picture.width()) * std::size_t(info.input_components));
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        JSAMPLE* out = row.data();
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            *out++ = static_cast<JSAMPLE>(qRed(pixel));
            if (kind == JpegKind::Grey)
                continue;
            *out++ = static_cast<JSAMPLE>(qGreen(pixel));
            *out++ = static_cast<JSAMPLE>(qBlue(pixel));
            if (kind == JpegKind::AdobeCmyk)
                *out++ = 255; // inverted: no black ink
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

namespace {

void append(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

// The samples of one pixel in the format, most significant byte first for 16 bits.
void appendPixel(std::vector<png_byte>& out, QRgb pixel, const PngFormat& format,
    const std::vector<QRgb>& palette)
{
    const auto sample = [&](int value) {
        if (format.bitDepth == 16)
            out.push_back(static_cast<png_byte>(value)); // value * 257: both bytes alike
        out.push_back(static_cast<png_byte>(value));
    };
    switch (format.colourType) {
    case PNG_COLOR_TYPE_PALETTE:
        out.push_back(static_cast<png_byte>(
            std::find(palette.begin(), palette.end(), pixel) - palette.begin()));
        return;
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        sample(qRed(pixel));
        break;
    default:
        sample(qRed(pixel));
        sample(qGreen(pixel));
        sample(qBlue(pixel));
    }
    if (format.colourType & PNG_COLOR_MASK_ALPHA)
        sample(qAlpha(pixel));
}

std::vector<png_byte> packRow(
    const QImage& picture, int y, const PngFormat& format, const std::vector<QRgb>& palette)
{
    std::vector<png_byte> row;
    if (format.bitDepth == 1) {
        row.assign(std::size_t(picture.width() + 7) / 8, 0);
        for (int x = 0; x < picture.width(); ++x) {
            if (qRed(picture.pixel(x, y)) > 127)
                row[std::size_t(x) / 8] |= static_cast<png_byte>(0x80 >> (x % 8));
        }
        return row;
    }
    for (int x = 0; x < picture.width(); ++x)
        appendPixel(row, picture.pixel(x, y), format, palette);
    return row;
}

} // namespace

std::string encodePng(const QImage& picture, const PngFormat& format)
{
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)))
        throw std::runtime_error("cannot encode the PNG test picture");
    png_set_write_fn(png, &bytes, append, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width()),
        static_cast<png_uint_32>(picture.height()), format.bitDepth, format.colourType,
        format.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
        PNG_FILTER_TYPE_DEFAULT);

    std::vector<QRgb> palette;
    if (format.colourType == PNG_COLOR_TYPE_PALETTE) {
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (std::find(palette.begin(), palette.end(), picture.pixel(x, y)) == palette.end())
                    palette.push_back(picture.pixel(x, y));
            }
        }
        std::vector<png_color> colours;
        std::vector<png_byte> alphas;
        for (const QRgb colour : palette) {
            colours.push_back({static_cast<png_byte>(qRed(colour)),
                static_cast<png_byte>(qGreen(colour)), static_cast<png_byte>(qBlue(colour))});
            alphas.push_back(static_cast<png_byte>(qAlpha(colour)));
        }
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
        if (format.transparency)
            png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    } else if (format.transparency) {
        png_color_16 black {};
        png_set_tRNS(png, info, nullptr, 0, &black);
    }

    std::vector<std::vector<png_byte>> rows;
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < picture.height(); ++y)
        rows.push_back(packRow(picture, y, format, palette));
    for (auto& row : rows)
        rowPointers.push_back(row.data());
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

std::string encodeBmp(const QImage& picture)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        throw std::runtime_error("cannot encode the BMP test picture");
    return data.toStdString();
}

} // namespace tintabel::testing
