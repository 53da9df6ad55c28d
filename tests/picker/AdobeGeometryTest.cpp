#include "picker/AdobeBars.h"
#include "picker/AdobeField.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TCouleur colourOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    TCouleur colour;
    colour.SetRVB(red, green, blue);
    return colour;
}

TEST(AdobeBars, PressesCountOnTheBarsWithTheirEdges)
{
    EXPECT_EQ(AdobeBars::barAt(20, 68), AdobeBar::None);
    EXPECT_EQ(AdobeBars::barAt(35, 65), AdobeBar::Red);
    EXPECT_EQ(AdobeBars::barAt(291, 72), AdobeBar::Red);
    EXPECT_EQ(AdobeBars::barAt(292, 68), AdobeBar::None);
    EXPECT_EQ(AdobeBars::barAt(100, 64), AdobeBar::None);
    EXPECT_EQ(AdobeBars::barAt(100, 16), AdobeBar::Grey);
    EXPECT_EQ(AdobeBars::barAt(100, 89), AdobeBar::Green);
    EXPECT_EQ(AdobeBars::barAt(100, 120), AdobeBar::Blue);
    EXPECT_EQ(AdobeBars::barAt(100, 160), AdobeBar::Hue);
    EXPECT_EQ(AdobeBars::barAt(100, 192), AdobeBar::Saturation);
    EXPECT_EQ(AdobeBars::barAt(100, 216), AdobeBar::Value);
    EXPECT_EQ(AdobeBars::barAt(100, 217), AdobeBar::None);
}

TEST(AdobeBars, PositionIsHeldWithinTheBar)
{
    EXPECT_EQ(AdobeBars::positionAt(-400), 0);
    EXPECT_EQ(AdobeBars::positionAt(35), 0);
    EXPECT_EQ(AdobeBars::positionAt(100), 65);
    EXPECT_EQ(AdobeBars::positionAt(290), 255);
    EXPECT_EQ(AdobeBars::positionAt(291), 255);
    EXPECT_EQ(AdobeBars::positionAt(5000), 255);
}

TEST(AdobeBars, HueBarRunsTheWholeCircleAtFullSaturationAndValue)
{
    const TCouleur grey = colourOf(30, 30, 30);
    EXPECT_EQ(AdobeBars::pixelColour(AdobeBar::Hue, 0, grey), (RvbBytes {255, 0, 0}));
    EXPECT_EQ(AdobeBars::pixelColour(AdobeBar::Hue, 255, grey), (RvbBytes {255, 0, 4}));
    EXPECT_EQ(AdobeBars::pixelColour(AdobeBar::Hue, 85, grey), (RvbBytes {0, 255, 0}));
}

TEST(AdobeBars, ChannelBarsKeepTheOtherTwoBytes)
{
    const TCouleur colour = colourOf(18, 52, 86);
    EXPECT_EQ(AdobeBars::pixelColour(AdobeBar::Red, 200, colour), (RvbBytes {200, 52, 86}));
    EXPECT_EQ(AdobeBars::pixelColour(AdobeBar::Green, 200, colour), (RvbBytes {18, 200, 86}));
    EXPECT_EQ(AdobeBars::pixelColour(AdobeBar::Blue, 200, colour), (RvbBytes {18, 52, 200}));
    EXPECT_EQ(AdobeBars::pixelColour(AdobeBar::Grey, 200, colour), (RvbBytes {200, 200, 200}));
}

TEST(AdobeBars, PicksOnTheTsvBarsRoundToWholeUnits)
{
    TCouleur colour = colourOf(255, 0, 0);
    std::uint8_t grey = 7;
    AdobeBars::pick(AdobeBar::Hue, 255, colour, grey);
    EXPECT_EQ(colour.TSV().hue, 359);
    EXPECT_EQ(colour.RVB(), (RvbBytes {255, 0, 4}));
    AdobeBars::pick(AdobeBar::Saturation, 128, colour, grey);
    EXPECT_EQ(colour.TSV().saturation, 50.0f);
    EXPECT_EQ(AdobeBars::markerPosition(AdobeBar::Saturation, colour, grey), 128);
    AdobeBars::pick(AdobeBar::Value, 1, colour, grey);
    EXPECT_EQ(colour.TSV().value, 0.0f);
    EXPECT_EQ(colour.TSV().hue, 359);
    EXPECT_EQ(grey, 7);
}

