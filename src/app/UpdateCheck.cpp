#include "app/UpdateCheck.h"

#include "app/BuildSettings.h"
#include "app/StatusBar.h"
#include "colours/IntegerText.h"
#include "colours/InterfaceTexts.h"
#include "platform/Downloader.h"
#include "platform/IniFile.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QString>
#include <QUrl>

#include <utility>

namespace tintabel {

UpdateCheck::UpdateCheck(
    Services& services, StatusBar& statusBar, const InterfaceTexts& texts, std::string folder)
    : m_services(services)
    , m_statusBar(statusBar)
    , m_texts(texts)
    , m_folder(std::move(folder))
{
}

void UpdateCheck::update()
{
    const std::string file = m_folder + "\\orb.ini";
    if (m_services.downloader.download(
            updateServerAddress(m_services.environment) + "/orb.ini", file)
        == Downloader::kCannotConnect)
        return;

    const IniFile ini = IniFile::load(m_services.files, file);
    const std::string version = ini.read("update", "version", "");
    m_updateUrl = ini.read("update", "url", "");
    if (integerFromText(version) <= integerFromText(m_programVersion))
        return;

    m_statusBar.setText(QString::fromStdString(m_texts.msgNewVersion));
    m_updateAvailable = true;
    m_statusBar.setCursor(Qt::PointingHandCursor);
}

void UpdateCheck::StatusBar1Click()
{
    if (m_updateAvailable && isWebAddress(m_updateUrl))
        m_services.shell.open(m_updateUrl, ShowWindow::Maximised);
}

bool UpdateCheck::isWebAddress(std::string_view address)
{
    // The strict parse finds the same scheme as the shell's own, tolerant one.
    const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())),
        QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

} // namespace tintabel
