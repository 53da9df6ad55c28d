#include "app/Unit1.h"

#include "app/ColourSchemeActions.h"
#include "app/ColourSourceReset.h"
#include "app/EmbeddedPicture.h"
#include "app/FmUserFolder.h"
#include "app/GroupFrame.h"
#include "app/ImageControl.h"
#include "app/InterfaceFont.h"
#include "app/Languages.h"
#include "app/LogCategories.h"
#include "app/PreviewBackground.h"
#include "app/SecondaryWindows.h"
#include "app/SkinCatalogueHandlers.h"
#include "app/SlotViews.h"
#include "app/StartupSequence.h"
#include "app/StatusBar.h"
#include "app/UpdateCheck.h"
#include "app/XmlFileActions.h"
#include "editor/ChannelEditors.h"
#include "editor/ColourSwatch.h"
#include "editor/PreviewLayout.h"
#include "editor/PreviewSamples.h"
#include "editor/SlotSelection.h"
#include "picker/ColorPickerDialog.h"
#include "picker/PaletteButton.h"
#include "picker/UColorForm.h"
#include "platform/FileSystem.h"
#include "platform/GeneralErrorBox.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <filesystem>

namespace tintabel {

namespace {

enum class Parent { Window, Colours, Options, XmlFiles };

// A width or height of 0 leaves the control at the size of its content.
struct LabelRow {
    QLabel* TForm1::*control;
    const char* name;
    Parent parent;
    QRect place;
    const char* caption;
    QRgb colour = 0; // 0 keeps the palette's
    int fontPixels = 0; // 0 keeps the window's
};

template<class Button> struct ButtonRow {
    using Control = Button;
    Button* TForm1::*control;
    const char* name;
    Parent parent;
    QRect place;
    const char* caption;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
};

struct EditRow {
    QLineEdit* TForm1::*control;
    const char* name;
    QRect place;
    const char* text;
};

struct ListRow {
    QListWidget* TForm1::*control;
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

FileDialogRequest fileDialog(
    const char* name, const char* filter, const char* defaultExtension = "")
{
    FileDialogRequest request;
    request.name = name;
    request.filter = filter;
    request.defaultExtension = defaultExtension;
    return request;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, QRect geometry, const char* title)
{
    return place(new GroupFrame(QString::fromUtf8(title), parent), name, geometry);
}

} // namespace

// A nested class, so that its tables may name the private controls.
struct TForm1::Design {
    static inline const LabelRow kLabels[] = {
        {&TForm1::Label1, "Label1", Parent::Colours, {8, 16, 0, 0}, "R", qRgb(255, 0, 0), 13},
        {&TForm1::Label2, "Label2", Parent::Colours, {64, 16, 0, 0}, "G", qRgb(0, 128, 0), 13},
        {&TForm1::Label3, "Label3", Parent::Colours, {120, 16, 0, 0}, "B", qRgb(0, 0, 255), 13},
        {&TForm1::Label7, "Label7", Parent::Colours, {176, 16, 0, 0}, "A", qRgb(0, 0, 0), 13},
        {&TForm1::Label4, "Label4", Parent::Colours, {8, 43, 0, 0}, "#"},
        {&TForm1::Label5, "Label5", Parent::Colours, {8, 72, 0, 0}, "Simple preview with alpha: "},
        {&TForm1::Label6, "Label6", Parent::Colours, {168, 72, 0, 0}, "Colours"},
        {&TForm1::sllb, "sllb", Parent::XmlFiles, {8, 108, 0, 0}, "Skins list:"},
        {&TForm1::ctllb, "ctllb", Parent::XmlFiles, {128, 108, 0, 0},
            "(click to load settings.xml)"},
        {&TForm1::Label8, "Label8", Parent::Window, {24, 320, 0, 0}, ""},
    };

