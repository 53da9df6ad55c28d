#pragma once

class QAbstractButton;
class QLineEdit;

namespace tintabel {

class ColourSwatch;

// The editors of the "Colours manager" group: red, green, blue, hex and alpha, the swatch of the
// colour being edited and the palette button. Their change rules run from textChanged, which Qt
// emits for writes from code as for typing, and only when the text really changes. None of them
// has a maximum length: that would also cut texts written from code, and the rules must see those
// whole; typing is limited by the key filters.
class ChannelEditors {
public:
    ChannelEditors(QLineEdit& re, QLineEdit& ge, QLineEdit& be, QLineEdit& hex, QLineEdit& alp,
        ColourSwatch& clr, QAbstractButton& plt);

    QLineEdit& re() const { return m_re; }
    QLineEdit& ge() const { return m_ge; }
    QLineEdit& be() const { return m_be; }
    QLineEdit& hex() const { return m_hex; }
    QLineEdit& alp() const { return m_alp; }
    ColourSwatch& clr() const { return m_clr; }
    QAbstractButton& plt() const { return m_plt; }

    // The editors' part of unloading a colour document: disable them, write their start texts
    // (each write that changes a text runs that editor's rule, which may write into the selected
    // slot) and turn the current colour white.
    void reset();

private:
    QLineEdit& m_re;
    QLineEdit& m_ge;
    QLineEdit& m_be;
    QLineEdit& m_hex;
    QLineEdit& m_alp;
    ColourSwatch& m_clr;
    QAbstractButton& m_plt;
};

} // namespace tintabel
