#include "PickerFixture.h"
#include "picker/UAdobeFrame.h"
#include "picker/UAdobeFrame2.h"

#include <functional>

namespace tintabel::testing {
namespace {

// The number fields of the three pages that have them: each page reads its own fields, puts
// a value above its limit back to the limit, and refuses signs.
struct Fields {
    SpinField* red;
    SpinField* hue;
    SpinField* saturation;
    const ColourPage* page;
    // The page's handler of a change to the red field; a field emptied by the user sends none.
    std::function<void()> redChanged;
};
struct Page {
    const char* name;
    QToolButton* TColorForm::*button; // none for the wheel, the page shown first
    Fields (*fields)(TColorForm&);
};

const Page kPages[] = {
    {"Wheel", nullptr,
        [](TColorForm& f) {
            TFramePSP& p = *f.FramePSP;
            return Fields {p.SPRPSP, p.SPTPSP, p.SPSPSP, &p, [&p] { p.SPRVBPSPChange(*p.SPRPSP); }};
        }},
    {"Adobe", &TColorForm::TBAdobe,
        [](TColorForm& f) {
            TFrameAdobe& p = *f.FrameAdobe1;
            return Fields {
                p.SpRAdobe, p.SpTAdobe, p.SpSAdobe, &p, [&p] { p.SpRVBAdobeChange(*p.SpRAdobe); }};
        }},
    {"Adobe2", &TColorForm::TBAdobe2,
        [](TColorForm& f) {
            TFrameAdobe2& p = *f.FrameAdobe2;
            return Fields {
                p.SpRAdobe, p.SpTAdobe, p.SpSAdobe, &p, [&p] { p.SpRVBAdobeChange(*p.SpRAdobe); }};
        }},
};

void PrintTo(const Page& page, std::ostream* out)
{
    *out << page.name;
}

class PageFields : public PickerFixture, public ::testing::WithParamInterface<Page> {
protected:
    PageFields()
    {
        if (GetParam().button)
            showPage(form().*GetParam().button);
        dialog.SetColor(0x563412);
    }
    SpinField& red() { return *GetParam().fields(form()).red; }
    SpinField& hue() { return *GetParam().fields(form()).hue; }
    SpinField& saturation() { return *GetParam().fields(form()).saturation; }
    const TCouleur& colour() { return GetParam().fields(form()).page->pageColour(); }
    RvbBytes rvb() { return colour().RVB(); }
};

TEST_P(PageFields, ValuesAboveTheLimitArePutBack)
{
    // The wheel's hue and saturation are bytes; elsewhere they are degrees and percent.
    const bool wheel = GetParam().button == nullptr;
    const auto hueOf = [wheel](const TCouleur& c) { return wheel ? c.TSLPSP().hue : c.TSV().hue; };
    typeInto(red(), "256");
    EXPECT_EQ(red().fieldText(), "255");
    EXPECT_EQ(rvb(), (RvbBytes {255, 52, 86}));
    EXPECT_EQ(hue().fieldText(), QString::number(hueOf(colour())));
    typeInto(hue(), wheel ? "256" : "360");
    EXPECT_EQ(hue().fieldText(), wheel ? "255" : "359");
    typeInto(saturation(), wheel ? "256" : "101");
    EXPECT_EQ(saturation().fieldText(), wheel ? "255" : "100");
    EXPECT_EQ(hueOf(colour()), wheel ? 255 : 359);
    EXPECT_EQ(red().fieldText(), QString::number(rvb().red));
}

TEST_P(PageFields, AnEmptyFieldChangesNothing)
{
    red().clear();
    GetParam().fields(form()).redChanged();
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
