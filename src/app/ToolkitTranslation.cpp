#include "app/ToolkitTranslation.h"

#include "app/LogCategories.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tintabel {

ToolkitTranslation::~ToolkitTranslation()
{
    english();
}

void ToolkitTranslation::polish()
{
    if (m_installed)
        return;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_polish.isEmpty() && !m_polish.load(QStringLiteral("qtbase_pl"), folder)) {
        qCWarning(logLanguage).noquote() << "No Polish translation of Qt's texts in" << folder;
        return;
    }
    m_installed = QCoreApplication::installTranslator(&m_polish);
}

void ToolkitTranslation::english()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_polish);
    m_installed = false;
}

} // namespace tintabel
