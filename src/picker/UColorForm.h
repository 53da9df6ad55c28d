#pragma once

#include "picker/Couleur.h"
#include "picker/UPersoFrame.h"

#include <QDialog>

#include <cstdint>
#include <string_view>
#include <vector>

class QAction;
class QButtonGroup;
class QKeyEvent;
class QMenu;
class QPushButton;
class QToolButton;

namespace tintabel {

class ColourPage;
class MessageBoxes;
class Registry;
class TFrameAdobe;
class TFrameAdobe2;
class TFramePSP;

// The picker's form: a page bar, the pages and the Ok/Cancel panel. Only the "Colours" page is
// reachable; the buttons of the other pages, the custom-colour button with its menu and the
// information button are there but hidden. The custom colours page reads its registry values
// as the form is made and writes them back as it goes; programFile names the value it keeps for
// this program.
class TColorForm : public QDialog {
public:
    TColorForm(
        MessageBoxes& messages, Registry& registry, std::string_view programFile, QWidget* parent);
    ~TColorForm() override;

    const TCouleur& Couleur() const { return m_couleur; }
    // Hands the colour to the visible page and shows it.
    void SetCouleur(const TCouleur& couleur);
    // The colour confirmed with Ok the last time, black before the first.
    std::uint32_t confirmedColour() const { return m_confirmed; }

    // Makes a page reachable through its button in the page bar. Pages are set up in the order
    // they are added; the first is the one shown.
    void addPage(ColourPage& page, QToolButton& button);
    ColourPage& visiblePage() const { return *m_pages[m_visible].page; }

    void SpeedButton1Click();
    void SpeedButton2Click();
    void TBClick(QToolButton& button);
    // Acts on the custom colours page while it is visible.
    void FormKeyDown(const QKeyEvent& key);
    void Ajoutgnral1Click();
    void Ajoutspcifique1Click();
    // Repeats the add chosen last in the menu.
    void TBuPersoClick();

    QWidget* TBChoice = nullptr;
    QToolButton* TBPsp = nullptr;
    QToolButton* TBAdobe = nullptr;
    QToolButton* TBAdobe2 = nullptr;
    QToolButton* TBPerso = nullptr;
    QToolButton* TBuPerso = nullptr;
    QToolButton* TBInfo = nullptr;
    QMenu* PMCouleur = nullptr;
    QAction* Ajoutgnral1 = nullptr;
    QAction* Ajoutspcifique1 = nullptr;
    QWidget* Panel8 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    TFramePSP* FramePSP = nullptr;
    TFrameAdobe* FrameAdobe1 = nullptr;
    TFrameAdobe2* FrameAdobe2 = nullptr;
    TFramePerso* FramePerso = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Page {
        ColourPage* page;
        QToolButton* button;
    };

    QToolButton* addBarButton(const char* caption, int slot, bool checkable);
    void showPage(std::size_t index);
    void addCustomColour(TFramePerso::Group group);

    MessageBoxes& m_messages;
    TCouleur m_couleur;
    std::uint32_t m_confirmed = 0;
    QButtonGroup* m_pageButtons;
    std::vector<Page> m_pages;
    std::size_t m_visible = 0;
    TFramePerso::Group m_lastAdd = TFramePerso::Group::Application;
};

} // namespace tintabel
