#include "PickerFixture.h"
#include "picker/UAdobeFrame.h"
#include "picker/UAdobeFrame2.h"

namespace tintabel::testing {
namespace {

// The number fields of the three pages that have them: each page reads its own fields, puts
// a value above its limit back to the limit, and refuses signs.
struct Fields {
    SpinField* red;
    SpinField* hue;
    SpinField* saturation;
    const ColourPage* page;
    std::function<void()> redChanged; // the page's handler; a field the user empties sends none
    PictureBox* picture;
};
template<typename Frame> Fields adobeFields(Frame& p, PictureBox* picture)
{
    return {
        p.SpRAdobe, p.SpTAdobe, p.SpSAdobe, &p, [&p] { p.SpRVBAdobeChange(*p.SpRAdobe); }, picture};
}
struct Page {
    const char* name;
    QToolButton* TColorForm::*button; // none for the wheel, the page shown first
    Fields (*fields)(TColorForm&);
};
const Page kPages[] = {
    {"Wheel", nullptr,
        [](TColorForm& f) {
            TFramePSP& p = *f.FramePSP;
            return Fields {p.SPRPSP, p.SPTPSP, p.SPSPSP, &p, [&p] { p.SPRVBPSPChange(*p.SPRPSP); },
                p.CerclePSP};
        }},
    {"Adobe", &TColorForm::TBAdobe,
        [](TColorForm& f) { return adobeFields(*f.FrameAdobe1, f.FrameAdobe1->ImageFond); }},
    {"Adobe2", &TColorForm::TBAdobe2,
        [](TColorForm& f) { return adobeFields(*f.FrameAdobe2, f.FrameAdobe2->ImgAdobe2); }},
};

class PageFields : public PickerFixture, public ::testing::WithParamInterface<Page> {
protected:
    PageFields()
        : fields(GetParam().fields(form()))
    {
        if (GetParam().button)
            showPage(form().*GetParam().button, *fields.page, fields.picture);
        dialog.SetColor(0x563412);
    }
    Fields fields;
};

TEST_P(PageFields, ValuesAboveTheLimitArePutBackAndSignsAreNotTyped)
{
    // The wheel's hue and saturation are bytes; elsewhere they are degrees and percent.
    const bool wheel = GetParam().button == nullptr;
    const auto hue
        = [&] { return wheel ? shown->pageColour().TSLPSP().hue : shown->pageColour().TSV().hue; };
    SpinField& red = *fields.red;
    red.clear();
    fields.redChanged();
    EXPECT_EQ(rvb(), (RvbBytes {18, 52, 86}));
    typeInto(red, "256");
    EXPECT_EQ(red.fieldText(), "255");
    EXPECT_EQ(rvb(), (RvbBytes {255, 52, 86}));
    EXPECT_EQ(fields.hue->fieldText(), QString::number(hue()));
    typeInto(*fields.hue, wheel ? "256" : "360");
    EXPECT_EQ(fields.hue->fieldText(), wheel ? "255" : "359");
    typeInto(*fields.saturation, wheel ? "256" : "101");
    EXPECT_EQ(fields.saturation->fieldText(), wheel ? "255" : "100");
    EXPECT_EQ(hue(), wheel ? 255 : 359);
    EXPECT_EQ(red.fieldText(), QString::number(rvb().red));

    red.clear();
    QTest::keyClicks(&red, "+");
    QTest::keyClick(&red, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClicks(&red, "-7");
    EXPECT_EQ(red.fieldText(), "7");
    EXPECT_EQ(rvb().red, 7);
    QTest::keyClick(&red, Qt::Key_Up);
    EXPECT_EQ(rvb().red, 8);
    typeInto(red, "254");
    QTest::keyClick(&red, Qt::Key_Up);
    QTest::keyClick(&red, Qt::Key_Up);
    EXPECT_EQ(red.fieldText(), "255");
    EXPECT_EQ(rvb().red, 255);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageFields, ::testing::ValuesIn(kPages),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tintabel::testing
