#pragma once

#include "picker/Couleur.h"

#include <array>
#include <cstdint>

namespace tintabel {

// The gradient bars of the first Adobe-style page, in the page's own numbering (0 is no bar).
enum class AdobeBar { None = 0, Grey, Red, Green, Blue, Hue, Saturation, Value };

// A rectangle of picture pixels; right and bottom are the first pixels outside it.
struct BarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where the bars lie, what their pixels show, where their markers stand and what a pick on them
// does to the page colour. Every bar is kSteps pixels wide, position i at x = kLeft + i; hue,
// saturation and value are those of the TSV notation.
class AdobeBars {
public:
    static constexpr int kLeft = 35;
    static constexpr int kSteps = 256;
    static constexpr int kMarkerRows = 6;
    static constexpr std::array<AdobeBar, 7> kBars {AdobeBar::Grey, AdobeBar::Red, AdobeBar::Green,
        AdobeBar::Blue, AdobeBar::Hue, AdobeBar::Saturation, AdobeBar::Value};

    static BarRect rect(AdobeBar bar);
    // The bar a press at (x, y) lands on, its edges included; None elsewhere.
    static AdobeBar barAt(int x, int y);
    // The bar position under the pointer's x, held within the bar however far the pointer goes.
    static int positionAt(int x);

    // The colour at one position of a bar, for the page colour as it stands.
    static RvbBytes pixelColour(AdobeBar bar, int position, const TCouleur& page);
    // The position of the bar's marker. The grey bar shows the grey remembered last, not the
    // page colour, which need not be grey.
    static int markerPosition(AdobeBar bar, const TCouleur& page, std::uint8_t rememberedGrey);
    // What a press or drag at a position of a bar does to the page colour.
    static void pick(AdobeBar bar, int position, TCouleur& page, std::uint8_t& rememberedGrey);
};

} // namespace tintabel
