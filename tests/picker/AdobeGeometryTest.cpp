#include "picker/AdobeBars.h"
#include "picker/AdobeField.h"

#include <gtest/gtest.h>
#include <tuple>

namespace tintabel {
namespace {

TCouleur colourOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    TCouleur colour;
    colour.SetRVB(red, green, blue);
    return colour;
}

TEST(AdobeBars, PressesCountOnTheBarsPixelsShowThePickAndPicksRoundAndRememberTheGrey)
{
    const std::tuple<int, int, AdobeBar> presses[] = {{20, 68, AdobeBar::None},
        {35, 65, AdobeBar::Red}, {291, 72, AdobeBar::Red}, {292, 68, AdobeBar::None},
        {100, 64, AdobeBar::None}, {100, 16, AdobeBar::Grey}, {100, 89, AdobeBar::Green},
        {100, 120, AdobeBar::Blue}, {100, 160, AdobeBar::Hue}, {100, 192, AdobeBar::Saturation},
        {100, 216, AdobeBar::Value}, {100, 217, AdobeBar::None}};
    for (const auto& [x, y, bar] : presses)
        EXPECT_EQ(AdobeBars::barAt(x, y), bar) << x << "," << y;
    const std::pair<int, int> positions[] = {{-400, 0}, {35, 0}, {100, 65}, {290, 255}, {291, 255}};
    for (const auto& [x, position] : positions)
        EXPECT_EQ(AdobeBars::positionAt(x), position) << x;

    // The hue bar runs the whole circle at full saturation and value; channel bars keep the others.
    const TCouleur colour = colourOf(18, 52, 86);
    const std::tuple<AdobeBar, int, RvbBytes> cases[] = {{AdobeBar::Hue, 0, {255, 0, 0}},
        {AdobeBar::Hue, 255, {255, 0, 4}}, {AdobeBar::Hue, 85, {0, 255, 0}},
        {AdobeBar::Red, 200, {200, 52, 86}}, {AdobeBar::Green, 200, {18, 200, 86}},
        {AdobeBar::Blue, 200, {18, 52, 200}}, {AdobeBar::Grey, 200, {200, 200, 200}}};
    for (const auto& [bar, position, rvb] : cases)
        EXPECT_EQ(AdobeBars::pixelColour(bar, position, colour), rvb) << position;

    // Saturation and value picks round to whole percent; the grey bar's marker stands at the grey
    // picked last, whatever the colour became since.
    TCouleur picked;
    picked.SetTSV(359, 100, 100);
    std::uint8_t grey = 7;
    AdobeBars::pick(AdobeBar::Saturation, 128, picked, grey);
    EXPECT_EQ(AdobeBars::markerPosition(AdobeBar::Saturation, picked, grey), 128);
    AdobeBars::pick(AdobeBar::Value, 1, picked, grey);
    EXPECT_EQ(picked.TSV(), (TsvDegrees {359, 50, 0}));
    EXPECT_EQ(grey, 7);
    AdobeBars::pick(AdobeBar::Grey, 90, picked, grey);
    EXPECT_EQ(grey, 90);
    AdobeBars::pick(AdobeBar::Red, 200, picked, grey);
    EXPECT_EQ(picked.RVB(), (RvbBytes {200, 90, 90}));
    EXPECT_EQ(AdobeBars::markerPosition(AdobeBar::Grey, picked, grey), 90);
    EXPECT_EQ(AdobeBars::markerPosition(AdobeBar::Red, picked, grey), 200);
}

const AdobeField field(304, 281, 46);

TEST(AdobeField, FieldAndStripTakePressesOnTheirEdgesAndCursorsStandWhereThePickWasMade)
{
    EXPECT_EQ(field.y0(), 12); // 12.5 rounds to the even neighbour
    const std::tuple<int, int, bool, bool> presses[]
        = {{9, 12, true, false}, {264, 267, true, false}, {265, 100, false, false},
            {100, 268, false, false}, {274, 100, false, false}, {275, 12, false, true},
            {294, 267, false, true}, {295, 100, false, false}};
    for (const auto& [x, y, inField, inStrip] : presses) {
        EXPECT_EQ(field.inField(x, y), inField) << x << "," << y;
        EXPECT_EQ(field.inStrip(x, y), inStrip) << x << "," << y;
    }
    EXPECT_EQ(field.fieldPosition(-50, 900), (PixelPoint {0, 255}));
    EXPECT_EQ(field.stripPosition(-3), 0);
}

TEST(AdobeField, FieldPictureShowsWhatAPickThereGivesHueModeUsingItsOwnValueStep)
{
    TCouleur colour = colourOf(18, 52, 86);
    AdobeField::fieldPick(AdobeMode::T, {0, 255}, colour);
    EXPECT_FLOAT_EQ(colour.TSV().value, static_cast<float>(100 - 255 * 0.3921));
    EXPECT_GT(colour.TSV().value, 0.0f);
    AdobeField::fieldPick(AdobeMode::T, {255, 100}, colour);
    EXPECT_FLOAT_EQ(colour.TSV().value, 60.79f);
    EXPECT_FLOAT_EQ(colour.TSV().saturation, 100.0f);

    // The cursors stand where a pick would have to be made to give the page colour.
    for (const AdobeMode mode :
        {AdobeMode::R, AdobeMode::V, AdobeMode::B, AdobeMode::T, AdobeMode::S, AdobeMode::L}) {
        for (const PixelPoint position : {PixelPoint {0, 0}, PixelPoint {255, 255},
                 PixelPoint {17, 200}, PixelPoint {128, 77}, PixelPoint {254, 1}}) {
            TCouleur colour = colourOf(18, 52, 86);
            AdobeField::fieldPick(mode, position, colour);
            EXPECT_EQ(AdobeField::fieldCursor(mode, colour), position)
                << "mode " << static_cast<int>(mode) << " at " << position.x << ", " << position.y;
            AdobeField::stripPick(mode, position.y, colour);
            EXPECT_EQ(AdobeField::stripCursor(mode, colour), position.y)
                << "mode " << static_cast<int>(mode) << " at " << position.y;
        }
    }

    const TCouleur page = colourOf(18, 52, 86);
    // T is left out: its picks use a value step of their own.
    for (const AdobeMode mode :
        {AdobeMode::R, AdobeMode::V, AdobeMode::B, AdobeMode::S, AdobeMode::L}) {
        // Rows where whole percent steps and the picks agree.
        for (const PixelPoint position :
            {PixelPoint {0, 0}, PixelPoint {200, 0}, PixelPoint {51, 51}, PixelPoint {255, 51}}) {
            TCouleur picked = page;
            AdobeField::fieldPick(mode, position, picked);
            EXPECT_EQ(AdobeField::fieldColour(mode, position, page), picked.RVB())
                << "mode " << static_cast<int>(mode);
        }
    }
    EXPECT_EQ(AdobeField::fieldColour(AdobeMode::V, {7, 250}, page), (RvbBytes {5, 52, 7}));
    EXPECT_EQ(AdobeField::fieldColour(AdobeMode::B, {7, 250}, page), (RvbBytes {7, 5, 86}));
}

} // namespace
} // namespace tintabel
