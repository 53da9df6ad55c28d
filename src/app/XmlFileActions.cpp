#include "app/XmlFileActions.h"

#include "app/Unit1.h"
#include "colours/ColourXmlFormat.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Paths.h"
#include "platform/Services.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tintabel {

XmlFileActions::XmlFileActions(TForm1& form)
    : m_form(form)
    , m_reader(form.services().files, form.state(), form.slotModel(),
          [&form](std::size_t index, std::int32_t alpha) { form.SampleRender(index, alpha); })
    , m_writer(form.services().files, form.state(), form.slotModel())
{
}

void XmlFileActions::lsbtClick()
{
    Services& services = m_form.services();
    MainWindowState& state = m_form.state();
    m_form.unload();
    m_form.ListBox2->clear();
    if (state.samplesMade)
        m_form.SampleClearAll();

    const std::optional<std::string> chosen = services.dialogs.openFile(m_form.od);
    if (!chosen)
        return;
    state.lastOpenedXml = *chosen;
    services.files.makeFolderTree(state.tempFolder);

    if (!ColourXmlFormat::isColourDocumentFile(services.files, *chosen)) {
        m_form.manrbClick();
        m_form.manrb->setChecked(true);
        services.messages.error(state.texts.msgNotColourXml);
        return;
    }
    state.docFileName = fileNamePart(*chosen);
    state.sourcePath = *chosen;
    load(state.sourcePath);
    for (QWidget* control : std::initializer_list<QWidget*> {m_form.plt, m_form.re, m_form.be,
             m_form.ge, m_form.alp, m_form.hex, m_form.sctbt, m_form.loadbt, m_form.savebt})
        control->setEnabled(true);
    m_form.selectSlot(0);
    m_form.data();
}

void XmlFileActions::savebtClick()
{
    m_form.sv.initialFileName = m_form.state().docFileName;
    const std::optional<std::string> chosen = m_form.services().dialogs.saveFile(m_form.sv);
    if (!chosen)
        return;
    saveTo(*chosen);
}

void XmlFileActions::sxmlbtClick()
{
    saveTo(m_form.state().sourcePath);
    m_form.services().messages.information(m_form.state().texts.msgColoursSaved);
}

void XmlFileActions::load(const std::string& path)
{
    m_reader.load(path);
}

void XmlFileActions::saveTo(const std::string& destination)
{
    m_writer.save();
    m_form.services().files.copyFileOrThrow(m_form.state().workCopyPath, destination);
}

} // namespace tintabel
