#include "readability/AttributeBands.h"
#include "readability/AttributePanel.h"
#include "readability/BeneathColour.h"
#include "readability/ColourDifference.h"
#include "readability/ReadabilityReport.h"
#include "support/ErrorText.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

namespace tintabel {
namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;

TEST(Readability, BeneathIsTheRoundedMeanWithTheGroupFaceOffThePicture)
{
    // Three by two pixels in rows padded to four words; the padding must never be read.
    const std::vector<std::uint32_t> words {0xFF0A1400u, 0xFF0B1401u, 0x00FF0000u, 0xFFFFFFFFu,
        0xFF0A1402u, 0xFF0A1403u, 0xFF000000u, 0xFFFFFFFFu};
    const ConstPixelBuffer picture {3, 2, 16, reinterpret_cast<const std::uint8_t*>(words.data())};
    const ColourValue face = makeColour(100, 200, 40);
    const std::pair<PictureRect, ColourValue> table[] {
        // Red 10.25, green 20, blue 1.5 rounds up.
        {{0, 0, 2, 2}, makeColour(10, 20, 2)},
        // Alpha 0 is read like any other pixel.
        {{2, 0, 1, 1}, makeColour(255, 0, 0)},
        // Half off the right edge: two pixels of the picture, two of the face.
        {{2, 0, 2, 2}, makeColour(114, 100, 20)},
        {{-1, 1, 2, 2}, makeColour(78, 155, 31)},
        {{5, -4, 3, 3}, face},
        {{0, 0, 0, 2}, face},
    };
    for (const auto& [rect, mean] : table)
        EXPECT_EQ(meanBeneath(picture, rect, face), mean) << rect.left << "," << rect.top;
    EXPECT_EQ(meanOfPicture(picture), makeColour(49, 13, 1));
}

std::array<SlotReading, kSlotCount> readableSlots()
{
    const ColourValue white = makeColour(255, 255, 255);
    return {{{makeColour(0x8B, 0, 0), 255, white}, {makeColour(0, 0, 0x80), 255, white},
        {makeColour(0, 0x64, 0), 255, white}, {0, 255, white},
        {makeColour(0x80, 0, 0x80), 255, white}, {0, 255, white},
        {makeColour(0x8B, 0x45, 0x13), 255, white}, {0, 255, white}}};
}

TEST(Readability, ShownColoursAreCompositedAsTheSamplesAreAndPairsComparedPerVision)
{
    auto readings = readableSlots();
    readings[0] = {makeColour(255, 0, 0), 128, makeColour(204, 208, 212)};
    // Only the low 8 bits of the alpha count, 300 as 44.
    readings[1] = {makeColour(0, 0, 255), 300, makeColour(255, 255, 255)};
    const ReadabilityFigures figures = computeReadability(readings);
    EXPECT_EQ(figures.slotFigures[0].shown, makeColour(229, 104, 106));
    EXPECT_EQ(figures.slotFigures[1].shown, makeColour(211, 211, 255));
    EXPECT_NEAR(figures.slotFigures[1].contrast, 1.4451, 0.0001);
    EXPECT_EQ(figures.slotFigures[1].verdict, ContrastVerdict::fail);
    EXPECT_FALSE(figures.passes());
    // Low against normal attribute as each vision sees them.
    EXPECT_THAT(figures.pairFigures[0].difference,
        ElementsAre(DoubleNear(36.2052, 1e-4), DoubleNear(36.6131, 1e-4), DoubleNear(38.4861, 1e-4),
            DoubleNear(40.0249, 1e-4)));
}

TEST(Readability, ReportsGiveEachSlotAndPairInOrderAndFailOnAPairHardToTellApart)
{
    ReadabilityFigures figures = computeReadability(readableSlots());
    EXPECT_TRUE(jsonReport(figures).ends_with("\"pass\": true}\n"));
    figures.pairFigures[4].difference = {9.5, 12.3, 0.004, 100};

    const std::string plain = plainReport(figures);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), 13);
    EXPECT_TRUE(plain.starts_with("low attribute           8B0000  255  8B0000  10.01  pass\n"));
    EXPECT_TRUE(plain.ends_with(
        "\nattribute label / special attribute label    9.50  12.30   0.00 100.00\n"))
        << plain;

    const std::string json = jsonReport(figures);
    QJsonParseError error {};
    const QJsonDocument parsed = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json;
    EXPECT_EQ(parsed["slots"].toArray().size(), 8);
    EXPECT_EQ(parsed["pairs"].toArray().size(), 5);
    EXPECT_FALSE(parsed["pass"].toBool());
    for (const char* part :
        {R"({"name": "low attribute", "colour": "#8b0000", "alpha": 255, "beneath": "#ffffff", )"
         R"("shown": "#8b0000", "contrast": 10.01, "verdict": "pass"})",
            R"({"a": "attribute label", "b": "special attribute label", "normal": 9.50, )"
            R"("protanopia": 12.30, "deuteranopia": 0.00, "tritanopia": 100.00})"})
        EXPECT_NE(json.find(part), std::string::npos) << json;
}

TEST(Readability, BandsGiveEachValueItsLevelOrAreRefusedByTheirFirstFault)
{
    const AttributeBands standard;
    const AttributeBands custom({{{1, 3}, {4, 12}, {13, 19}, {20, 20}}});
    // Values with the slot of the standard bands and of the custom ones.
    const std::tuple<int, std::size_t, std::size_t> levels[] {{0, 0, 0}, {1, 0, 0}, {4, 0, 1},
        {5, 0, 1}, {6, 1, 1}, {10, 1, 1}, {11, 2, 1}, {13, 2, 2}, {16, 3, 2}, {19, 3, 2},
        {20, 3, 3}, {21, 3, 3}};
    for (const auto& [value, standardSlot, customSlot] : levels) {
        EXPECT_EQ(standard.slotOf(value), standardSlot) << value;
        EXPECT_EQ(custom.slotOf(value), customSlot) << value;
    }

    const std::pair<std::array<ValueBand, 4>, std::string> refused[] {
        {{{{2, 5}, {6, 10}, {11, 15}, {16, 20}}}, "The low attribute band must start at 1"},
        {{{{1, 5}, {6, 10}, {11, 15}, {16, 19}}}, "The excellent attribute band must end at 20"},
        {{{{1, 5}, {7, 10}, {11, 15}, {16, 20}}},
            "The normal attribute band must start right after the low attribute band"},
        {{{{1, 5}, {6, 12}, {11, 15}, {16, 20}}},
            "The good attribute band must start right after the normal attribute band"},
        {{{{1, 5}, {6, 10}, {11, 10}, {11, 20}}},
            "The good attribute band must not end before it starts"},
    };
    for (const auto& [bands, message] : refused)
        EXPECT_EQ(
            testing::errorText<AttributeBandsError>([&] { AttributeBands {bands}; }), message);
}

TEST(Readability, ThePanelShowsEveryValueAndTwoSpecialAttributes)
{
    std::set<int> values;
    int special = 0;
    for (const auto column : kAttributeColumns)
        for (const PanelAttribute& attribute : column) {
            values.insert(attribute.value);
            special += attribute.special;
        }
    // Twenty distinct values from 1 to 20 are every one of them.
    EXPECT_EQ(std::tuple(values.size(), *values.begin(), *values.rbegin(), special),
        std::tuple(20u, 1, 20, 2));
}

} // namespace
} // namespace tintabel
