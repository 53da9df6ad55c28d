#include "app/UpdateCheck.h"

#include "app/AfterFirstPaint.h"
#include "app/BuildSettings.h"
#include "app/LogCategories.h"
#include "app/StatusBar.h"
#include "colours/IntegerText.h"
#include "colours/InterfaceTexts.h"
#include "platform/Downloader.h"
#include "platform/IniFile.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QMetaObject>
#include <QString>
#include <QUrl>

#include <exception>
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

UpdateCheck::~UpdateCheck()
{
    abandon();
}

void UpdateCheck::update()
{
    abandon();
    m_running = true;
    // Loading the network libraries takes about as long as drawing the window, and on a small
    // machine the two would share a processor.
    m_pendingStart
        = std::make_unique<AfterFirstPaint>(*m_statusBar.window(), [this] { startDownload(); });
}

void UpdateCheck::startDownload()
{
    const std::string file = m_folder + "\\orb.ini";
    const std::string url = updateServerAddress(m_services.environment) + "/orb.ini";
    m_worker = std::jthread([this, url, file](std::stop_token stop) {
        std::uint32_t result = 0;
        // Such as a missing download library; told to the log on the user-interface thread.
        std::exception_ptr failure;
        try {
            result = m_services.downloader.download(url, file, stop);
        } catch (...) {
            failure = std::current_exception();
        }
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            &m_receiver,
            [this, result, file, failure] {
                if (!m_running)
                    return; // abandoned since
                m_running = false;
                try {
                    if (failure)
                        std::rethrow_exception(failure);
                    readAnswer(result, file);
                } catch (...) {
                    // The server may be away or answer nonsense; that is never the user's concern.
                    logCurrentFailure(logUpdate(), "The update check");
                }
            },
            Qt::QueuedConnection);
    });
}

void UpdateCheck::abandon()
{
    m_pendingStart.reset();
    if (m_worker.joinable()) {
        m_worker.request_stop();
        m_worker.join();
    }
    m_running = false;
}

void UpdateCheck::readAnswer(std::uint32_t result, const std::string& file)
{
    if (result == Downloader::kCannotConnect)
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
