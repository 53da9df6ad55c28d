#pragma once

class QWidget;

namespace tintabel {

class ChannelEditors;
class SlotModel;
struct ColourSource;

// Unloads the colour document: the slots and editors go back to their state before any load.
// Every action that loads or switches the colour source starts with it, often more than once;
// a second run right after the first changes nothing. The save buttons go off with the document:
// only slots that hold a document read whole may be written back, so the loaders turn them on
// after a read that reached its end, and a read that fails leaves them off.
class ColourSourceReset {
public:
    ColourSourceReset(ColourSource& source, SlotModel& slotModel, ChannelEditors& editors,
        QWidget& sctbt, QWidget& loadbt, QWidget& savebt, QWidget& sxmlbt);

    // The order matters: the editors' writes run their change rules, which write into the
    // selected slot, before the slots turn white; the alpha stores keep what those rules left.
    void unload();
    // After a load: the editors, the palette button and the scheme buttons take input.
    void enableEditing();

private:
    ColourSource& m_source;
    SlotModel& m_slots;
    ChannelEditors& m_editors;
    QWidget& m_sctbt;
    QWidget& m_loadbt;
    QWidget& m_savebt;
    QWidget& m_sxmlbt;
};

} // namespace tintabel