    static inline const ButtonRow<QPushButton> kButtons[] = {
        {&TForm1::plt, "plt", Parent::Colours, {240, 16, kDefaultWidth, 29}, "Palett", false},
        {&TForm1::sctbt, "sctbt", Parent::Colours, {8, 274, 129, 23}, "Save Colour Scheme", false},
        {&TForm1::loadbt, "loadbt", Parent::Colours, {144, 273, 113, 23}, "Load...", false},
        {&TForm1::JvXPButton1, "JvXPButton1", Parent::Colours, {8, 250, 89, kButtonHeight},
            "Reset positions"},
        {&TForm1::JvXPButton2, "JvXPButton2", Parent::Colours, {100, 250, 101, kButtonHeight},
            "Wczytaj tlo"},
        {&TForm1::helbp1bt, "helbp1bt", Parent::Colours, {312, 16, 17, 17}, "?", true, false},
        {&TForm1::spbt, "spbt", Parent::Options, {8, 52, 161, kButtonHeight},
            "Set path to \"FM user folder\""},
        {&TForm1::resbt, "resbt", Parent::Options, {176, 52, 57, kButtonHeight}, "<<reset"},
        {&TForm1::helpbt, "helpbt", Parent::Options, {8, 80, 65, kButtonHeight}, "Help"},
        {&TForm1::aboutbt, "aboutbt", Parent::Options, {80, 80, kDefaultWidth, kButtonHeight},
            "About"},
        {&TForm1::exitbt, "exitbt", Parent::Options, {160, 80, kDefaultWidth, kButtonHeight},
            "Exit"},
        {&TForm1::help2bt, "help2bt", Parent::Options, {236, 52, 17, 17}, "?", true, false},
        {&TForm1::lsbt, "lsbt", Parent::XmlFiles, {8, 16, 137, 25}, "Load XML"},
        {&TForm1::savebt, "savebt", Parent::XmlFiles, {8, 40, 137, 25}, "Save to XML file", false},
        {&TForm1::sxmlbt, "sxmlbt", Parent::XmlFiles, {160, 170, 89, kButtonHeight},
            "Save XML to skin", false},
        {&TForm1::helbp3bt, "helbp3bt", Parent::XmlFiles, {236, 16, 17, 17}, "?", true, false},
        {&TForm1::Button1, "Button1", Parent::Window, {0, 0, 75, 25}, "Button1", true, false},
    };

    static inline const ButtonRow<QRadioButton> kRadios[] = {
        {&TForm1::cbfm2009, "cbfm2009", Parent::Options, {16, 24, 113, kRadioHeight}, "FM 2009",
            true, true, true},
        {&TForm1::cbfm2008, "cbfm2008", Parent::Options, {16, 33, 113, kRadioHeight},
            "FM 2008 (in future version)", false, false},
        {&TForm1::manrb, "manrb", Parent::XmlFiles, {8, 72, 169, kRadioHeight}, "Load XML manual",
            true, true, true},
        {&TForm1::skinrb, "skinrb", Parent::XmlFiles, {8, 88, 169, kRadioHeight},
            "Load XML from skin", false},
    };

    static inline const EditRow kEditors[] = {
        {&TForm1::re, "re", {24, 16, 33, 19}, "0"},
        {&TForm1::ge, "ge", {80, 16, 33, 19}, "0"},
        {&TForm1::be, "be", {136, 16, 33, 19}, "0"},
        {&TForm1::alp, "alp", {192, 16, 33, 19}, "255"},
        {&TForm1::hex, "hex", {16, 40, 49, 19}, ""},
    };

