#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>

class QWidget;

namespace tintabel {

// A text colour the design fixes for one control, kept readable over what lies beneath it under
// any palette, also when the palette changes while the program runs. Where the designed colour
// can be read (a WCAG contrast of at least 3), it is used as designed, so a light palette shows
// the design unchanged. Where it cannot, the design's black becomes the palette's own text
// colour, and another colour the first colour on the way from it to the palette's text colour
// that can be read.
class DesignedTextColour : public QObject {
    Q_OBJECT

public:
    static constexpr double kMinimumContrast = 3;

    // Gives the control the colour in its text role, read over its background role; a colour
    // given before is replaced.
    static void apply(QWidget& control, QColor designed,
        QPalette::ColorRole text = QPalette::WindowText,
        QPalette::ColorRole background = QPalette::Window);

    // The colour shown for the designed one over background, where the palette's text colour is
    // paletteText.
    static QColor readable(QColor designed, QColor background, QColor paletteText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DesignedTextColour(QWidget& control, QColor designed, QPalette::ColorRole text,
        QPalette::ColorRole background);
    void update();

    QWidget& m_control;
    QColor m_designed;
    QPalette::ColorRole m_text;
    QPalette::ColorRole m_background;
};

} // namespace tintabel
