#pragma once

#include "colours/ColourSlot.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace tintabel {

class PreviewSample;
class SlotModel;

// Where a slot's preview sample stands, relative to the "Colours manager" group.
struct SamplePosition {
    int left = 0;
    int top = 0;
};

// The eight samples of the preview, one per slot, named after the slot's sample ("laea" ...).
// A slot's sample is made by its first render and lives as long as the group. Samples lie above
// the group's background picture and labels and below its first input control, the most recently
// rendered on top; each stands at its slot's position, which stays 0, 0 until the positions are
// set.
class PreviewSamples : public QObject {
    Q_OBJECT

public:
    // Gives a control its hint: "short|long".
    using HintSetter = std::function<void(QWidget& control, std::string_view hint)>;

    // Every sample's picture is this size.
    static constexpr int kSampleWidth = 16;
    static constexpr int kSampleHeight = 15;

    // Where the samples stand at start-up, one slot per band of the default background.
    static constexpr std::array<SamplePosition, kSlotCount> kStartPositions {{
        {110, 91},
        {110, 111},
        {110, 131},
        {110, 151},
        {110, 171},
        {110, 191},
        {110, 211},
        {110, 231},
    }};

    PreviewSamples(
        QWidget& group, QWidget& firstInputControl, SlotModel& slotModel, HintSetter setHint);

    // The slot's sample anew from its colour and the low 8 bits of alpha, at its position and in
    // front of the other samples; the slot's alpha store takes alpha's decimal form, unchecked.
    void render(std::size_t index, std::int32_t alpha);
    // The sample keeps its place but shows nothing until its next render.
    void clear(std::size_t index);
    void clearAll();

    // Nothing until the slot's first render.
    PreviewSample* sample(std::size_t index) const;

    // Where the slot's sample stands from its next render on; a sample already made stays where it
    // is.
    SamplePosition position(std::size_t index) const { return m_positions.at(index); }
    void setPosition(std::size_t index, SamplePosition position);
    // Every slot's position back at its start position.
    void resetPositions();

    // Once any sample was rendered.
    bool samplesMade() const { return m_samplesMade; }

    // "low attribute | low attribute" and so on: the slot's name as tooltip and status text.
    static std::string hint(std::size_t index);

signals:
    // A slot's sample has just been made; it is shown once its render is done.
    void sampleMade(std::size_t index, PreviewSample* sample);

private:
    PreviewSample& made(std::size_t index);

    QWidget& m_group;
    QWidget& m_firstInputControl;
    SlotModel& m_slots;
    HintSetter m_setHint;
    std::array<QPointer<PreviewSample>, kSlotCount> m_samples;
    std::array<SamplePosition, kSlotCount> m_positions {};
    bool m_samplesMade = false;
};

} // namespace tintabel
