#pragma once

#include "colours/ColourSlot.h"
#include "colours/ReadabilityTexts.h"
#include "readability/AttributeBands.h"
#include "readability/ReadabilityFigures.h"
#include "readability/VisionSimulation.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstddef>
#include <vector>

namespace tintabel {

// The attributes panel of a player's profile as a skin paints it, with the eight colours over the
// background picture, tiled from the top left corner: three columns (technical, mental,
// physical), each value in the colour of its band or, for a special attribute, in the special
// colour; the names in the attribute label colours; below, a line of profile extra text. Texts
// are laid over the background with their slot's alpha by the samples' own compositing, glyph
// edges with a share of it; then the whole panel is seen with the chosen vision.
class AttributePanelView : public QWidget {
public:
    explicit AttributePanelView(QWidget* parent = nullptr);

    // Only the colours and alphas are read.
    void setReadings(const std::array<SlotReading, kSlotCount>& readings);
    // A null picture shows the group's face alone.
    void setBackground(const QImage& picture, ColourValue groupFace);
    void setBands(const AttributeBands& bands);
    void setVision(Vision vision);
    void setTexts(const ReadabilityTexts& texts);

    // What the panel paints.
    const QImage& picture() const;
    // Where the value of kAttributeColumns[column][row] is painted.
    static QRect valueBox(std::size_t column, std::size_t row);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // One text of the panel: its box, how much of each of its pixels the glyphs cover (in alpha),
    // and its slot, or for a value of a level the value whose band gives the slot.
    struct PanelText {
        QRect box;
        QImage cover;
        std::size_t slot = 0;
        int bandedValue = 0;
    };

    void layOut();
    void changed();
    QImage drawn() const;

    std::array<SlotReading, kSlotCount> m_readings {};
    QImage m_background;
    ColourValue m_face = 0;
    AttributeBands m_bands;
    Vision m_vision = Vision::normal;
    ReadabilityTexts m_captions;
    std::vector<PanelText> m_texts;
    mutable QImage m_picture;
    mutable bool m_stale = true;
};

} // namespace tintabel
