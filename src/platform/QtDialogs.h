#pragma once

#include "platform/Dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include <memory>
#include <string_view>

class QWidget;

namespace tintabel {

// The program's filter text "Description|*.a;*.b|..." as Qt's name filters
// ("Description (*.a *.b)", ...).
QStringList qtNameFilters(std::string_view filter);

// Qt's own file dialogs (not the desktop's), so that the default extension and the other
// settings below behave the same everywhere.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder() override;
    std::size_t chosenFilter() const override { return m_chosenFilter; }

    // The dialog the two file questions show, set up but not yet shown. A name typed without an
    // extension gets that of the file type chosen, or the request's default extension when the
    // type has none of its own.
    static std::unique_ptr<QFileDialog> makeFileDialog(
        const FileDialogRequest& request, QFileDialog::AcceptMode mode, QWidget* parent);

private:
    std::optional<std::string> ask(const FileDialogRequest& request, QFileDialog::AcceptMode mode);

    QWidget* m_parent;
    std::size_t m_chosenFilter = 0;
};

} // namespace tintabel
