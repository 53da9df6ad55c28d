#pragma once

#include <QLoggingCategory>

// The program's logging categories: failures that the user is never told of are written here.
// Warnings show by default; QT_LOGGING_RULES switches a category off ("tintabel.update=false") or
// all of them ("tintabel.*=false").
namespace tintabel {

// The update check at start, whose errors never reach the user.
Q_DECLARE_LOGGING_CATEGORY(logUpdate)
// The interface languages, such as a missing translation of the toolkit's texts.
Q_DECLARE_LOGGING_CATEGORY(logLanguage)
// Files and folders of the program's own, such as the temp folder removed at exit.
Q_DECLARE_LOGGING_CATEGORY(logFiles)

// Writes the failure being handled, with the exception's text, as a warning of the category. Only
// inside a catch block.
void logCurrentFailure(const QLoggingCategory& category, const char* what);

} // namespace tintabel
