#include "picker/ColorPickerDialog.h"

#include "picker/UColorForm.h"

namespace tintabel {

ColorPickerDialog::ColorPickerDialog(MessageBoxes& messages, Registry& registry,
    std::string_view programFile, QWidget* owner, FormRunner runForm)
    : m_form(new TColorForm(messages, registry, programFile, owner))
    , m_runForm(
          runForm ? std::move(runForm) : FormRunner([](TColorForm& form) { return form.exec(); }))
{
    SetColor(0);
}

ColorPickerDialog::~ColorPickerDialog()
{
    delete m_form.data();
}

void ColorPickerDialog::SetColor(std::uint32_t colour)
{
    m_color = colour;
    m_working.SetColor(colour);
    m_form->SetCouleur(m_working);
}

bool ColorPickerDialog::Execute()
{
    if (m_runForm(*m_form) != QDialog::Accepted)
        return false;
    m_working.SetColor(m_form->Couleur().Color());
    m_color = m_working.Color();
    return true;
}

} // namespace tintabel
