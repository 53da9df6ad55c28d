#include "platform/PictureLoader.h"

#include "platform/Errors.h"
#include "platform/LocalFileSystem.h"
#include "support/ErrorText.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

namespace tintabel {
namespace {

namespace fs = std::filesystem;
using testing::errorText;

std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The picture as Qt writes it in the format ("png", "jpeg", "bmp").
std::string qtEncoded(const QImage& picture, const char* format, int quality = -1)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, format, quality)) << format;
    return data.toStdString();
}

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

// Two large blocks of flat colour, which JPEG keeps close to their values.
QImage blockPicture()
{
    QImage picture(32, 16, QImage::Format_ARGB32);
    picture.fill(qRgb(220, 30, 40));
    QPainter(&picture).fillRect(16, 0, 16, 16, QColor(20, 60, 200));
    return picture;
}

TEST(DecodeJpeg, ColourGreyAndCmykPicturesKeepTheirSizeAndColours)
{
    const QImage picture = blockPicture();
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    // Qt writes no CMYK: the two blocks on 16 x 8 pixels in Adobe's inverted CMYK, no black ink.
    const QByteArray cmyk = QByteArray::fromHex(
        "ffd8ffee000e41646f626500640000000000ffdb00430001010101010101010101010101010101010101010101"
        "010101010101010101010101010101010101010101010101010101010101010101010101010101010101ffc000"
        "140800080010044311004d11005911004b1100ffc4001700010101010000000000000000000000000a0b0008ff"
        "c40014100100000000000000000000000000000000ffda000e0443004d0059004b00003f005c01de27e7f08dfb"
        "bc150067ffd9");
    const std::tuple<const char*, std::string, QSize, const QImage&> cases[]
        = {{"rgb", qtEncoded(picture, "jpeg", 95), {32, 16}, picture},
            {"grey", qtEncoded(grey, "jpeg", 95), {32, 16}, grey},
            {"cmyk", cmyk.toStdString(), {16, 8}, picture}};
    for (const auto& [kind, bytes, size, shown] : cases) {
        SCOPED_TRACE(kind);
        const QImage image = decodeJpeg(bytesOf(bytes));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        EXPECT_EQ(image.size(), size);
        // A pixel of each block, away from the edge between them.
        for (const auto& [x, blockX] : {std::pair {3, 3}, {size.width() - 4, 28}}) {
            const QRgb actual = image.pixel(x, 4), expected = shown.pixel(blockX, 4);
            EXPECT_NEAR(qRed(actual), qRed(expected), 8);
            EXPECT_NEAR(qGreen(actual), qGreen(expected), 8);
            EXPECT_NEAR(qBlue(actual), qBlue(expected), 8);
            EXPECT_EQ(qAlpha(actual), 255);
        }
    }
}

// One kind for each conversion the decoder asks of libpng: alpha added, 16 bits scaled, grey
// copied, palettes and transparency expanded; the bitmap as Qt reads it.
TEST(DecodePngAndBmp, EveryKindComesOutAs8BitArgbPixelForPixel)
{
    using Decoder = QImage (*)(std::span<const std::uint8_t>);
    const std::tuple<const char*, QImage::Format, Decoder> kinds[]
        = {{"png", QImage::Format_RGB32, decodePng}, {"png", QImage::Format_RGBA64, decodePng},
            {"png", QImage::Format_Grayscale8, decodePng}, {"png", QImage::Format_Mono, decodePng},
            {"png", QImage::Format_Indexed8, decodePng}, {"bmp", QImage::Format_RGB32, decodeBmp}};
    for (const auto& [kind, format, decode] : kinds) {
        SCOPED_TRACE(format);
        const QImage picture = sourcePicture().convertToFormat(format);
        EXPECT_EQ(decode(bytesOf(qtEncoded(picture, kind))),
            picture.convertToFormat(QImage::Format_ARGB32));
    }
    // Qt writes no grey PNG with a transparent grey (tRNS): pixels 0, 128 and 255, 0 transparent.
    const QByteArray greyPng = QByteArray::fromHex(
        "89504e470d0a1a0a0000000d49484452000000030000000108000000003e8b4b680000000274524e5300007693"
        "cd380000000c4944415478da636068f80f00020301801a9c263b0000000049454e44ae426082");
    const QImage decoded = decodePng(bytesOf(greyPng.toStdString()));
    EXPECT_EQ(std::tuple(decoded.pixel(0, 0), decoded.pixel(1, 0), decoded.pixel(2, 0)),
        std::tuple(qRgba(0, 0, 0, 0), qRgb(128, 128, 128), qRgb(255, 255, 255)));
}

