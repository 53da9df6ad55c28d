#pragma once

#include "readability/VisionSimulation.h"

#include <QObject>

namespace tintabel {

class PreviewSample;
class PreviewSamples;

// Paints the preview samples, those made later too, as an eye of the chosen vision sees them:
// whatever a sample paints goes through the simulation, its own colour and what shows beneath it
// alike. Normal vision paints them as they are.
class PreviewSimulation : public QObject {
public:
    explicit PreviewSimulation(PreviewSamples& samples);

    Vision vision() const { return m_vision; }
    void setVision(Vision vision);

private:
    void filter(PreviewSample& sample) const;

    PreviewSamples& m_samples;
    Vision m_vision = Vision::normal;
};

} // namespace tintabel