    static inline const ListRow kLists[] = {
        {&TForm1::lista1, "lista1", {8, 120, 113, 49}},
        {&TForm1::ListBox2, "ListBox2", {128, 120, 121, 49}},
        {&TForm1::lista2, "lista2", {}, false},
        {&TForm1::lista3, "lista3", {}, false},
        {&TForm1::lista10, "lista10", {}, false},
    };
};

TForm1::TForm1(Services& services, QWidget* parent)
    : QWidget(parent)
    , od(fileDialog("od", "XML|*.xml"))
    , sv(fileDialog("sv", "XML files|*.xml", "xml"))
    , JvSaveDialog1(fileDialog("JvSaveDialog1", "CTM files|*.ctm", "ctm"))
    , j2(fileDialog("j2", "CTM File|*.ctm"))
    , opimg(fileDialog("opimg", "All supported formats|*.jpg;*.jpeg;*.png;*.bmp"))
    , m_services(services)
    , m_folders(services.programFile)
    , m_workingFile(services.files, m_folders.program, m_slots)
    , m_workCopy {.tempFolder = m_folders.temp, .path = {}}
    , m_reader(services.files, m_workCopy, m_slots,
          [this](std::size_t index, std::int32_t alpha) { SampleRender(index, alpha); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Veldo Tintabel 2 beta5"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(interfaceFont());

    createControls();
    m_preview = std::make_unique<PreviewSamples>(*GroupBox1, *re, m_slots, &StatusBar::setHint);
    m_editors = std::make_unique<ChannelEditors>(
        *re, *ge, *be, *hex, *alp, *clr, *plt, m_slots, *m_preview, [this] { data(); },
        services.messages);
    m_selection = std::make_unique<SlotSelection>(m_slots, *m_editors);
    ColorPickerDialog1 = std::make_unique<ColorPickerDialog>(services.messages, services.registry,
        std::filesystem::path(services.programFile).filename().string(), this);
    m_reset = std::make_unique<ColourSourceReset>(m_source, m_slots, *m_editors, *sctbt, *loadbt);
    m_slotViews = std::make_unique<SlotViews>(m_slots, swatches, slotButtons, services.messages);
    m_languages
        = std::make_unique<Languages>(*this, m_folders.program, services.registry, services.shell);
    const InterfaceTexts& texts = m_languages->texts();
    m_update = std::make_unique<UpdateCheck>(services, *StatusBar1, texts, m_folders.program);
    m_secondaryWindows = std::make_unique<SecondaryWindows>();
    m_catalogue = std::make_unique<SkinCatalogueHandlers>(SkinCatalogueHandlers::Parts {
        .services = services,
        .folders = m_folders,
        .source = m_source,
        .reset = *m_reset,
        .reader = m_reader,
        .workingFile = m_workingFile,
        .preview = *m_preview,
        .selection = *m_selection,
        .manrb = *manrb,
        .skinrb = *skinrb,
        .Label8 = *Label8,
        .lsbt = *lsbt,
        .lista1 = *lista1,
        .ListBox2 = *ListBox2,
        .savebt = *savebt,
        .sxmlbt = *sxmlbt,
    });
    m_fmUserFolder = std::make_unique<FmUserFolder>(FmUserFolder::Parts {
        .services = services,
        .catalogue = *m_catalogue,
        .texts = texts,
        .programFolder = m_folders.program,
        .window = *this,
        .StatusBar1 = *StatusBar1,
        .spbt = *spbt,
        .skinrb = *skinrb,
        .manrb = *manrb,
        .Label8 = *Label8,
        .Image1 = *Image1,
    });
    m_xmlFiles = std::make_unique<XmlFileActions>(XmlFileActions::Parts {
        .services = services,
        .folders = m_folders,
        .texts = texts,
        .source = m_source,
        .reset = *m_reset,
        .reader = m_reader,
        .workCopy = m_workCopy,
        .slotModel = m_slots,
        .workingFile = m_workingFile,
        .preview = *m_preview,
        .selection = *m_selection,
        .catalogue = *m_catalogue,
        .ListBox2 = *ListBox2,
        .manrb = *manrb,
        .savebt = *savebt,
        .od = od,
        .sv = sv,
    });
    m_background
        = std::make_unique<PreviewBackground>(*Image1, services.dialogs, services.pictures, opimg);
    m_layout = std::make_unique<PreviewLayout>(*Image1, *m_preview, services.messages);
    // The scheme loader is also handed a typed name of a file that is not there.
    j2.mayNotExist = true;
    m_schemes = std::make_unique<ColourSchemeActions>(ColourSchemeActions::Parts {
        .services = services,
        .slotModel = m_slots,
        .workingFile = m_workingFile,
        .preview = *m_preview,
        .selection = *m_selection,
        .JvSaveDialog1 = JvSaveDialog1,
        .j2 = j2,
    });
    connectHandlers();

    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());

    StartupSequence(startupParts()).run();
}

TForm1::~TForm1() = default;

StartupSequence::Parts TForm1::startupParts()
{
    return {
        .services = m_services,
        .folders = m_folders,
        .languages = *m_languages,
        .update = *m_update,
        .fmUserFolder = *m_fmUserFolder,
        .preview = *m_preview,
        .window = *this,
        .StatusBar1 = *StatusBar1,
        .logoimg = *logoimg,
        .engimg = *engimg,
        .polimg = *polimg,
    };
}

void TForm1::createControls()
{
    logoimg = place(new ImageControl(this), "logoimg", {3, 5, 116, 299});
    GroupBox1 = makeGroup(this, "GroupBox1", {122, 0, 335, 305}, "Colours manager");
    GroupBox2 = makeGroup(this, "GroupBox2", {462, 200, 259, 105}, "Options");
    GroupBox3 = makeGroup(this, "GroupBox3", {462, 0, 259, 201}, "Load/Save XML");
    StatusBar1 = place(new StatusBar(this), "StatusBar1", {0, 305, 724, 19});
    const auto parentOf = [this](Parent parent) -> QWidget* {
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
        return this;
    };

    // The background goes under every other control of its group.
    Image1 = place(new ImageControl(GroupBox1, true), "Image1", {8, 88, 150, 160});
    Image1->setCursor(Qt::DragMoveCursor);
    showErrors(m_services.messages, [this] {
        Image1->setPicture(loadEmbeddedPicture(QStringLiteral(":/pictures/background.png")));
    });

    for (const LabelRow& row : Design::kLabels) {
        auto* label = place(
            new QLabel(QString::fromUtf8(row.caption), parentOf(row.parent)), row.name, row.place);
        if (row.fontPixels) {
            QFont larger = label->font();
            larger.setPixelSize(row.fontPixels);
            label->setFont(larger);
        }
        if (row.colour) {
            QPalette colours = label->palette();
            colours.setColor(QPalette::WindowText, QColor::fromRgb(row.colour));
            label->setPalette(colours);
        }
        label->adjustSize();
        this->*row.control = label;
    }
    Label8->hide();

    for (const EditRow& row : Design::kEditors) {
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
    makeButtons(Design::kButtons);
    makeButtons(Design::kRadios);

    for (const ListRow& row : Design::kLists) {
        auto* list = place(new QListWidget(GroupBox3), row.name, row.place);
        list->setVisible(row.visible);
        this->*row.control = list;
    }
    QPalette grey = lista1->palette();
    grey.setColor(QPalette::Base, QColor(0xF5, 0xF5, 0xF5));
    lista1->setPalette(grey);

    engimg = place(new ImageControl(GroupBox2), "engimg", {160, 16, 41, 25});
    polimg = place(new ImageControl(GroupBox2), "polimg", {208, 16, 41, 25});
    engimg->setCursor(Qt::PointingHandCursor);
    polimg->setCursor(Qt::PointingHandCursor);
}

void TForm1::connectHandlers()
{
    MessageBoxes& messages = m_services.messages;
    const auto onClick = [this, &messages](QPushButton* button, auto handler) {
        connect(
            button, &QPushButton::clicked, this, guarded(messages, [handler](bool) { handler(); }));
    };
    onClick(exitbt, [this] { close(); });
    onClick(helpbt, [this] { m_languages->helpbtClick(); });
    onClick(lsbt, [this] { m_xmlFiles->lsbtClick(); });
    onClick(savebt, [this] { m_xmlFiles->savebtClick(); });
    onClick(sxmlbt, [this] { m_xmlFiles->sxmlbtClick(); });
    connect(engimg, &ImageControl::clicked, this,
        guarded(messages, [this] { m_languages->engimgClick(); }));
    connect(polimg, &ImageControl::clicked, this,
        guarded(messages, [this] { m_languages->polimgClick(); }));
    connect(StatusBar1, &StatusBar::clicked, this,
        guarded(messages, [this] { m_update->StatusBar1Click(); }));
    onClick(aboutbt, [this] { m_secondaryWindows->aboutbtClick(); });
    onClick(help2bt, [this] { m_secondaryWindows->help2btClick(); });
    onClick(JvXPButton1, [this] { m_layout->JvXPButton1Click(); });
    onClick(JvXPButton2, [this] { m_background->JvXPButton2Click(); });
    onClick(sctbt, [this] { m_schemes->sctbtClick(); });
    onClick(loadbt, [this] { m_schemes->loadbtClick(); });

    // A radio button's handler runs when it becomes the chosen one, by a click or from code.
    const auto onChosen = [this, &messages](QRadioButton* button, auto handler) {
        connect(button, &QRadioButton::toggled, this, guarded(messages, [handler](bool on) {
            if (on)
                handler();
        }));
    };
    const auto onLineClick = [this, &messages](QListWidget* list, auto handler) {
        connect(list, &QListWidget::itemClicked, this,
            guarded(
                messages, [list, handler](QListWidgetItem* item) { handler(list->row(item)); }));
    };
    onClick(spbt, [this] { m_fmUserFolder->spbtClick(); });
    onClick(resbt, [this] { m_fmUserFolder->resbtClick(); });
    onChosen(cbfm2009, [this] { m_fmUserFolder->cbfm2009Click(); });
    onChosen(manrb, [this] { m_catalogue->manrbClick(); });
    onChosen(skinrb, [this] { m_catalogue->skinrbClick(); });
    onLineClick(lista1, [this](int row) { m_catalogue->lista1Click(row); });
    onLineClick(ListBox2, [this](int row) { m_catalogue->ListBox2Click(row); });

    // The user's clicks on the slots' radio buttons, named larb ... petrb after the slot table;
    // selecting from code goes through selectSlot.
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        connect(slotButtons[index], &QRadioButton::clicked, this,
            guarded(messages, [this, index](bool) { m_selection->click(index); }));
    }
    onClick(plt, [this] {
        clr->setColour(m_editors->colourOfTexts());
        const auto choice = pltClick(*ColorPickerDialog1,
            {re->text().toStdString(), ge->text().toStdString(), be->text().toStdString()});
        if (!choice)
            return;
        m_editors->write(*re, QString::fromStdString(choice->texts.red));
        m_editors->write(*ge, QString::fromStdString(choice->texts.green));
        m_editors->write(*be, QString::fromStdString(choice->texts.blue));
        clr->setColour(choice->colour);
    });

    // The group of the editors belongs to the preview, whose pictures are dragged there: a press
    // on it never moves the window.
    GroupBox1->setAttribute(Qt::WA_NoMousePropagation);
    for (QWidget* handle : {static_cast<QWidget*>(logoimg), static_cast<QWidget*>(GroupBox2),
             static_cast<QWidget*>(GroupBox3)})
        handle->installEventFilter(this);
}

void TForm1::unload()
{
    m_reset->unload();
}

void TForm1::data()
{
    m_workingFile.data();
}

void TForm1::SampleClearAll()
{
    m_preview->clearAll();
}

void TForm1::SampleRender(std::size_t index, std::int32_t alpha)
{
    m_preview->render(index, alpha);
}

void TForm1::selectSlot(std::size_t index)
{
    m_selection->select(index);
}

void TForm1::load(const std::string& path)
{
    m_reader.load(path, m_source.docFileName);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const bool press
        = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && (watched == logoimg || watched == GroupBox2 || watched == GroupBox3)) {
        showErrors(m_services.messages, [this] { startWindowMove(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    showErrors(m_services.messages, [this] { startWindowMove(); });
}

void TForm1::startWindowMove()
{
    emit moveRequested();
    if (QWindow* window = windowHandle())
        window->startSystemMove();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The temporary folder is only a scratch area: a failure to remove it is of no concern to the
    // user.
    try {
        if (!m_services.files.deleteTree(m_folders.program, "temp"))
            qCWarning(logFiles) << "The temp folder could not be removed whole";
    } catch (...) {
        logCurrentFailure(logFiles(), "Removing the temp folder");
    }
    event->accept();
}

} // namespace tintabel