// A decoder refuses a damaged file with the decoder's own message: the whole of it, or its start
// where the expected text ends in "...".
TEST(DecodeDamaged, EveryDecoderRefusesDamagedFilesWithItsMessage)
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
    ++bmpLonger[2];
    // The stated file size fits, the pixel rows do not.
    std::string bmpShortRows = bmp.substr(0, bmp.size() - 40);
    for (int i = 0; i < 4; ++i)
        bmpShortRows[2 + i] = static_cast<char>(bmpShortRows.size() >> (8 * i));

    const std::string pngEnd = "Premature end of PNG file", bmpEnd = "Bitmap file is truncated";
    const std::tuple<const char*, QImage (*)(std::span<const std::uint8_t>), std::string,
        std::string>
        cases[] = {
            {"jpeg cut in the pixels", decodeJpeg, jpeg.substr(0, jpeg.size() * 2 / 3),
                "Premature end of JPEG file"},
            {"jpeg with a stray marker", decodeJpeg, jpegMarker, "Corrupt JPEG data..."},
            // Before any pixel libjpeg stops with an error of its own.
            {"no jpeg", decodeJpeg, "GIF89a.....", "Not a JPEG file: starts with 0x47 0x49"},
            {"png without its end", decodePng, png.substr(0, png.size() - 12), pngEnd},
            {"png with damaged pixels", decodePng, pngData, "IDAT: ..."},
            {"no png", decodePng, std::string(64, 'x'), "Not a PNG file"},
            {"bmp stating more bytes", decodeBmp, bmpLonger, bmpEnd},
            {"bmp with short rows", decodeBmp, bmpShortRows, bmpEnd},
            {"bmp cut in the file header", decodeBmp, bmp.substr(0, 2), bmpEnd},
            {"bmp cut in the bitmap header", decodeBmp, bmp.substr(0, 20), bmpEnd},
            {"no bmp", decodeBmp, std::string(64, 'x'), "Not a Windows bitmap file"},
        };
    for (const auto& [what, decode, bytes, expected] : cases) {
        SCOPED_TRACE(what);
        const std::string message = errorText<PictureError>([&] { decode(bytesOf(bytes)); });
        const std::size_t compared
            = expected.ends_with("...") ? expected.size() - 3 : std::string::npos;
        EXPECT_EQ(message.substr(0, compared), expected.substr(0, compared));
    }
}

TEST(PictureLoader, ChoosesTheDecoderByTheExtensionWhateverItsCase)
{
    testing::TempFolder tmp;
    LocalFileSystem files {Environment {}};
    PictureLoader loader {files};
    const QImage picture = blockPicture();
    tmp.write("c.Png", qtEncoded(picture, "png"));
    EXPECT_EQ(loader.load((tmp / "c.Png").string()), picture);
    // Each decoder refuses the others' files, so the message names the decoder chosen; the
    // content does not choose.
    for (const auto& [name, message] :
        {std::pair {"a.JPG", "Not a JPEG file: starts with 0x89 0x50"},
            {"b.jpeg", "Not a JPEG file: starts with 0x89 0x50"},
            {"d.bMp", "Not a Windows bitmap file"},
            {"x.GIF", "Unknown picture file extension (.GIF)"},
            {"noextension", "Unknown picture file extension (.)"}}) {
        fs::copy_file(tmp / "c.Png", tmp / name);
        EXPECT_EQ(errorText<PictureError>([&] { loader.load((tmp / name).string()); }), message);
    }
    // Refused by its name before the file is read: a missing file says the same.
    EXPECT_EQ(errorText<PictureError>([&] { loader.load((tmp / "missing.tif").string()); }),
        "Unknown picture file extension (.tif)");
    EXPECT_NE(
        errorText<InOutError>([&] { loader.load((tmp / "missing.png").string()); }), "(no error)");
}

} // namespace
} // namespace tintabel
