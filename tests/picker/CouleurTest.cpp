#include "picker/Couleur.h"

#include <gtest/gtest.h>
#include <random>

namespace tintabel {
namespace {

TCouleur fromRvb(int red, int green, int blue)
{
    TCouleur couleur;
    couleur.SetRVB(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
        static_cast<std::uint8_t>(blue));
    return couleur;
}

void expectSame(const TCouleur& actual, const TCouleur& expected)
{
    EXPECT_EQ(actual.RVB(), expected.RVB());
    EXPECT_EQ(actual.TSL(), expected.TSL());
    EXPECT_EQ(actual.TSV(), expected.TSV());
    EXPECT_EQ(actual.TSLPSP(), expected.TSLPSP());
    EXPECT_EQ(actual.Color(), expected.Color());
    EXPECT_EQ(actual.Hexa(), expected.Hexa());
}

TEST(Nearest, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(nearest(127.5), 128);
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(3.5), 4);
    EXPECT_EQ(nearest(2.5000001), 3);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(254.5f), 254);
}

TEST(TCouleur, StartsAtZeroWithoutText)
{
    const TCouleur couleur;
    EXPECT_EQ(couleur.RVB(), RvbBytes {});
    EXPECT_EQ(couleur.TSV(), TsvDegrees {});
    EXPECT_EQ(couleur.Color(), 0u);
    EXPECT_EQ(couleur.Hexa(), "");
}

TEST(TCouleur, PureRedInEveryNotation)
{
    const TCouleur red = fromRvb(255, 0, 0);
    EXPECT_EQ(red.TSL(), (TslFractions {0, 1, 0.5}));
    EXPECT_EQ(red.TSLPSP(), (TslBytes {0, 255, 128}));
    EXPECT_EQ(red.TSV(), (TsvDegrees {0, 100, 100}));
    EXPECT_EQ(red.Color(), 255u);
    EXPECT_EQ(red.Hexa(), "FF0000");
}

TEST(TCouleur, PureRedCannotBeHeldInTslBytes)
{
    TCouleur couleur;
    couleur.SetTSLPSP(0, 255, 128);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {255, 1, 1}));
    EXPECT_EQ(couleur.TSLPSP(), (TslBytes {0, 255, 128}));
    EXPECT_EQ(couleur.Hexa(), "FF0101");
}

TEST(TCouleur, TsvHuesRunToThreeHundredAndFiftyNine)
{
    EXPECT_EQ(fromRvb(0, 0, 255).TSV().hue, 239);
    EXPECT_EQ(fromRvb(0, 255, 0).TSV().hue, 120);
    EXPECT_EQ(fromRvb(255, 0, 255).TSV().hue, 299);
}

TEST(TCouleur, GreyKeepsThePreviousTsvHue)
{
    TCouleur couleur;
    couleur.SetTSV(123, 100, 100);
    ASSERT_EQ(couleur.TSV().hue, 123);
    couleur.SetRVB(128, 128, 128);
    EXPECT_EQ(couleur.TSL().hue, 0);
    EXPECT_EQ(couleur.TSL().saturation, 0);
    EXPECT_DOUBLE_EQ(couleur.TSL().lightness, 128 / 255.0);
    EXPECT_EQ(couleur.TSLPSP(), (TslBytes {0, 0, 128}));
    EXPECT_EQ(couleur.TSV().hue, 123);
    EXPECT_EQ(couleur.TSV().saturation, 0);
    EXPECT_FLOAT_EQ(couleur.TSV().value, 50.196078f);

    couleur.SetColor(0x404040);
    EXPECT_EQ(couleur.TSV().hue, 123);
    couleur.SetColor(0x0000FF);
    EXPECT_EQ(couleur.TSV().hue, 0);
}

TEST(TCouleur, DarkBlueRoundTripsThroughItsFractions)
{
    const TCouleur blue = fromRvb(18, 52, 86);
    EXPECT_EQ(blue.TSLPSP(), (TslBytes {149, 167, 52}));
    EXPECT_EQ(blue.TSV().hue, 209);
    EXPECT_EQ(blue.Hexa(), "123456");
    EXPECT_EQ(blue.Color(), 0x563412u);

    TCouleur back;
    back.SetTSL(blue.TSL().hue, blue.TSL().saturation, blue.TSL().lightness);
    EXPECT_EQ(back.RVB(), (RvbBytes {18, 52, 86}));
}

TEST(TCouleur, TsvSettersKeepTheGivenHue)
{
    TCouleur couleur;
    couleur.SetTSV(0, 0, 50);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {128, 128, 128}));

    couleur.SetTSV(359, 100, 100);
    EXPECT_EQ(couleur.TSV().hue, 359);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {255, 0, 4}));
    couleur.SetTSV(120, 100, 100);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {0, 255, 0}));
    couleur.SetTSV(60, 50, 100);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {255, 255, 128}));
}

TEST(TCouleur, ColourValueKeepsRedInTheLowByte)
{
    TCouleur couleur;
    couleur.SetColor(0x0080FF);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {255, 128, 0}));
    EXPECT_EQ(couleur.Hexa(), "FF8000");
    EXPECT_EQ(couleur.TSV().hue, 30);

    TCouleur copy;
    copy.Assign(couleur);
    expectSame(copy, couleur);
}

