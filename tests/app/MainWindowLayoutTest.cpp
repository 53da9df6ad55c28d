#include "app/ImageControl.h"
#include "app/StatusBar.h"
#include "editor/ColourSwatch.h"
#include "support/MainWindowFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tintabel::testing {
namespace {

QString caption(const QWidget& control)
{
    if (auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* editor = qobject_cast<const QLineEdit*>(&control))
        return editor->text();
    return {};
}

// For hidden controls, whose place does not matter.
constexpr QRect kAnywhere(-1, -1, 0, 0);

struct Expected {
    const char* name;
    const char* parent;
    QRect place; // a width of 0: only the top left corner is given; or kAnywhere
    bool enabled;
    bool visible;
    const char* caption = nullptr; // nullptr: not checked
};

class MainWindowLayout : public MainWindowFixture {
protected:
    void expectControls(std::initializer_list<Expected> controls)
    {
        for (const Expected& expected : controls) {
            SCOPED_TRACE(expected.name);
            auto* control = window().findChild<QWidget*>(QString::fromLatin1(expected.name));
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(expected.parent));
            if (expected.place.width() > 0) {
                EXPECT_EQ(control->geometry(), expected.place);
            } else if (expected.place != kAnywhere) {
                EXPECT_EQ(control->pos(), expected.place.topLeft());
            }
            EXPECT_EQ(control->isEnabled(), expected.enabled);
            EXPECT_EQ(control->isVisibleTo(&window()), expected.visible);
            if (expected.caption) {
                EXPECT_EQ(caption(*control), QString::fromUtf8(expected.caption));
            }
        }
    }
};

TEST_F(MainWindowLayout, IsAFixedCentredWindowWithoutMaximiseBox)
{
    TForm1& form = start();
    EXPECT_EQ(form.windowTitle(), "Veldo Tintabel 2 beta5");
    EXPECT_EQ(form.size(), QSize(724, 324));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    const QRect desktop = form.screen()->availableGeometry();
    EXPECT_LE(std::abs(form.geometry().center().x() - desktop.center().x()), 1);
    EXPECT_LE(std::abs(form.geometry().center().y() - desktop.center().y()), 1);
    expectControls({
        {"logoimg", "Form1", {3, 5, 116, 299}, true, true},
        {"Label8", "Form1", {24, 320, 0, 0}, true, false},
        {"GroupBox1", "Form1", {122, 0, 335, 305}, true, true, "Colour Manager"},
        {"GroupBox2", "Form1", {462, 200, 259, 105}, true, true, "Options"},
        {"GroupBox3", "Form1", {462, 0, 259, 201}, true, true, "Load/Save XML File"},
        // No FM folder is known here, which the status bar says.
        {"StatusBar1", "Form1", {0, 305, 724, 19}, true, true,
            "Cant find the \"FM 2008 user data\" folder. Check help section."},
        {"Button1", "Form1", kAnywhere, true, false},
    });
}

