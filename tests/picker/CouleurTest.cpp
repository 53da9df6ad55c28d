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

TEST(Nearest, RoundsHalvesToTheEvenNeighbour)
{
    const std::pair<double, int> cases[]
        = {{127.5, 128}, {0.5, 0}, {2.5, 2}, {3.5, 4}, {2.5000001, 3}, {-0.5, 0}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(nearest(x), expected) << x;
    EXPECT_EQ(nearest(254.5f), 254);
}

TEST(TCouleur, StartsAtZeroWithoutTextAndKeepsRedInTheLowByte)
{
    TCouleur couleur;
    EXPECT_EQ(couleur.RVB(), RvbBytes {});
    EXPECT_EQ(couleur.TSV(), TsvDegrees {});
    EXPECT_EQ(couleur.Color(), 0u);
    EXPECT_EQ(couleur.Hexa(), "");
    couleur.SetColor(0x0080FF);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {255, 128, 0}));
    EXPECT_EQ(couleur.Hexa(), "FF8000");
}

TEST(TCouleur, BytesShowInEveryNotation)
{
    // TSV hues run to 359, not 360; a fresh grey has hue 0.
    const struct {
        RvbBytes rvb;
        TslBytes psp;
        TsvDegrees tsv;
    } cases[] = {{{255, 0, 0}, {0, 255, 128}, {0, 100, 100}},
        {{0, 255, 0}, {85, 255, 128}, {120, 100, 100}},
        {{0, 0, 255}, {170, 255, 128}, {239, 100, 100}},
        {{255, 0, 255}, {212, 255, 128}, {299, 100, 100}},
        {{18, 52, 86}, {149, 167, 52}, {209, 79.069767f, 33.72549f}},
        {{128, 128, 128}, {0, 0, 128}, {0, 0, 50.196078f}}};
    for (const auto& [rvb, psp, tsv] : cases) {
        SCOPED_TRACE(RgbToHex(rvb.red, rvb.green, rvb.blue));
        const TCouleur couleur = fromRvb(rvb.red, rvb.green, rvb.blue);
        EXPECT_EQ(couleur.TSLPSP(), psp);
        EXPECT_EQ(couleur.TSV().hue, tsv.hue);
        EXPECT_FLOAT_EQ(couleur.TSV().saturation, tsv.saturation);
        EXPECT_FLOAT_EQ(couleur.TSV().value, tsv.value);
    }
    EXPECT_EQ(fromRvb(255, 0, 0).TSL(), (TslFractions {0, 1, 0.5}));
}

TEST(TCouleur, PureRedCannotBeHeldInTslBytes)
{
    TCouleur couleur;
    couleur.SetTSLPSP(0, 255, 128);
    EXPECT_EQ(couleur.RVB(), (RvbBytes {255, 1, 1}));
    EXPECT_EQ(couleur.TSLPSP(), (TslBytes {0, 255, 128}));
    EXPECT_EQ(couleur.Hexa(), "FF0101");
}

TEST(TCouleur, GreyKeepsThePreviousTsvHue)
{
    TCouleur couleur;
    couleur.SetTSV(123, 100, 100);
    ASSERT_EQ(couleur.TSV().hue, 123);
    couleur.SetRVB(128, 128, 128);
    EXPECT_EQ(couleur.TSV().hue, 123);
    couleur.SetColor(0x404040);
    EXPECT_EQ(couleur.TSV().hue, 123);
    couleur.SetColor(0x0000FF);
    EXPECT_EQ(couleur.TSV().hue, 0);
}

TEST(TCouleur, TsvSettersKeepTheGivenHue)
{
    const std::pair<TsvDegrees, RvbBytes> cases[]
        = {{{0, 0, 50}, {128, 128, 128}}, {{359, 100, 100}, {255, 0, 4}},
            {{120, 100, 100}, {0, 255, 0}}, {{60, 50, 100}, {255, 255, 128}}};
    for (const auto& [tsv, rvb] : cases) {
        SCOPED_TRACE(tsv.hue);
        TCouleur couleur;
        couleur.SetTSV(tsv.hue, tsv.saturation, tsv.value);
        EXPECT_EQ(couleur.TSV(), tsv);
        EXPECT_EQ(couleur.RVB(), rvb);
    }
}

