#include "app/ImageControl.h"
#include "app/Languages.h"
#include "editor/ColourSwatch.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>

#include <set>

namespace tintabel::testing {
namespace {

using Names = std::set<std::string>;
using MainWindowLayout = MainWindowFixture;

// The width a control needs to show its whole caption, or 0 for one without a caption.
int captionWidth(const QWidget& control)
{
    if (qobject_cast<const QLabel*>(&control) || qobject_cast<const QRadioButton*>(&control))
        return control.sizeHint().width();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->fontMetrics().horizontalAdvance(button->text()) + 4;
    if (auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->fontMetrics().horizontalAdvance(group->title()) + 16;
    return 0;
}

// In each language the captions change, and every control must still show all of its own.
TEST_F(MainWindowLayout, ControlsStayInsideTheirGroupsClearOfEachOtherWithWholeCaptions)
{
    // Labels stand on the edge of what they name, the background lies under its group, and the
    // design lets a few neighbours share a row of pixels.
    const std::set<std::pair<std::string, std::string>> touching {{"sllb", "lista1"},
        {"ctllb", "ListBox2"}, {"Image1", "Label5"}, {"Image1", "JvXPButton1"},
        {"GroupBox2", "GroupBox3"}, {"lsbt", "savebt"}, {"manrb", "skinrb"}};
    for (const char* language : {"none", "English", "Polish"}) {
        SCOPED_TRACE(language);
        registry.writeString(RegistryRoot::LocalMachine, Languages::kKey, "lang", language);
        TForm1& form = restart();
        for (const QWidget* parent : {static_cast<QWidget*>(&form),
                 static_cast<QWidget*>(named<QGroupBox>(form, "GroupBox1")),
                 static_cast<QWidget*>(named<QGroupBox>(form, "GroupBox2")),
                 static_cast<QWidget*>(named<QGroupBox>(form, "GroupBox3"))}) {
            std::vector<QWidget*> shown;
            for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child->isVisibleTo(&form) && !child->objectName().startsWith("qt_"))
                    shown.push_back(child);
            for (const QWidget* control : shown) {
                const std::string name = control->objectName().toStdString();
                EXPECT_TRUE(parent->rect().contains(control->geometry())) << name;
                EXPECT_LE(captionWidth(*control), control->width()) << name;
                for (const QWidget* other : shown) {
                    const std::string otherName = other->objectName().toStdString();
                    if (name < otherName && !touching.contains({name, otherName})) {
                        EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                            << name << " and " << otherName;
                    }
                }
            }
        }
        // The slots' rows: each radio button beside its swatch, in slot order down the group.
        int lastTop = 0;
        for (const ColourSlot& slot : kColourSlots) {
            const QRect swatch = named<ColourSwatch>(form, slot.swatch)->geometry();
            const QRect button = named<QRadioButton>(form, slot.radioButton)->geometry();
            EXPECT_GT(swatch.top(), lastTop) << slot.displayName;
            EXPECT_LT(swatch.right(), button.left()) << slot.displayName;
            EXPECT_LE(std::abs(swatch.center().y() - button.center().y()), 1) << slot.displayName;
            lastTop = swatch.bottom();
        }
    }
}

// A fixed, centred window without a maximise box, where before a load only the loaders and the
// options answer.
TEST_F(MainWindowLayout, BeforeALoadOnlyTheLoadersAndOptionsAnswer)
{
    TForm1& form = start();
    EXPECT_EQ(form.windowTitle(), "Veldo Tintabel 2 beta5");
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    const QPoint offCentre = form.geometry().center() - form.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    Names disabled, hidden;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        const std::string name = control->objectName().toStdString();
        if (!name.empty() && !name.starts_with("qt_") && !control->isEnabledTo(&form))
            disabled.insert(name);
        if (!name.empty() && !name.starts_with("qt_") && !control->isVisibleTo(&form))
            hidden.insert(name);
    }
    EXPECT_EQ(disabled,
        (Names {"re", "ge", "be", "alp", "hex", "clr", "plt", "sctbt", "loadbt", "savebt", "sxmlbt",
            "skinrb", "cbfm2008", "lae", "nae", "gae", "eae", "sae", "ale", "sale", "pete", "larb",
            "narb", "garb", "earb", "sarb", "alrb", "salrb", "petrb"}));
    EXPECT_EQ(hidden,
        (Names {"Label8", "Button1", "cbfm2008", "help2bt", "helbp1bt", "helbp3bt", "lista2",
            "lista3", "lista10"}));
    EXPECT_TRUE(named<QRadioButton>(form, "cbfm2009")->isChecked());
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_TRUE(named<QRadioButton>(form, "larb")->isChecked());
    EXPECT_EQ(named<ImageControl>(form, "polimg")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainWindowLayout, ShowsItsPicturesAndTheExactSlotColoursWhileDisabled)
{
    TForm1& form = start();
    for (const char* picture : {"logoimg", "engimg", "polimg", "Image1"}) {
        const ImageControl* control = named<ImageControl>(form, picture);
        EXPECT_FALSE(control->picture().isNull()) << picture;
        EXPECT_LE(control->picture().width(), control->width()) << picture;
        EXPECT_GE(control->picture().width(), control->width() - 1) << picture;
    }
    form.slotModel().setColour(2, 0x8000FF); // red 255, green 0, blue 128
    named<ColourSwatch>(form, "clr")->setColour(0x00FF00);
    const QImage shot = form.grab().toImage();
    for (const auto& [name, colour] : {std::pair {"gae", QColor(255, 0, 128)},
             {"nae", QColor(255, 255, 255)}, {"clr", QColor(0, 255, 0)}}) {
        const QWidget* control = named<QWidget>(form, name);
        EXPECT_EQ(QColor(shot.pixel(control->mapTo(&form, control->rect().center()))), colour)
            << name;
    }
    EXPECT_EQ(named<QListWidget>(form, "lista1")->palette().color(QPalette::Base),
        QColor(0xF5, 0xF5, 0xF5));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
