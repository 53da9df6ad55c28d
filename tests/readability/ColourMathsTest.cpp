#include "readability/ColourDifference.h"
#include "readability/Contrast.h"
#include "readability/VisionSimulation.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace tintabel {
namespace {

// Sharma, Wu and Dalal (2005), table 1: L, a, b of both colours and the difference.
constexpr double kSharmaPairs[34][7] {
    {50.0000, 2.6772, -79.7751, 50.0000, 0.0000, -82.7485, 2.0425},
    {50.0000, 3.1571, -77.2803, 50.0000, 0.0000, -82.7485, 2.8615},
    {50.0000, 2.8361, -74.0200, 50.0000, 0.0000, -82.7485, 3.4412},
    {50.0000, -1.3802, -84.2814, 50.0000, 0.0000, -82.7485, 1.0000},
    {50.0000, -1.1848, -84.8006, 50.0000, 0.0000, -82.7485, 1.0000},
    {50.0000, -0.9009, -85.5211, 50.0000, 0.0000, -82.7485, 1.0000},
    {50.0000, 0.0000, 0.0000, 50.0000, -1.0000, 2.0000, 2.3669},
    {50.0000, -1.0000, 2.0000, 50.0000, 0.0000, 0.0000, 2.3669},
    {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0009, 7.1792},
    {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0010, 7.1792},
    {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0011, 7.2195},
    {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0012, 7.2195},
    {50.0000, -0.0010, 2.4900, 50.0000, 0.0009, -2.4900, 4.8045},
    {50.0000, -0.0010, 2.4900, 50.0000, 0.0010, -2.4900, 4.8045},
    {50.0000, -0.0010, 2.4900, 50.0000, 0.0011, -2.4900, 4.7461},
    {50.0000, 2.5000, 0.0000, 50.0000, 0.0000, -2.5000, 4.3065},
    {50.0000, 2.5000, 0.0000, 73.0000, 25.0000, -18.0000, 27.1492},
    {50.0000, 2.5000, 0.0000, 61.0000, -5.0000, 29.0000, 22.8977},
    {50.0000, 2.5000, 0.0000, 56.0000, -27.0000, -3.0000, 31.9030},
    {50.0000, 2.5000, 0.0000, 58.0000, 24.0000, 15.0000, 19.4535},
    {50.0000, 2.5000, 0.0000, 50.0000, 3.1736, 0.5854, 1.0000},
    {50.0000, 2.5000, 0.0000, 50.0000, 3.2972, 0.0000, 1.0000},
    {50.0000, 2.5000, 0.0000, 50.0000, 1.8634, 0.5757, 1.0000},
    {50.0000, 2.5000, 0.0000, 50.0000, 3.2592, 0.3350, 1.0000},
    {60.2574, -34.0099, 36.2677, 60.4626, -34.1751, 39.4387, 1.2644},
    {63.0109, -31.0961, -5.8663, 62.8187, -29.7946, -4.0864, 1.2630},
    {61.2901, 3.7196, -5.3901, 61.4292, 2.2480, -4.9620, 1.8731},
    {35.0831, -44.1164, 3.7933, 35.0232, -40.0716, 1.5901, 1.8645},
    {22.7233, 20.0904, -46.6940, 23.0331, 14.9730, -42.5619, 2.0373},
    {36.4612, 47.8580, 18.3852, 36.2715, 50.5065, 21.2231, 1.4146},
    {90.8027, -2.0831, 1.4410, 91.1528, -1.6435, 0.0447, 1.4441},
    {90.9257, -0.5406, -0.9208, 88.6381, -0.8985, -0.7239, 1.5381},
    {6.7747, -0.2908, -2.4247, 5.8714, -0.0985, -2.2286, 0.6377},
    {2.0776, 0.0795, -1.1350, 0.9033, -0.0636, -0.5514, 0.9082},
};

TEST(ColourMaths, Ciede2000MatchesThePublishedPairsToFourDecimalsEitherWayRound)
{
    for (const auto& row : kSharmaPairs) {
        const LabColour first {row[0], row[1], row[2]};
        const LabColour second {row[3], row[4], row[5]};
        SCOPED_TRACE(row[6]);
        EXPECT_NEAR(ciede2000(first, second), row[6], 0.00005);
        EXPECT_NEAR(ciede2000(second, first), row[6], 0.00005);
    }
}

TEST(ColourMaths, SrgbColoursMeetTheirPublishedLabUnderD65)
{
    const struct {
        ColourValue colour;
        LabColour lab;
    } table[] {
        {makeColour(255, 255, 255), {100, 0, 0}},
        {makeColour(0, 0, 0), {0, 0, 0}},
        {makeColour(255, 0, 0), {53.2408, 80.0925, 67.2032}},
        {makeColour(0, 255, 0), {87.7347, -86.1827, 83.1793}},
        {makeColour(0, 0, 255), {32.2970, 79.1875, -107.8602}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.colour);
        const LabColour lab = labOf(row.colour);
        EXPECT_NEAR(lab.lightness, row.lab.lightness, 0.001);
        EXPECT_NEAR(lab.a, row.lab.a, 0.001);
        EXPECT_NEAR(lab.b, row.lab.b, 0.001);
    }
    EXPECT_NEAR(colourDifference(makeColour(255, 255, 255), 0), 100.0, 1e-9);
}

TEST(ColourMaths, ContrastFollowsTheWcagExamples)
{
    const ColourValue white = makeColour(255, 255, 255);
    const struct {
        ColourValue text;
        ColourValue ground;
        double ratio;
        ContrastVerdict verdict;
    } table[] {
        {0, white, 21.0, ContrastVerdict::pass},
        {white, 0, 21.0, ContrastVerdict::pass},
        {makeColour(0x76, 0x76, 0x76), white, 4.5422, ContrastVerdict::pass},
        {makeColour(0x77, 0x77, 0x77), white, 4.4781, ContrastVerdict::largeOnly},
        {makeColour(0, 0, 255), white, 8.5925, ContrastVerdict::pass},
        {makeColour(255, 0, 0), white, 3.9985, ContrastVerdict::largeOnly},
        {makeColour(0x94, 0x94, 0x94), white, 3.0335, ContrastVerdict::largeOnly},
        // Shown as 3.00, yet below 3.
        {makeColour(0x95, 0x95, 0x95), white, 2.9953, ContrastVerdict::fail},
        {makeColour(10, 20, 30), makeColour(10, 20, 30), 1.0, ContrastVerdict::fail},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.ratio);
        const double ratio = contrastRatio(row.text, row.ground);
        EXPECT_NEAR(ratio, row.ratio, 0.00005);
        EXPECT_EQ(contrastVerdict(ratio), row.verdict);
    }
    EXPECT_EQ(contrastVerdict(4.5), ContrastVerdict::pass);
    EXPECT_EQ(contrastVerdict(3.0), ContrastVerdict::largeOnly);
}

