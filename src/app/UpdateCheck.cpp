#include "app/UpdateCheck.h"

#include "app/BuildSettings.h"
#include "app/StatusBar.h"
#include "colours/IntegerText.h"
#include "colours/MainWindowState.h"
#include "platform/Downloader.h"
#include "platform/IniFile.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QString>
#include <QUrl>

namespace tintabel {

UpdateCheck::UpdateCheck(MainWindowState& state, Services& services, StatusBar& statusBar)
    : m_state(state)
    , m_services(services)
    , m_statusBar(statusBar)
{
}

void UpdateCheck::update()
{
    const std::string file = m_state.programFolder + "\\orb.ini";
    if (m_services.downloader.download(
            updateServerAddress(m_services.environment) + "/orb.ini", file)
        == Downloader::kCannotConnect)
        return;

    const IniFile ini = IniFile::load(m_services.files, file);
    const std::string version = ini.read("update", "version", "");
    m_state.updateUrl = ini.read("update", "url", "");
    if (integerFromText(version) <= integerFromText(m_state.programVersion))
        return;

    m_statusBar.setText(QString::fromStdString(m_state.texts.msgNewVersion));
    m_state.updateAvailable = true;
    m_statusBar.setCursor(Qt::PointingHandCursor);
}

void UpdateCheck::StatusBar1Click()
{
    if (m_state.updateAvailable && isWebAddress(m_state.updateUrl))
        m_services.shell.open(m_state.updateUrl, ShowWindow::Maximised);
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
