#pragma once

#include "picker/AdobeBars.h"
#include "picker/AdobeFields.h"
#include "picker/ColourPage.h"
#include "picker/Couleur.h"
#include "picker/PictureBox.h"

#include <QWidget>

#include <cstdint>

class QKeyEvent;
class QLineEdit;

namespace tintabel {

class MessageBoxes;
class SpinField;

// The "Adobe 1" page: seven gradient bars (grey, red, green, blue, hue, saturation, value) with
// their number fields; a press or drag on a bar sets that component. Bars, markers and swatch are
// all drawn again after every change, the markers having been erased first.
class TFrameAdobe : public QWidget, public ColourPage {
public:
    TFrameAdobe(MessageBoxes& messages, QWidget* parent);

    QWidget& pageWidget() override { return *this; }
    void paintPage() override;
    void enterColour(const TCouleur& colour) override;
    const TCouleur& pageColour() const override { return m_couleur; }

    AdobeBar activeBar() const { return m_activeBar; }
    std::uint8_t rememberedGrey() const { return m_rememberedGrey; }

    void ImageFondMouseDown(const PictureBox::Mouse& mouse);
    void ImageFondMouseMove(const PictureBox::Mouse& mouse);
    void ImageFondMouseUp(const PictureBox::Mouse& mouse);
    void SpGAdobeChange();
    void SpRVBAdobeChange(SpinField& changed);
    void SpTSLAdobeChange(SpinField& changed);
    // Both return true when the key is to be discarded; the first takes presses and releases.
    bool SpGAdobeKeyDown(const QKeyEvent& key) const;
    bool SpGAdobeKeyPress(const QKeyEvent& key) const;

    PictureBox* ImageFond = nullptr;
    SpinField* SpGAdobe = nullptr;
    SpinField* SpRAdobe = nullptr;
    SpinField* SpVAdobe = nullptr;
    SpinField* SpBAdobe = nullptr;
    SpinField* SpTAdobe = nullptr;
    SpinField* SpSAdobe = nullptr;
    SpinField* SpLAdobe = nullptr;
    QLineEdit* Edit1 = nullptr;

private:
    SpinField* addField(int limit, int top);
    void applyX(int x);
    bool beginFieldChange(SpinField& changed);
    void updateAllFields();
    void drawDecorations();
    void drawBars();
    void drawMarkers(QRgb colour);
    void eraseMarkers();
    void redraw();
    QRgb buttonFace() const;

    MessageBoxes& m_messages;
    TCouleur m_couleur;
    AdobeFields m_fields;
    std::uint8_t m_rememberedGrey = 0;
    AdobeBar m_activeBar = AdobeBar::None;
};

} // namespace tintabel
