#pragma once

#include "colours/ColourValue.h"

#include <QObject>

#include <exception>
#include <functional>
#include <memory>
#include <string>

class QAbstractButton;
class QLineEdit;
class QString;

namespace tintabel {

class ColourSwatch;
class EditorKeyFilter;
class MessageBoxes;
class PreviewSamples;
class SlotModel;

// The editors of the "Colours manager" group: red, green, blue, hex and alpha, the swatch of the
// colour being edited and the palette button. Their change rules run from textChanged, which Qt
// emits for writes from code as for typing, and only when the text really changes; the rules write
// into each other's editors and so run each other, nested, until nothing changes. Every rule reads
// the editors' texts from the widgets: after a nested write the signal's argument may be stale.
// None of the editors has a maximum length: that would also cut texts written from code, and the
// rules must see those whole; what the user enters is limited by the key filters.
//
// A failure inside a rule ends the whole action, nested rules and the writes that ran them
// included: write() carries a nested rule's error back to its caller. Only a rule that typing ran
// shows the error, in the general error box.
class ChannelEditors : public QObject {
public:
    ChannelEditors(QLineEdit& re, QLineEdit& ge, QLineEdit& be, QLineEdit& hex, QLineEdit& alp,
        ColourSwatch& clr, QAbstractButton& plt, SlotModel& slotModel, PreviewSamples& preview,
        std::function<void()> data, MessageBoxes& messages);
    ~ChannelEditors() override;

    QLineEdit& re() const { return m_re; }
    QLineEdit& ge() const { return m_ge; }
    QLineEdit& be() const { return m_be; }
    QLineEdit& hex() const { return m_hex; }
    QLineEdit& alp() const { return m_alp; }
    ColourSwatch& clr() const { return m_clr; }
    QAbstractButton& plt() const { return m_plt; }

    // Writes an editor's text from code: when the text changes, the editor's rule runs before this
    // returns, and its failure leaves here. True when the text changed.
    bool write(QLineEdit& editor, const QString& text);

    // The change rules. Each keeps red, green, blue and hex in step and writes the colour and the
    // alpha into the selected slot, its sample and the working file.
    void reChange();
    void geChange();
    void beChange();
    void hexChange();
    void alpChange();

    // The colour the decimal texts of red, green and blue give, each channel's low 8 bits;
    // ConversionError when a text is no integer.
    ColourValue colourOfTexts() const;

    // After a colour document is loaded: the editors and the palette button take input.
    void enable();
    // The editors' part of unloading a colour document: disable them, write their start texts
    // (each write that changes a text runs that editor's rule, which may write into the selected
    // slot) and turn the current colour white.
    void reset();

private:
    void ChannelRule(QLineEdit& editor);
    void onChange(void (ChannelEditors::*rule)());

    QLineEdit& m_re;
    QLineEdit& m_ge;
    QLineEdit& m_be;
    QLineEdit& m_hex;
    QLineEdit& m_alp;
    ColourSwatch& m_clr;
    QAbstractButton& m_plt;
    SlotModel& m_slots;
    PreviewSamples& m_preview;
    std::function<void()> m_data;
    MessageBoxes& m_messages;
    std::unique_ptr<EditorKeyFilter> m_keyFilter;

    int m_writes = 0; // writes from code under way
    std::exception_ptr m_nestedFailure; // what a rule run by a write raised
};

} // namespace tintabel
