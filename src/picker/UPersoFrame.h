#pragma once

#include "picker/ColourPage.h"
#include "picker/Couleur.h"
#include "picker/PersoColourStore.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class QGroupBox;

namespace tintabel {

class MessageBoxes;
class PictureBox;
class Registry;

// The custom colours page: three groups of 48 cells, fixed colours, the general custom colours
// every program using the picker shares and this program's own. A click on a cell takes its
// colour. The custom groups are read from the registry when the page is made and written back by
// tearDown, which the form calls as it goes.
class TFramePerso : public QWidget, public ColourPage {
public:
    enum class Group { Fixed = 0, General = 1, Application = 2 };
    static constexpr int kCellsPerGroup = PersoColourStore::kCells;
    static constexpr int kCells = 3 * kCellsPerGroup;
    static constexpr std::int32_t kEmpty = PersoColourStore::kEmpty;

    TFramePerso(
        MessageBoxes& messages, Registry& registry, std::string_view programFile, QWidget* parent);

    QWidget& pageWidget() override { return *this; }
    // Paints every cell unselected.
    void paintPage() override;
    // The page starts from the form's colour, so leaving it without a click gives that back.
    void enterColour(const TCouleur& colour) override;
    const TCouleur& pageColour() const override { return m_couleur; }

    // Cells are numbered 0 to kCells - 1 over the three groups: Image1 is cell 0.
    static int cellIndex(Group group, int index)
    {
        return static_cast<int>(group) * kCellsPerGroup + index;
    }
    static Group groupOf(int cell) { return static_cast<Group>(cell / kCellsPerGroup); }
    PictureBox& Image(int cell) const { return *m_cells[cell].image; }
    std::int32_t cellValue(int cell) const { return m_cells[cell].value; }
    std::uint32_t fillColour(int cell) const { return m_cells[cell].fill; }
    bool cellEnabled(int cell) const { return m_cells[cell].enabled; }
    std::optional<int> selectedCell() const { return m_selected; }

    void ImageClick(int cell);
    // The Delete key: empties the selected cell when it is a custom one.
    void deleteSelected();
    // Puts the colour in the first empty cell of a custom group; a full group asks whether its
    // first cell is to take it.
    void addColour(Group group, std::uint32_t colour);
    // Writes the custom groups back; only the first call writes.
    void tearDown();

    QGroupBox* GBBase = nullptr;
    QGroupBox* GBGen = nullptr;
    QGroupBox* GBSpe = nullptr;

private:
    struct Cell {
        PictureBox* image = nullptr;
        // What is stored; fixed cells have only their fill colour.
        std::int32_t value = kEmpty;
        std::uint32_t fill = 0xFFFFFF;
        bool enabled = false;
    };

    QGroupBox* addGroup(const char* caption, Group group);
    void fillGroup(Group group, const PersoColourStore::CellValues& values);
    PersoColourStore::CellValues groupValues(Group group) const;
    void setCell(int cell, std::int32_t value, std::uint32_t fill, bool enabled);
    void paintCell(int cell, bool selected);

    MessageBoxes& m_messages;
    PersoColourStore m_store;
    TCouleur m_couleur;
    std::array<Cell, kCells> m_cells;
    std::optional<int> m_selected;
    bool m_tornDown = false;
};

} // namespace tintabel
