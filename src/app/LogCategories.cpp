#include "app/LogCategories.h"

#include <QString>

#include <exception>

namespace tintabel {

Q_LOGGING_CATEGORY(logUpdate, "tintabel.update")
Q_LOGGING_CATEGORY(logFiles, "tintabel.files")
Q_LOGGING_CATEGORY(logLanguage, "tintabel.language")

void logCurrentFailure(const QLoggingCategory& category, const char* what)
{
    try {
        throw;
    } catch (const std::exception& error) {
        qCWarning(category).noquote() << what << "failed:" << QString::fromUtf8(error.what());
    } catch (...) {
        qCWarning(category).noquote() << what << "failed";
    }
}

} // namespace tintabel