TEST_F(MainWindowLayout, ColourManagerHoldsDisabledEditorsAndSlotRows)
{
    start();
    expectControls({
        {"Image1", "GroupBox1", {8, 88, 150, 160}, true, true},
        {"Label1", "GroupBox1", {8, 16, 0, 0}, true, true, "R"},
        {"Label2", "GroupBox1", {64, 16, 0, 0}, true, true, "G"},
        {"Label3", "GroupBox1", {120, 16, 0, 0}, true, true, "B"},
        {"Label7", "GroupBox1", {176, 16, 0, 0}, true, true, "A"},
        {"Label4", "GroupBox1", {8, 43, 0, 0}, true, true, "#"},
        {"Label5", "GroupBox1", {8, 72, 0, 0}, true, true, "Sample Preview:"},
        {"Label6", "GroupBox1", {168, 72, 0, 0}, true, true, "Colours"},
        {"re", "GroupBox1", {24, 16, 33, 19}, false, true, "0"},
        {"ge", "GroupBox1", {80, 16, 33, 19}, false, true, "0"},
        {"be", "GroupBox1", {136, 16, 33, 19}, false, true, "0"},
        {"alp", "GroupBox1", {192, 16, 33, 19}, false, true, "255"},
        {"hex", "GroupBox1", {16, 40, 49, 19}, false, true, ""},
        {"clr", "GroupBox1", {72, 40, 25, 19}, false, true},
        {"plt", "GroupBox1", {240, 16, 0, 0}, false, true, "Palette"},
        {"sctbt", "GroupBox1", {8, 274, 129, 23}, false, true, "Save colour scheme"},
        {"loadbt", "GroupBox1", {144, 273, 113, 23}, false, true, "Load colour scheme"},
        {"JvXPButton1", "GroupBox1", {8, 250, 0, 0}, true, true, "Reset positions"},
        {"JvXPButton2", "GroupBox1", {100, 250, 0, 0}, true, true, "Load background"},
        {"helbp1bt", "GroupBox1", kAnywhere, true, false},
    });
    EXPECT_EQ(named<QPushButton>(window(), "plt")->height(), 29);
    EXPECT_EQ(named<QPushButton>(window(), "JvXPButton1")->width(), 89);
    EXPECT_EQ(named<QPushButton>(window(), "JvXPButton2")->width(), 101);
    // Every label shows its whole caption.
    for (QLabel* label :
        named<QGroupBox>(window(), "GroupBox1")->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();

    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const ColourSlot& slot = kColourSlots[i];
        SCOPED_TRACE(slot.displayName);
        const int top = 89 + 20 * static_cast<int>(i);
        ColourSwatch* swatch = named<ColourSwatch>(window(), slot.swatch);
        QRadioButton* button = named<QRadioButton>(window(), slot.radioButton);
        EXPECT_EQ(swatch->geometry(), QRect(168, top, 33, 19));
        EXPECT_EQ(button->pos(), QPoint(208, top + 1));
        EXPECT_EQ(button->text().toStdString(), slot.displayName);
        EXPECT_FALSE(swatch->isEnabled());
        EXPECT_FALSE(button->isEnabled());
        EXPECT_EQ(button->isChecked(), i == 0);
        EXPECT_EQ(swatch->colour(), 0xFFFFFFu);
        // The radio button's caption fits inside the group.
        EXPECT_LE(button->x() + button->sizeHint().width(),
            named<QGroupBox>(window(), "GroupBox1")->width());
    }
}

