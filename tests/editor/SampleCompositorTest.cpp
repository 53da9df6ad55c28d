#include "editor/SampleCompositor.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace tintabel {
namespace {

TEST(SampleCompositor, ChannelsFollowTheSkinRounding)
{
    // Alpha 128 of pure red over (204, 208, 212).
    EXPECT_EQ(compositeChannel(255, 204, 128), 229);
    EXPECT_EQ(compositeChannel(0, 208, 128), 104);
    EXPECT_EQ(compositeChannel(0, 212, 128), 106);
    // The ends leave the pixel beneath or give the sample, exactly.
    for (const int value : {0, 1, 127, 254, 255}) {
        const auto channel = static_cast<std::uint8_t>(value);
        EXPECT_EQ(compositeChannel(channel, 77, 0), 77);
        EXPECT_EQ(compositeChannel(77, channel, 255), 77);
    }
    // Adding 255 and dividing by 256 can land one above an exact blend (100 x 205 / 255 = 80.4),
    // yet never leaves the range nor changes a pixel that the sample matches.
    EXPECT_EQ(compositeChannel(0, 100, 50), 81);
    EXPECT_EQ(compositeChannel(0, 0, 1), 0);
    EXPECT_EQ(compositeChannel(255, 255, 1), 255);
    EXPECT_EQ(compositeChannel(10, 10, 100), 10);
    EXPECT_EQ(compositeChannel(0, 255, 254), 1);
}

TEST(SampleCompositor, AlphaTakesTheLowEightBits)
{
    EXPECT_EQ(alphaByte(300), 44);
    EXPECT_EQ(alphaByte(-5), 251);
    EXPECT_EQ(alphaByte(256), 0);
    EXPECT_EQ(alphaByte(255), 255);
    EXPECT_EQ(alphaByte(0), 0);
}

TEST(SampleCompositor, PixelsAreCompositedPerChannelAndComeOutOpaque)
{
    EXPECT_EQ(compositePixel(0x80FF0000u, 0xFFCCD0D4u), 0xFFE5686Au);
    EXPECT_EQ(compositePixel(0x00123456u, 0x00CCD0D4u), 0xFFCCD0D4u);
    EXPECT_EQ(compositePixel(0xFF123456u, 0x00CCD0D4u), 0xFF123456u);
    // Each channel on its own: blue does not leak into green.
    EXPECT_EQ(compositePixel(0x800000FFu, 0xFF000000u), 0xFF000080u);
}

TEST(SampleCompositor, RowsAreCompositedInPlaceOverTheShorterLength)
{
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
