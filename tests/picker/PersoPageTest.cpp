#include "picker/ColorPickerDialog.h"
#include "picker/PictureBox.h"
#include "picker/UColorForm.h"
#include "picker/UPersoFrame.h"
#include "platform/doubles/MemoryRegistry.h"
#include "platform/doubles/ScriptedMessageBoxes.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <numeric>
#include <optional>

namespace tintabel::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Group = TFramePerso::Group;

constexpr std::string_view kKey = "\\Software\\Quornel\\Chromelle";
constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;
constexpr std::uint32_t kRed = 0x0000FF;
// The first cells of the general and the program's own groups; the fixed ones come first.
const int kGeneral = TFramePerso::cellIndex(Group::General, 0);
const int kApplication = TFramePerso::cellIndex(Group::Application, 0);

// Cells as the registry stores them: four bytes each, low byte first, padded with empty (-1)
// cells to `size` bytes, a whole group by default.
Bytes cells(const std::vector<std::int32_t>& values, std::size_t size = 192)
{
    Bytes bytes;
    for (const std::int32_t cell : values)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(cell) >> shift));
    bytes.resize(std::max(size, bytes.size()), 0xFF);
    return bytes;
}

// The custom colours page of a dialog made as the program makes it: the registry is laid out
// first, the dialog's destruction is the program's exit.
class PersoPage : public ::testing::Test {
protected:
    ~PersoPage() override { EXPECT_TRUE(messages.errors().empty()); }

    void makeDialog(QWidget* owner = nullptr)
    {
        dialog.emplace(messages, registry, "/usr/lib/veldo/tintabel", owner,
            [](TColorForm& form) { return form.result(); });
        form().show();
        form().TBPerso->show();
        QTest::mouseClick(form().TBPerso, Qt::LeftButton);
    }
    void exitProgram() { dialog.reset(); }

    TColorForm& form() { return dialog->form(); }
    TFramePerso& perso() { return *form().FramePerso; }

    void store(std::string_view name, Bytes bytes)
    {
        registry.store(
            kRoot, kKey, {std::string(name), RegistryTree::Binary, {}, std::move(bytes)});
    }
    std::optional<Bytes> read(std::string_view name)
    {
        return registry.readBinary(kRoot, kKey, name);
    }

    void clickCell(int cell)
    {
        QTest::mouseClick(&perso().Image(cell), Qt::LeftButton, {}, QPoint(10, 9));
    }
    QRgb pixel(int cell, int x, int y) { return perso().Image(cell).picture().pixel(x, y); }
    QRgb buttonFace() { return perso().palette().color(QPalette::Button).rgb(); }
    // Empty cells are white, take no click and are stored as -1.
    void expectEmpty(int cell, int count = 1)
    {
        for (int i = cell; i < cell + count; ++i)
            EXPECT_EQ(
                std::tuple(perso().cellValue(i), perso().Image(i).isEnabled(), pixel(i, 10, 9)),
                std::tuple(-1, false, qRgb(255, 255, 255)))
                << i;
    }
    void expectUsed(int cell, std::uint32_t colour)
    {
        EXPECT_EQ(std::tuple(perso().cellValue(cell), perso().Image(cell).isEnabled(),
                      perso().fillColour(cell)),
            std::tuple(static_cast<std::int32_t>(colour), true, colour))
            << cell;
    }

    ScriptedMessageBoxes messages;
    MemoryRegistry registry;
    std::optional<ColorPickerDialog> dialog;
};

TEST_F(PersoPage, StoredValuesFillTheirCellsAndExitWritesBothGroupsWholeOnceAndQuietly)
{
    // First run: empty groups, created at exit, here the owner window's going first.
    auto* owner = new QWidget;
    makeDialog(owner);
    expectEmpty(kGeneral, 2 * TFramePerso::kCellsPerGroup);
    EXPECT_FALSE(registry.keyExists(kRoot, kKey));
    delete owner;
    EXPECT_EQ(read("Gen"), cells({}));
    EXPECT_EQ(read("tintabel"), cells({}));
    exitProgram();
    EXPECT_EQ(registry.writeCount(), 2);

    // Short values fill the whole entries they cover.
    store("Gen", cells({255, -1}, 0));
    Bytes partly = cells({0x563412}, 0);
    partly.insert(partly.end(), {0xAB, 0xCD});
    store("tintabel", partly);
    makeDialog();
    expectUsed(kGeneral, kRed);
    expectEmpty(kGeneral + 1, TFramePerso::kCellsPerGroup - 1);
    expectUsed(kApplication, 0x563412);
    expectEmpty(kApplication + 1);
    exitProgram();
    EXPECT_EQ(read("Gen"), cells({255}));
    EXPECT_EQ(read("tintabel")->size(), 192u);

    // Spoilt values leave their group empty and are replaced.
    registry.storeDword(kRoot, kKey, "Gen", 255);
    store("tintabel", Bytes(196, 0));
    makeDialog();
    expectEmpty(kGeneral, 2 * TFramePerso::kCellsPerGroup);
    exitProgram();
    EXPECT_EQ(read("Gen"), cells({}));
    EXPECT_EQ(read("tintabel"), cells({}));

    // A refused write saves nothing and says nothing.
    registry.failWrites("Access denied");
    makeDialog();
    exitProgram();
    EXPECT_EQ(registry.writeCount(), 6);
    EXPECT_TRUE(messages.shown().empty());
}

