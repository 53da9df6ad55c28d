#pragma once

#include "colours/ColourSlot.h"
#include "colours/InterfaceTexts.h"
#include "readability/AttributeBands.h"
#include "readability/ReadabilityFigures.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace tintabel {

class AttributePanelView;
class MessageBoxes;

// The "Readability" window: per slot a swatch of the shown colour over the colour beneath, the
// contrast and its verdict in colour and word; the compared pairs with their differences for
// normal vision and each deficiency, the hard ones marked; the choice of a vision to simulate,
// which also applies to the swatches and the panel; the attribute-panel preview and its value
// bands. It shows the figures it is given and reports the vision chosen; it is not modal.
class ReadabilityWindow : public QWidget {
    Q_OBJECT

public:
    ReadabilityWindow(MessageBoxes& messages, QWidget* parent);

    void retranslate(const InterfaceTexts& texts);
    void showFigures(
        const ReadabilityFigures& figures, const QImage& background, ColourValue groupFace);

    const ReadabilityFigures& figures() const { return m_figures; }
    Vision vision() const;
    AttributePanelView& panel() const { return *m_panel; }

signals:
    void visionChanged(Vision vision);
    // Shown, or hidden (closed, or minimised with the main window).
    void openChanged(bool open);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct SlotRow {
        QLabel* swatch;
        QLabel* contrast;
        QLabel* verdict;
    };

    QGroupBox* makeSlotsGroup();
    QGroupBox* makePairsGroup();
    QGroupBox* makePanelGroup();
    void showSlot(std::size_t index);
    void showPair(std::size_t index);
    void bandsChanged();

    ReadabilityTexts m_texts;
    ReadabilityFigures m_figures {};
    QComboBox* m_simulation = nullptr;
    QLabel* m_simulationLabel = nullptr;
    QGroupBox* m_slotsGroup = nullptr;
    std::array<QLabel*, 4> m_slotHeaders {};
    std::array<SlotRow, kSlotCount> m_slotRows {};
    QGroupBox* m_pairsGroup = nullptr;
    std::array<QLabel*, 1 + kVisionCount> m_pairHeaders {};
    std::array<std::array<QLabel*, kVisionCount>, kPairCount> m_pairValues {};
    QLabel* m_hardNote = nullptr;
    QGroupBox* m_panelGroup = nullptr;
    QLabel* m_bandsLabel = nullptr;
    std::array<QLabel*, AttributeBands::kBandCount> m_bandStarts {};
    std::array<QSpinBox*, AttributeBands::kBandCount - 1> m_bandEnds {};
    AttributePanelView* m_panel = nullptr;
};

} // namespace tintabel
