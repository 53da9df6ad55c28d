#include "app/ImageControl.h"
#include "editor/SampleCompositor.h"
#include "support/EditorsFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>

#include <iomanip>
#include <ostream>

// Failures show the pixels, one row a line.
void PrintTo(const QImage& image, std::ostream* out)
{
    *out << image.width() << "x" << image.height() << std::hex << std::setfill('0');
    for (int y = 0; y < image.height(); ++y) {
        *out << "\n";
        for (int x = 0; x < image.width(); ++x)
            *out << " " << std::setw(6) << (image.pixel(x, y) & 0xFFFFFF);
    }
}

namespace tintabel::testing {
namespace {

constexpr QRgb kDarkBand = 0xFFCCD0D4; // (204, 208, 212)
constexpr ColourValue kRed = 0x0000FF;
constexpr ColourValue kBlue = 0xFF0000;

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
    QImage area(const QImage& picture, QPoint place)
    {
        return picture.copy(QRect(place, QSize(16, 15)));
    }

    void flatBackground(TForm1& form)
    {
        QImage flat(150, 160, QImage::Format_RGB32);
        flat.fill(kDarkBand);
        named<ImageControl>(form, "Image1")->setPicture(flat);
    }

    void render(std::size_t index, ColourValue colour, std::int32_t alpha)
    {
        model().setColour(index, colour);
        window().SampleRender(index, alpha);
    }

    static QPoint placeOf(TForm1& form, std::size_t index)
    {
        const SamplePosition place = form.preview().position(index);
        return {place.left, place.top};
    }
};

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

TEST_F(PreviewTest, SamplesAreMadeByTheirFirstRenderAtTheirStartPlaces)
{
    TForm1& form = start();
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        EXPECT_EQ(form.preview().position(index).left, 110);
        EXPECT_EQ(form.preview().position(index).top, 91 + 20 * static_cast<int>(index));
        EXPECT_EQ(form.preview().sample(index), nullptr);
    }
    EXPECT_FALSE(form.preview().samplesMade());
    form.SampleClearAll(); // nothing to clear yet

    form.SampleRender(6, 255);
    EXPECT_TRUE(form.preview().samplesMade());
    const PreviewSample* sample = form.findChild<PreviewSample*>("salea");
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample, form.preview().sample(6));
    EXPECT_EQ(sample->parentWidget(), named<QGroupBox>(form, "GroupBox1"));
    EXPECT_EQ(sample->geometry(), QRect(110, 211, 16, 15));
    EXPECT_EQ(sample->toolTip(), "special attribute label ");
    EXPECT_EQ(sample->statusTip(), " special attribute label");
    EXPECT_EQ(sample->cursor().shape(), Qt::DragMoveCursor);
    EXPECT_EQ(form.preview().sample(0), nullptr);
}

TEST_F(PreviewTest, ASampleIsLaidOverTheBackgroundByTheSkinRule)
{
    TForm1& form = loaded();
    flatBackground(form);
    const QPoint place = placeOf(form, 0);

    render(0, kRed, 128);
    EXPECT_EQ(area(preview(), place), filled(qRgb(229, 104, 106)));
    render(0, kRed, 0);
    EXPECT_EQ(area(preview(), place), filled(kDarkBand));
    render(0, kRed, 255);
    EXPECT_EQ(area(preview(), place), filled(qRgb(255, 0, 0)));

    // The picture takes the low 8 bits; the alpha store keeps what it was given.
    render(0, kRed, 300);
    EXPECT_EQ(area(preview(), place), composited(filled(kDarkBand), kRed, 44));
    EXPECT_EQ(model().alpha(0), "300");
    render(0, kRed, -5);
    EXPECT_EQ(area(preview(), place), composited(filled(kDarkBand), kRed, 251));
    EXPECT_EQ(model().alpha(0), "-5");
    EXPECT_NE(composited(filled(kDarkBand), kRed, 251), filled(qRgb(255, 0, 0)));
}

