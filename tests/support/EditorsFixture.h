#pragma once

#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"
#include "editor/ChannelEditors.h"
#include "editor/ColourSwatch.h"
#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"
#include "picker/ColorPickerDialog.h"
#include "picker/SpinField.h"
#include "picker/UColorForm.h"
#include "picker/UPSPFrame.h"
#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
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
// and rendered with its alpha, the editors and scheme buttons enabled, the working file written and
// the first slot selected.
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
        for (const char* button : {"sctbt", "loadbt"})
            named<QWidget>(form, button)->setEnabled(true);
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

    // Presses the element at from, moves the mouse to each point in turn (in the element's
    // coordinates at the moment of the event) and releases it there.
    static void drag(QWidget* element, std::initializer_list<QPoint> moves,
        Qt::MouseButton button = Qt::LeftButton, QPoint from = {2, 3})
    {
        QTest::mousePress(element, button, {}, from);
        for (const QPoint to : moves)
            QTest::mouseMove(element, from = to);
        QTest::mouseRelease(element, button, {}, from);
    }

    // The window's picker, run without a modal loop: it notes the colour it opened on, types red
    // 10, green 200 and blue 7, and presses OK while pickerOk, else Cancel.
    void scriptPicker()
    {
        window().ColorPickerDialog1 = std::make_unique<ColorPickerDialog>(
            messages, registry, "tintabel", &window(), [this](TColorForm& picker) {
                picker.show();
                pickerOpenedOn = picker.FramePSP->pageColour().Color();
                for (const auto& [field, text] : {std::pair {picker.FramePSP->SPRPSP, "10"},
                         {picker.FramePSP->SPVPSP, "200"}, {picker.FramePSP->SPBPSP, "7"}}) {
                    field->clear();
                    QTest::keyClicks(field, text);
                }
                QTest::mouseClick(
                    pickerOk ? picker.SpeedButton1 : picker.SpeedButton2, Qt::LeftButton);
                return picker.result();
            });
    }
    bool pickerOk = true;
    std::uint32_t pickerOpenedOn = 0;

    // The editors' texts: re, ge, be, hex, alp.
    std::array<QString, 5> texts()
    {
        std::array<QString, 5> shown;
        for (std::size_t i = 0; const char* name : {"re", "ge", "be", "hex", "alp"})
            shown[i++] = named<QLineEdit>(window(), name)->text();
        return shown;
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
