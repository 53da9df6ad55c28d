#pragma once

#include "picker/ColorPickerDialog.h"
#include "picker/SpinField.h"
#include "picker/UColorForm.h"
#include "picker/UPSPFrame.h"
#include "platform/doubles/MemoryRegistry.h"
#include "platform/doubles/ScriptedMessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <gtest/gtest.h>

namespace tintabel::testing {

// The picker on the offscreen platform. Execute shows the form without blocking, runs what the
// test does while the form is open (whileOpen), and returns the form's result; the test ends its
// actions with a click on Ok or Cancel, or leaves the form open, which counts as closing it.
class PickerFixture : public ::testing::Test {
protected:
    static constexpr int xo = 77;

    PickerFixture()
        : dialog(messages, registry, "tintabel", nullptr, [this](TColorForm& form) {
            form.show();
            if (whileOpen)
                whileOpen();
            if (form.isVisible())
                form.reject();
            return form.result();
        })
    {
        form().show();
    }

    ~PickerFixture() override { EXPECT_TRUE(messages.errors().empty()); }

    TColorForm& form() { return dialog.form(); }
    TFramePSP& page() { return *form().FramePSP; }
    RvbBytes pageRvb() { return page().pageColour().RVB(); }
    TslBytes pageTsl() { return page().pageColour().TSLPSP(); }
    // The wheel's fields: red, green, blue, hue, saturation, lightness and both hex texts.
    QString wheelFields()
    {
        QStringList texts;
        for (SpinField* field : {page().SPRPSP, page().SPVPSP, page().SPBPSP, page().SPTPSP,
                 page().SPSPSP, page().SPLPSP})
            texts << field->fieldText();
        return (texts << page().EHexaPSP->text() << page().EHTMLPSP->text()).join(' ');
    }

    void press(Qt::MouseButton button, int x, int y)
    {
        QTest::mousePress(page().CerclePSP, button, {}, QPoint(x, y));
    }
    void moveTo(int x, int y) { QTest::mouseMove(page().CerclePSP, QPoint(x, y)); }
    void release(Qt::MouseButton button, int x, int y)
    {
        QTest::mouseRelease(page().CerclePSP, button, {}, QPoint(x, y));
    }
    void click(int x, int y)
    {
        press(Qt::LeftButton, x, y);
        release(Qt::LeftButton, x, y);
    }
    // Pages other than the wheel are reached through their hidden page buttons.
    void showPage(QToolButton* button)
    {
        button->show();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickOk() { QTest::mouseClick(form().SpeedButton1, Qt::LeftButton); }
    void typeInto(SpinField& field, const QString& text)
    {
        field.clear();
        QTest::keyClicks(&field, text);
    }

    ScriptedMessageBoxes messages;
    MemoryRegistry registry;
    std::function<void()> whileOpen;
    ColorPickerDialog dialog;
};

} // namespace tintabel::testing
