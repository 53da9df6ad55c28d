#include "app/ReadabilityWindow.h"

#include "app/AttributePanelView.h"
#include "app/ImageControl.h"
#include "editor/SampleCompositor.h"
#include "readability/AttributePanel.h"
#include "readability/PixelBuffer.h"
#include "support/EditorsFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>

#include <functional>

namespace tintabel::testing {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

class ReadabilityWindowTest : public EditorsFixture {
protected:
    // F3 on the main window, as the user presses it.
    ReadabilityWindow& open()
    {
        showWindow();
        QTest::keyClick(&window(), Qt::Key_F3);
        auto* readability = window().findChild<ReadabilityWindow*>(QStringLiteral("Readability"));
        EXPECT_TRUE(readability && readability->isVisible());
        return *readability;
    }
};

TEST_F(ReadabilityWindowTest, FiguresFollowAKeystrokeADragAndANewBackground)
{
    TForm1& form = loaded();
    retype(named<QLineEdit>(form, "hex"), QStringLiteral("000000"));
    retype(named<QLineEdit>(form, "alp"), QStringLiteral("255"));
    ReadabilityWindow& readability = open();
    // White left of x 150, black right of it; the low sample starts on the white at x 102.
    QImage halves = filled({300, 160}, kBlack);
    QPainter(&halves).fillRect(0, 0, 150, 160, QColor(kWhite));

    PreviewSample* low = form.preview().sample(0);
    auto* background = named<ImageControl>(form, "Image1");
    const struct {
        const char* step;
        std::function<void()> action;
        QString contrast, verdict;
    } steps[] {
        {"new background", [&] { clickAnswering("JvXPButton2", pictureFile("h.png", halves)); },
            "21.00", "pass"},
        {"keystroke in re", [&] { retype(named<QLineEdit>(form, "re"), "255"); }, "4.00",
            "large only"},
        {"sample dragged onto the black", [&] { drag(low, {QPoint(62, 3)}); }, "5.25", "pass"},
        {"background dragged under it", [&] { drag(background, {QPoint(82, 3)}); }, "4.00",
            "large only"},
        {"a background the sample lies off",
            [&] {
                clickAnswering("JvXPButton2", pictureFile("s.png", filled({20, 20}, kBlack)));
            },
            "", ""},
    };
    const QColor face = named<QWidget>(form, "GroupBox1")->palette().color(QPalette::Window);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.action();
        EXPECT_TRUE(messages.shown().empty());
        if (step.contrast.isEmpty()) {
            EXPECT_EQ(readability.figures().slotFigures[0].reading.beneath,
                makeColour(face.red(), face.green(), face.blue()));
            continue;
        }
        EXPECT_EQ(named<QLabel>(readability, "laContrast")->text(), step.contrast);
        EXPECT_EQ(named<QLabel>(readability, "laVerdict")->text(), step.verdict);
    }
}

TEST_F(ReadabilityWindowTest, TheSimulationRepaintsThePreviewSamplesUntilTheWindowCloses)
{
    TForm1& form = loaded();
    ReadabilityWindow& readability = open();
    const auto painted = [&](std::size_t index) {
        return form.preview().sample(index)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // Red at alpha 128 and blue at alpha 17: what is simulated is what they are composited to.
    const std::array<std::size_t, 2> samples {2, 4};
    const std::array<QImage, 2> normal {painted(samples[0]), painted(samples[1])};
    auto* simulation = named<QComboBox>(readability, "simulation");
    for (const Vision vision : {Vision::protanopia, Vision::deuteranopia, Vision::tritanopia}) {
        SCOPED_TRACE(visionName(vision));
        simulation->setCurrentIndex(static_cast<int>(vision));
        for (std::size_t i = 0; i < samples.size(); ++i) {
            QImage expected = normal[i];
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x)
                    expected.setPixel(x, y,
                        colourPixel(
                            simulateVision(pixelColour(expected.pixel(x, y)), vision), 255));
            EXPECT_NE(expected, normal[i]);
            EXPECT_EQ(painted(samples[i]), expected);
        }
    }
    readability.close();
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_EQ(painted(samples[i]), normal[i]);
}

TEST_F(ReadabilityWindowTest, ThePanelPaintsAValueInItsBandsColourOverTheBackground)
{
    TForm1& form = loaded();
    named<ImageControl>(form, "Image1")->setPicture(filled({7, 5}, qRgb(40, 60, 80)));
    // Good is red at alpha 128, excellent green at alpha 0: make it visible.
    form.selectSlot(3);
    retype(named<QLineEdit>(form, "alp"), QStringLiteral("160"));
    ReadabilityWindow& readability = open();
    const QRect firstTouch = AttributePanelView::valueBox(0, 4); // 17
    ASSERT_EQ(kTechnicalAttributes[4].value, 17);

    const auto inks = [&](std::size_t slot, Vision vision) {
        const std::uint32_t over = compositePixel(
            colourPixel(model().colour(slot), alphaByte(std::stoi(model().alpha(slot)))),
            qRgb(40, 60, 80));
        const QRgb expected = colourPixel(simulateVision(pixelColour(over), vision), 255);
        const QImage picture = readability.panel().picture().copy(firstTouch);
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += picture.pixel(x, y) == expected;
        return count;
    };
    const struct {
        int goodEnd;
        Vision vision;
        std::size_t slot, other;
    } cases[] {
        {15, Vision::normal, 3, 2},
        {17, Vision::normal, 2, 3},
        {15, Vision::deuteranopia, 3, 2},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.goodEnd);
        named<QSpinBox>(readability, "gaEnd")->setValue(row.goodEnd);
        named<QComboBox>(readability, "simulation")->setCurrentIndex(static_cast<int>(row.vision));
        EXPECT_GE(inks(row.slot, row.vision), 4);
        EXPECT_EQ(inks(row.other, row.vision), 0);
    }
}

TEST_F(ReadabilityWindowTest, TheWindowTakesTheLanguageTheFlagsChoose)
{
    TForm1& form = loaded();
    ReadabilityWindow& readability = open();
    QTest::mouseClick(named<ImageControl>(form, "polimg"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(readability.windowTitle(), "Czytelność");
    EXPECT_EQ(named<QAbstractButton>(form, "readbt")->text(), "Czytelność");
    EXPECT_EQ(named<QComboBox>(readability, "simulation")->itemText(1), "Protanopia");
    EXPECT_EQ(named<QLabel>(readability, "naVerdict")->text(), "spełnia");
}

} // namespace
} // namespace tintabel::testing
