#pragma once

#include "picker/Couleur.h"

#include <array>
#include <functional>

class QObject;

namespace tintabel {

class MessageBoxes;
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

    using ChangeRule = std::function<void(SpinField&)>;
    // Runs the page's rule for the byte fields or for the TSV fields with the field whose text
    // changed, for as long as receiver lives.
    void onChanges(
        QObject& receiver, MessageBoxes& messages, ChangeRule rvbRule, ChangeRule tsvRule) const;

    void writeRvb(RvbBytes rvb) const;
    // Saturation and value are shown rounded.
    void writeTsv(const TsvDegrees& tsv) const;
    void show(const TCouleur& colour) const;
    // Sets the colour from the byte fields and brings the TSV fields in line with it.
    void takeRvb(TCouleur& colour) const;
    // Sets the colour from the TSV fields and brings the byte fields in line with it.
    void takeTsv(TCouleur& colour) const;

    // Whether a change of the field is one the page acts on: not while the field is empty, as it
    // is for a moment while the user types. A value above the field's limit is put back to it.
    static bool takeChange(SpinField& changed);
    // Writes a field without running the page's rule for it.
    static void writeQuietly(SpinField& field, int value);
};

} // namespace tintabel
