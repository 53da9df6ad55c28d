#include "platform/PictureLoader.h"

#include "PictureEncoders.h"
#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <png.h>

namespace tintabel {
namespace {

using testing::bytesOf;
using testing::errorText;

// Eight columns of distinct colours over two rows, with varied alpha.
QImage sourcePicture(int width = 7, int height = 5)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgba(x * 36, y * 60, (x + y) * 20, 255 - x * 30));
    }
    return picture;
}

// Large blocks of flat colour, which JPEG keeps close to their values.
QImage blockPicture()
{
    QImage picture(32, 16, QImage::Format_ARGB32);
    picture.fill(qRgb(220, 30, 40));
    for (int y = 0; y < 16; ++y) {
        for (int x = 16; x < 32; ++x)
            picture.setPixel(x, y, qRgb(20, 60, 200));
    }
    return picture;
}

void expectNear(QRgb actual, QRgb expected, int tolerance)
{
    EXPECT_NEAR(qRed(actual), qRed(expected), tolerance);
    EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance);
    EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance);
    EXPECT_EQ(qAlpha(actual), qAlpha(expected));
}

std::string cut(const std::string& bytes, std::size_t keep)
{
    return bytes.substr(0, keep);
}

// ---- JPEG ----

TEST(DecodeJpeg, ColourGreyAndCmykPicturesKeepTheirSizeAndColours)
{
    struct Case {
        testing::JpegKind kind;
        QRgb left, right;
    };
    const QImage picture = blockPicture();
    for (const Case& c : {Case {testing::JpegKind::Rgb, qRgb(220, 30, 40), qRgb(20, 60, 200)},
             Case {testing::JpegKind::Progressive, qRgb(220, 30, 40), qRgb(20, 60, 200)},
             Case {testing::JpegKind::Grey, qRgb(220, 220, 220), qRgb(20, 20, 20)},
             Case {testing::JpegKind::AdobeCmyk, qRgb(220, 30, 40), qRgb(20, 60, 200)}}) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const QImage image = decodeJpeg(bytesOf(testing::encodeJpeg(picture, c.kind)));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        EXPECT_EQ(image.size(), QSize(32, 16));
        expectNear(image.pixel(3, 4), c.left, 8);
        expectNear(image.pixel(28, 12), c.right, 8);
    }
}

// ---- PNG ----

class DecodePngFormats : public ::testing::TestWithParam<testing::PngFormat> { };

// What a format keeps of the source picture, as 8-bit ARGB.
QRgb keptBy(const testing::PngFormat& format, QRgb pixel)
{
    int red = qRed(pixel), green = qGreen(pixel), blue = qBlue(pixel), alpha = qAlpha(pixel);
    if (!(format.colourType & PNG_COLOR_MASK_COLOR)) {
        if (format.bitDepth == 1)
            red = red > 127 ? 255 : 0;
        green = blue = red;
    }
    if (!(format.colourType & PNG_COLOR_MASK_ALPHA)) {
        if (format.colourType == PNG_COLOR_TYPE_PALETTE)
            alpha = format.transparency ? alpha : 255;
        else
            alpha = format.transparency && red == 0 ? 0 : 255;
    }
    return qRgba(red, green, blue, alpha);
}

