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

// Keeps every colour it is given and answers with `choice`, or is cancelled without one.
struct ScriptedChooser : ColourChooser {
    std::uint32_t Color() const override { return set.empty() ? 0 : set.back(); }
    void SetColor(std::uint32_t colour) override { set.push_back(colour); }
    bool Execute() override
    {
        if (choice)
            set.push_back(*choice);
        return choice.has_value();
    }

    std::optional<std::uint32_t> choice;
    Colours set;
};

// The integer rule itself is IntegerText's; here only that each channel goes through it, before
// the picker opens, and that the choice comes back as channel texts.
TEST(PaletteButton, OpensOnTheEditorsColourAndReturnsTheChoice)
{
    ScriptedChooser chooser;
    EXPECT_FALSE(pltClick(chooser, {"x10", "$1FF", "256"}));
    const std::pair<ChannelTexts, std::string> refused[]
        = {{{"1a", "0", "0"}, "1a"}, {{"0", "12 ", "0"}, "12 "}, {{"0", "0", ""}, ""}};
    for (const auto& [texts, bad] : refused)
        EXPECT_EQ(errorText<ConversionError>([&] { pltClick(chooser, texts); }), notAnInteger(bad));
    chooser.choice = 0x0080FF;
    const auto result = pltClick(chooser, {"18", "52", "86"});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->colour, 0x0080FFu);
    EXPECT_EQ(result->texts, (ChannelTexts {"255", "128", "0"}));
    EXPECT_EQ(chooser.set, (Colours {0x00FF10, 0x563412, 0x0080FF, 0x0080FF}));
}

} // namespace
} // namespace tintabel::testing
