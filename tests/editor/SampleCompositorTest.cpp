#include "editor/SampleCompositor.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace tintabel {
namespace {

TEST(SampleCompositor, ChannelsFollowTheSkinRounding)
{
    // sample, beneath, alpha, result
    const std::array<int, 4> cases[] = {
        // Alpha 128 of pure red over (204, 208, 212).
        {255, 204, 128, 229},
        {0, 208, 128, 104},
        // The ends leave the pixel beneath or give the sample, exactly.
        {255, 77, 0, 77},
        {77, 254, 255, 77},
        // Adding 255 and dividing by 256 can land one above an exact blend (80.4 here), yet
        // never leaves the range nor changes a pixel that the sample matches.
        {0, 100, 50, 81},
        {0, 0, 1, 0},
        {255, 255, 1, 255},
        {10, 10, 100, 10},
        {0, 255, 254, 1},
    };
    for (const auto& [sample, beneath, alpha, result] : cases)
        EXPECT_EQ(compositeChannel(static_cast<std::uint8_t>(sample),
                      static_cast<std::uint8_t>(beneath), static_cast<std::uint8_t>(alpha)),
            result)
            << sample << " over " << beneath << " at " << alpha;
    for (const auto& [alpha, byte] : {std::pair {300, 44}, {-5, 251}, {256, 0}, {255, 255}})
        EXPECT_EQ(alphaByte(alpha), byte) << alpha;
}

// Each channel on its own (blue does not leak into green), the result opaque, a row in place
// over the shorter length.
TEST(SampleCompositor, PixelsAndRowsAreCompositedPerChannelAndComeOutOpaque)
{
    EXPECT_EQ(compositePixel(0x00123456u, 0x00CCD0D4u), 0xFFCCD0D4u);
    EXPECT_EQ(compositePixel(0x800000FFu, 0xFF000000u), 0xFF000080u);
    const std::array<std::uint32_t, 2> sample {0x80FF0000u, 0x00FFFFFFu};
    std::vector<std::uint32_t> beneath {0xFFCCD0D4u, 0xFF010203u, 0xFF445566u};
    compositeRow(sample, beneath);
    EXPECT_EQ(beneath, (std::vector<std::uint32_t> {0xFFE5686Au, 0xFF010203u, 0xFF445566u}));
    std::vector<std::uint32_t> shorter {0xFF000000u};
    compositeRow(sample, shorter);
    EXPECT_EQ(shorter, (std::vector<std::uint32_t> {0xFF800000u}));
}

} // namespace
} // namespace tintabel