TEST_P(DecodePngFormats, EveryPixelComesOutAs8BitArgb)
{
    const testing::PngFormat& format = GetParam();
    const QImage source = sourcePicture();
    const QImage image = decodePng(bytesOf(testing::encodePng(source, format)));
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), source.size());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            ASSERT_EQ(image.pixel(x, y), keptBy(format, source.pixel(x, y)))
                << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, DecodePngFormats,
    ::testing::Values(testing::PngFormat {"rgb", PNG_COLOR_TYPE_RGB, 8},
        testing::PngFormat {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8},
        testing::PngFormat {"rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16},
        testing::PngFormat {"rgb16interlaced", PNG_COLOR_TYPE_RGB, 16, true},
        testing::PngFormat {"grey", PNG_COLOR_TYPE_GRAY, 8},
        testing::PngFormat {"greyTransparentBlack", PNG_COLOR_TYPE_GRAY, 8, false, true},
        testing::PngFormat {"grey1", PNG_COLOR_TYPE_GRAY, 1},
        testing::PngFormat {"greyAlpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8},
        testing::PngFormat {"palette", PNG_COLOR_TYPE_PALETTE, 8},
        testing::PngFormat {"paletteAlphaInterlaced", PNG_COLOR_TYPE_PALETTE, 8, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- BMP ----

TEST(DecodeBmp, ReadsTheBitmapExactly)
{
    QImage source = sourcePicture().convertToFormat(QImage::Format_RGB32);
    const QImage image = decodeBmp(bytesOf(testing::encodeBmp(source)));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image, source.convertToFormat(QImage::Format_ARGB32));
}

// ---- damaged files ----

using Decoder = QImage (*)(std::span<const std::uint8_t>);

// A decoder refuses a damaged file with the decoder's own message: the whole of it, or its start
// where the expected text ends in "...", or any text where it is empty.
struct Damaged {
    const char* what;
    Decoder decode;
    std::string bytes;
    std::string message;
};

std::vector<Damaged> damagedFiles()
{
    const std::string jpeg = testing::encodeJpeg(sourcePicture(64, 64), testing::JpegKind::Rgb);
    const std::string progressive
        = testing::encodeJpeg(sourcePicture(64, 64), testing::JpegKind::Progressive);
    std::string jpegMarker
        = testing::encodeJpeg(sourcePicture(64, 64), testing::JpegKind::Rgb, 100);
    // A marker in the middle of the compressed pixels, where none belongs.
    jpegMarker.replace(jpegMarker.size() * 3 / 4, 2, "\xFF\xD3");

    const std::string png
        = testing::encodePng(sourcePicture(40, 40), {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8, true});
    const std::size_t idat = png.find("IDAT");
    const std::size_t idatLength
        = (std::size_t(std::uint8_t(png[idat - 2])) << 8) | std::uint8_t(png[idat - 1]);
    std::string pngData = png;
    pngData[idat + 6] = static_cast<char>(pngData[idat + 6] ^ 0x55);
    std::string pngChecksum = png;
    pngChecksum[idat + 4 + idatLength] ^= 1;

    const std::string bmp = testing::encodeBmp(sourcePicture(40, 30));
    // The stated file size alone is larger than the file.
    std::string bmpLonger = bmp;
    bmpLonger[2] = static_cast<char>(static_cast<unsigned char>(bmpLonger[2]) + 1);
    // The stated file size fits, the pixel rows do not.
    std::string bmpShortRows = cut(bmp, bmp.size() - 40);
    for (int i = 0; i < 4; ++i)
        bmpShortRows[2 + i] = static_cast<char>(bmpShortRows.size() >> (8 * i));

    const std::string jpegEnd = "Premature end of JPEG file";
    const std::string pngEnd = "Premature end of PNG file";
    const std::string bmpEnd = "Bitmap file is truncated";
    return {
        {"jpeg cut at its end", decodeJpeg, cut(jpeg, jpeg.size() - 2), jpegEnd},
        {"jpeg cut in the pixels", decodeJpeg, cut(jpeg, jpeg.size() * 2 / 3), jpegEnd},
        {"jpeg cut early", decodeJpeg, cut(jpeg, 400), jpegEnd},
        {"progressive jpeg cut", decodeJpeg, cut(progressive, progressive.size() / 2), jpegEnd},
        // Inside the headers, before any pixel, libjpeg stops with an error of its own.
        {"jpeg cut in its headers", decodeJpeg, cut(jpeg, 30), ""},
        {"jpeg with a stray marker", decodeJpeg, jpegMarker, "Corrupt JPEG data..."},
        {"no jpeg", decodeJpeg, "GIF89a.....", "Not a JPEG file: starts with 0x47 0x49"},
        {"empty jpeg", decodeJpeg, "", ""},
        {"png cut in its header", decodePng, cut(png, 20), pngEnd},
        {"png cut in the pixels", decodePng, cut(png, png.size() / 2), pngEnd},
        {"png without its end", decodePng, cut(png, png.size() - 12), pngEnd},
        {"png with damaged pixels", decodePng, pngData, "IDAT: ..."},
        {"png with a wrong checksum", decodePng, pngChecksum, "IDAT: CRC error"},
        {"no png", decodePng, std::string(64, 'x'), "Not a PNG file"},
        {"bmp cut by a byte", decodeBmp, cut(bmp, bmp.size() - 1), bmpEnd},
        {"bmp stating more bytes", decodeBmp, bmpLonger, bmpEnd},
        {"bmp with short rows", decodeBmp, bmpShortRows, bmpEnd},
        {"bmp cut in the file header", decodeBmp, cut(bmp, 2), bmpEnd},
        {"bmp cut before the header size", decodeBmp, cut(bmp, 16), bmpEnd},
        {"bmp cut in the bitmap header", decodeBmp, cut(bmp, 20), bmpEnd},
        {"no bmp", decodeBmp, std::string(64, 'x'), "Not a Windows bitmap file"},
    };
}

TEST(DecodeDamaged, EveryDecoderRefusesDamagedFilesWithItsMessage)
{
    for (const Damaged& file : damagedFiles()) {
        SCOPED_TRACE(file.what);
        const std::string message
            = errorText<PictureError>([&] { file.decode(bytesOf(file.bytes)); });
        EXPECT_NE(message, "(no error)");
        const std::size_t compared
            = file.message.ends_with("...") ? file.message.size() - 3 : std::string::npos;
        if (!file.message.empty()) {
            EXPECT_EQ(message.substr(0, compared), file.message.substr(0, compared));
        }
    }
}

// ---- load ----

TEST(PictureLoader, ChoosesTheDecoderByTheExtensionWhateverItsCase)
{
    testing::TempFolder tmp;
    LocalFileSystem files {Environment {}};
    PictureLoader loader {files};
    const QImage picture = blockPicture();
    const std::string jpeg = testing::encodeJpeg(picture, testing::JpegKind::Rgb);
    const std::string png = testing::encodePng(picture, {"rgb", PNG_COLOR_TYPE_RGB, 8});
    for (const auto& [name, bytes] : {std::pair {"a.JPG", jpeg}, std::pair {"b.jpeg", jpeg},
             std::pair {"c.Png", png}, std::pair {"d.bMp", testing::encodeBmp(picture)}}) {
        tmp.write(name, bytes);
        const QImage loaded = loader.load((tmp / name).string());
        EXPECT_EQ(loaded.size(), picture.size()) << name;
        expectNear(
            loaded.pixel(3, 4), picture.pixel(3, 4), name[0] == 'c' || name[0] == 'd' ? 0 : 8);
    }

    const auto failure = [&](const char* name, const std::string& bytes) {
        if (!bytes.empty())
            tmp.write(name, bytes);
        return errorText<PictureError>([&] { loader.load((tmp / name).string()); });
    };
    // The content does not choose: a PNG named .jpg goes to the JPEG decoder.
    EXPECT_EQ(failure("e.jpg", png), "Not a JPEG file: starts with 0x89 0x50");
    EXPECT_EQ(failure("x.GIF", "GIF89a"), "Unknown picture file extension (.GIF)");
    EXPECT_EQ(failure("noextension", "x"), "Unknown picture file extension (.)");
    // Refused by its name before the file is read: a missing file says the same.
    EXPECT_EQ(failure("missing.tif", ""), "Unknown picture file extension (.tif)");
    EXPECT_NE(
        errorText<InOutError>([&] { loader.load((tmp / "missing.png").string()); }), "(no error)");
}

} // namespace
} // namespace tintabel
