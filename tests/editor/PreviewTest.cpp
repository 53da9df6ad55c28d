#include "app/ImageControl.h"
#include "editor/SampleCompositor.h"
#include "support/EditorsFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace tintabel::testing {
namespace {

constexpr QRgb kDarkBand = 0xFFCCD0D4; // (204, 208, 212)
constexpr ColourValue kRed = 0x0000FF;
constexpr ColourValue kBlue = 0xFF0000;
const QPoint kBackgroundStart(8, 88);

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
    static QPoint startOf(std::size_t index)
    {
        return {PreviewSamples::kStartPositions[index].left,
            PreviewSamples::kStartPositions[index].top};
    }
    PreviewSample* sample(std::size_t index) { return window().preview().sample(index); }
    ImageControl* background() { return named<ImageControl>(window(), "Image1"); }
    // The mouse passing over the element with a button held since a press elsewhere.
    static void pass(QWidget* element)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), QPointF(20, 20), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(element, &move);
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
}

// Over the grained default background and over a flat one, each pixel by the skin's rule with
// the alpha's low eight bits; the alpha store keeps what it was given.
TEST_F(PreviewTest, ASampleIsLaidOverTheBackgroundByTheSkinRuleWithTheAlphasLowBits)
{
    loaded().preview().clear(0);
    const QImage grained = area(placeOf(0));
    window().SampleRender(0, 200);
    EXPECT_EQ(area(placeOf(0)), composited(grained, kColours[0], 200));
    const QImage flat = filled({150, 160}, kDarkBand);
    named<ImageControl>(window(), "Image1")->setPicture(flat);
    const QImage band = flat.copy(0, 0, 16, 15);
    for (const auto& [alpha, shown] : {std::pair {128, composited(band, kRed, 128)}, {0, band},
             {300, composited(band, kRed, 44)}, {-5, composited(band, kRed, 251)}}) {
        SCOPED_TRACE(alpha);
        render(0, kRed, alpha, placeOf(0));
        EXPECT_EQ(area(placeOf(0)), shown);
        EXPECT_EQ(model().alpha(0), std::to_string(alpha));
    }
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
    showWindow();
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
    named<ImageControl>(form, "Image1")->setPicture(filled({150, 160}, 0xFF000000));
    EXPECT_NE(preview().copy(samples), redOnTop);
    EXPECT_TRUE(screenShowsPreview());
}

using PreviewLayoutTest = PreviewTest;

TEST_F(PreviewLayoutTest, OnlyThePressedElementFollowsTheMouseWithoutBoundsAndStaysThere)
{
    TForm1& form = loaded();
    pass(sample(2));
    pass(background());
    EXPECT_EQ(sample(2)->pos(), startOf(2));
    EXPECT_EQ(background()->pos(), kBackgroundStart);
    // The grabbed point stays under the pointer: every move is measured from where the element
    // is by then.
    drag(sample(2), {QPoint(13, 24), QPoint(8, 6)}, Qt::RightButton, {3, 4});
    const QPoint dragged = startOf(2) + QPoint(15, 22);
    EXPECT_EQ(sample(2)->pos(), dragged);
    EXPECT_EQ(placeOf(2), dragged);
    pass(sample(2));
    EXPECT_EQ(sample(2)->pos(), dragged);
    // Rebuilt by an edit, the sample stays where it was put.
    QTest::mouseClick(named<QRadioButton>(form, "garb"), Qt::LeftButton);
    retype(named<QLineEdit>(form, "re"), "77");
    EXPECT_EQ(sample(2)->pos(), dragged);
    EXPECT_EQ(sample(2)->picture().pixel(0, 0), qRgba(77, 0, 0, 128));

    drag(background(), {QPoint(-1000, 900)}, Qt::MiddleButton);
    pass(background());
    EXPECT_EQ(background()->pos(), kBackgroundStart + QPoint(-1002, 897));
    drag(sample(7), {QPoint(500, -600)});
    EXPECT_EQ(placeOf(7), startOf(7) + QPoint(498, -603));
    for (std::size_t index : {0, 1, 3, 4, 5, 6})
        EXPECT_EQ(sample(index)->pos(), startOf(index)) << index;
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewLayoutTest, ResetPositionsReturnsEverySampleThatExistsAndTheStartPlacesOfTheRest)
{
    TForm1& form = start();
    // A document that supplies three slots only.
    clickAnswering("lsbt",
        userFile("three.xml",
            "<colours><colour name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\"/>"
            "<colour name=\"normal attribute\" red=\"1\" green=\"2\" blue=\"3\"/>"
            "<colour name=\"special attribute\" red=\"4\" green=\"5\" blue=\"6\"/></colours>"));
    const std::vector<std::size_t> made {0, 1, 4};
    for (std::size_t index = 0; index < kSlotCount; ++index)
        ASSERT_EQ(sample(index) != nullptr, std::ranges::count(made, index) == 1) << index;
    for (const std::size_t index : made)
        drag(sample(index), {QPoint(30 - 20 * int(index), 5)});
    drag(background(), {QPoint(5, 5)});
    form.preview().setPosition(6, {1, 2}); // for a sample still to be made
    form.SampleClearAll();

    click("JvXPButton1");
    EXPECT_EQ(background()->pos(), kBackgroundStart);
    for (const std::size_t index : made)
        EXPECT_EQ(sample(index)->pos(), startOf(index)) << index;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        EXPECT_EQ(placeOf(index), startOf(index)) << index;
    form.SampleRender(6, 255);
    EXPECT_EQ(sample(6)->pos(), startOf(6));
}

} // namespace
} // namespace tintabel::testing
