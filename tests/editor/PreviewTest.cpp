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
    QImage area(QPoint place, QSize size = {16, 15}) { return preview().copy({place, size}); }
    QPoint placeOf(std::size_t index)
    {
        return {window().preview().position(index).left, window().preview().position(index).top};
    }
    void render(std::size_t index, ColourValue colour, std::int32_t alpha, QPoint place)
    {
        window().preview().setPosition(index, {place.x(), place.y()});
        model().setColour(index, colour);
        window().SampleRender(index, alpha);
    }
};

TEST_F(PreviewTest, SamplesAreMadeByTheirFirstRenderBesideTheirSlotsRows)
{
    TForm1& form = start();
    form.SampleClearAll(); // nothing to clear yet
    EXPECT_FALSE(form.preview().samplesMade());
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(form.preview().sample(index), nullptr);
        form.SampleRender(index, 255);
        const PreviewSample* sample = form.preview().sample(index);
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->parentWidget(), named<QGroupBox>(form, "GroupBox1"));
        EXPECT_EQ(sample->size(), QSize(16, 15));
        const QRect row = named<ColourSwatch>(form, kColourSlots[index].swatch)->geometry();
        EXPECT_TRUE(named<ImageControl>(form, "Image1")->geometry().contains(sample->geometry()));
        EXPECT_GE(sample->y(), row.top());
        EXPECT_LE(sample->geometry().bottom(), row.bottom() + 1);
        EXPECT_EQ(sample->cursor().shape(), Qt::DragMoveCursor);
    }
    EXPECT_TRUE(form.preview().samplesMade());
    EXPECT_EQ(form.findChild<PreviewSample*>("salea"), form.preview().sample(6));
}

// Over the grained default background and over a flat one, each pixel by the skin's rule with
// the alpha's low eight bits; the alpha store keeps what it was given.
TEST_F(PreviewTest, ASampleIsLaidOverTheBackgroundByTheSkinRuleWithTheAlphasLowBits)
{
    loaded().preview().clear(0);
    const QImage grained = area(placeOf(0));
    window().SampleRender(0, 200);
    EXPECT_EQ(area(placeOf(0)), composited(grained, kColours[0], 200));
    QImage flat(150, 160, QImage::Format_RGB32);
    flat.fill(kDarkBand);
    named<ImageControl>(window(), "Image1")->setPicture(flat);
    const QImage band = flat.copy(0, 0, 16, 15);
    for (const auto& [alpha, shown] : {std::pair {128, composited(band, kRed, 128)}, {0, band},
             {300, composited(band, kRed, 44)}, {-5, composited(band, kRed, 251)}}) {
        SCOPED_TRACE(alpha);
        render(0, kRed, alpha, placeOf(0));
        EXPECT_EQ(area(placeOf(0)), shown);
        EXPECT_EQ(model().alpha(0), std::to_string(alpha));
    }
    EXPECT_EQ(composited(band, kRed, 128).pixel(0, 0), qRgb(229, 104, 106));
}

// Later samples lie over earlier ones and a render brings one to the front; samples lie over
// labels and under input controls; a cleared one shows nothing until its next render.
TEST_F(PreviewTest, SamplesStackInRenderOrderOverLabelsAndUnderInputControls)
{
    TForm1& form = loaded();
    form.SampleClearAll();
    const QPoint overLabel = named<QLabel>(form, "Label5")->pos() + QPoint(2, 0);
    const QPoint underEditor = named<QLineEdit>(form, "re")->pos() + QPoint(4, 2);
    const QImage label = area(overLabel);
    const QImage editor = area(underEditor);
    ASSERT_NE(label.copy(0, 0, 8, 15), label.copy(8, 0, 8, 15)); // the letters show through
    render(2, kRed, 255, underEditor);
    EXPECT_EQ(area(underEditor), editor);

    const QPoint shared = overLabel + QPoint(8, 4);
    const QImage beneath = area(shared, {8, 11});
    render(0, kBlue, 100, overLabel);
    EXPECT_EQ(area(overLabel), composited(label, kBlue, 100));
    render(1, kRed, 128, shared);
    EXPECT_EQ(area(shared, {8, 11}), composited(composited(beneath, kBlue, 100), kRed, 128));
    render(0, kBlue, 100, overLabel);
    EXPECT_EQ(area(shared, {8, 11}), composited(composited(beneath, kRed, 128), kBlue, 100));

    form.preview().clear(0);
    EXPECT_EQ(area(shared, {8, 11}), composited(beneath, kRed, 128));
    EXPECT_EQ(form.preview().sample(0)->pos(), overLabel);
    form.SampleClearAll();
    for (std::size_t index = 0; index < kSlotCount; ++index)
        EXPECT_TRUE(form.preview().sample(index)->isHidden());
    EXPECT_EQ(area(overLabel), label);
    QPointer<PreviewSample> sample = form.preview().sample(0);
    close();
    EXPECT_FALSE(sample); // the samples go with the window
}

// What the window shows on the screen is repainted as things beneath a sample change.
TEST_F(PreviewTest, OnTheScreenSamplesFollowWhatLiesBeneathThem)
{
    TForm1& form = loaded();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect samples(110, 91, 20, 19);
    // The screen catches up with the grab once the pending paints are done.
    const auto screenShowsPreview = [&] {
        const QImage expected = preview().copy(samples);
        return QTest::qWaitFor([&] {
            return form.screen()
                       ->grabWindow(form.winId())
                       .toImage()
                       .convertToFormat(QImage::Format_RGB32)
                       .copy(samples.translated(named<QGroupBox>(form, "GroupBox1")->pos()))
                == expected;
        });
    };
    render(0, kRed, 128, {110, 91});
    render(1, kBlue, 128, {114, 95});
    const QImage blueOnTop = preview().copy(samples);
    EXPECT_TRUE(screenShowsPreview());
    render(0, kRed, 128, {110, 91});
    const QImage redOnTop = preview().copy(samples);
    EXPECT_NE(redOnTop, blueOnTop);
    EXPECT_TRUE(screenShowsPreview());
    QImage black(150, 160, QImage::Format_RGB32);
    black.fill(Qt::black);
    named<ImageControl>(form, "Image1")->setPicture(black);
    EXPECT_NE(preview().copy(samples), redOnTop);
    EXPECT_TRUE(screenShowsPreview());
}

} // namespace
} // namespace tintabel::testing
