#pragma once

#include "colours/SkinCatalogue.h"

class QColor;

namespace tintabel {

class TForm1;

// The two ways of loading colours, by hand (manrb) or from an installed skin (skinrb), and the
// skin mode's lists: the skins under the FM user folder (lista1, each line carrying its folder)
// and the colour files of the skin picked there (ListBox2). A colour file picked in ListBox2 is
// loaded, and "Save to skin" then writes back into it.
class SkinCatalogueHandlers {
public:
    explicit SkinCatalogueHandlers(TForm1& form);

    void manrbClick();
    void skinrbClick();
    // Fills lista1 with the skins of userFolder. False when the list was given up while the scan
    // let the window answer (another mode chosen, or another scan begun).
    bool wczytajs();
    void lista1Click(int row);
    void ListBox2Click(int row);

    // Unloads the colour document and clears the samples, as every change of source begins.
    void resetSourceAndSamples();
    // Loading by hand: lsbt on, the skins list empty, disabled and grey, nothing to save to a skin.
    void showManualModeControls();

private:
    // What picking a line of either list begins with: the source unloaded, nothing to save.
    void startPick();
    void paintSkinsList(const QColor& colour);

    TForm1& m_form;
    SkinCatalogue m_catalogue;
    // Counts the fillings and emptyings of the skins list, so that a scan can tell whether its
    // result is still wanted when it ends.
    unsigned m_listChanges = 0;
};

} // namespace tintabel
