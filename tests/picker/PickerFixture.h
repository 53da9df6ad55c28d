#pragma once

#include "picker/ColorPickerDialog.h"
#include "picker/PictureBox.h"
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
    RvbBytes rvb() { return shown->pageColour().RVB(); }
    TslBytes pageTsl() { return page().pageColour().TSLPSP(); }
    QImage picture() { return surface->picture().copy(); }
    QRgb buttonFace() { return form().palette().color(QPalette::Button).rgb(); }
    static QString texts(std::initializer_list<SpinField*> fields)
    {
        QStringList texts;
        for (SpinField* field : fields)
            texts << field->fieldText();
        return texts.join(' ');
    }
    // The wheel's fields: red, green, blue, hue, saturation, lightness and both hex texts.
    QString wheelFields()
    {
        TFramePSP& p = page();
        return texts({p.SPRPSP, p.SPVPSP, p.SPBPSP, p.SPTPSP, p.SPSPSP, p.SPLPSP}) + ' '
            + p.EHexaPSP->text() + ' ' + p.EHTMLPSP->text();
    }

    // Pages other than the wheel are reached through their hidden page buttons.
    void showPage(QToolButton* button, const ColourPage& page, PictureBox* picture)
    {
        button->show();
        QTest::mouseClick(button, Qt::LeftButton);
        shown = &page;
        surface = picture;
        dialog.SetColor(0x563412);
    }
    // Mouse actions on the shown page's picture.
    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(surface, button, {}, QPoint(x, y));
    }
    void moveTo(int x, int y) { QTest::mouseMove(surface, QPoint(x, y)); }
    void release(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(surface, button, {}, QPoint(x, y));
    }
    void click(int x, int y)
    {
        press(x, y);
        release(x, y);
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
    const ColourPage* shown = &page();
    PictureBox* surface = page().CerclePSP;
};

} // namespace tintabel::testing