TEST(ColourMaths, PrimariesSimulateAsThePublishedMatricesSay)
{
    // Each primary gives its matrix column, clamped and encoded.
    const struct {
        Vision vision;
        ColourValue red, green, blue;
    } table[] {
        {Vision::normal, makeColour(255, 0, 0), makeColour(0, 255, 0), makeColour(0, 0, 255)},
        {Vision::protanopia, makeColour(0x6D, 0x5F, 0x00), makeColour(0xFF, 0xE5, 0x00),
            makeColour(0x00, 0x59, 0xFF)},
        {Vision::deuteranopia, makeColour(0xA3, 0x90, 0x00), makeColour(0xEF, 0xD6, 0x3A),
            makeColour(0x00, 0x3D, 0xFB)},
        {Vision::tritanopia, makeColour(0xFF, 0x00, 0x0F), makeColour(0x00, 0xF7, 0xD9),
            makeColour(0x00, 0x6B, 0x96)},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(visionName(row.vision));
        EXPECT_EQ(simulateVision(makeColour(255, 0, 0), row.vision), row.red);
        EXPECT_EQ(simulateVision(makeColour(0, 255, 0), row.vision), row.green);
        EXPECT_EQ(simulateVision(makeColour(0, 0, 255), row.vision), row.blue);
    }
}

TEST(ColourMaths, PicturesAreSimulatedPixelByPixelKeepingAlphaAndPadding)
{
    // Two rows of three pixels, each row padded to four words.
    std::vector<std::uint32_t> words {0xFF000000u, 0x80FF0000u, 0x00FF0000u, 0x12345678u,
        0x4000FF00u, 0x4000FF00u, 0xFF0000FFu, 0x12345678u};
    PixelBuffer picture {3, 2, 16, reinterpret_cast<std::uint8_t*>(words.data())};
    simulateVision(picture, Vision::protanopia);
    EXPECT_EQ(words,
        (std::vector<std::uint32_t> {0xFF000000u, 0x806D5F00u, 0x006D5F00u, 0x12345678u,
            0x40FFE500u, 0x40FFE500u, 0xFF0059FFu, 0x12345678u}));
}

} // namespace
} // namespace tintabel
