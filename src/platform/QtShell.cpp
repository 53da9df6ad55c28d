#include "platform/QtShell.h"

#include "platform/Paths.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <cctype>

namespace tintabel {

namespace {

// A scheme has two characters at least, so that "C:\Games" stays a drive path.
bool hasScheme(std::string_view target)
{
    const std::size_t colon = target.find(':');
    if (colon == std::string_view::npos || colon < 2
        || !std::isalpha(static_cast<unsigned char>(target[0])))
        return false;
    for (const char c : target.substr(0, colon)) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

bool startsWithWww(std::string_view target)
{
    return target.size() > 4 && std::tolower(static_cast<unsigned char>(target[0])) == 'w'
        && std::tolower(static_cast<unsigned char>(target[1])) == 'w'
        && std::tolower(static_cast<unsigned char>(target[2])) == 'w' && target[3] == '.';
}

} // namespace

QtShell::QtShell(Environment environment)
    : m_environment(std::move(environment))
{
}

// The desktop decides how a program's window opens; a maximised request has no meaning here.
bool QtShell::open(std::string_view target, ShowWindow)
{
    const QString text = QString::fromUtf8(target.data(), static_cast<qsizetype>(target.size()));
    if (hasScheme(target))
        return QDesktopServices::openUrl(QUrl(text));
    // A bare "www." address is a web address, as the Windows shell takes it.
    if (startsWithWww(target))
        return QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + text));
    if (target.empty())
        return false;
    const std::optional<std::filesystem::path> path = toLocalPath(target, m_environment);
    if (!path)
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path->string())));
}

} // namespace tintabel
