#include "support/EditorsFixture.h"

#include <QGroupBox>

namespace tintabel::testing {
namespace {

using SlotSelectionTest = EditorsFixture;

std::vector<std::string> alphasOf(const SlotModel& slotModel)
{
    std::vector<std::string> alphas;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        alphas.push_back(slotModel.alpha(index));
    return alphas;
}

TEST_F(SlotSelectionTest, AClickedSlotIsShownOnTopAndNoSlotChanges)
{
    TForm1& form = loaded();
    const std::vector<std::string> alphas = alphasOf(model());
    const std::pair<const char*, std::array<QString, 5>> clicks[] = {
        {"narb", {"48", "32", "16", "302010", "255"}},
        {"earb", {"0", "255", "0", "00FF00", "0"}},
        {"larb", {"18", "52", "86", "123456", "200"}},
    };
    for (const auto& [button, shown] : clicks) {
        SCOPED_TRACE(button);
        QTest::mouseClick(named<QRadioButton>(form, button), Qt::LeftButton);
        EXPECT_EQ(texts(), shown);
        for (std::size_t index = 0; index < kSlotCount; ++index)
            EXPECT_EQ(model().colour(index), kColours[index]) << index;
        EXPECT_EQ(alphasOf(model()), alphas);
        expectInStep();
    }
    std::vector<std::string> stack; // bottom first
    for (const auto* sample : named<QGroupBox>(form, "GroupBox1")
                                  ->findChildren<PreviewSample*>(Qt::FindDirectChildrenOnly))
        stack.push_back(sample->objectName().toStdString());
    EXPECT_EQ(stack,
        (std::vector<std::string> {
            "gaea", "saea", "alea", "salea", "petea", "naea", "eaea", "laea"}));
    EXPECT_TRUE(messages.errors().empty());
}

// From code: the radio button follows; black, which the channels show already, still brings hex
// and swatch in step; an alpha above the limit is clamped in the store; an unavailable slot
// cannot be clicked.
TEST_F(SlotSelectionTest, SelectingFromCodeShowsTheSlotAndAnUnavailableOneCannotBeClicked)
{
    TForm1& form = loaded();
    form.unload();
    model().setColour(6, 0x000000);
    form.SampleRender(6, 99);
    form.SampleRender(1, 300);
    EXPECT_EQ(model().alpha(1), "300");
    form.editors().enable();
    form.selectSlot(6);
    EXPECT_TRUE(named<QRadioButton>(form, "salrb")->isChecked());
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "000000", "99"}));
    expectInStep();
    form.selectSlot(1);
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "255");
    EXPECT_EQ(alphasOf(model())[1], "255");
    EXPECT_EQ(alphasOf(model())[6], "99");
    expectInStep();

    model().setAvailable(2, false);
    QTest::mouseClick(named<QRadioButton>(form, "garb"), Qt::LeftButton);
    EXPECT_EQ(model().selected(), 1u);
}

} // namespace
} // namespace tintabel::testing
