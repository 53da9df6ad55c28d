#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace tintabel::testing {

// The warnings logged while it lives, as "category: text".
class WarningLog {
public:
    WarningLog()
        : m_previous(qInstallMessageHandler(&WarningLog::record))
    {
        s_lines.clear();
    }
    ~WarningLog() { qInstallMessageHandler(m_previous); }
    const std::vector<std::string>& lines() const { return s_lines; }

private:
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg)
            s_lines.push_back(std::string(context.category) + ": " + text.toStdString());
    }
    static inline std::vector<std::string> s_lines;
    QtMessageHandler m_previous;
};

} // namespace tintabel::testing
