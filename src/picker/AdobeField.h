#pragma once

#include "picker/Couleur.h"
#include "picker/WheelGeometry.h"

namespace tintabel {

// Which component the strip of the second Adobe-style page controls; the field spans the other
// two. R, V and B are bytes; T, S and L are the TSV hue, saturation and value.
enum class AdobeMode { R, V, B, T, S, L };

// The colour field and the strip beside it: where they lie in the page's picture, what a pick
// does, what their pixels show and where the cursors stand. Positions within field and strip run
// from 0 to kLast; py grows downwards, so the top of the strip is the highest value.
class AdobeField {
public:
    static constexpr int kLast = 255;
    static constexpr int kStripWidth = 20;
    static constexpr int kPreviewSize = 40;

    // The origins follow from the sizes of the page's two pictures.
    AdobeField(int pictureWidth, int pictureHeight, int previewWidth);

    int x0() const { return m_x0; }
    int y0() const { return m_y0; }
    int x1() const { return m_x1; }
    PixelPoint previewOrigin() const { return m_preview; }

    // Edges included.
    bool inField(int x, int y) const;
    bool inStrip(int x, int y) const;
    // A picture position as a field or strip position, held within 0 to kLast.
    PixelPoint fieldPosition(int x, int y) const;
    int stripPosition(int y) const;

    static void fieldPick(AdobeMode mode, PixelPoint position, TCouleur& page);
    static void stripPick(AdobeMode mode, int py, TCouleur& page);

    // The pictures. In modes T, S and L the field's vertical axis goes in whole percent steps.
    static RvbBytes fieldColour(AdobeMode mode, PixelPoint position, const TCouleur& page);
    static RvbBytes stripColour(AdobeMode mode, int py, const TCouleur& page);

    // Where the page colour stands: the inverse of the picks, held within 0 to kLast.
    static PixelPoint fieldCursor(AdobeMode mode, const TCouleur& page);
    static int stripCursor(AdobeMode mode, const TCouleur& page);

private:
    int m_x0;
    int m_y0;
    int m_x1;
    PixelPoint m_preview;
};

} // namespace tintabel
