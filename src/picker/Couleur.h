#pragma once

#include "colours/ColourValue.h"

#include <cstdint>
#include <string>

namespace tintabel {

// Hue, saturation and lightness as fractions from 0 to 1.
struct TslFractions {
    double hue = 0;
    double saturation = 0;
    double lightness = 0;
    friend bool operator==(const TslFractions&, const TslFractions&) = default;
};

// Hue in degrees (0 to 359), saturation and value in percent. Single precision on purpose: the
// values at the edges of the ranges depend on it.
struct TsvDegrees {
    std::int32_t hue = 0;
    float saturation = 0;
    float value = 0;
    friend bool operator==(const TsvDegrees&, const TsvDegrees&) = default;
};

// Hue, saturation and lightness as bytes: the scale of the wheel and its number fields.
struct TslBytes {
    std::uint8_t hue = 0;
    std::uint8_t saturation = 0;
    std::uint8_t lightness = 0;
    friend bool operator==(const TslBytes&, const TslBytes&) = default;
};

// Rounds to the nearest integer, halves to the even neighbour (127.5 gives 128, 0.5 gives 0).
int nearest(double x);
int nearest(float x);

TslFractions rgbToTsl(RvbBytes rvb);
RvbBytes tslToRgb(const TslFractions& tsl);
// A grey has no hue of its own: it keeps previousHue. Otherwise the hue is left at previousHue
// as well and the caller's hue rule replaces it.
TsvDegrees rgbToTsv(RvbBytes rvb, std::int32_t previousHue);
RvbBytes tsvToRgb(const TsvDegrees& tsv);
TslBytes tslToPsp(const TslFractions& tsl);
TslFractions pspToTsl(TslBytes psp);

// One colour held at once in every notation the picker shows. Each setter keeps the notation it
// is given as it stands and derives the others from it, so a round trip through another notation
// need not return the same numbers (pure red set as TSL bytes comes back as (255, 1, 1)).
class TCouleur {
public:
    void SetRVB(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    void SetTSL(double hue, double saturation, double lightness);
    void SetTSLPSP(std::uint8_t hue, std::uint8_t saturation, std::uint8_t lightness);
    void SetTSV(std::int32_t hue, float saturation, float value);
    void SetColor(ColourValue colour);
    void Assign(const TCouleur& other) { *this = other; }

    const RvbBytes& RVB() const { return m_rvb; }
    const TslFractions& TSL() const { return m_tsl; }
    const TsvDegrees& TSV() const { return m_tsv; }
    const TslBytes& TSLPSP() const { return m_tslPsp; }
    ColourValue Color() const { return m_color; }
    const std::string& Hexa() const { return m_hexa; }

private:
    void deriveFromRvbAndTsl();
    void packRvb();
    void applyTsvHueRule();

    RvbBytes m_rvb;
    TslFractions m_tsl;
    TsvDegrees m_tsv;
    TslBytes m_tslPsp;
    ColourValue m_color = 0;
    std::string m_hexa;
};

} // namespace tintabel