TEST(AdobeBars, GreyMarkerStandsAtTheGreyRememberedLast)
{
    TCouleur colour = colourOf(18, 52, 86);
    std::uint8_t grey = 0;
    AdobeBars::pick(AdobeBar::Grey, 90, colour, grey);
    EXPECT_EQ(colour.RVB(), (RvbBytes {90, 90, 90}));
    EXPECT_EQ(grey, 90);
    AdobeBars::pick(AdobeBar::Red, 200, colour, grey);
    EXPECT_EQ(colour.RVB(), (RvbBytes {200, 90, 90}));
    EXPECT_EQ(AdobeBars::markerPosition(AdobeBar::Grey, colour, grey), 90);
    EXPECT_EQ(AdobeBars::markerPosition(AdobeBar::Red, colour, grey), 200);
}

const AdobeField field(304, 281, 46);

TEST(AdobeField, OriginsFollowFromThePictureSizes)
{
    EXPECT_EQ(field.x0(), 9);
    EXPECT_EQ(field.y0(), 12); // 12.5 rounds to the even neighbour
    EXPECT_EQ(field.x1(), 275);
    EXPECT_EQ(field.previewOrigin(), (PixelPoint {3, 120}));
}

TEST(AdobeField, FieldAndStripTakePressesOnTheirEdges)
{
    EXPECT_TRUE(field.inField(9, 12));
    EXPECT_TRUE(field.inField(264, 267));
    EXPECT_FALSE(field.inField(265, 100));
    EXPECT_FALSE(field.inField(100, 268));
    EXPECT_TRUE(field.inStrip(275, 12));
    EXPECT_TRUE(field.inStrip(294, 267));
    EXPECT_FALSE(field.inStrip(295, 100));
    EXPECT_FALSE(field.inStrip(274, 100));
    EXPECT_EQ(field.fieldPosition(-50, 900), (PixelPoint {0, 255}));
    EXPECT_EQ(field.stripPosition(-3), 0);
}

TEST(AdobeField, PickAtTheTopRightInModeRKeepsRed)
{
    TCouleur colour = colourOf(18, 52, 86);
    AdobeField::fieldPick(AdobeMode::R, {255, 0}, colour);
    EXPECT_EQ(colour.RVB(), (RvbBytes {18, 255, 255}));
    AdobeField::stripPick(AdobeMode::R, 0, colour);
    EXPECT_EQ(colour.RVB(), (RvbBytes {255, 255, 255}));
}

TEST(AdobeField, HueModeFieldUsesItsOwnValueStep)
{
    TCouleur colour = colourOf(18, 52, 86);
    AdobeField::fieldPick(AdobeMode::T, {0, 255}, colour);
    EXPECT_FLOAT_EQ(colour.TSV().value, static_cast<float>(100 - 255 * 0.3921));
    EXPECT_GT(colour.TSV().value, 0.0f);
    AdobeField::fieldPick(AdobeMode::T, {255, 100}, colour);
    EXPECT_FLOAT_EQ(colour.TSV().value, 60.79f);
    EXPECT_FLOAT_EQ(colour.TSV().saturation, 100.0f);
}

// The cursors stand where a pick would have to be made to give the page colour.
TEST(AdobeField, CursorsStandWhereThePickWasMade)
{
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
}

TEST(AdobeField, FieldPictureShowsWhatAPickThereGives)
{
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
    EXPECT_EQ(AdobeField::fieldColour(AdobeMode::R, {7, 250}, page), (RvbBytes {18, 5, 7}));
    EXPECT_EQ(AdobeField::fieldColour(AdobeMode::V, {7, 250}, page), (RvbBytes {5, 52, 7}));
    EXPECT_EQ(AdobeField::fieldColour(AdobeMode::B, {7, 250}, page), (RvbBytes {7, 5, 86}));
}

} // namespace
} // namespace tintabel
