#include "support/EditorsFixture.h"

#include <QPushButton>

namespace tintabel::testing {
namespace {

using UnloadTest = EditorsFixture;

TEST_F(UnloadTest, ReturnsSourceSlotsAndEditorsToTheirStartState)
{
    TForm1& form = loaded();
    named<QPushButton>(form, "savebt")->setEnabled(true);
    form.selectSlot(3);
    form.source() = {.docFileName = "a.xml", .sourcePath = "/s/a.xml", .lastOpenedXml = "/s/a.xml"};
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        // The second time the editors show their start texts already: no rule runs to write
        // this alpha over.
        if (round == 1)
            model().setAlpha(3, "7");
        form.unload();
        EXPECT_EQ(texts(), (std::array<QString, 5> {"0", "0", "0", "", "255"}));
        for (const char* control : {"re", "ge", "be", "alp", "hex", "plt", "sctbt", "loadbt"})
            EXPECT_FALSE(named<QWidget>(form, control)->isEnabled()) << control;
        EXPECT_EQ(named<ColourSwatch>(form, "clr")->colour(), 0xFFFFFFu);
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            EXPECT_FALSE(named<QRadioButton>(form, kColourSlots[index].radioButton)->isEnabled());
            EXPECT_EQ(named<ColourSwatch>(form, kColourSlots[index].swatch)->colour(), 0xFFFFFFu);
        }
        EXPECT_EQ(
            form.source().sourcePath + form.source().docFileName + form.source().lastOpenedXml, "");
        // The selection is not its business; the editors' rules write the alpha they reset into
        // the selected slot; nothing unloaded can be saved.
        EXPECT_TRUE(named<QRadioButton>(form, "earb")->isChecked());
        EXPECT_EQ(model().alpha(3), round == 0 ? "255" : "7");
        EXPECT_EQ(model().alpha(2), "128");
        EXPECT_FALSE(named<QPushButton>(form, "savebt")->isEnabled());
    }
}

} // namespace
} // namespace tintabel::testing
