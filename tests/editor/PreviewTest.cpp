#include "app/ImageControl.h"
#include "editor/SampleCompositor.h"
#include "support/EditorsFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QScreen>

namespace tintabel::testing {
namespace {

constexpr QRgb kDarkBand = 0xFFCCD0D4; // (204, 208, 212)
constexpr ColourValue kRed = 0x0000FF;
constexpr ColourValue kBlue = 0xFF0000;

QImage composited(QImage beneath, ColourValue colour, int alpha)
{
    const QRgb pixel = qRgba(redOf(colour), greenOf(colour), blueOf(colour), alphaByte(alpha));
    for (int y = 0; y < beneath.height(); ++y)
        for (int x = 0; x < beneath.width(); ++x)
            beneath.setPixel(x, y, compositePixel(pixel, beneath.pixel(x, y)));
    return beneath;
}

QImage filled(QRgb pixel)
{
    QImage image(16, 15, QImage::Format_RGB32);
    image.fill(pixel);
    return image;
}

class PreviewTest : public EditorsFixture {
protected:
    QImage preview()
    {
        return named<QGroupBox>(window(), "GroupBox1")
            ->grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The part of the preview a sample at place covers.
    static QImage area(const QImage& picture, QPoint place)
    {
        return picture.copy(QRect(place, QSize(16, 15)));
    }

    void background(QRgb colour)
    {
        QImage flat(150, 160, QImage::Format_RGB32);
        flat.fill(colour);
        named<ImageControl>(window(), "Image1")->setPicture(flat);
    }

    void render(std::size_t index, ColourValue colour, std::int32_t alpha)
    {
        model().setColour(index, colour);
        window().SampleRender(index, alpha);
    }

    QPoint placeOf(std::size_t index)
    {
        const SamplePosition place = window().preview().position(index);
        return {place.left, place.top};
    }
};

TEST_F(PreviewTest, SamplesAreMadeByTheirFirstRenderBesideTheirSlotsRows)
{
    TForm1& form = start();
    EXPECT_FALSE(form.preview().samplesMade());
    form.SampleClearAll(); // nothing to clear yet
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(form.preview().sample(index), nullptr);
        form.SampleRender(index, 255);
        const PreviewSample* sample = form.preview().sample(index);
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->parentWidget(), named<QGroupBox>(form, "GroupBox1"));
        EXPECT_EQ(sample->size(), QSize(16, 15));
        // Inside the background, left of the slot's swatch and on its row.
        const QRect row = named<ColourSwatch>(form, kColourSlots[index].swatch)->geometry();
        EXPECT_TRUE(named<ImageControl>(form, "Image1")->geometry().contains(sample->geometry()));
        EXPECT_GE(sample->y(), row.top());
        EXPECT_LE(sample->geometry().bottom(), row.bottom() + 1);
    }
    EXPECT_TRUE(form.preview().samplesMade());
    const PreviewSample* sample = form.findChild<PreviewSample*>("salea");
    EXPECT_EQ(sample, form.preview().sample(6));
    EXPECT_EQ(sample->toolTip(), "special attribute label ");
    EXPECT_EQ(sample->statusTip(), " special attribute label");
    EXPECT_EQ(sample->cursor().shape(), Qt::DragMoveCursor);
}

TEST_F(PreviewTest, ASampleIsLaidOverTheBackgroundByTheSkinRuleWithTheAlphasLowBits)
{
    loaded();
    background(kDarkBand);
    const QPoint place = placeOf(0);
    const std::pair<int, QImage> cases[] = {
        {128, filled(qRgb(229, 104, 106))},
        {0, filled(kDarkBand)},
        {255, filled(qRgb(255, 0, 0))},
        {300, composited(filled(kDarkBand), kRed, 44)},
        {-5, composited(filled(kDarkBand), kRed, 251)},
    };
    for (const auto& [alpha, shown] : cases) {
        SCOPED_TRACE(alpha);
        render(0, kRed, alpha);
        EXPECT_EQ(area(preview(), place), shown);
        // The alpha store keeps what it was given.
        EXPECT_EQ(model().alpha(0), std::to_string(alpha));
    }

    // Over the grained default background every pixel is composited.
    close();
    start();
    const QImage before = area(preview(), placeOf(3));
    render(3, 0x3060C0, 77);
    EXPECT_EQ(area(preview(), placeOf(3)), composited(before, 0x3060C0, 77));
}

TEST_F(PreviewTest, LaterSamplesLieOverEarlierOnesAndARenderBringsOneToTheFront)
{
    TForm1& form = loaded();
    background(kDarkBand);
    form.SampleClearAll();
    form.preview().setPosition(1, {118, 95});
    const QPoint overlap(118, 95);
    const QImage beneath = area(preview(), overlap).copy(0, 0, 8, 11);

    render(0, kRed, 128);
    render(1, kBlue, 128);
    EXPECT_EQ(area(preview(), overlap).copy(0, 0, 8, 11),
        composited(composited(beneath, kRed, 128), kBlue, 128));
    render(0, kRed, 128);
    EXPECT_EQ(area(preview(), overlap).copy(0, 0, 8, 11),
        composited(composited(beneath, kBlue, 128), kRed, 128));
}

TEST_F(PreviewTest, SamplesLieOverLabelsAndUnderInputControls)
{
    TForm1& form = loaded();
    form.SampleClearAll();
    const QPoint overLabel = named<QLabel>(form, "Label5")->pos() + QPoint(2, 0);
    const QPoint underEditor = named<QLineEdit>(form, "re")->pos() + QPoint(4, 2);
    const QImage before = preview();
    // The label's letters are there to be seen through the sample.
    const QImage label = area(before, overLabel);
    EXPECT_NE(label, filled(label.pixel(0, 0)));

    form.preview().setPosition(0, {overLabel.x(), overLabel.y()});
    form.preview().setPosition(1, {underEditor.x(), underEditor.y()});
    render(0, kBlue, 100);
    render(1, kRed, 255);
    const QImage after = preview();
    EXPECT_EQ(area(after, overLabel), composited(label, kBlue, 100));
    EXPECT_EQ(area(after, underEditor), area(before, underEditor));
}

TEST_F(PreviewTest, AClearedSampleShowsNothingUntilItsNextRender)
{
    TForm1& form = loaded();
    const QPoint place = placeOf(2);
    const QImage rendered = area(preview(), place);
    form.preview().clear(2);
    const QImage cleared = area(preview(), place);
    EXPECT_NE(cleared, rendered);
    EXPECT_EQ(form.preview().sample(2)->pos(), place);

    form.SampleRender(2, 128);
    EXPECT_EQ(area(preview(), place), rendered);

    form.SampleClearAll();
    for (std::size_t index = 0; index < kSlotCount; ++index)
        EXPECT_TRUE(form.preview().sample(index)->isHidden());
    EXPECT_EQ(area(preview(), place), cleared);

    // The samples go with the window.
    QPointer<PreviewSample> sample = form.preview().sample(0);
    close();
    EXPECT_FALSE(sample);
}

// What the window shows on the screen is repainted as things beneath a sample change.
TEST_F(PreviewTest, OnTheScreenSamplesFollowWhatLiesBeneathThem)
{
    TForm1& form = loaded();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.preview().setPosition(1, {114, 95});
    const QRect samples(110, 91, 20, 19);
    // The screen catches up with the grab once the pending paints are done.
    const auto screenShows = [&form, samples](const QImage& expected) {
        return QTest::qWaitFor([&] {
            return form.screen()
                       ->grabWindow(form.winId())
                       .toImage()
                       .convertToFormat(QImage::Format_RGB32)
                       .copy(samples.translated(named<QGroupBox>(form, "GroupBox1")->pos()))
                == expected;
        });
    };

    render(0, kRed, 128);
    render(1, kBlue, 128);
    const QImage blueOnTop = preview().copy(samples);
    EXPECT_TRUE(screenShows(blueOnTop));
    render(0, kRed, 128);
    const QImage redOnTop = preview().copy(samples);
    EXPECT_NE(redOnTop, blueOnTop);
    EXPECT_TRUE(screenShows(redOnTop));

    background(qRgb(0, 0, 0));
    const QImage overBlack = preview().copy(samples);
    EXPECT_NE(overBlack, redOnTop);
    EXPECT_TRUE(screenShows(overBlack));
}

} // namespace
} // namespace tintabel::testing
