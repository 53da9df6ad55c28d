#include "PictureEncoders.h"

#include <QBuffer>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace tintabel::testing {

std::string qtEncoded(const QImage& picture, const char* format, int quality)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format, quality))
        throw std::runtime_error(std::string("cannot write the test picture as ") + format);
    return data.toStdString();
}

std::string encodeCmykJpeg(const QImage& picture)
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
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(picture.width()) * 4);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, static_cast<int>(info.next_scanline));
            JSAMPLE* ink = &row[std::size_t(x) * 4];
            ink[0] = static_cast<JSAMPLE>(qRed(pixel));
            ink[1] = static_cast<JSAMPLE>(qGreen(pixel));
            ink[2] = static_cast<JSAMPLE>(qBlue(pixel));
            ink[3] = 255;
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

} // namespace

std::string encodeTransparentGreyPng(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    std::vector<png_bytep> rows;
    for (int y = 0; y < grey.height(); ++y)
        rows.push_back(const_cast<png_bytep>(grey.constScanLine(y)));
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)))
        throw std::runtime_error("cannot encode the PNG test picture");
    png_set_write_fn(png, &bytes, append, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(grey.width()),
        static_cast<png_uint_32>(grey.height()), 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_ADAM7,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color_16 black {};
    png_set_tRNS(png, info, nullptr, 0, &black);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

} // namespace tintabel::testing