bool isByte(int value)
{
    return value >= 0 && value <= 255;
}

// The setters agree with each other, every notation stays in its range and TSL bytes lead back
// close to their source, for every colour with channels in steps of 5 and a random sample.
TEST(TCouleurSweep, NotationsAgreeStayInTheirRangesAndLeadBack)
{
    std::vector<RvbBytes> colours;
    for (int r = 0; r <= 255; r += 5)
        for (int g = 0; g <= 255; g += 5)
            for (int b = 0; b <= 255; b += 5)
                colours.push_back({std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
    std::mt19937 random(20090101);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 100000; ++i)
        colours.push_back(
            {std::uint8_t(byte(random)), std::uint8_t(byte(random)), std::uint8_t(byte(random))});

    int failures = 0;
    int worst = 0;
    for (const RvbBytes rvb : colours) {
        TCouleur byRvb;
        byRvb.SetTSV(77, 0, 0);
        byRvb.SetRVB(rvb.red, rvb.green, rvb.blue);
        TCouleur byColor;
        byColor.SetTSV(77, 0, 0);
        byColor.SetColor(makeColour(rvb));
        const TslFractions tsl = byRvb.TSL();
        TCouleur byTsl;
        byTsl.SetTSV(77, 0, 0);
        byTsl.SetTSL(tsl.hue, tsl.saturation, tsl.lightness);
        const TslBytes psp = byRvb.TSLPSP();
        TCouleur byPsp;
        byPsp.SetTSLPSP(psp.hue, psp.saturation, psp.lightness);
        TCouleur byPspFractions;
        byPspFractions.SetTSL(psp.hue / 255.0, psp.saturation / 255.0, psp.lightness / 255.0);
        const TsvDegrees tsv = byRvb.TSV();
        const bool agree = byColor.RVB() == rvb && byColor.TSL() == tsl && byColor.TSV() == tsv
            && byColor.TSLPSP() == psp && byTsl.RVB() == rvb && byTsl.TSV() == tsv
            && byTsl.TSLPSP() == psp && byPsp.RVB() == byPspFractions.RVB()
            && byPsp.TSV() == byPspFractions.TSV() && byPsp.TSLPSP() == byPspFractions.TSLPSP();
        // Unclamped, so that a byte out of range shows.
        const int hueByte = nearest(tsl.hue * 255);
        const int saturationByte = nearest(tsl.saturation * 255);
        const int lightnessByte = nearest(tsl.lightness * 255);
        const bool inRange = byRvb.Color() == makeColour(rvb) && byRvb.RVB() == rvb
            && byColor.Hexa() == byRvb.Hexa() && tsl.hue >= 0 && tsl.hue < 1 && tsl.saturation >= 0
            && tsl.saturation <= 1 && tsl.lightness >= 0 && tsl.lightness <= 1 && isByte(hueByte)
            && isByte(saturationByte) && isByte(lightnessByte)
            && psp
                == TslBytes {std::uint8_t(hueByte), std::uint8_t(saturationByte),
                    std::uint8_t(lightnessByte)}
            && tsv.hue >= 0 && tsv.hue <= 359 && tsv.saturation >= 0 && tsv.saturation <= 100
            && tsv.value >= 0 && tsv.value <= 100;
        if (!(agree && inRange) && ++failures <= 5)
            ADD_FAILURE() << (agree ? "out of range" : "setters disagree") << " for "
                          << int(rvb.red) << "," << int(rvb.green) << "," << int(rvb.blue);
        // Half a hue step is 3 channel steps at full chroma; saturation and lightness add one.
        worst = std::max({worst, std::abs(byPsp.RVB().red - rvb.red),
            std::abs(byPsp.RVB().green - rvb.green), std::abs(byPsp.RVB().blue - rvb.blue)});
    }
    EXPECT_EQ(failures, 0);
    EXPECT_LE(worst, 4);
}

} // namespace
} // namespace tintabel
