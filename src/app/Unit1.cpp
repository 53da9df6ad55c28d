#include "app/Unit1.h"

#include "app/ApplySchemeDialog.h"
#include "app/ColourSchemeActions.h"
#include "app/ColourSourceReset.h"
#include "app/FmUserFolder.h"
#include "app/FocusOrder.h"
#include "app/ImageControl.h"
#include "app/InterfaceFont.h"
#include "app/Languages.h"
#include "app/ListBox.h"
#include "app/LogCategories.h"
#include "app/PaletteFiles.h"
#include "app/PreviewBackground.h"
#include "app/ReadabilityTracker.h"
#include "app/SchemeLoadPath.h"
#include "app/SecondaryWindows.h"
#include "app/SkinCatalogueHandlers.h"
#include "app/SlotViews.h"
#include "app/StartupSequence.h"
#include "app/StatusBar.h"
#include "app/UpdateCheck.h"
#include "app/Version.h"
#include "app/WindowHistory.h"
#include "app/WindowShortcuts.h"
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
#include <QShortcut>
#include <QWindow>

#include <filesystem>

namespace tintabel {

namespace {

FileDialogRequest fileDialog(
    const char* name, const char* filter, const char* defaultExtension = "")
{
    FileDialogRequest request;
    request.name = name;
    request.filter = filter;
    request.defaultExtension = defaultExtension;
    return request;
}

} // namespace

TForm1::TForm1(Services& services, QWidget* parent)
    : QWidget(parent)
    , od(fileDialog("od", "XML|*.xml"))
    , sv(fileDialog("sv", "XML files|*.xml", "xml"))
    , JvSaveDialog1(fileDialog(
          "JvSaveDialog1", (std::string("CTM files|*.ctm") + PaletteFiles::kFilter).c_str(), "ctm"))
    , j2(fileDialog("j2", (std::string("CTM File|*.ctm") + PaletteFiles::kFilter).c_str()))
    , opimg(fileDialog("opimg", "All supported formats|*.jpg;*.jpeg;*.png;*.bmp"))
    , m_services(services)
    , m_folders(services.programFile, services.environment, services.files)
    , m_workingFile(services.files, m_folders.state, m_slots)
    , m_workCopy {.tempFolder = m_folders.temp, .path = {}}
    , m_reader(services.files, m_workCopy, m_slots,
          [this](std::size_t index, std::int32_t alpha) { SampleRender(index, alpha); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(version::kWindowTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(interfaceFont());

    m_controls.create(*this, services.messages);
    m_preview = std::make_unique<PreviewSamples>(
        *m_controls.GroupBox1, *m_controls.re, m_slots, &StatusBar::setHint);
    m_editors = std::make_unique<ChannelEditors>(
        *m_controls.re, *m_controls.ge, *m_controls.be, *m_controls.hex, *m_controls.alp,
        *m_controls.clr, *m_controls.plt, m_slots, *m_preview, [this] { data(); },
        services.messages);
    m_selection = std::make_unique<SlotSelection>(m_slots, *m_editors);
    ColorPickerDialog1 = std::make_unique<ColorPickerDialog>(services.messages, services.registry,
        std::filesystem::path(services.programFile).filename().string(), this);
    m_reset = std::make_unique<ColourSourceReset>(m_source, m_slots, *m_editors, *m_controls.sctbt,
        *m_controls.loadbt, *m_controls.savebt, *m_controls.sxmlbt);
    m_slotViews = std::make_unique<SlotViews>(
        m_slots, m_controls.swatches, m_controls.slotButtons, services.messages);
    m_languages
        = std::make_unique<Languages>(*this, m_folders.data, services.registry, services.shell);
    const InterfaceTexts& texts = m_languages->texts();
    m_update
        = std::make_unique<UpdateCheck>(services, *m_controls.StatusBar1, texts, m_folders.cache);
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
        .manrb = *m_controls.manrb,
        .skinrb = *m_controls.skinrb,
        .Label8 = *m_controls.Label8,
        .lsbt = *m_controls.lsbt,
        .lista1 = *m_controls.lista1,
        .ListBox2 = *m_controls.ListBox2,
        .savebt = *m_controls.savebt,
        .sxmlbt = *m_controls.sxmlbt,
    });
    m_fmUserFolder = std::make_unique<FmUserFolder>(FmUserFolder::Parts {
        .services = services,
        .catalogue = *m_catalogue,
        .texts = texts,
        .dataFolder = m_folders.data,
        .window = *this,
        .StatusBar1 = *m_controls.StatusBar1,
        .spbt = *m_controls.spbt,
        .skinrb = *m_controls.skinrb,
        .manrb = *m_controls.manrb,
        .Label8 = *m_controls.Label8,
        .Image1 = *m_controls.Image1,
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
        .ListBox2 = *m_controls.ListBox2,
        .manrb = *m_controls.manrb,
        .savebt = *m_controls.savebt,
        .od = od,
        .sv = sv,
    });
    m_background = std::make_unique<PreviewBackground>(
        *m_controls.Image1, services.dialogs, services.pictures, opimg);
    m_layout = std::make_unique<PreviewLayout>(*m_controls.Image1, *m_preview, services.messages);
    // The scheme loader is also handed a typed name of a file that is not there.
    j2.mayNotExist = true;
    m_loadPath = std::make_unique<SchemeLoadPath>(m_slots, *m_preview, m_workingFile, *m_selection);
    m_schemes = std::make_unique<ColourSchemeActions>(ColourSchemeActions::Parts {
        .services = services,
        .slotModel = m_slots,
        .workingFile = m_workingFile,
        .preview = *m_preview,
        .selection = *m_selection,
        .loadPath = *m_loadPath,
        .JvSaveDialog1 = JvSaveDialog1,
        .j2 = j2,
    });
    m_readability = std::make_unique<ReadabilityTracker>(ReadabilityTracker::Parts {
        .slotModel = m_slots,
        .preview = *m_preview,
        .texts = texts,
        .messages = services.messages,
        .window = *this,
        .GroupBox1 = *m_controls.GroupBox1,
        .Image1 = *m_controls.Image1,
        .engimg = *m_controls.engimg,
        .polimg = *m_controls.polimg,
    });
    m_history = std::make_unique<WindowHistory>(*this, m_slots,
        std::array {m_controls.re, m_controls.ge, m_controls.be, m_controls.hex, m_controls.alp},
        *m_loadPath, services.messages);
    connectHandlers();
    new WindowShortcuts(*this,
        {*m_controls.lsbt, *m_controls.savebt, *m_controls.sxmlbt, *m_controls.helpbt,
            *m_controls.exitbt});
    applyFocusOrder(*this);

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
        .StatusBar1 = *m_controls.StatusBar1,
        .logoimg = *m_controls.logoimg,
        .engimg = *m_controls.engimg,
        .polimg = *m_controls.polimg,
    };
}

