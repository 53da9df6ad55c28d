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

TEST(DecodeJpeg, TruncatedFilesAreRefusedNotShownInPart)
{
    const std::string whole = testing::encodeJpeg(sourcePicture(64, 64), testing::JpegKind::Rgb);
    for (const std::size_t keep : {whole.size() - 2, whole.size() * 2 / 3, std::size_t(400)}) {
        SCOPED_TRACE(keep);
        EXPECT_EQ(errorText<PictureError>([&] { decodeJpeg(bytesOf(cut(whole, keep))); }),
            "Premature end of JPEG file");
    }
    const std::string progressive
        = testing::encodeJpeg(sourcePicture(64, 64), testing::JpegKind::Progressive);
    EXPECT_EQ(errorText<PictureError>(
                  [&] { decodeJpeg(bytesOf(cut(progressive, progressive.size() / 2))); }),
        "Premature end of JPEG file");
    // Cut inside the headers, before any pixel: libjpeg stops with an error of its own.
    EXPECT_NE(errorText<PictureError>([&] { decodeJpeg(bytesOf(cut(whole, 30))); }), "(no error)");
}

TEST(DecodeJpeg, CorruptDataIsRefusedWithTheDecodersMessage)
{
    std::string bytes = testing::encodeJpeg(sourcePicture(64, 64), testing::JpegKind::Rgb, 100);
    // A marker in the middle of the compressed pixels, where none belongs.
    const std::size_t middle = bytes.size() * 3 / 4;
    bytes[middle] = '\xFF';
    bytes[middle + 1] = '\xD3';
    EXPECT_EQ(
        errorText<PictureError>([&] { decodeJpeg(bytesOf(bytes)); }).rfind("Corrupt JPEG data", 0),
        0u);

    EXPECT_EQ(errorText<PictureError>([] { decodeJpeg(bytesOf(std::string("GIF89a....."))); }),
        "Not a JPEG file: starts with 0x47 0x49");
    EXPECT_NE(errorText<PictureError>([] { decodeJpeg({}); }), "(no error)");
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

TEST(DecodePng, TruncatedFilesAreRefusedWhereverTheyEnd)
{
    const std::string whole
        = testing::encodePng(sourcePicture(40, 40), {"rgba", PNG_COLOR_TYPE_RGB_ALPHA, 8, true});
    // In the header, in the pixels, and with only the closing IEND chunk missing.
    for (const std::size_t keep : {std::size_t(20), whole.size() / 2, whole.size() - 12}) {
        SCOPED_TRACE(keep);
        EXPECT_EQ(errorText<PictureError>([&] { decodePng(bytesOf(cut(whole, keep))); }),
            "Premature end of PNG file");
    }
}

TEST(DecodePng, CorruptDataIsRefusedWithTheDecodersMessage)
{
    const std::string whole = testing::encodePng(sourcePicture(), {"rgb", PNG_COLOR_TYPE_RGB, 8});
    const std::size_t idat = whole.find("IDAT");
    const std::size_t length
        = (std::size_t(std::uint8_t(whole[idat - 2])) << 8) | std::uint8_t(whole[idat - 1]);

    std::string badData = whole;
    badData[idat + 6] = static_cast<char>(badData[idat + 6] ^ 0x55);
    EXPECT_EQ(errorText<PictureError>([&] { decodePng(bytesOf(badData)); }).rfind("IDAT: ", 0), 0u);

    std::string badChecksum = whole;
    badChecksum[idat + 4 + length] = static_cast<char>(badChecksum[idat + 4 + length] ^ 1);
    EXPECT_EQ(errorText<PictureError>([&] { decodePng(bytesOf(badChecksum)); }), "IDAT: CRC error");

    EXPECT_EQ(errorText<PictureError>([] { decodePng(bytesOf(std::string(64, 'x'))); }),
        "Not a PNG file");
}

// ---- BMP ----

TEST(DecodeBmp, ReadsTheBitmapExactly)
{
    QImage source = sourcePicture().convertToFormat(QImage::Format_RGB32);
    const QImage image = decodeBmp(bytesOf(testing::encodeBmp(source)));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image, source.convertToFormat(QImage::Format_ARGB32));
}

