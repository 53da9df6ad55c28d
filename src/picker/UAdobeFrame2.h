#pragma once

#include "picker/AdobeField.h"
#include "picker/AdobeFields.h"
#include "picker/ColourPage.h"
#include "picker/Couleur.h"
#include "picker/PictureBox.h"

#include <QWidget>

#include <array>

class QKeyEvent;
class QRadioButton;

namespace tintabel {

class MessageBoxes;
class SpinField;

// The "Adobe 2" page: a 256 x 256 colour field and a strip beside it. The mode buttons choose
// the component the strip controls; the field spans the other two. The cursors are drawn in
// exclusive-or, so that erasing them gives back exactly the pixels under them.
class TFrameAdobe2 : public QWidget, public ColourPage {
public:
    enum class DragTarget { None = 0, Field = 1, Strip = 2 };

    TFrameAdobe2(MessageBoxes& messages, QWidget* parent);

    QWidget& pageWidget() override { return *this; }
    void paintPage() override;
    void enterColour(const TCouleur& colour) override;
    const TCouleur& pageColour() const override { return m_couleur; }

    const AdobeField& field() const { return m_field; }
    AdobeMode mode() const { return m_mode; }
    DragTarget dragTarget() const { return m_target; }
    bool cursorsShown() const { return m_cursorsShown; }

    void ImgAdobe2MouseDown(const PictureBox::Mouse& mouse);
    void ImgAdobe2MouseMove(const PictureBox::Mouse& mouse);
    void ImgAdobe2MouseUp(const PictureBox::Mouse& mouse);
    void SpRVBAdobeChange(SpinField& changed);
    void SpTSLAdobeChange(SpinField& changed);
    // The key handlers return true when the key is to be discarded.
    bool SpAdobe2KeyDown(const QKeyEvent& key) const;
    bool SpAdobe2KeyUp(const QKeyEvent& key) const;
    bool SpAdobeKeyPress(const QKeyEvent& key) const;
    void RBRClick(QRadioButton& button);
    void RBMouseDown();

    PictureBox* ImgAdobe2 = nullptr;
    PictureBox* ImgCoul = nullptr;
    QWidget* Panel1 = nullptr;
    QRadioButton* RBR = nullptr;
    QRadioButton* RBV = nullptr;
    QRadioButton* RBB = nullptr;
    QRadioButton* RBT = nullptr;
    QRadioButton* RBS = nullptr;
    QRadioButton* RBL = nullptr;
    SpinField* SpRAdobe = nullptr;
    SpinField* SpVAdobe = nullptr;
    SpinField* SpBAdobe = nullptr;
    SpinField* SpTAdobe = nullptr;
    SpinField* SpSAdobe = nullptr;
    SpinField* SpLAdobe = nullptr;

private:
    QRadioButton* addModeButton(const char* caption, int column, int row);
    SpinField* addField(int limit, int column, int row);
    void pickAt(int x, int y);
    void afterChange();
    void drawStrip();
    void drawField();
    void drawPreview();
    void drawCursors();
    void eraseCursors();
    void toggleCursors();
    void redraw();

    MessageBoxes& m_messages;
    TCouleur m_couleur;
    AdobeField m_field;
    AdobeFields m_fields;
    std::array<QRadioButton*, 6> m_modeButtons {};
    AdobeMode m_mode = AdobeMode::R;
    DragTarget m_target = DragTarget::None;
    bool m_cursorsShown = false;
    PixelPoint m_circle;
    int m_stripY = 0;
};

} // namespace tintabel
