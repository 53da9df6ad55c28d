#pragma once

#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"
#include "editor/ChannelEditors.h"
#include "editor/ColourSwatch.h"
#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"
#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <ostream>
#include <string>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tintabel::testing {

// A main window after a colour document has been loaded as the loaders do it: every slot coloured
// and rendered with its alpha, the editors enabled, the working file written and the first slot
// selected.
class EditorsFixture : public MainWindowFixture {
protected:
    static constexpr std::array<ColourValue, kSlotCount> kColours {
        0x563412, 0x102030, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0x000000, 0xFFFFFF};
    static constexpr std::array<const char*, kSlotCount> kAlphas {
        "200", "255", "128", "0", "17", "255", "99", "1"};

    TForm1& loaded()
    {
        TForm1& form = start();
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            form.slotModel().setColour(index, kColours[index]);
            form.SampleRender(index, std::stoi(kAlphas[index]));
            form.slotModel().setAvailable(index, true);
        }
        form.editors().enable();
        form.data();
        form.selectSlot(0);
        return form;
    }

    SlotModel& model() { return window().slotModel(); }

    // Replaces an editor's whole text by typing, as a user who selected it with the mouse.
    static void retype(QLineEdit* editor, const QString& text)
    {
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }

    // The editors' texts: re, ge, be, hex, alp.
    std::array<QString, 5> texts()
    {
        TForm1& form = window();
        return {named<QLineEdit>(form, "re")->text(), named<QLineEdit>(form, "ge")->text(),
            named<QLineEdit>(form, "be")->text(), named<QLineEdit>(form, "hex")->text(),
            named<QLineEdit>(form, "alp")->text()};
    }

    std::string workingFile() const { return readBytes(stateFolder() + "dane.dat"); }

    // The editors show the selected slot, the slot the current colour, the file the slots.
    void expectInStep()
    {
        TForm1& form = window();
        const std::size_t selected = model().selected();
        const ColourValue colour = model().colour(selected);
        EXPECT_EQ(named<QLineEdit>(form, "hex")->text().toStdString(),
            RgbToHex(named<QLineEdit>(form, "re")->text().toInt(),
                named<QLineEdit>(form, "ge")->text().toInt(),
                named<QLineEdit>(form, "be")->text().toInt()));
        EXPECT_EQ(named<QLineEdit>(form, "hex")->text().toStdString(),
            RgbToHex(redOf(colour), greenOf(colour), blueOf(colour)));
        EXPECT_EQ(named<ColourSwatch>(form, "clr")->colour(), colour);
        EXPECT_EQ(named<QLineEdit>(form, "alp")->text().toStdString(), model().alpha(selected));
        const PreviewSample* sample = form.preview().sample(selected);
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->picture().pixel(0, 0),
            qRgba(redOf(colour), greenOf(colour), blueOf(colour),
                named<QLineEdit>(form, "alp")->text().toInt()));
        EXPECT_EQ(workingFile(), WorkingColourFile::contents(model()));
    }
};

} // namespace tintabel::testing
