#include "app/Languages.h"

#include "app/LanguageTexts.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <stdexcept>
#include <utility>

namespace tintabel {

namespace {

struct CaptionName {
    std::string InterfaceTexts::*text;
    const char* control;
};

// The texts that are captions; the other four are messages, read when they are shown.
constexpr CaptionName kCaptions[] = {
    {&InterfaceTexts::txtColourManager, "GroupBox1"},
    {&InterfaceTexts::txtLoadSaveXml, "GroupBox3"},
    {&InterfaceTexts::txtOptions, "GroupBox2"},
    {&InterfaceTexts::txtSamplePreview, "Label5"},
    {&InterfaceTexts::txtColours, "Label6"},
    {&InterfaceTexts::txtSkinList, "sllb"},
    {&InterfaceTexts::txtClickToLoad, "ctllb"},
    {&InterfaceTexts::txtPalette, "plt"},
    {&InterfaceTexts::txtResetPositions, "JvXPButton1"},
    {&InterfaceTexts::txtLoadBackground, "JvXPButton2"},
    {&InterfaceTexts::txtReadability, "readbt"},
    {&InterfaceTexts::txtSaveScheme, "sctbt"},
    {&InterfaceTexts::txtLoadScheme, "loadbt"},
    {&InterfaceTexts::txtLoadXml, "lsbt"},
    {&InterfaceTexts::txtSaveXmlAs, "savebt"},
    {&InterfaceTexts::txtSaveToSkin, "sxmlbt"},
    {&InterfaceTexts::txtHelp, "helpbt"},
    {&InterfaceTexts::txtAbout, "aboutbt"},
    {&InterfaceTexts::txtClose, "exitbt"},
    {&InterfaceTexts::txtLocateFolder, "spbt"},
    {&InterfaceTexts::txtLoadManually, "manrb"},
    {&InterfaceTexts::txtLoadFromSkin, "skinrb"},
    {&InterfaceTexts::txtApplyToSkins, "applyskinsbt"},
};

void setCaption(QWidget& control, const QString& caption)
{
    if (auto* group = qobject_cast<QGroupBox*>(&control))
        group->setTitle(caption);
    else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(caption);
        label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(caption);
    else
        throw std::logic_error("no caption on " + control.objectName().toStdString());
}

} // namespace

Languages::Languages(QWidget& window, std::string dataFolder, Registry& registry, Shell& shell)
    : m_dataFolder(std::move(dataFolder))
    , m_registry(registry)
    , m_shell(shell)
{
    for (const CaptionName& caption : kCaptions) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(caption.control));
        if (!control)
            throw std::logic_error(std::string("the window has no ") + caption.control);
        m_captions.push_back({caption.text, control});
    }
}

void Languages::apply(const InterfaceTexts& texts)
{
    m_texts = texts;
    for (const Caption& caption : m_captions)
        setCaption(*caption.control, QString::fromStdString(m_texts.*caption.text));
}

void Languages::angielski()
{
    m_toolkit.english();
    apply(englishTexts());
}

void Languages::polski()
{
    m_toolkit.polish();
    apply(polishTexts());
}

void Languages::applyStoredLanguage()
{
    m_languageName = m_registry.readString(RegistryRoot::LocalMachine, kKey, kValue);
    if (m_languageName.empty() || m_languageName == "English")
        angielski();
    else if (m_languageName == "Polish")
        polski();
}

void Languages::switchTo(std::string_view name, void (Languages::*applyLanguage)())
{
    m_registry.writeString(RegistryRoot::LocalMachine, kKey, kValue, name);
    m_languageName = m_registry.readString(RegistryRoot::LocalMachine, kKey, kValue);
    (this->*applyLanguage)();
}

void Languages::engimgClick()
{
    switchTo("English", &Languages::angielski);
}

void Languages::polimgClick()
{
    switchTo("Polish", &Languages::polski);
}

void Languages::helpbtClick()
{
    // With nothing stored the window speaks English, so English help is what the user expects.
    if (m_languageName == "Polish")
        m_shell.open(m_dataFolder + "\\help\\pomoc.html", ShowWindow::Normal);
    else if (m_languageName == "English" || m_languageName.empty())
        m_shell.open(m_dataFolder + "\\help\\help.html", ShowWindow::Normal);
}

} // namespace tintabel
