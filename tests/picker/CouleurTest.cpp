#include "picker/Couleur.h"

#include <gtest/gtest.h>
#include <random>

namespace tintabel {
namespace {

constexpr std::uint8_t byte(int value)
{
    return static_cast<std::uint8_t>(value);
}

TEST(TCouleur, HalvesRoundToEvenBytesShowInEveryNotationAndSettersKeepTheirNotation)
{
    const std::pair<double, int> cases[]
        = {{127.5, 128}, {0.5, 0}, {2.5, 2}, {3.5, 4}, {2.5000001, 3}, {-0.5, 0}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(nearest(x), expected) << x;
    EXPECT_EQ(nearest(254.5f), 254);

    // TSV hues run to 359, not 360; a fresh grey has hue 0.
    const struct {
        RvbBytes rvb;
        TslBytes psp;
        TsvDegrees tsv;
    } notations[] = {{{255, 0, 0}, {0, 255, 128}, {0, 100, 100}},
        {{0, 255, 0}, {85, 255, 128}, {120, 100, 100}},
        {{0, 0, 255}, {170, 255, 128}, {239, 100, 100}},
        {{255, 0, 255}, {212, 255, 128}, {299, 100, 100}},
        {{18, 52, 86}, {149, 167, 52}, {209, 79.069767f, 33.72549f}},
        {{128, 128, 128}, {0, 0, 128}, {0, 0, 50.196078f}}};
    for (const auto& [rvb, psp, tsv] : notations) {
        SCOPED_TRACE(RgbToHex(rvb.red, rvb.green, rvb.blue));
        TCouleur couleur;
        couleur.SetRVB(rvb.red, rvb.green, rvb.blue);
        EXPECT_EQ(couleur.TSLPSP(), psp);
        EXPECT_EQ(couleur.TSV().hue, tsv.hue);
        EXPECT_FLOAT_EQ(couleur.TSV().saturation, tsv.saturation);
        EXPECT_FLOAT_EQ(couleur.TSV().value, tsv.value);
    }

    // Each setter keeps the notation it is given: pure red set as TSL bytes comes back off red.
    TCouleur couleur;
    couleur.SetTSLPSP(0, 255, 128);
    EXPECT_EQ(couleur.TSLPSP(), (TslBytes {0, 255, 128}));
    EXPECT_EQ(couleur.Hexa(), "FF0101");
    couleur.SetColor(0x0000FF); // red in the low byte
    EXPECT_EQ(couleur.TSL(), (TslFractions {0, 1, 0.5}));
    const std::pair<TsvDegrees, RvbBytes> bySetter[]
        = {{{0, 0, 50}, {128, 128, 128}}, {{359, 100, 100}, {255, 0, 4}},
            {{120, 100, 100}, {0, 255, 0}}, {{60, 50, 100}, {255, 255, 128}}};
    for (const auto& [tsv, rvb] : bySetter) {
        couleur.SetTSV(tsv.hue, tsv.saturation, tsv.value);
        EXPECT_EQ(couleur.TSV(), tsv) << tsv.hue;
        EXPECT_EQ(couleur.RVB(), rvb) << tsv.hue;
    }
}

// The setters agree with each other, every notation stays in its range, greys keep the TSV hue
// they had and TSL bytes lead back close to their source, for every colour with channels in
// steps of 5 and a random sample.
TEST(TCouleurSweep, NotationsAgreeStayInTheirRangesAndLeadBack)
{
    std::vector<RvbBytes> colours;
    for (int c = 0; c < 52 * 52 * 52; ++c)
        colours.push_back({byte(c / 2704 * 5), byte(c / 52 % 52 * 5), byte(c % 52 * 5)});
    std::mt19937 random(20090101);
    for (int i = 0; i < 100000; ++i)
        colours.push_back({byte(random()), byte(random()), byte(random())});
    // Every colour starts from another hue, so that a grey losing its hue shows.
    const auto made = [](auto set) {
        TCouleur couleur;
        couleur.SetTSV(77, 0, 0);
        set(couleur);
        return couleur;
    };
    const auto same = [](const TCouleur& a, const TCouleur& b) {
        return a.RVB() == b.RVB() && a.TSL() == b.TSL() && a.TSV() == b.TSV()
            && a.TSLPSP() == b.TSLPSP() && a.Color() == b.Color() && a.Hexa() == b.Hexa();
    };
    int failures = 0;
    int worst = 0;
    for (const RvbBytes rvb : colours) {
        const TCouleur byRvb = made([&](TCouleur& c) { c.SetRVB(rvb.red, rvb.green, rvb.blue); });
        const TslFractions tsl = byRvb.TSL();
        const TslBytes psp = byRvb.TSLPSP();
        const TsvDegrees tsv = byRvb.TSV();
        const TCouleur byPsp
            = made([&](TCouleur& c) { c.SetTSLPSP(psp.hue, psp.saturation, psp.lightness); });
        const bool agree = same(made([&](TCouleur& c) { c.SetColor(makeColour(rvb)); }), byRvb)
            && same(
                made([&](TCouleur& c) { c.SetTSL(tsl.hue, tsl.saturation, tsl.lightness); }), byRvb)
            && same(made([&](TCouleur& c) {
                   c.SetTSL(psp.hue / 255.0, psp.saturation / 255.0, psp.lightness / 255.0);
               }),
                byPsp);
        const bool inRange = tsl.hue >= 0 && tsl.hue < 1 && tsl.saturation >= 0
            && tsl.saturation <= 1 && tsl.lightness >= 0 && tsl.lightness <= 1
            && psp
                == TslBytes {byte(nearest(tsl.hue * 255)), byte(nearest(tsl.saturation * 255)),
                    byte(nearest(tsl.lightness * 255))}
            && tsv.hue >= 0 && tsv.hue <= 359 && tsv.saturation >= 0 && tsv.saturation <= 100
            && tsv.value >= 0 && tsv.value <= 100
            && (rvb.red != rvb.green || rvb.green != rvb.blue || tsv.hue == 77);
        if (!(agree && inRange) && ++failures <= 5)
            ADD_FAILURE() << (agree ? "out of range or hue lost" : "setters disagree") << " for "
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
