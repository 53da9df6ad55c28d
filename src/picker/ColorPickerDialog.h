#pragma once

#include "picker/ColourChooser.h"
#include "picker/Couleur.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace tintabel {

class MessageBoxes;
class Registry;
class TColorForm;

// The colour-picker dialog. Its form is made when it is first wanted, so that a program that
// makes the dialog at its start does not wait on it, and kept for the dialog's life: the wheel is
// painted once and the "Old" box remembers the colour confirmed last. The custom colours are
// written back when the form goes, with the dialog or with its owner window, whichever is first.
class ColorPickerDialog : public ColourChooser {
public:
    // Shows the form and returns its result, QDialog::Accepted or QDialog::Rejected. The
    // program runs it modally; tests run it as they please.
    using FormRunner = std::function<int(TColorForm&)>;

    // The custom colours are kept in the registry, this program's own under the name of
    // programFile (its folder, if given, is dropped).
    ColorPickerDialog(MessageBoxes& messages, Registry& registry, std::string_view programFile,
        QWidget* owner, FormRunner runForm = {});
    ~ColorPickerDialog() override;
    ColorPickerDialog(const ColorPickerDialog&) = delete;
    ColorPickerDialog& operator=(const ColorPickerDialog&) = delete;

    std::uint32_t Color() const override { return m_color; }
    void SetColor(std::uint32_t colour) override;
    bool Execute() override;

    TColorForm& form();

private:
    MessageBoxes& m_messages;
    Registry& m_registry;
    std::string m_programFile;
    QWidget* m_owner;
    std::uint32_t m_color = 0;
    TCouleur m_working;
    // The owner window may destroy the form first.
    QPointer<TColorForm> m_form;
    FormRunner m_runForm;
};

} // namespace tintabel