ApplySchemeDialog& TForm1::applySkins()
{
    if (!m_applySkins) {
        m_applySkins = std::make_unique<ApplySchemeDialog>(
            ApplySchemeDialog::Parts {
                m_services, m_languages->texts(), m_slots, m_catalogue->userFolder()},
            this);
    }
    return *m_applySkins;
}

void TForm1::connectHandlers()
{
    MessageBoxes& messages = m_services.messages;
    const auto onClick = [this, &messages](QPushButton* button, auto handler) {
        connect(
            button, &QPushButton::clicked, this, guarded(messages, [handler](bool) { handler(); }));
    };
    onClick(m_controls.exitbt, [this] { close(); });
    onClick(m_controls.helpbt, [this] { m_languages->helpbtClick(); });
    onClick(m_controls.lsbt, [this] { m_xmlFiles->lsbtClick(); });
    onClick(m_controls.savebt, [this] { m_xmlFiles->savebtClick(); });
    onClick(m_controls.sxmlbt, [this] { m_xmlFiles->sxmlbtClick(); });
    connect(m_controls.engimg, &ImageControl::clicked, this,
        guarded(messages, [this] { m_languages->engimgClick(); }));
    connect(m_controls.polimg, &ImageControl::clicked, this,
        guarded(messages, [this] { m_languages->polimgClick(); }));
    connect(m_controls.StatusBar1, &StatusBar::clicked, this,
        guarded(messages, [this] { m_update->StatusBar1Click(); }));
    onClick(m_controls.aboutbt, [this] { m_secondaryWindows->aboutbtClick(); });
    onClick(m_controls.help2bt, [this] { m_secondaryWindows->help2btClick(); });
    onClick(m_controls.JvXPButton1, [this] { m_layout->JvXPButton1Click(); });
    onClick(m_controls.JvXPButton2, [this] { m_background->JvXPButton2Click(); });
    onClick(m_controls.readbt, [this] { m_readability->readbtClick(); });
    onClick(m_controls.sctbt, [this] { m_schemes->sctbtClick(); });
    onClick(m_controls.loadbt, [this] { m_schemes->loadbtClick(); });
    onClick(m_controls.applyskinsbt, [this] { applySkins().start(); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), this),
        &QShortcut::activated, this, guarded(messages, [this] { applySkins().start(); }));

    // A radio button's handler runs when it becomes the chosen one, by a click or from code.
    const auto onChosen = [this, &messages](QRadioButton* button, auto handler) {
        connect(button, &QRadioButton::toggled, this, guarded(messages, [handler](bool on) {
            if (on)
                handler();
        }));
    };
    const auto onLineClick = [this, &messages](ListBox* list, auto handler) {
        connect(list, &ListBox::chosen, this, guarded(messages, handler));
    };
    onClick(m_controls.spbt, [this] { m_fmUserFolder->spbtClick(); });
    onClick(m_controls.resbt, [this] { m_fmUserFolder->resbtClick(); });
    onChosen(m_controls.cbfm2009, [this] { m_fmUserFolder->cbfm2009Click(); });
    onChosen(m_controls.manrb, [this] { m_catalogue->manrbClick(); });
    onChosen(m_controls.skinrb, [this] { m_catalogue->skinrbClick(); });
    onLineClick(m_controls.lista1, [this](int row) { m_catalogue->lista1Click(row); });
    onLineClick(m_controls.ListBox2, [this](int row) { m_catalogue->ListBox2Click(row); });

    // The user's clicks on the slots' radio buttons, named larb ... petrb after the slot table;
    // selecting from code goes through selectSlot.
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        connect(m_controls.slotButtons[index], &QRadioButton::clicked, this,
            guarded(messages, [this, index](bool) { m_selection->click(index); }));
    }
    onClick(m_controls.plt, [this] {
        m_controls.clr->setColour(m_editors->colourOfTexts());
        const auto choice = pltClick(*ColorPickerDialog1,
            {m_controls.re->text().toStdString(), m_controls.ge->text().toStdString(),
                m_controls.be->text().toStdString()});
        if (!choice)
            return;
        m_editors->write(*m_controls.re, QString::fromStdString(choice->texts.red));
        m_editors->write(*m_controls.ge, QString::fromStdString(choice->texts.green));
        m_editors->write(*m_controls.be, QString::fromStdString(choice->texts.blue));
        m_controls.clr->setColour(choice->colour);
    });

    // The group of the editors belongs to the preview, whose pictures are dragged there: a press
    // on it never moves the window.
    m_controls.GroupBox1->setAttribute(Qt::WA_NoMousePropagation);
    for (QWidget* handle :
        {static_cast<QWidget*>(m_controls.logoimg), static_cast<QWidget*>(m_controls.GroupBox2),
            static_cast<QWidget*>(m_controls.GroupBox3)})
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
    if (press
        && (watched == m_controls.logoimg || watched == m_controls.GroupBox2
            || watched == m_controls.GroupBox3)) {
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
    m_update->abandon();
    // The temporary folder is only a scratch area: a failure to remove it is of no concern to the
    // user.
    try {
        if (!m_folders.temp.empty() && !m_services.files.deleteTree(m_folders.temp, ""))
            qCWarning(logFiles) << "The temp folder could not be removed whole";
    } catch (...) {
        logCurrentFailure(logFiles(), "Removing the temp folder");
    }
    event->accept();
}

} // namespace tintabel
