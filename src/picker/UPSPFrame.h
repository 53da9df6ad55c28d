#pragma once

#include "picker/ColourPage.h"
#include "picker/Couleur.h"
#include "picker/PictureBox.h"
#include "picker/WheelGeometry.h"
#include "picker/WheelPicture.h"

#include <QWidget>

#include <cstdint>

class QGroupBox;
class QKeyEvent;
class QLineEdit;

namespace tintabel {

class FieldKeyFilter;
class MessageBoxes;
class SpinField;

// The "Colours" page: a hue ring around a saturation/lightness square, number fields and a
// New/Old preview. Every change removes the markers first, then changes the colour, then draws
// the markers anew.
class TFramePSP : public QWidget, public ColourPage {
public:
    enum class PickMode { None = 0, Ring = 1, Square = 2 };

    TFramePSP(MessageBoxes& messages, QWidget* parent);

    QWidget& pageWidget() override { return *this; }
    void paintPage() override;
    void enterColour(const TCouleur& colour) override;
    const TCouleur& pageColour() const override { return m_current; }

    std::uint32_t oldColour() const { return m_oldColour; }
    void setOldColour(std::uint32_t colour);

    const WheelGeometry& wheelGeometry() const { return m_geometry; }
    PickMode pickMode() const { return m_pickMode; }

    void CerclePSPMouseDown(const PictureBox::Mouse& mouse);
    void CerclePSPMouseMove(const PictureBox::Mouse& mouse);
    void CerclePSPMouseUp(const PictureBox::Mouse& mouse);
    void ImgCoulPSPMouseDown(const PictureBox::Mouse& mouse);
    void SPRVBPSPChange(SpinField& changed);
    void SPTSLPSPChange(SpinField& changed);
    // Both return true when the key is to be discarded.
    bool SPTSLPSPKeyPress(const QKeyEvent& key) const;
    bool SPTSLPSPKeyDown(const QKeyEvent& key) const;

    PictureBox* CerclePSP = nullptr;
    PictureBox* ImgCoulPSP = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    SpinField* SPRPSP = nullptr;
    SpinField* SPVPSP = nullptr;
    SpinField* SPBPSP = nullptr;
    SpinField* SPTPSP = nullptr;
    SpinField* SPSPSP = nullptr;
    SpinField* SPLPSP = nullptr;
    QLineEdit* EHexaPSP = nullptr;
    QLineEdit* EHTMLPSP = nullptr;

private:
    SpinField* addField(const char* caption, int column, int row, bool visible);
    bool beginFieldChange(SpinField& changed, bool ruleOn);
    void pick(int x, int y);
    void ringPick(int x, int y);
    void squarePick(int x, int y);
    void refreshFields();
    void writeTextFields();
    void writeTslFields();
    void writeRvbFields();
    void paintPreview();
    void paintPreviewBoxes();
    void repaintAll();
    void drawMarkers();
    void removeMarkers();

    MessageBoxes& m_messages;
    FieldKeyFilter* m_keys = nullptr;
    TCouleur m_current;
    std::uint32_t m_oldColour = 0;
    WheelGeometry m_geometry;
    WheelPicture m_wheel;
    PickMode m_pickMode = PickMode::None;
    bool m_rvbRuleOn = true;
    bool m_tslRuleOn = true;
};

} // namespace tintabel
