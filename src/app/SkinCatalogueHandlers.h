#pragma once

#include "colours/SkinCatalogue.h"

#include <string>
#include <utility>

class QAbstractButton;
class QColor;
class QLabel;
class QListWidget;
class QWidget;

namespace tintabel {

class ColourSourceReset;
class ColourXmlReader;
class PreviewSamples;
class SlotSelection;
class WorkingColourFile;
struct ColourSource;
struct ProgramFolders;
struct Services;

// The two ways of loading colours, by hand (manrb) or from an installed skin (skinrb), and the
// skin mode's lists: the skins under the FM user folder (lista1, each line carrying its folder)
// and the colour files of the skin picked there (ListBox2). A colour file picked in ListBox2 is
// loaded, and "Save to skin" then writes back into it.
class SkinCatalogueHandlers {
public:
    struct Parts {
        Services& services;
        const ProgramFolders& folders;
        ColourSource& source;
        ColourSourceReset& reset;
        ColourXmlReader& reader;
        WorkingColourFile& workingFile;
        PreviewSamples& preview;
        SlotSelection& selection;
        QAbstractButton& manrb;
        QAbstractButton& skinrb;
        const QLabel& Label8; // the user folder as FmUserFolder last showed it
        QWidget& lsbt;
        QListWidget& lista1;
        QListWidget& ListBox2;
        QWidget& savebt;
        QWidget& sxmlbt;
    };

    explicit SkinCatalogueHandlers(const Parts& parts);

    // The FM user data folder whose skins are listed, ending in "/" or "\"; FmUserFolder chooses
    // it, and the skin mode takes it back from Label8.
    const std::string& userFolder() const { return m_userFolder; }
    void setUserFolder(std::string folder) { m_userFolder = std::move(folder); }
    // userFolder's skins folder as the last scan found it, and the folder of the skin last picked.
    const std::string& skinsFolder() const { return m_skinsFolder; }
    const std::string& selectedSkinFolder() const { return m_selectedSkinFolder; }

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

    Parts m_parts;
    SkinCatalogue m_catalogue;
    std::string m_userFolder;
    std::string m_skinsFolder;
    std::string m_selectedSkinFolder;
    // Counts the fillings and emptyings of the skins list, so that a scan can tell whether its
    // result is still wanted when it ends.
    unsigned m_listChanges = 0;
};

} // namespace tintabel
