#include "editor/PreviewSamples.h"

#include "colours/SlotModel.h"
#include "editor/MakeImageHalfTransparent.h"
#include "editor/PreviewSample.h"
#include "editor/SampleCompositor.h"

#include <QColor>
#include <QImage>

#include <utility>

namespace tintabel {

namespace {

constexpr QSize kPictureSize(PreviewSamples::kSampleWidth, PreviewSamples::kSampleHeight);

} // namespace

PreviewSamples::PreviewSamples(
    QWidget& group, QWidget& firstInputControl, SlotModel& slotModel, HintSetter setHint)
    : m_group(group)
    , m_firstInputControl(firstInputControl)
    , m_slots(slotModel)
    , m_setHint(std::move(setHint))
{
}

void PreviewSamples::render(std::size_t index, std::int32_t alpha)
{
    const ColourValue colour = m_slots.colour(index);
    QImage picture(kPictureSize, QImage::Format_RGB32);
    picture.fill(QColor(redOf(colour), greenOf(colour), blueOf(colour)));
    MakeImageHalfTransparent(picture, alphaByte(alpha));
    m_slots.setAlpha(index, std::to_string(alpha));

    PreviewSample& sample = made(index);
    const SamplePosition place = m_positions.at(index);
    sample.move(place.left, place.top);
    sample.stackUnder(&m_firstInputControl);
    sample.setPicture(std::move(picture));
    m_samplesMade = true;
}

void PreviewSamples::setPosition(std::size_t index, SamplePosition position)
{
    m_positions.at(index) = position;
}

void PreviewSamples::resetPositions()
{
    m_positions = kStartPositions;
}

void PreviewSamples::clear(std::size_t index)
{
    if (PreviewSample* existing = sample(index))
        existing->clearPicture();
}

void PreviewSamples::clearAll()
{
    for (std::size_t index = 0; index < kSlotCount; ++index)
        clear(index);
}

PreviewSample* PreviewSamples::sample(std::size_t index) const
{
    return m_samples.at(index);
}

std::string PreviewSamples::hint(std::size_t index)
{
    const std::string_view name = kColourSlots.at(index).displayName;
    return std::string(name) + " | " + std::string(name);
}

PreviewSample& PreviewSamples::made(std::size_t index)
{
    if (PreviewSample* existing = sample(index))
        return *existing;
    auto* sample = new PreviewSample(m_group);
    const std::string_view name = kColourSlots[index].sample;
    sample->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (m_setHint)
        m_setHint(*sample, hint(index));
    m_samples[index] = sample;
    emit sampleMade(index, sample);
    return *sample;
}

} // namespace tintabel
