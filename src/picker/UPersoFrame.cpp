#include "picker/UPersoFrame.h"

#include "picker/PictureBox.h"
#include "picker/PictureDrawing.h"
#include "platform/MessageBoxes.h"

#include <QGroupBox>

namespace tintabel {

namespace {

constexpr QSize kPageSize(350, 363);
constexpr int kGroupHeight = 121;
constexpr QSize kCellSize(22, 19);
constexpr int kColumnsPerRow = 12;
constexpr std::array<int, kColumnsPerRow> kColumnLefts {
    8, 36, 64, 93, 121, 149, 178, 206, 234, 263, 291, 320};
constexpr std::array<int, 4> kRowTops {16, 42, 69, 96};
// The first rows were laid out by hand a pixel off the grid.
constexpr int kCustomFirstRowSeventhLeft = 177;
constexpr int kFixedFirstRowTwelfthLeft = 319;

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kShadow = qRgb(128, 128, 128);
constexpr QRgb kLight = qRgb(212, 208, 200);
constexpr QRgb kDarkShadow = qRgb(64, 64, 64);

constexpr std::array<RvbBytes, TFramePerso::kCellsPerGroup> kFixedColours {{
    {0, 0, 0},
    {64, 0, 0},
    {128, 0, 0},
    {128, 64, 64},
    {255, 0, 0},
    {255, 128, 128},
    {128, 128, 0},
    {128, 64, 0},
    {255, 128, 0},
    {255, 128, 64},
    {255, 255, 0},
    {255, 255, 128},
    {128, 128, 64},
    {0, 64, 0},
    {0, 128, 0},
    {0, 255, 0},
    {128, 255, 0},
    {128, 255, 128},
    {128, 128, 128},
    {0, 64, 64},
    {0, 128, 64},
    {0, 128, 128},
    {0, 255, 64},
    {0, 255, 128},
    {64, 128, 128},
    {0, 0, 128},
    {0, 0, 255},
    {0, 64, 128},
    {0, 255, 255},
    {128, 255, 255},
    {192, 192, 192},
    {0, 0, 64},
    {0, 0, 160},
    {128, 128, 255},
    {0, 128, 192},
    {0, 128, 255},
    {64, 0, 64},
    {64, 0, 64},
    {128, 0, 128},
    {128, 0, 64},
    {128, 128, 192},
    {255, 128, 192},
    {255, 255, 255},
    {64, 0, 128},
    {128, 0, 255},
    {255, 0, 128},
    {255, 0, 255},
    {255, 128, 255},
}};

constexpr std::string_view kNoRoomTitle = "Attention";
constexpr std::string_view kNoRoomText
    = "Il n'y a plus de place, Voulez-vous que la couleur prenne la première position dans la "
      "grille ?\r Pour effacer le contenu d'une case placez-vous dessus et appuyer sur la touche "
      "Supprimer.";

QPoint cellPosition(TFramePerso::Group group, int index)
{
    const int row = index / kColumnsPerRow;
    const int column = index % kColumnsPerRow;
    int left = kColumnLefts[column];
    if (row == 0 && group != TFramePerso::Group::Fixed && column == 6)
        left = kCustomFirstRowSeventhLeft;
    if (row == 0 && group == TFramePerso::Group::Fixed && column == kColumnsPerRow - 1)
        left = kFixedFirstRowTwelfthLeft;
    return {left, kRowTops[row]};
}

// A rectangle given by its edges, right and bottom excluded.
QRect edges(int left, int top, int right, int bottom)
{
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

} // namespace

TFramePerso::TFramePerso(
    MessageBoxes& messages, Registry& registry, std::string_view programFile, QWidget* parent)
    : QWidget(parent)
    , m_messages(messages)
    , m_store(registry, programFile)
{
    setFixedSize(kPageSize);
    m_couleur.SetColor(0);
    GBBase = addGroup("Couleurs de base", Group::Fixed);
    GBGen = addGroup("Communes", Group::General);
    GBSpe = addGroup("Spécifique Application", Group::Application);
    for (int i = 0; i < kCellsPerGroup; ++i)
        setCell(cellIndex(Group::Fixed, i), kEmpty, makeColour(kFixedColours[i]), true);
    const PersoColourStore::Groups stored = m_store.load();
    fillGroup(Group::General, stored.general);
    fillGroup(Group::Application, stored.application);
}

QGroupBox* TFramePerso::addGroup(const char* caption, Group group)
{
    auto* box = new QGroupBox(QString::fromUtf8(caption), this);
    const int top = static_cast<int>(group) * kGroupHeight;
    box->setGeometry(0, top, kPageSize.width(),
        group == Group::Application ? kPageSize.height() - top : kGroupHeight);
    for (int i = 0; i < kCellsPerGroup; ++i) {
        const int cell = cellIndex(group, i);
        auto* image = new PictureBox(m_messages, kCellSize, QImage::Format_RGB32, box);
        image->useDeviceResolution();
        image->move(cellPosition(group, i));
        image->onMouseUp([this, cell, image](const PictureBox::Mouse& mouse) {
            if (mouse.button == Qt::LeftButton && image->rect().contains(mouse.x, mouse.y))
                ImageClick(cell);
        });
        m_cells[cell].image = image;
    }
    return box;
}

void TFramePerso::fillGroup(Group group, const PersoColourStore::CellValues& values)
{
    for (int i = 0; i < kCellsPerGroup; ++i) {
        const std::int32_t value = values[i];
        const bool used = value != kEmpty;
        setCell(cellIndex(group, i), value,
            used ? static_cast<std::uint32_t>(value) : makeColour(255, 255, 255), used);
    }
}

PersoColourStore::CellValues TFramePerso::groupValues(Group group) const
{
    PersoColourStore::CellValues values;
    for (int i = 0; i < kCellsPerGroup; ++i)
        values[i] = m_cells[cellIndex(group, i)].value;
    return values;
}

void TFramePerso::setCell(int cell, std::int32_t value, std::uint32_t fill, bool enabled)
{
    Cell& target = m_cells[cell];
    target.value = value;
    target.fill = fill;
    target.enabled = enabled;
    target.image->setEnabled(enabled);
}

void TFramePerso::paintPage()
{
    for (int cell = 0; cell < kCells; ++cell)
        paintCell(cell, false);
}

void TFramePerso::enterColour(const TCouleur& colour)
{
    m_couleur.Assign(colour);
}

void TFramePerso::ImageClick(int cell)
{
    if (m_selected)
        paintCell(*m_selected, false);
    paintCell(cell, true);
    m_selected = cell;
    m_couleur.SetColor(m_cells[cell].fill);
}

void TFramePerso::deleteSelected()
{
    if (!m_selected || groupOf(*m_selected) == Group::Fixed)
        return;
    const int cell = *m_selected;
    setCell(cell, kEmpty, makeColour(255, 255, 255), false);
    paintCell(cell, false);
    m_selected.reset();
}

void TFramePerso::addColour(Group group, std::uint32_t colour)
{
    const auto value = static_cast<std::int32_t>(colour);
    for (int i = 0; i < kCellsPerGroup; ++i) {
        const int cell = cellIndex(group, i);
        if (!m_cells[cell].enabled) {
            setCell(cell, value, colour, true);
            ImageClick(cell);
            return;
        }
    }
    if (!m_messages.warningYesNo(kNoRoomTitle, kNoRoomText))
        return;
    const int first = cellIndex(group, 0);
    setCell(first, value, colour, true);
    ImageClick(first);
}

void TFramePerso::tearDown()
{
    if (m_tornDown)
        return;
    m_tornDown = true;
    m_store.save({groupValues(Group::General), groupValues(Group::Application)});
}

// A sunken frame around the colour; the outer line is black on the selected cell.
void TFramePerso::paintCell(int cell, bool selected)
{
    const Cell& target = m_cells[cell];
    QImage& picture = target.image->picture();
    const int w = target.image->width();
    const int h = target.image->height();
    const QRgb face = palette().color(QPalette::Button).rgb();
    const QRgb colour = rgbOf(channelsOf(target.fill));
    drawRectangle(picture, edges(0, 0, w, h), selected ? kBlack : face, face);
    drawRectangle(picture, edges(1, 1, w - 1, h - 1), kWhite, face);
    drawRectangle(picture, edges(1, 1, w - 2, h - 2), kShadow, face);
    drawRectangle(picture, edges(2, 2, w - 2, h - 2), kLight, face);
    drawRectangle(picture, edges(2, 2, w - 3, h - 3), kDarkShadow, face);
    drawRectangle(picture, edges(3, 3, w - 3, h - 3), colour, colour);
    target.image->update();
}

} // namespace tintabel
