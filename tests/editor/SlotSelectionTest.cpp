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

// The samples in stacking order, bottom first.
std::vector<std::string> sampleStack(const TForm1& form)
{
    std::vector<std::string> names;
    for (const auto* sample : named<QGroupBox>(form, "GroupBox1")
                                  ->findChildren<PreviewSample*>(Qt::FindDirectChildrenOnly))
        names.push_back(sample->objectName().toStdString());
    return names;
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
    EXPECT_EQ(sampleStack(form),
        (std::vector<std::string> {
            "gaea", "saea", "alea", "salea", "petea", "naea", "eaea", "laea"}));
    EXPECT_TRUE(messages.errors().empty());
}

TEST_F(SlotSelectionTest, SelectingFromCodeShowsTheSlotAndAnUnavailableOneCannotBeClicked)
{
    TForm1& form = loaded();
    form.selectSlot(6);
    EXPECT_TRUE(named<QRadioButton>(form, "salrb")->isChecked());
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "000000", "99"}));
    expectInStep();

    model().setAvailable(2, false);
    QTest::mouseClick(named<QRadioButton>(form, "garb"), Qt::LeftButton);
    EXPECT_EQ(model().selected(), 6u);
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "99");
}

TEST_F(SlotSelectionTest, ASlotWhoseColourTheChannelsAlreadyShowStillBringsHexAndSwatchInStep)
{
    TForm1& form = loaded();
    form.unload();
    model().setColour(0, 0x000000);
    form.SampleRender(0, 200);
    form.editors().enable();
    form.selectSlot(0);
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "000000", "200"}));
    expectInStep();
}

TEST_F(SlotSelectionTest, AnAlphaAboveTheLimitIsClampedWhenItsSlotIsSelected)
{
    // The loaders pass on what the file holds; the editors cannot show more than 255.
    TForm1& form = loaded();
    form.SampleRender(1, 300);
    EXPECT_EQ(model().alpha(1), "300");
    form.selectSlot(1);
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "255");
    EXPECT_EQ(model().alpha(1), "255");
    EXPECT_EQ(model().alpha(0), "200");
    expectInStep();
}

} // namespace
} // namespace tintabel::testing