TEST(DecodeBmp, RefusesFilesShorterThanTheirHeadersSay)
{
    const std::string whole = testing::encodeBmp(sourcePicture(40, 30));
    EXPECT_EQ(errorText<PictureError>([&] { decodeBmp(bytesOf(cut(whole, whole.size() - 1))); }),
        "Bitmap file is truncated");

    // The stated file size alone is larger than the file.
    std::string longer = whole;
    longer[2] = static_cast<char>(static_cast<unsigned char>(longer[2]) + 1);
    EXPECT_EQ(
        errorText<PictureError>([&] { decodeBmp(bytesOf(longer)); }), "Bitmap file is truncated");

    // The stated file size fits, the pixel rows do not.
    std::string shortRows = cut(whole, whole.size() - 40);
    const std::uint32_t size = static_cast<std::uint32_t>(shortRows.size());
    for (int i = 0; i < 4; ++i)
        shortRows[2 + i] = static_cast<char>(size >> (8 * i));
    EXPECT_EQ(errorText<PictureError>([&] { decodeBmp(bytesOf(shortRows)); }),
        "Bitmap file is truncated");

    for (const std::size_t keep : {2, 16, 20}) {
        EXPECT_EQ(errorText<PictureError>([&] { decodeBmp(bytesOf(cut(whole, keep))); }),
            "Bitmap file is truncated");
    }
    EXPECT_EQ(errorText<PictureError>([] { decodeBmp(bytesOf(std::string(64, 'x'))); }),
        "Not a Windows bitmap file");
}

// ---- load ----

class PictureLoaderTest : public ::testing::Test {
protected:
    testing::TempFolder tmp;
    LocalFileSystem files {Environment {}};
    PictureLoader loader {files};

    std::string write(std::string_view name, const std::string& bytes)
    {
        tmp.write(name, bytes);
        return (tmp / name).string();
    }
};

TEST_F(PictureLoaderTest, ChoosesTheDecoderByExtensionWhateverItsCase)
{
    const QImage picture = blockPicture();
    EXPECT_EQ(
        loader.load(write("a.JPG", testing::encodeJpeg(picture, testing::JpegKind::Rgb))).size(),
        picture.size());
    EXPECT_EQ(
        loader.load(write("b.jpeg", testing::encodeJpeg(picture, testing::JpegKind::Rgb))).size(),
        picture.size());
    EXPECT_EQ(loader.load(write("c.Png", testing::encodePng(picture, {"rgb", 2, 8}))),
        picture.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(loader.load(write("d.bMp", testing::encodeBmp(picture))), picture);

    // The content does not choose: a PNG named .jpg goes to the JPEG decoder.
    EXPECT_EQ(errorText<PictureError>([&] {
        loader.load(write("e.jpg", testing::encodePng(picture, {"rgb", 2, 8})));
    }),
        "Not a JPEG file: starts with 0x89 0x50");
}

TEST_F(PictureLoaderTest, UnknownExtensionsAreNamedAsTyped)
{
    EXPECT_EQ(errorText<PictureError>([&] { loader.load(write("x.GIF", "GIF89a")); }),
        "Unknown picture file extension (.GIF)");
    EXPECT_EQ(errorText<PictureError>([&] { loader.load(write("noextension", "")); }),
        "Unknown picture file extension (.)");
    // Refused by its name before the file is read: a missing file says the same.
    EXPECT_EQ(errorText<PictureError>([&] { loader.load((tmp / "missing.tif").string()); }),
        "Unknown picture file extension (.tif)");
}

TEST_F(PictureLoaderTest, AMissingFileIsAnInOutError)
{
    EXPECT_NE(
        errorText<InOutError>([&] { loader.load((tmp / "missing.png").string()); }), "(no error)");
}

} // namespace
} // namespace tintabel