// A sunken frame around the colour, the outer line black only on the selected cell; a click takes
// the cell's colour.
TEST_F(PersoPage, CellsArePaintedAsSunkenFramesAndAClickTakesTheirColour)
{
    makeDialog();
    const int cell = 4;
    const auto expectFrame = [&](QRgb outer) {
        const std::pair<std::vector<QPoint>, QRgb> rings[] = {
            {{{0, 0}, {21, 0}, {0, 18}, {21, 18}}, outer},
            {{{1, 1}, {1, 16}}, qRgb(128, 128, 128)},
            {{{20, 1}, {1, 17}, {20, 17}}, qRgb(255, 255, 255)},
            {{{2, 2}, {18, 2}, {2, 15}}, qRgb(64, 64, 64)},
            {{{19, 2}, {2, 16}, {19, 16}}, qRgb(212, 208, 200)},
            {{{3, 3}, {18, 15}}, qRgb(255, 0, 0)},
        };
        for (const auto& [points, colour] : rings)
            for (const QPoint point : points)
                EXPECT_EQ(pixel(cell, point.x(), point.y()), colour)
                    << point.x() << "," << point.y();
    };
    expectFrame(buttonFace());
    clickCell(cell);
    EXPECT_EQ(perso().pageColour().RVB(), (RvbBytes {255, 0, 0}));
    expectFrame(qRgb(0, 0, 0));
    clickCell(5);
    expectFrame(buttonFace());
    // Leaving the page hands its colour to the form.
    QTest::mouseClick(form().SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(form().Couleur().Color(), 0x8080FFu);
}

TEST_F(PersoPage, AddsGoToTheFirstEmptyCellAndTheButtonRepeatsTheLast)
{
    store("Gen", cells({255, -1, 0xFF00}, 0));
    makeDialog();
    form().TBuPerso->show();
    dialog->SetColor(0x563412);
    QTest::mouseClick(form().TBuPerso, Qt::LeftButton, {}, QPoint(10, 10));
    expectUsed(kApplication, 0x563412);

    form().Ajoutgnral1->trigger();
    expectUsed(kGeneral + 1, 0x563412);
    EXPECT_EQ(pixel(kGeneral + 1, 0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixel(kApplication, 0, 0), buttonFace());
    QTest::mouseClick(form().TBuPerso, Qt::LeftButton, {}, QPoint(10, 10));
    expectUsed(kGeneral + 3, 0x563412);
    form().Ajoutspcifique1->trigger();
    expectUsed(kApplication + 1, 0x563412);
    EXPECT_TRUE(messages.shown().empty());

    exitProgram();
    EXPECT_EQ(read("Gen"), cells({255, 0x563412, 0xFF00, 0x563412}));
}

TEST_F(PersoPage, FullGroupAsksBeforeTheColourTakesTheFirstCell)
{
    std::vector<std::int32_t> full(TFramePerso::kCellsPerGroup);
    std::iota(full.begin(), full.end(), 1);
    store("Gen", cells(full));
    makeDialog();
    dialog->SetColor(0x563412);

    messages.queueAnswer(false);
    form().Ajoutgnral1->trigger();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, ScriptedMessageBoxes::Kind::WarningYesNo);
    EXPECT_EQ(messages.shown()[0].title, "Attention");
    EXPECT_EQ(messages.shown()[0].text,
        "Il n'y a plus de place, Voulez-vous que la couleur prenne la première position dans la "
        "grille ?\r Pour effacer le contenu d'une case placez-vous dessus et appuyer sur la "
        "touche Supprimer.");
    expectUsed(kGeneral, 1);
    EXPECT_EQ(perso().selectedCell(), std::nullopt);

    messages.queueAnswer(true);
    form().Ajoutgnral1->trigger();
    expectUsed(kGeneral, 0x563412);
    expectUsed(kGeneral + 1, 2);
    EXPECT_EQ(perso().selectedCell(), kGeneral);
}

TEST_F(PersoPage, DeleteEmptiesTheSelectedCustomCellOnly)
{
    store("Gen", cells({255, 0xFF00}, 0));
    makeDialog();
    clickCell(kGeneral);
    QTest::keyClick(&form(), Qt::Key_Delete);
    expectEmpty(kGeneral);
    EXPECT_EQ(pixel(kGeneral, 0, 0), buttonFace());

    clickCell(4); // a fixed cell
    QTest::keyClick(&form(), Qt::Key_Delete);
    EXPECT_EQ(perso().fillColour(4), kRed);

    // Only while the page is shown.
    clickCell(kGeneral + 1);
    QTest::mouseClick(form().TBPsp, Qt::LeftButton);
    QTest::keyClick(&form(), Qt::Key_Delete);
    expectUsed(kGeneral + 1, 0xFF00);

    exitProgram();
    EXPECT_EQ(read("Gen"), cells({-1, 0xFF00}));
}

} // namespace
} // namespace tintabel::testing
