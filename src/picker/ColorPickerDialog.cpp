#include "picker/ColorPickerDialog.h"

#include "picker/UColorForm.h"

namespace tintabel {

ColorPickerDialog::ColorPickerDialog(MessageBoxes& messages, Registry& registry,
    std::string_view programFile, QWidget* owner, FormRunner runForm)
    : m_messages(messages)
    , m_registry(registry)
    , m_programFile(programFile)
    , m_owner(owner)
    , m_runForm(
          runForm ? std::move(runForm) : FormRunner([](TColorForm& form) { return form.exec(); }))
{
    SetColor(0);
}

ColorPickerDialog::~ColorPickerDialog()
{
    delete m_form.data();
}

TColorForm& ColorPickerDialog::form()
{
    if (!m_form) {
        m_form = new TColorForm(m_messages, m_registry, m_programFile, m_owner);
        // The colours it is given in turn, as if it had been there from the start.
        TCouleur black;
        black.SetColor(0);
        m_form->SetCouleur(black);
        m_form->SetCouleur(m_working);
    }
    return *m_form;
}

void ColorPickerDialog::SetColor(std::uint32_t colour)
{
    m_color = colour;
    m_working.SetColor(colour);
    if (m_form)
        m_form->SetCouleur(m_working);
}

bool ColorPickerDialog::Execute()
{
    if (m_runForm(form()) != QDialog::Accepted)
        return false;
    m_working.SetColor(form().Couleur().Color());
    m_color = m_working.Color();
    return true;
}

} // namespace tintabel
