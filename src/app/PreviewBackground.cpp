#include "app/PreviewBackground.h"

#include "app/ImageControl.h"
#include "platform/Dialogs.h"
#include "platform/PictureLoader.h"

#include <optional>
#include <string>

namespace tintabel {

PreviewBackground::PreviewBackground(
    ImageControl& image, Dialogs& dialogs, PictureLoader& pictures, const FileDialogRequest& opimg)
    : m_image(image)
    , m_dialogs(dialogs)
    , m_pictures(pictures)
    , m_opimg(opimg)
{
}

void PreviewBackground::JvXPButton2Click()
{
    const std::optional<std::string> chosen = m_dialogs.openFile(m_opimg);
    if (!chosen)
        return;
    m_image.setPicture(m_pictures.load(*chosen));
}

} // namespace tintabel
