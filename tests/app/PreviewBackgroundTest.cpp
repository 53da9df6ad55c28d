#include "app/ImageControl.h"
#include "support/MainWindowFixture.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>

namespace tintabel::testing {
namespace {

class PreviewBackgroundTest : public MainWindowFixture {
protected:
    void loadBackground(const std::optional<std::string>& path)
    {
        if (path)
            dialogs.queueAnswer(*path);
        else
            dialogs.queueCancel();
        QTest::mouseClick(named<QPushButton>(window(), "JvXPButton2"), Qt::LeftButton);
    }

    ImageControl* background() { return named<ImageControl>(window(), "Image1"); }

    TempFolder user;
};

TEST_F(PreviewBackgroundTest, APictureIsShownAtItsOwnSizeAndPlaceAndClippedByTheGroup)
{
    TForm1& form = start();
    const QImage before = background()->picture();
    loadBackground(std::nullopt);
    EXPECT_EQ(background()->picture(), before);

    background()->move(20, 30);
    // Every pixel differs from its neighbours, so that scaling or a shifted place shows.
    QImage picture(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + 2 * (y / 256)) * 60));
    ASSERT_TRUE(picture.save(QString::fromStdString((user / "large.png").string()), "PNG"));
    loadBackground((user / "large.png").string());

    ASSERT_EQ(dialogs.asked().size(), 2u);
    EXPECT_EQ(dialogs.asked()[1].request.name, "opimg");
    EXPECT_EQ(dialogs.asked()[1].request.filter, "All supported formats|*.jpg;*.jpeg;*.png;*.bmp");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(background()->pos(), QPoint(20, 30));
    EXPECT_EQ(background()->size(), QSize(600, 400));

    // Below the buttons, near the group's far corner, the group shows the picture's own pixels.
    QGroupBox* group = named<QGroupBox>(form, "GroupBox1");
    const QImage shown = group->grab().toImage();
    ASSERT_EQ(shown.size(), group->size());
    for (const QPoint at : {QPoint(325, 300), QPoint(30, 300), QPoint(320, 260)}) {
        ASSERT_EQ(group->childAt(at), background()) << at.x() << "," << at.y();
        EXPECT_EQ(shown.pixel(at), picture.pixel(at - QPoint(20, 30))) << at.x() << "," << at.y();
    }

    // A file that cannot be loaded is reported and leaves the picture.
    user.write("picture.gif", "GIF89a");
    loadBackground((user / "picture.gif").string());
    EXPECT_EQ(
        messages.errors(), std::vector<std::string> {"Unknown picture file extension (.gif)"});
    EXPECT_EQ(background()->size(), QSize(600, 400));
    EXPECT_EQ(background()->picture().pixel(599, 399), picture.pixel(599, 399));
}

} // namespace
} // namespace tintabel::testing
