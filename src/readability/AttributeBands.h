#pragma once

#include "platform/Errors.h"

#include <array>
#include <cstddef>

namespace tintabel {

// Bands that leave a value without a level or give it two.
class AttributeBandsError : public Error {
public:
    using Error::Error;
};

// The attribute values, from 1 to 20, of one level, both ends included.
struct ValueBand {
    int from = 0;
    int to = 0;
};

// Which level colour an attribute value is painted in: the bands of the four level slots (low,
// normal, good and excellent attribute, slots 1 to 4), which together hold each value from 1 to
// 20 exactly once.
class AttributeBands {
public:
    static constexpr int kLowestValue = 1;
    static constexpr int kHighestValue = 20;
    static constexpr std::size_t kBandCount = 4;

    // 1-5, 6-10, 11-15, 16-20.
    AttributeBands();
    // Throws AttributeBandsError naming the first band that breaks the rule.
    explicit AttributeBands(const std::array<ValueBand, kBandCount>& bands);

    const std::array<ValueBand, kBandCount>& bands() const { return m_bands; }

    // The index in kColourSlots of the value's level; values below 1 count as low, above 20
    // as excellent.
    std::size_t slotOf(int value) const;

private:
    std::array<ValueBand, kBandCount> m_bands;
};

} // namespace tintabel
