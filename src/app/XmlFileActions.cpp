#include "app/XmlFileActions.h"

#include "app/ColourSource.h"
#include "app/ColourSourceReset.h"
#include "app/ProgramFolders.h"
#include "app/SkinCatalogueHandlers.h"
#include "colours/ColourXmlFormat.h"
#include "colours/ColourXmlReader.h"
#include "colours/InterfaceTexts.h"
#include "colours/WorkingColourFile.h"
#include "colours/WorkingCopy.h"
#include "editor/PreviewSamples.h"
#include "editor/SlotSelection.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Paths.h"
#include "platform/Services.h"

#include <QAbstractButton>
#include <QListWidget>

namespace tintabel {

XmlFileActions::XmlFileActions(const Parts& parts)
    : m_parts(parts)
    , m_writer(parts.services.files, parts.workCopy, parts.slotModel)
{
}

void XmlFileActions::lsbtClick()
{
    Services& services = m_parts.services;
    ColourSource& source = m_parts.source;
    m_parts.reset.unload();
    m_parts.ListBox2.clear();
    if (m_parts.preview.samplesMade())
        m_parts.preview.clearAll();

    const std::optional<std::string> chosen = services.dialogs.openFile(m_parts.od);
    if (!chosen)
        return;
    source.lastOpenedXml = *chosen;
    services.files.makeFolderTree(m_parts.folders.temp);

    if (!ColourXmlFormat::isColourDocumentFile(services.files, *chosen)) {
        m_parts.catalogue.manrbClick();
        m_parts.manrb.setChecked(true);
        services.messages.error(m_parts.texts.msgNotColourXml);
        return;
    }
    source.docFileName = fileNamePart(*chosen);
    source.sourcePath = *chosen;
    m_parts.reader.load(source.sourcePath, source.docFileName);
    m_parts.reset.enableEditing();
    m_parts.savebt.setEnabled(true);
    m_parts.selection.select(0);
    m_parts.workingFile.data();
}

void XmlFileActions::savebtClick()
{
    m_parts.sv.initialFileName = m_parts.source.docFileName;
    const std::optional<std::string> chosen = m_parts.services.dialogs.saveFile(m_parts.sv);
    if (!chosen)
        return;
    saveTo(*chosen);
}

void XmlFileActions::sxmlbtClick()
{
    saveTo(m_parts.source.sourcePath);
    m_parts.services.messages.information(m_parts.texts.msgColoursSaved);
}

void XmlFileActions::saveTo(const std::string& destination)
{
    m_writer.save();
    m_parts.services.files.copyFileOrThrow(m_parts.workCopy.path, destination);
}

} // namespace tintabel
