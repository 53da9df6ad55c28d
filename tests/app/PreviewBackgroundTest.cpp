#include "app/ImageControl.h"
#include "platform/Errors.h"
#include "support/ErrorText.h"
#include "support/MainWindowFixture.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>

namespace tintabel::testing {
namespace {

// A picture whose every pixel differs from its neighbours, so that scaling or a shifted place
// shows.
QImage gradient(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + 2 * (y / 256)) * 60));
    }
    return picture;
}

class PreviewBackgroundTest : public MainWindowFixture {
protected:
    std::string pictureFile(std::string_view name, const QImage& picture, const char* format)
    {
        const std::string path = (user / name).string();
        EXPECT_TRUE(picture.save(QString::fromStdString(path), format));
        return path;
    }

    void loadBackground(const std::string& path)
    {
        dialogs.queueAnswer(path);
        QTest::mouseClick(named<QPushButton>(window(), "JvXPButton2"), Qt::LeftButton);
    }

    TempFolder user;
};

TEST_F(PreviewBackgroundTest, APictureIsShownAtItsOwnSizeAndPlaceAndClippedByTheGroup)
{
    TForm1& form = start();
    named<ImageControl>(form, "Image1")->move(20, 30);
    const QImage picture = gradient(600, 400);
    loadBackground(pictureFile("large.png", picture, "PNG"));

    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].request.name, "opimg");
    EXPECT_EQ(dialogs.asked()[0].request.filter, "All supported formats|*.jpg;*.jpeg;*.png;*.bmp");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(named<ImageControl>(form, "Image1")->pos(), QPoint(20, 30));
    EXPECT_EQ(named<ImageControl>(form, "Image1")->size(), QSize(600, 400));
    EXPECT_EQ(named<QGroupBox>(form, "GroupBox1")->size(), QSize(335, 305));

    // Below the buttons, near the group's far corner, the group shows the picture's own pixels.
    const QImage shown = named<QGroupBox>(form, "GroupBox1")->grab().toImage();
    ASSERT_EQ(shown.size(), named<QGroupBox>(form, "GroupBox1")->size());
    for (const QPoint at : {QPoint(325, 300), QPoint(30, 300), QPoint(320, 285)}) {
        ASSERT_EQ(
            named<QGroupBox>(form, "GroupBox1")->childAt(at), named<ImageControl>(form, "Image1"))
            << at.x() << "," << at.y();
        EXPECT_EQ(shown.pixel(at), picture.pixel(at - QPoint(20, 30))) << at.x() << "," << at.y();
    }
}

TEST_F(PreviewBackgroundTest, BitmapsLoadAndCancellingKeepsThePicture)
{
    TForm1& form = start();
    const QImage before = named<ImageControl>(form, "Image1")->picture();
    dialogs.queueCancel();
    QTest::mouseClick(named<QPushButton>(form, "JvXPButton2"), Qt::LeftButton);
    EXPECT_EQ(named<ImageControl>(form, "Image1")->picture(), before);

    const QImage picture = gradient(40, 30);
    loadBackground(pictureFile("small.bmp", picture, "BMP"));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(named<ImageControl>(form, "Image1")->picture().convertToFormat(QImage::Format_RGB32),
        picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(named<ImageControl>(form, "Image1")->size(), QSize(40, 30));
}

TEST_F(PreviewBackgroundTest, AFileThatCannotBeLoadedIsReportedAndLeavesTheOldPicture)
{
    TForm1& form = start();
    const QImage good = gradient(50, 60);
    loadBackground(pictureFile("good.png", good, "PNG"));
    ASSERT_EQ(named<ImageControl>(form, "Image1")->size(), QSize(50, 60));

    user.write("picture.gif", "GIF89a");
    loadBackground((user / "picture.gif").string());
    user.write("broken.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", 18));
    const std::string broken = (user / "broken.png").string();
    loadBackground(broken);

    const std::vector<std::string> expected {"Unknown picture file extension (.gif)",
        errorText<PictureError>([&] { pictures.load(broken); })};
    EXPECT_EQ(messages.errors(), expected);
    EXPECT_NE(expected[1], "(no error)");
    EXPECT_EQ(named<ImageControl>(form, "Image1")->picture(), good);
    EXPECT_EQ(named<ImageControl>(form, "Image1")->size(), QSize(50, 60));
}

} // namespace
} // namespace tintabel::testing