// Every colour with channels in steps of 5 (0 to 255) and a random sample of the rest.
std::vector<RvbBytes> sampleColours()
{
    std::vector<RvbBytes> colours;
    for (int r = 0; r <= 255; r += 5)
        for (int g = 0; g <= 255; g += 5)
            for (int b = 0; b <= 255; b += 5)
                colours.push_back({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                    static_cast<std::uint8_t>(b)});
    std::mt19937 random(20090101);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 100000; ++i)
        colours.push_back({static_cast<std::uint8_t>(byte(random)),
            static_cast<std::uint8_t>(byte(random)), static_cast<std::uint8_t>(byte(random))});
    return colours;
}

// Runs the check on every sample colour and names the first few that fail it.
template<class Check> void expectForEverySample(const char* what, Check check)
{
    int failures = 0;
    for (const RvbBytes rvb : sampleColours()) {
        if (!check(rvb) && ++failures <= 5)
            ADD_FAILURE() << what << " for " << int(rvb.red) << "," << int(rvb.green) << ","
                          << int(rvb.blue);
    }
    EXPECT_EQ(failures, 0);
}

TEST(TCouleurSweep, SettersAgreeWithEachOther)
{
    expectForEverySample("setters disagree", [](RvbBytes rvb) {
        TCouleur byRvb;
        byRvb.SetTSV(77, 0, 0);
        byRvb.SetRVB(rvb.red, rvb.green, rvb.blue);
        TCouleur byColor;
        byColor.SetTSV(77, 0, 0);
        byColor.SetColor(packColour(rvb));

        // The fractions of a colour lead back to its bytes.
        TCouleur byTsl;
        byTsl.SetTSV(77, 0, 0);
        byTsl.SetTSL(byRvb.TSL().hue, byRvb.TSL().saturation, byRvb.TSL().lightness);

        // Bytes and their fractions are one notation.
        const TslBytes psp = byRvb.TSLPSP();
        TCouleur byPsp;
        byPsp.SetTSLPSP(psp.hue, psp.saturation, psp.lightness);
        TCouleur byPspFractions;
        byPspFractions.SetTSL(psp.hue / 255.0, psp.saturation / 255.0, psp.lightness / 255.0);

        return byColor.RVB() == byRvb.RVB() && byColor.TSL() == byRvb.TSL()
            && byColor.TSV() == byRvb.TSV() && byColor.TSLPSP() == byRvb.TSLPSP()
            && byColor.Hexa() == byRvb.Hexa() && byTsl.RVB() == rvb && byTsl.TSV() == byRvb.TSV()
            && byTsl.TSLPSP() == psp && byPsp.RVB() == byPspFractions.RVB()
            && byPsp.TSV() == byPspFractions.TSV() && byPsp.TSLPSP() == byPspFractions.TSLPSP();
    });
}

bool isByte(int value)
{
    return value >= 0 && value <= 255;
}

TEST(TCouleurSweep, EveryNotationStaysInItsRange)
{
    expectForEverySample("out of range", [](RvbBytes rvb) {
        const TCouleur couleur = fromRvb(rvb.red, rvb.green, rvb.blue);
        const TslFractions tsl = couleur.TSL();
        const TsvDegrees tsv = couleur.TSV();
        char hexa[7];
        std::snprintf(hexa, sizeof hexa, "%02X%02X%02X", rvb.red, rvb.green, rvb.blue);
        // Unclamped, so that a byte out of range shows.
        const int hueByte = nearest(tsl.hue * 255);
        const int saturationByte = nearest(tsl.saturation * 255);
        const int lightnessByte = nearest(tsl.lightness * 255);
        const TslBytes psp = couleur.TSLPSP();
        return couleur.Color() == rvb.red + 256u * rvb.green + 65536u * rvb.blue
            && couleur.Hexa() == hexa && tsl.hue >= 0 && tsl.hue < 1 && tsl.saturation >= 0
            && tsl.saturation <= 1 && tsl.lightness >= 0 && tsl.lightness <= 1 && isByte(hueByte)
            && isByte(saturationByte) && isByte(lightnessByte) && psp.hue == hueByte
            && psp.saturation == saturationByte && psp.lightness == lightnessByte && tsv.hue >= 0
            && tsv.hue <= 359 && tsv.saturation >= 0 && tsv.saturation <= 100 && tsv.value >= 0
            && tsv.value <= 100;
    });
}

TEST(TCouleurSweep, TslBytesGiveColoursCloseToTheirSource)
{
    // Half a hue step is 3 channel steps at full chroma; saturation and lightness add one.
    int worst = 0;
    for (const RvbBytes rvb : sampleColours()) {
        const TCouleur source = fromRvb(rvb.red, rvb.green, rvb.blue);
        TCouleur back;
        const TslBytes psp = source.TSLPSP();
        back.SetTSLPSP(psp.hue, psp.saturation, psp.lightness);
        worst = std::max({worst, std::abs(back.RVB().red - rvb.red),
            std::abs(back.RVB().green - rvb.green), std::abs(back.RVB().blue - rvb.blue)});
    }
    EXPECT_LE(worst, 4);
}

} // namespace
} // namespace tintabel
