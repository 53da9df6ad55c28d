#include "app/PreviewSimulation.h"

#include "app/ImagePixels.h"
#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"

namespace tintabel {

PreviewSimulation::PreviewSimulation(PreviewSamples& samples)
    : m_samples(samples)
{
    connect(&m_samples, &PreviewSamples::sampleMade, this,
        [this](std::size_t, PreviewSample* sample) { filter(*sample); });
}

void PreviewSimulation::setVision(Vision vision)
{
    m_vision = vision;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        if (PreviewSample* sample = m_samples.sample(index))
            filter(*sample);
}

void PreviewSimulation::filter(PreviewSample& sample) const
{
    if (m_vision == Vision::normal) {
        sample.setPaintFilter({});
        return;
    }
    sample.setPaintFilter([vision = m_vision](QImage& pixels) {
        pixels = with32BitPixels(pixels);
        simulateVision(pixelsOf(pixels), vision);
    });
}

} // namespace tintabel
