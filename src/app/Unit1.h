#pragma once

#include "app/ColourSource.h"
#include "app/MainWindowControls.h"
#include "app/ProgramFolders.h"
#include "app/StartupSequence.h"
#include "colours/ColourXmlReader.h"
#include "colours/SlotModel.h"
#include "colours/WorkingColourFile.h"
#include "colours/WorkingCopy.h"
#include "platform/Dialogs.h"

#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tintabel {

class ApplySchemeDialog;
class ChannelEditors;
class ColourSchemeActions;
class ColorPickerDialog;
class ColourSourceReset;
class FmUserFolder;
class Languages;
class PreviewBackground;
class PreviewLayout;
class PreviewSamples;
class ReadabilityTracker;
class SchemeLoadPath;
class SecondaryWindows;
class SkinCatalogueHandlers;
class SlotSelection;
class SlotViews;
class UpdateCheck;
class WindowHistory;
class XmlFileActions;
struct Services;

// The main window. It owns its controls (MainWindowControls) and the parts of the program, and
// hands every handler to the part that does the work, giving each part the controls and
// collaborators it uses. Creating it runs the start-up sequence; an error there is shown and the
// window still opens.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 724;
    static constexpr int kClientHeight = 324;

    explicit TForm1(Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    const ProgramFolders& folders() const { return m_folders; }
    ColourSource& source() { return m_source; }
    SlotModel& slotModel() { return m_slots; }
    const WorkingColourFile& workingFile() const { return m_workingFile; }
    ChannelEditors& editors() const { return *m_editors; }
    PreviewSamples& preview() const { return *m_preview; }
    Languages& languages() const { return *m_languages; }
    FmUserFolder& fmUserFolder() const { return *m_fmUserFolder; }
    SkinCatalogueHandlers& catalogue() const { return *m_catalogue; }
    UpdateCheck& updateCheck() const { return *m_update; }
    // The about and help tip windows, handed over by the program entry once they exist.
    SecondaryWindows& secondaryWindows() const { return *m_secondaryWindows; }
    // What the start-up sequence works on; creating the window runs one over these.
    StartupSequence::Parts startupParts();

    // Unloads the colour document (slots and editors back to their start state).
    void unload();
    // Rewrites the working colour file from the slots.
    void data();

    // Operations of the window's parts, each done by the part named.
    // Preview: removes the pictures of all eight samples, once any sample was made.
    void SampleClearAll();
    // Preview: rebuilds the slot's sample from its swatch colour with the given alpha and writes
    // the alpha's decimal form into the slot's alpha store.
    void SampleRender(std::size_t index, std::int32_t alpha);
    // Editors: makes the slot the selected one and runs its selection, so the editors show it.
    void selectSlot(std::size_t index);
    // Colour XML reader: reads the colour document at path into the slots, its working copy
    // named after docFileName.
    void load(const std::string& path);

    // The colour picker of the palette button.
    std::unique_ptr<ColorPickerDialog> ColorPickerDialog1;

    // The file dialogs, as they are shown.
    FileDialogRequest od;
    FileDialogRequest sv;
    FileDialogRequest JvSaveDialog1;
    FileDialogRequest j2;
    FileDialogRequest opimg;

signals:
    // Emitted when a press asks to move the window, just before the system takes over the move.
    void moveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    // Made at its first opening, so that the start does not build a window it may never show.
    ApplySchemeDialog& applySkins();
    void startWindowMove();

    MainWindowControls m_controls;

    Services& m_services;
    const ProgramFolders m_folders;
    ColourSource m_source;
    SlotModel m_slots;
    WorkingColourFile m_workingFile;
    WorkingCopy m_workCopy;
    ColourXmlReader m_reader;
    std::unique_ptr<PreviewSamples> m_preview;
    std::unique_ptr<ChannelEditors> m_editors;
    std::unique_ptr<SlotSelection> m_selection;
    std::unique_ptr<ColourSourceReset> m_reset;
    std::unique_ptr<SlotViews> m_slotViews;
    std::unique_ptr<Languages> m_languages;
    std::unique_ptr<FmUserFolder> m_fmUserFolder;
    std::unique_ptr<SkinCatalogueHandlers> m_catalogue;
    std::unique_ptr<UpdateCheck> m_update;
    std::unique_ptr<SecondaryWindows> m_secondaryWindows;
    std::unique_ptr<XmlFileActions> m_xmlFiles;
    std::unique_ptr<PreviewBackground> m_background;
    std::unique_ptr<PreviewLayout> m_layout;
    std::unique_ptr<SchemeLoadPath> m_loadPath;
    std::unique_ptr<ColourSchemeActions> m_schemes;
    std::unique_ptr<ReadabilityTracker> m_readability;
    std::unique_ptr<WindowHistory> m_history;
    std::unique_ptr<ApplySchemeDialog> m_applySkins;
};

} // namespace tintabel
