#pragma once

#include "colours/SlotScheme.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tintabel {

class SlotModel;
struct InterfaceTexts;
struct Services;

// "Apply scheme to skins…": the skins of the FM user folder with check boxes, a scheme file or the
// colours loaded now, and what that would change in each checked skin's colour files. The files
// are written only after the user confirms, each as `tintabel apply` writes it; the result per
// skin then replaces the preview. Nothing is written on cancel.
class ApplySchemeDialog : public QDialog {
public:
    struct Parts {
        Services& services;
        const InterfaceTexts& texts; // of the language in force
        const SlotModel& slotModel;
        const std::string& userFolder; // ends in a separator
    };

    ApplySchemeDialog(const Parts& parts, QWidget* parent);

    // Lists the skins anew, in the language in force, and shows the dialog without waiting on it.
    void start();

private:
    void applyTexts();
    void listSkins();
    void chooseFile();
    // The scheme chosen, or nothing while a scheme file is wanted but none is chosen.
    std::optional<SlotScheme> scheme() const;
    struct Report {
        QString text;
        int changedFiles = 0;
    };
    // What putting the scheme into each checked skin does (write) or would do; empty when there
    // is no scheme or no skin checked.
    Report report(bool write) const;
    void showChanges();
    void applyToSkins();

    Parts m_parts;
    std::string m_schemeFile;
    QLabel* m_skinsLabel;
    QListWidget* m_skins;
    QRadioButton* m_current;
    QRadioButton* m_file;
    QLineEdit* m_fileName;
    QPushButton* m_choose;
    QPlainTextEdit* m_changes;
    QPushButton* m_apply;
    QPushButton* m_close;
};

} // namespace tintabel
