#include "support/EditorsFixture.h"

#include <QGroupBox>

namespace tintabel::testing {
namespace {

using SlotSelectionTest = EditorsFixture;

struct SlotValues {
    std::vector<ColourValue> colours;
    std::vector<std::string> alphas;
    bool operator==(const SlotValues&) const = default;
};

SlotValues valuesOf(const SlotModel& slotModel)
{
    SlotValues values;
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        values.colours.push_back(slotModel.colour(index));
        values.alphas.push_back(slotModel.alpha(index));
    }
    return values;
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

TEST_F(SlotSelectionTest, SelectingAnotherSlotAndComingBackChangesNoSlot)
{
    TForm1& form = loaded();
    const SlotValues before = valuesOf(model());
    EXPECT_EQ(texts(), (std::array<QString, 5> {"18", "52", "86", "123456", "200"}));
    expectInStep();

    QTest::mouseClick(named<QRadioButton>(form, "narb"), Qt::LeftButton);
    EXPECT_EQ(model().selected(), 1u);
    EXPECT_EQ(texts(), (std::array<QString, 5> {"48", "32", "16", "302010", "255"}));
    EXPECT_EQ(valuesOf(model()), before);
    expectInStep();
    EXPECT_EQ(sampleStack(form).back(), "naea");

    QTest::mouseClick(named<QRadioButton>(form, "earb"), Qt::LeftButton); // alpha 0
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "255", "0", "00FF00", "0"}));
    EXPECT_EQ(valuesOf(model()), before);
    expectInStep();

    QTest::mouseClick(named<QRadioButton>(form, "larb"), Qt::LeftButton);
    EXPECT_EQ(texts(), (std::array<QString, 5> {"18", "52", "86", "123456", "200"}));
    EXPECT_EQ(valuesOf(model()), before);
    expectInStep();
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

    // A slot the document did not supply cannot be clicked.
    model().setAvailable(2, false);
    QTest::mouseClick(named<QRadioButton>(form, "garb"), Qt::LeftButton);
    EXPECT_EQ(model().selected(), 6u);
    EXPECT_EQ(named<QLineEdit>(form, "alp")->text(), "99");
}

TEST_F(SlotSelectionTest, ASlotWhoseColourTheChannelsAlreadyShowStillBringsHexAndSwatchInStep)
{
    TForm1& form = loaded();
    form.unload();
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "", "255"}));
    EXPECT_EQ(named<ColourSwatch>(form, "clr")->colour(), 0xFFFFFFu);

    model().setColour(0, 0x000000);
    form.SampleRender(0, 200);
    form.editors().enable();
    form.selectSlot(0);
    EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "000000", "200"}));
    EXPECT_EQ(model().alpha(0), "200");
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
