#include "PickerFixture.h"
#include "picker/UAdobeFrame.h"
#include "picker/UAdobeFrame2.h"

namespace tintabel::testing {
namespace {

// The number fields of the three pages that have them: each page reads its own fields, puts
// a value above its limit back to the limit, and refuses signs.
struct Page {
    const char* name;
    QToolButton* TColorForm::*button; // none for the wheel, the page shown first
    SpinField* (*red)(TColorForm&);
    SpinField* (*hue)(TColorForm&);
    SpinField* (*saturation)(TColorForm&);
    const TCouleur& (*colour)(TColorForm&);
};

const Page kPages[] = {
    {"Wheel", nullptr, [](TColorForm& f) { return f.FramePSP->SPRPSP; },
        [](TColorForm& f) { return f.FramePSP->SPTPSP; },
        [](TColorForm& f) { return f.FramePSP->SPSPSP; },
        [](TColorForm& f) -> const TCouleur& { return f.FramePSP->pageColour(); }},
    {"Adobe", &TColorForm::TBAdobe, [](TColorForm& f) { return f.FrameAdobe1->SpRAdobe; },
        [](TColorForm& f) { return f.FrameAdobe1->SpTAdobe; },
        [](TColorForm& f) { return f.FrameAdobe1->SpSAdobe; },
        [](TColorForm& f) -> const TCouleur& { return f.FrameAdobe1->pageColour(); }},
    {"Adobe2", &TColorForm::TBAdobe2, [](TColorForm& f) { return f.FrameAdobe2->SpRAdobe; },
        [](TColorForm& f) { return f.FrameAdobe2->SpTAdobe; },
        [](TColorForm& f) { return f.FrameAdobe2->SpSAdobe; },
        [](TColorForm& f) -> const TCouleur& { return f.FrameAdobe2->pageColour(); }},
};

class PageFields : public PickerFixture, public ::testing::WithParamInterface<Page> {
protected:
    PageFields()
    {
        if (GetParam().button)
            showPage(form().*GetParam().button);
        dialog.SetColor(0x563412);
    }
    SpinField& red() { return *GetParam().red(form()); }
    SpinField& hue() { return *GetParam().hue(form()); }
    SpinField& saturation() { return *GetParam().saturation(form()); }
    RvbBytes rvb() { return GetParam().colour(form()).RVB(); }
};

TEST_P(PageFields, ValuesAboveTheLimitArePutBack)
{
    // The wheel's hue and saturation are bytes; elsewhere they are degrees and percent.
    const bool wheel = GetParam().button == nullptr;
    const TCouleur& colour = GetParam().colour(form());
    const auto hueOf = [wheel](const TCouleur& c) { return wheel ? c.TSLPSP().hue : c.TSV().hue; };
    typeInto(red(), "256");
    EXPECT_EQ(red().fieldText(), "255");
    EXPECT_EQ(rvb(), (RvbBytes {255, 52, 86}));
    EXPECT_EQ(hue().fieldText(), QString::number(hueOf(colour)));
    typeInto(hue(), wheel ? "256" : "360");
    EXPECT_EQ(hue().fieldText(), wheel ? "255" : "359");
    typeInto(saturation(), wheel ? "256" : "101");
    EXPECT_EQ(saturation().fieldText(), wheel ? "255" : "100");
    EXPECT_EQ(hueOf(colour), wheel ? 255 : 359);
    EXPECT_EQ(red().fieldText(), QString::number(rvb().red));
}

TEST_P(PageFields, AnEmptyFieldChangesNothing)
{
    red().clear();
    EXPECT_EQ(rvb(), (RvbBytes {18, 52, 86}));
}

TEST_P(PageFields, SignsAndKeypadMinusAreNotTypedAndArrowsStopAtTheLimit)
{
    red().clear();
    QTest::keyClicks(&red(), "+");
    QTest::keyClick(&red(), Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClicks(&red(), "-7");
    EXPECT_EQ(red().fieldText(), "7");
    EXPECT_EQ(rvb(), (RvbBytes {7, 52, 86}));
    QTest::keyClick(&red(), Qt::Key_Up);
    EXPECT_EQ(rvb(), (RvbBytes {8, 52, 86}));

    typeInto(red(), "254");
    QTest::keyClick(&red(), Qt::Key_Up);
    QTest::keyClick(&red(), Qt::Key_Up);
    EXPECT_EQ(red().fieldText(), "255");
    EXPECT_EQ(rvb().red, 255);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFields, ::testing::ValuesIn(kPages),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tintabel::testing
