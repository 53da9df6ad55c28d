#include "app/MainWindowControls.h"

#include "app/DesignedTextColour.h"
#include "app/EmbeddedPicture.h"
#include "app/GroupFrame.h"
#include "app/ImageControl.h"
#include "app/ListBox.h"
#include "app/StatusBar.h"
#include "editor/ColourSwatch.h"
#include "platform/GeneralErrorBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>

namespace tintabel {

namespace {

enum class Parent { Window, Colours, Options, XmlFiles };

// A width or height of 0 leaves the control at the size of its content.
struct LabelRow {
    QLabel* MainWindowControls::*control;
    const char* name;
    Parent parent;
    QRect place;
    const char* caption;
    QRgb colour = 0; // 0 keeps the palette's
    int fontPixels = 0; // 0 keeps the window's
};

template<class Button> struct ButtonRow {
    using Control = Button;
    Button* MainWindowControls::*control;
    const char* name;
    Parent parent;
    QRect place;
    const char* caption;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

struct EditRow {
    QLineEdit* MainWindowControls::*control;
    const char* name;
    QRect place;
    const char* text;
};

struct ListRow {
    ListBox* MainWindowControls::*control;
    const char* name;
    QRect place;
    bool visible = true;
};

// Where no height is laid down, buttons take the 21 pixels of the flat toolkit buttons.
constexpr int kButtonHeight = 21;
constexpr int kDefaultWidth = 73;
constexpr int kRadioHeight = 17;
constexpr int kSlotRowTop = 89;
constexpr int kSlotRowStep = 20;

template<class Control> Control* place(Control* control, const char* name, QRect geometry)
{
    control->setObjectName(QString::fromLatin1(name));
    if (geometry.width() > 0)
        control->setGeometry(geometry);
    else
        control->move(geometry.topLeft());
    return control;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, QRect geometry, const char* title)
{
    return place(new GroupFrame(QString::fromUtf8(title), parent), name, geometry);
}

const LabelRow kLabels[] = {
    {&MainWindowControls::Label1, "Label1", Parent::Colours, {8, 16, 0, 0}, "R", qRgb(255, 0, 0),
        13},
    {&MainWindowControls::Label2, "Label2", Parent::Colours, {64, 16, 0, 0}, "G", qRgb(0, 128, 0),
        13},
    {&MainWindowControls::Label3, "Label3", Parent::Colours, {120, 16, 0, 0}, "B", qRgb(0, 0, 255),
        13},
    {&MainWindowControls::Label7, "Label7", Parent::Colours, {176, 16, 0, 0}, "A", qRgb(0, 0, 0),
        13},
    {&MainWindowControls::Label4, "Label4", Parent::Colours, {8, 43, 0, 0}, "#"},
    {&MainWindowControls::Label5, "Label5", Parent::Colours, {8, 72, 0, 0},
        "Simple preview with alpha: "},
    {&MainWindowControls::Label6, "Label6", Parent::Colours, {168, 72, 0, 0}, "Colours"},
    {&MainWindowControls::sllb, "sllb", Parent::XmlFiles, {8, 108, 0, 0}, "Skins list:"},
    {&MainWindowControls::ctllb, "ctllb", Parent::XmlFiles, {128, 108, 0, 0},
        "(click to load settings.xml)"},
    {&MainWindowControls::Label8, "Label8", Parent::Window, {24, 320, 0, 0}, ""},
};

const ButtonRow<QPushButton> kButtons[] = {
    {&MainWindowControls::plt, "plt", Parent::Colours, {240, 16, kDefaultWidth, 29}, "Palett",
        false},
    {&MainWindowControls::sctbt, "sctbt", Parent::Colours, {8, 274, 129, 23}, "Save Colour Scheme",
        false},
    {&MainWindowControls::loadbt, "loadbt", Parent::Colours, {144, 273, 113, 23}, "Load...", false},
    {&MainWindowControls::JvXPButton1, "JvXPButton1", Parent::Colours, {8, 250, 89, kButtonHeight},
        "Reset positions"},
    {&MainWindowControls::JvXPButton2, "JvXPButton2", Parent::Colours,
        {100, 250, 101, kButtonHeight}, "Wczytaj tlo"},
    {&MainWindowControls::readbt, "readbt", Parent::Colours, {205, 250, 124, kButtonHeight},
        "Readability"},
    {&MainWindowControls::helbp1bt, "helbp1bt", Parent::Colours, {312, 16, 17, 17}, "?", true,
        false},
    {&MainWindowControls::spbt, "spbt", Parent::Options, {8, 52, 161, kButtonHeight},
        "Set path to \"FM user folder\""},
    {&MainWindowControls::resbt, "resbt", Parent::Options, {176, 52, 57, kButtonHeight}, "<<reset"},
    {&MainWindowControls::helpbt, "helpbt", Parent::Options, {8, 80, 65, kButtonHeight}, "Help"},
    {&MainWindowControls::aboutbt, "aboutbt", Parent::Options,
        {80, 80, kDefaultWidth, kButtonHeight}, "About"},
    {&MainWindowControls::exitbt, "exitbt", Parent::Options,
        {160, 80, kDefaultWidth, kButtonHeight}, "Exit"},
    {&MainWindowControls::help2bt, "help2bt", Parent::Options, {236, 52, 17, 17}, "?", true, false},
    {&MainWindowControls::lsbt, "lsbt", Parent::XmlFiles, {8, 16, 137, 25}, "Load XML"},
    {&MainWindowControls::savebt, "savebt", Parent::XmlFiles, {8, 40, 137, 25}, "Save to XML file",
        false},
    {&MainWindowControls::sxmlbt, "sxmlbt", Parent::XmlFiles, {160, 170, 89, kButtonHeight},
        "Save XML to skin", false},
    {&MainWindowControls::applyskinsbt, "applyskinsbt", Parent::XmlFiles,
        {8, 172, 148, kButtonHeight}, "Apply scheme to skins…"},
    {&MainWindowControls::helbp3bt, "helbp3bt", Parent::XmlFiles, {236, 16, 17, 17}, "?", true,
        false},
    {&MainWindowControls::Button1, "Button1", Parent::Window, {0, 0, 75, 25}, "Button1", true,
        false},
};

const ButtonRow<QRadioButton> kRadios[] = {
    {&MainWindowControls::cbfm2009, "cbfm2009", Parent::Options, {16, 24, 113, kRadioHeight},
        "FM 2009", true, true, true},
    {&MainWindowControls::cbfm2008, "cbfm2008", Parent::Options, {16, 33, 113, kRadioHeight},
        "FM 2008 (in future version)", false, false},
    {&MainWindowControls::manrb, "manrb", Parent::XmlFiles, {8, 72, 169, kRadioHeight},
        "Load XML manual", true, true, true},
    {&MainWindowControls::skinrb, "skinrb", Parent::XmlFiles, {8, 88, 169, kRadioHeight},
        "Load XML from skin", false},
};

const EditRow kEditors[] = {
    {&MainWindowControls::re, "re", {24, 16, 33, 19}, "0"},
    {&MainWindowControls::ge, "ge", {80, 16, 33, 19}, "0"},
    {&MainWindowControls::be, "be", {136, 16, 33, 19}, "0"},
    {&MainWindowControls::alp, "alp", {192, 16, 33, 19}, "255"},
    {&MainWindowControls::hex, "hex", {16, 40, 49, 19}, ""},
};

const ListRow kLists[] = {
    {&MainWindowControls::lista1, "lista1", {8, 120, 113, 49}},
    {&MainWindowControls::ListBox2, "ListBox2", {128, 120, 121, 49}},
    {&MainWindowControls::lista2, "lista2", {}, false},
    {&MainWindowControls::lista3, "lista3", {}, false},
    {&MainWindowControls::lista10, "lista10", {}, false},
};

} // namespace

void MainWindowControls::create(QWidget& window, MessageBoxes& messages)
{
    logoimg = place(new ImageControl(&window), "logoimg", {3, 5, 116, 299});
    GroupBox1 = makeGroup(&window, "GroupBox1", {122, 0, 335, 305}, "Colours manager");
    GroupBox2 = makeGroup(&window, "GroupBox2", {462, 200, 259, 105}, "Options");
    GroupBox3 = makeGroup(&window, "GroupBox3", {462, 0, 259, 201}, "Load/Save XML");
    StatusBar1 = place(new StatusBar(&window), "StatusBar1", {0, 305, 724, 19});
    const auto parentOf = [this, &window](Parent parent) -> QWidget* {
        switch (parent) {
        case Parent::Colours:
            return GroupBox1;
        case Parent::Options:
            return GroupBox2;
        case Parent::XmlFiles:
            return GroupBox3;
        case Parent::Window:
            break;
        }
        return &window;
    };

    // The background goes under every other control of its group.
    Image1 = place(new ImageControl(GroupBox1, true), "Image1", {8, 88, 150, 160});
    Image1->setCursor(Qt::DragMoveCursor);
    showErrors(messages, [this] {
        Image1->setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/background.png")));
    });

    for (const LabelRow& row : kLabels) {
        auto* label = place(
            new QLabel(QString::fromUtf8(row.caption), parentOf(row.parent)), row.name, row.place);
        if (row.fontPixels) {
            QFont larger = label->font();
            larger.setPixelSize(row.fontPixels);
            label->setFont(larger);
        }
        if (row.colour)
            DesignedTextColour::apply(*label, QColor::fromRgb(row.colour));
        label->adjustSize();
        this->*row.control = label;
    }
    Label8->hide();

    for (const EditRow& row : kEditors) {
        auto* editor
            = place(new QLineEdit(QString::fromLatin1(row.text), GroupBox1), row.name, row.place);
        editor->setEnabled(false);
        this->*row.control = editor;
    }
    clr = place(new ColourSwatch(GroupBox1), "clr", {72, 40, 25, 19});

    for (std::size_t index = 0; index < kSlotCount; ++index) {
        const ColourSlot& slot = kColourSlots[index];
        const int top = kSlotRowTop + kSlotRowStep * static_cast<int>(index);
        swatches[index]
            = place(new ColourSwatch(GroupBox1), slot.swatch.data(), {168, top, 33, 19});
        slotButtons[index] = place(
            new QRadioButton(
                QString::fromLatin1(slot.displayName.data(), slot.displayName.size()), GroupBox1),
            slot.radioButton.data(), {208, top + 1, 121, kRadioHeight});
    }

    const auto makeButtons = [&](const auto& rows) {
        for (const auto& row : rows) {
            using Button = typename std::remove_cvref_t<decltype(row)>::Control;
            auto* button = place(new Button(QString::fromUtf8(row.caption), parentOf(row.parent)),
                row.name, row.place);
            button->setEnabled(row.enabled);
            button->setVisible(row.visible);
            button->setChecked(row.checked);
            this->*row.control = button;
        }
    };
    makeButtons(kButtons);
    makeButtons(kRadios);

    for (const ListRow& row : kLists) {
        auto* list = place(new ListBox(GroupBox3), row.name, row.place);
        list->setVisible(row.visible);
        this->*row.control = list;
    }
    QPalette grey = lista1->palette();
    grey.setColor(QPalette::Base, QColor(0xF5, 0xF5, 0xF5));
    lista1->setPalette(grey);
    DesignedTextColour::apply(*lista1, Qt::black, QPalette::Text, QPalette::Base);

    engimg = place(new ImageControl(GroupBox2), "engimg", {160, 16, 41, 25});
    polimg = place(new ImageControl(GroupBox2), "polimg", {208, 16, 41, 25});
    engimg->setCursor(Qt::PointingHandCursor);
    polimg->setCursor(Qt::PointingHandCursor);
}

} // namespace tintabel
