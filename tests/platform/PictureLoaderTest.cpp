#include "platform/PictureLoader.h"

#include "PictureEncoders.h"
#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

using testing::bytesOf;
using testing::errorText;
using testing::qtEncoded;

// Columns of distinct colours over rows of varied alpha.
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

TEST(DecodeJpeg, ColourGreyAndCmykPicturesKeepTheirSizeAndColours)
{
    const QImage picture = blockPicture();
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const struct {
        const char* kind;
        std::string bytes;
        const QImage& shown;
    } cases[] = {{"rgb", qtEncoded(picture, "jpeg", 95), picture},
        {"grey", qtEncoded(grey, "jpeg", 95), grey},
        {"cmyk", testing::encodeCmykJpeg(picture), picture}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        const QImage image = decodeJpeg(bytesOf(c.bytes));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        EXPECT_EQ(image.size(), QSize(32, 16));
        expectNear(image.pixel(3, 4), c.shown.pixel(3, 4), 8);
        expectNear(image.pixel(28, 12), c.shown.pixel(28, 12), 8);
    }
}

// One kind for each conversion the decoder asks of libpng: alpha added, 16 bits scaled, grey
// copied, palettes, low bit depths and transparency expanded, interlacing undone.
TEST(DecodePng, EveryKindComesOutAs8BitArgbPixelForPixel)
{
    const QImage source = sourcePicture();
    const std::pair<const char*, QImage::Format> kinds[] = {{"rgb", QImage::Format_RGB32},
        {"rgba16", QImage::Format_RGBA64}, {"grey", QImage::Format_Grayscale8},
        {"palette1", QImage::Format_Mono}, {"paletteAlpha", QImage::Format_Indexed8}};
    for (const auto& [kind, format] : kinds) {
        SCOPED_TRACE(kind);
        const QImage picture = source.convertToFormat(format);
        EXPECT_EQ(decodePng(bytesOf(qtEncoded(picture, "png"))),
            picture.convertToFormat(QImage::Format_ARGB32));
    }
    QImage transparentBlack
        = source.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(transparentBlack.pixel(0, 0), qRgb(0, 0, 0));
    transparentBlack.setPixel(0, 0, qRgba(0, 0, 0, 0));
    EXPECT_EQ(decodePng(bytesOf(testing::encodeTransparentGreyPng(source))), transparentBlack);
}

TEST(DecodeBmp, ReadsTheBitmapExactly)
{
    const QImage source = sourcePicture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(decodeBmp(bytesOf(qtEncoded(source, "bmp"))),
        source.convertToFormat(QImage::Format_ARGB32));
}

// ---- damaged files ----

using Decoder = QImage (*)(std::span<const std::uint8_t>);

// A decoder refuses a damaged file with the decoder's own message: the whole of it, or its start
// where the expected text ends in "...".
struct Damaged {
    const char* what;
    Decoder decode;
    std::string bytes;
    std::string message;
};

std::vector<Damaged> damagedFiles()
{
    const std::string jpeg = qtEncoded(sourcePicture(64, 64), "jpeg", 95);
    std::string jpegMarker = qtEncoded(sourcePicture(64, 64), "jpeg", 100);
    // A marker in the middle of the compressed pixels, where none belongs.
    jpegMarker.replace(jpegMarker.size() * 3 / 4, 2, "\xFF\xD3");

    const std::string png = qtEncoded(sourcePicture(40, 40), "png");
    std::string pngData = png;
    pngData[png.find("IDAT") + 6] ^= 0x55;

    const std::string bmp = qtEncoded(sourcePicture(40, 30), "bmp");
    // The stated file size alone is larger than the file.
    std::string bmpLonger = bmp;
    bmpLonger[2] = static_cast<char>(static_cast<unsigned char>(bmpLonger[2]) + 1);
    // The stated file size fits, the pixel rows do not.
    std::string bmpShortRows = cut(bmp, bmp.size() - 40);
    for (int i = 0; i < 4; ++i)
        bmpShortRows[2 + i] = static_cast<char>(bmpShortRows.size() >> (8 * i));

    const std::string pngEnd = "Premature end of PNG file";
    const std::string bmpEnd = "Bitmap file is truncated";
    return {
        {"jpeg cut in the pixels", decodeJpeg, cut(jpeg, jpeg.size() * 2 / 3),
            "Premature end of JPEG file"},
        {"jpeg with a stray marker", decodeJpeg, jpegMarker, "Corrupt JPEG data..."},
        // Before any pixel libjpeg stops with an error of its own.
        {"no jpeg", decodeJpeg, "GIF89a.....", "Not a JPEG file: starts with 0x47 0x49"},
        {"png without its end", decodePng, cut(png, png.size() - 12), pngEnd},
        {"png with damaged pixels", decodePng, pngData, "IDAT: ..."},
        {"no png", decodePng, std::string(64, 'x'), "Not a PNG file"},
        {"bmp stating more bytes", decodeBmp, bmpLonger, bmpEnd},
        {"bmp with short rows", decodeBmp, bmpShortRows, bmpEnd},
        {"bmp cut in the file header", decodeBmp, cut(bmp, 2), bmpEnd},
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
        const std::size_t compared
            = file.message.ends_with("...") ? file.message.size() - 3 : std::string::npos;
        EXPECT_EQ(message.substr(0, compared), file.message.substr(0, compared));
    }
}

// ---- load ----

TEST(PictureLoader, ChoosesTheDecoderByTheExtensionWhateverItsCase)
{
    testing::TempFolder tmp;
    LocalFileSystem files {Environment {}};
    PictureLoader loader {files};
    const QImage picture = blockPicture();
    const std::string jpeg = qtEncoded(picture, "jpeg", 95);
    const std::string png = qtEncoded(picture, "png");
    for (const auto& [name, bytes] : {std::pair {"a.JPG", jpeg}, std::pair {"b.jpeg", jpeg},
             std::pair {"c.Png", png}, std::pair {"d.bMp", qtEncoded(picture, "bmp")}}) {
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
