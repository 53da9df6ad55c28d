#include "app/ImageControl.h"
#include "support/MainWindowFixture.h"

#include <QGroupBox>

namespace tintabel::testing {
namespace {

TEST_F(MainWindowFixture, ABackgroundIsShownAtItsOwnSizeAndPlaceClippedByTheGroup)
{
    TForm1& form = start();
    ImageControl* background = named<ImageControl>(form, "Image1");
    const QImage before = background->picture();
    clickAnswering("JvXPButton2", std::nullopt);
    EXPECT_EQ(background->picture(), before);

    background->move(20, 30);
    // Every pixel differs from its neighbours, so that scaling or a shifted place shows.
    QImage picture(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + 2 * (y / 256)) * 60));
    ASSERT_TRUE(picture.save(QString::fromStdString((user / "large.png").string()), "PNG"));
    clickAnswering("JvXPButton2", (user / "large.png").string());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(background->pos(), QPoint(20, 30));
    EXPECT_EQ(background->size(), QSize(600, 400));
    // Below the buttons, near the group's far corner, the group shows the picture's own pixels.
    QGroupBox* group = named<QGroupBox>(form, "GroupBox1");
    const QImage shown = group->grab().toImage();
    for (const QPoint at : {QPoint(325, 300), QPoint(30, 300), QPoint(320, 285)}) {
        ASSERT_EQ(group->childAt(at), background) << at.x() << "," << at.y();
        EXPECT_EQ(shown.pixel(at), picture.pixel(at - QPoint(20, 30))) << at.x() << "," << at.y();
    }

    // A file that cannot be loaded is reported and leaves the picture.
    clickAnswering("JvXPButton2", userFile("picture.gif", "GIF89a"));
    EXPECT_EQ(
        messages.errors(), std::vector<std::string> {"Unknown picture file extension (.gif)"});
    EXPECT_EQ(background->picture().pixel(599, 399), picture.pixel(599, 399));
}

} // namespace
} // namespace tintabel::testing
