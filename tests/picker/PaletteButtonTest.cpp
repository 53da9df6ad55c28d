#include "picker/PaletteButton.h"

#include "PickerFixture.h"
#include "picker/ColourChooser.h"
#include "platform/Errors.h"
#include "support/ErrorText.h"

#include <vector>

namespace tintabel::testing {
namespace {

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
    std::vector<std::uint32_t> set;
    int executed = 0;
};

TEST(PaletteButton, OpensOnTheEditorsColourAndReturnsTheChoice)
{
    ScriptedChooser chooser;
    chooser.choice = 0x0080FF;
    const auto result = pltClick(chooser, {"18", "52", "86"});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->colour, 0x0080FFu);
    EXPECT_EQ(result->texts, (ChannelTexts {"255", "128", "0"}));
    EXPECT_EQ(chooser.set, (std::vector<std::uint32_t> {0x563412, 0x0080FF}));
}

TEST(PaletteButton, CancelReturnsNothing)
{
    ScriptedChooser chooser;
    EXPECT_FALSE(pltClick(chooser, {"1", "2", "3"}));
    EXPECT_EQ(chooser.set, (std::vector<std::uint32_t> {0x030201}));
}

TEST(PaletteButton, ChannelTextsFollowTheIntegerRule)
{
    ScriptedChooser chooser;
    pltClick(chooser, {"  7", "+8", "256"});
    pltClick(chooser, {"-1", "0", "2147483647"});
    pltClick(chooser, {"x10", "$1FF", "0"});
    EXPECT_EQ(chooser.set, (std::vector<std::uint32_t> {0x000807, 0xFF00FF, 0x00FF10}));

    for (const char* bad : {"12 ", "", " ", "+", "1a", "2147483648", "- 1"}) {
        try {
            pltClick(chooser, {"0", bad, "0"});
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), testing::notAnInteger(bad));
        }
    }
    EXPECT_EQ(chooser.executed, 3);
}

using PaletteWithPicker = PickerFixture;

TEST_F(PaletteWithPicker, PickInTheSquareComesBackAsDecimalTexts)
{
    whileOpen = [this] {
        EXPECT_EQ(pageRvb(), (RvbBytes {18, 52, 86}));
        press(Qt::LeftButton, xo + 100, 97);
        release(Qt::LeftButton, xo + 300, 97);
        clickOk();
    };
    const auto result = pltClick(dialog, {"18", "52", "86"});
    ASSERT_TRUE(result);
    EXPECT_EQ(pageTsl(), (TslBytes {149, 255, 128}));
    const RvbBytes picked = pageRvb();
    EXPECT_EQ(result->texts,
        (ChannelTexts {std::to_string(picked.red), std::to_string(picked.green),
            std::to_string(picked.blue)}));
    EXPECT_EQ(result->colour, page().pageColour().Color());
    EXPECT_EQ(dialog.Color(), result->colour);
    EXPECT_NE(result->colour, 0x563412u);

    whileOpen = [this] { clickCancel(); };
    EXPECT_FALSE(pltClick(dialog, {"18", "52", "86"}));
    EXPECT_EQ(dialog.Color(), 0x563412u);
}

} // namespace
} // namespace tintabel::testing