TEST_F(PreviewTest, OverTheGrainedDefaultBackgroundEveryPixelIsComposited)
{
    TForm1& form = start();
    const QPoint place = placeOf(form, 3);
    const QImage before = area(preview(), place);
    render(3, 0x3060C0, 77);
    EXPECT_EQ(area(preview(), place), composited(before, 0x3060C0, 77));
}

TEST_F(PreviewTest, LaterSamplesLieOverEarlierOnesAndARenderBringsOneToTheFront)
{
    TForm1& form = loaded();
    flatBackground(form);
    form.SampleClearAll();
    form.preview().setPosition(1, {118, 95});
    const QPoint overlap(118, 95);
    const QImage background = area(preview(), overlap);

    render(0, kRed, 128);
    render(1, kBlue, 128);
    EXPECT_EQ(area(preview(), overlap).copy(0, 0, 8, 11),
        composited(composited(background, kRed, 128), kBlue, 128).copy(0, 0, 8, 11));
    render(0, kRed, 128);
    EXPECT_EQ(area(preview(), overlap).copy(0, 0, 8, 11),
        composited(composited(background, kBlue, 128), kRed, 128).copy(0, 0, 8, 11));
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
    const QPoint place = placeOf(form, 2);
    QImage rendered = area(preview(), place);
    form.preview().clear(2);
    const QImage cleared = area(preview(), place);
    EXPECT_NE(cleared, rendered);
    EXPECT_FALSE(form.preview().sample(2)->isVisible());
    EXPECT_EQ(form.preview().sample(2)->pos(), place);

    form.SampleRender(2, 128);
    EXPECT_EQ(area(preview(), place), rendered);

    form.SampleClearAll();
    for (std::size_t index = 0; index < kSlotCount; ++index)
        EXPECT_TRUE(form.preview().sample(index)->isHidden());
    EXPECT_EQ(area(preview(), place), cleared);
    EXPECT_TRUE(form.preview().samplesMade());
}

TEST_F(PreviewTest, ARenderUsesTheStoredPlaceAndSamplesReportTheMouse)
{
    TForm1& form = loaded();
    PreviewSample* sample = form.preview().sample(4);
    QSignalSpy down(sample, &PreviewSample::mouseDown);
    QSignalSpy moved(sample, &PreviewSample::mouseMove);
    QSignalSpy up(sample, &PreviewSample::mouseUp);
    QTest::mousePress(sample, Qt::RightButton, {}, QPoint(3, 4));
    QTest::mouseMove(sample, QPoint(30, 40));
    QTest::mouseRelease(sample, Qt::RightButton, {}, QPoint(30, 40));
    ASSERT_EQ(down.size(), 1);
    EXPECT_EQ(down[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(down[0][1].toPoint(), QPoint(3, 4));
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.back()[1].toPoint(), QPoint(30, 40));
    ASSERT_EQ(up.size(), 1);
    EXPECT_EQ(up[0][1].toPoint(), QPoint(30, 40));

    sample->move(40, 50);
    form.preview().setPosition(4, {40, 50});
    form.selectSlot(4);
    EXPECT_EQ(sample->pos(), QPoint(40, 50));
    EXPECT_EQ(form.preview().sample(4), sample);
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
    const auto screenShows = [this, &form, samples](const QImage& expected) {
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

    QImage flat(150, 160, QImage::Format_RGB32);
    flat.fill(Qt::black);
    named<ImageControl>(form, "Image1")->setPicture(flat);
    const QImage overBlack = preview().copy(samples);
    EXPECT_NE(overBlack, redOnTop);
    EXPECT_TRUE(screenShows(overBlack));
}

TEST_F(PreviewTest, SamplesGoWithTheWindow)
{
    TForm1& form = loaded();
    QPointer<PreviewSample> sample = form.preview().sample(0);
    ASSERT_TRUE(sample);
    close();
    EXPECT_FALSE(sample);
}

} // namespace
} // namespace tintabel::testing
