#pragma once

namespace tintabel {

class Dialogs;
class ImageControl;
class PictureLoader;
struct FileDialogRequest;

// "Load background": a picture file of the user's behind the preview samples, at its own size and
// at the place the background has been dragged to.
class PreviewBackground {
public:
    PreviewBackground(ImageControl& image, Dialogs& dialogs, PictureLoader& pictures,
        const FileDialogRequest& opimg);

    // The picture is decoded whole before it replaces the old one, so a file that cannot be
    // loaded leaves the old background showing and raises PictureError with the reason.
    void JvXPButton2Click();

private:
    ImageControl& m_image;
    Dialogs& m_dialogs;
    PictureLoader& m_pictures;
    const FileDialogRequest& m_opimg;
};

} // namespace tintabel
