#pragma once

#include "picker/Couleur.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QAction;
class QButtonGroup;
class QMenu;
class QPushButton;
class QToolButton;

namespace tintabel {

class ColourPage;
class MessageBoxes;
class TFramePSP;

// The picker's form: a page bar, the pages and the Ok/Cancel panel. Only the "Colours" page is
// reachable; the buttons of the other pages, the custom-colour button with its menu and the
// information button are there but hidden.
class TColorForm : public QDialog {
public:
    TColorForm(MessageBoxes& messages, QWidget* parent);

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

private:
    struct Page {
        ColourPage* page;
        QToolButton* button;
    };

    QToolButton* addBarButton(const char* caption, int slot, bool checkable);
    void showPage(std::size_t index);

    MessageBoxes& m_messages;
    TCouleur m_couleur;
    std::uint32_t m_confirmed = 0;
    QButtonGroup* m_pageButtons;
    std::vector<Page> m_pages;
    std::size_t m_visible = 0;
};

} // namespace tintabel
