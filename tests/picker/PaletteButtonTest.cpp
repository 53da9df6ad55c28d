#include "picker/PaletteButton.h"

#include "picker/ColourChooser.h"
#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace tintabel::testing {
namespace {

using Colours = std::vector<std::uint32_t>;

class ScriptedChooser : public ColourChooser {
public:
    std::uint32_t Color() const override { return colour; }
    void SetColor(std::uint32_t c) override
    {
        colour = c;
        set.push_back(c);
    }
    bool Execute() override
    {
        ++executed;
        if (choice)
            colour = *choice;
        return choice.has_value();
    }

    std::uint32_t colour = 0;
    std::optional<std::uint32_t> choice;
    Colours set;
    int executed = 0;
};

TEST(PaletteButton, OpensOnTheEditorsColourAndReturnsTheChoice)
{
    ScriptedChooser chooser;
    EXPECT_FALSE(pltClick(chooser, {"1", "2", "3"}));
    chooser.choice = 0x0080FF;
    const auto result = pltClick(chooser, {"18", "52", "86"});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->colour, 0x0080FFu);
    EXPECT_EQ(result->texts, (ChannelTexts {"255", "128", "0"}));
    EXPECT_EQ(chooser.set, (Colours {0x030201, 0x563412, 0x0080FF}));
}

// The integer rule itself is IntegerText's; here only that each channel goes through it.
TEST(PaletteButton, ChannelTextsAreIntegersOfWhichTheLowByteCounts)
{
    ScriptedChooser chooser;
    pltClick(chooser, {"x10", "$1FF", "256"});
    EXPECT_EQ(chooser.set, Colours {0x00FF10});
    const std::pair<ChannelTexts, std::string> refused[]
        = {{{"1a", "0", "0"}, "1a"}, {{"0", "12 ", "0"}, "12 "}, {{"0", "0", ""}, ""}};
    for (const auto& [texts, bad] : refused)
        EXPECT_EQ(errorText<ConversionError>([&] { pltClick(chooser, texts); }), notAnInteger(bad));
    // A refused text raises before the picker opens.
    EXPECT_EQ(chooser.executed, 1);
}

} // namespace
} // namespace tintabel::testing