TEST_F(MainWindowLayout, OptionsAndXmlGroupsHoldTheirControls)
{
    start();
    expectControls({
        {"engimg", "GroupBox2", {160, 16, 41, 25}, true, true},
        {"polimg", "GroupBox2", {208, 16, 41, 25}, true, true},
        {"cbfm2009", "GroupBox2", {16, 24, 0, 0}, true, true, "FM 2009"},
        {"cbfm2008", "GroupBox2", {16, 33, 0, 0}, false, false, "FM 2008 (in future version)"},
        {"spbt", "GroupBox2", {8, 52, 0, 0}, true, true, "Locate user data folder"},
        {"resbt", "GroupBox2", {176, 52, 0, 0}, true, true, "<<reset"},
        {"helpbt", "GroupBox2", {8, 80, 0, 0}, true, true, "Help"},
        {"aboutbt", "GroupBox2", {80, 80, 0, 0}, true, true, "About"},
        {"exitbt", "GroupBox2", {160, 80, 0, 0}, true, true, "Close"},
        {"help2bt", "GroupBox2", kAnywhere, true, false},
        {"lsbt", "GroupBox3", {8, 16, 137, 25}, true, true, "Load XML file"},
        {"savebt", "GroupBox3", {8, 40, 137, 25}, false, true, "Save XML file as..."},
        {"manrb", "GroupBox3", {8, 72, 0, 0}, true, true, "Load the XML file manually"},
        {"skinrb", "GroupBox3", {8, 88, 0, 0}, false, true, "Load the XML file from skin"},
        {"sllb", "GroupBox3", {8, 108, 0, 0}, true, true, "List of skins:"},
        {"ctllb", "GroupBox3", {128, 108, 0, 0}, true, true, "(click to load colours)"},
        {"lista1", "GroupBox3", {8, 120, 113, 49}, true, true},
        {"ListBox2", "GroupBox3", {128, 120, 121, 49}, true, true},
        {"sxmlbt", "GroupBox3", {160, 170, 0, 0}, false, true, "Save to skin"},
        {"applyskinsbt", "GroupBox3", {8, 172, 148, 21}, true, true, "Apply scheme to skins…"},
        {"lista2", "GroupBox3", kAnywhere, true, false},
        {"lista3", "GroupBox3", kAnywhere, true, false},
        {"lista10", "GroupBox3", kAnywhere, true, false},
        {"helbp3bt", "GroupBox3", kAnywhere, true, false},
    });
    TForm1& form = window();
    EXPECT_EQ(named<QPushButton>(form, "spbt")->width(), 161);
    EXPECT_EQ(named<QPushButton>(form, "resbt")->width(), 57);
    EXPECT_EQ(named<QPushButton>(form, "helpbt")->width(), 65);
    EXPECT_EQ(named<QPushButton>(form, "sxmlbt")->width(), 89);
    EXPECT_EQ(named<QRadioButton>(form, "manrb")->width(), 169);
    EXPECT_TRUE(named<QRadioButton>(form, "cbfm2009")->isChecked());
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_FALSE(named<QRadioButton>(form, "skinrb")->isChecked());
    EXPECT_EQ(named<QListWidget>(form, "lista1")->palette().color(QPalette::Base),
        QColor(0xF5, 0xF5, 0xF5));
    EXPECT_EQ(named<ImageControl>(form, "engimg")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(named<ImageControl>(form, "polimg")->cursor().shape(), Qt::PointingHandCursor);
    // The buttons of the options group stay inside it and clear of each other.
    EXPECT_LE(named<QPushButton>(form, "exitbt")->geometry().right(),
        named<QGroupBox>(form, "GroupBox2")->width());
    EXPECT_LT(named<QPushButton>(form, "aboutbt")->geometry().right(),
        named<QPushButton>(form, "exitbt")->x());
    EXPECT_LE(named<QPushButton>(form, "sxmlbt")->geometry().bottom(),
        named<QGroupBox>(form, "GroupBox3")->height());
}

TEST_F(MainWindowLayout, DescribesItsFileDialogs)
{
    TForm1& form = start();
    EXPECT_EQ(form.od.name, "od");
    EXPECT_EQ(form.od.filter, "XML|*.xml");
    EXPECT_EQ(form.sv.filter, "XML files|*.xml");
    EXPECT_EQ(form.sv.defaultExtension, "xml");
    EXPECT_EQ(form.JvSaveDialog1.filter,
        "CTM files|*.ctm|GIMP palette|*.gpl|Adobe Swatch Exchange|*.ase");
    EXPECT_EQ(form.JvSaveDialog1.defaultExtension, "ctm");
    EXPECT_EQ(form.j2.filter, "CTM File|*.ctm|GIMP palette|*.gpl|Adobe Swatch Exchange|*.ase");
    EXPECT_EQ(form.j2.defaultExtension, "");
    EXPECT_EQ(form.opimg.filter, "All supported formats|*.jpg;*.jpeg;*.png;*.bmp");
}

TEST_F(MainWindowLayout, ShowsItsPicturesAndTheExactSlotColoursWhileDisabled)
{
    TForm1& form = start();
    EXPECT_EQ(named<ImageControl>(form, "logoimg")->picture().size(), QSize(116, 299));
    EXPECT_EQ(named<ImageControl>(form, "engimg")->picture().size(), QSize(40, 25));
    EXPECT_EQ(named<ImageControl>(form, "polimg")->picture().size(), QSize(40, 25));
    EXPECT_EQ(named<ImageControl>(form, "Image1")->picture().size(), QSize(150, 160));
    EXPECT_TRUE(messages.shown().empty());

    form.slotModel().setColour(2, 0x8000FF); // red 255, green 0, blue 128
    named<ColourSwatch>(form, "clr")->setColour(0x00FF00);
    const QImage shot = form.grab().toImage();
    const auto pixelAt = [&](QWidget* control) {
        return QColor(shot.pixel(control->mapTo(&form, control->rect().center())));
    };
    EXPECT_EQ(pixelAt(named<ColourSwatch>(form, "gae")), QColor(255, 0, 128));
    EXPECT_EQ(pixelAt(named<ColourSwatch>(form, "nae")), QColor(255, 255, 255));
    EXPECT_EQ(pixelAt(named<ColourSwatch>(form, "clr")), QColor(0, 255, 0));
    EXPECT_FALSE(named<ColourSwatch>(form, "gae")->isEnabled());
}

} // namespace
} // namespace tintabel::testing
