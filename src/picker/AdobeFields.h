#pragma once

#include "picker/Couleur.h"

#include <array>

class QWidget;

namespace tintabel {

class SpinField;

// The number fields both Adobe-style pages show: red, green and blue bytes and the TSV hue,
// saturation and value. The page writes them from code with their change signals blocked, so a
// write never runs the page's change rules.
class AdobeFields {
public:
    static constexpr int kByteLimit = 255;
    static constexpr int kHueLimit = 359;
    static constexpr int kPercentLimit = 100;

    SpinField* red = nullptr;
    SpinField* green = nullptr;
    SpinField* blue = nullptr;
    SpinField* hue = nullptr;
    SpinField* saturation = nullptr;
    SpinField* value = nullptr;

    std::array<SpinField*, 3> rvbFields() const { return {red, green, blue}; }
    std::array<SpinField*, 3> tsvFields() const { return {hue, saturation, value}; }

    void writeRvb(RvbBytes rvb) const;
    // Saturation and value are shown rounded.
    void writeTsv(const TsvDegrees& tsv) const;
    RvbBytes rvb() const;
    TsvDegrees tsv() const;

    // Whether a change of the field is one the page acts on: not while the field is empty, as it
    // is for a moment while the user types. A value above the field's limit is put back to it.
    static bool takeChange(SpinField& changed);
    // Writes a field without running the page's rule for it.
    static void writeQuietly(SpinField& field, int value);
};

} // namespace tintabel
