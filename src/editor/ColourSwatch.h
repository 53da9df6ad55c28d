#pragma once

#include "colours/ColourValue.h"

#include <QLineEdit>

#include <functional>

namespace tintabel {

// A read-only box that shows one colour. It stays
// disabled, and a disabled line edit greys its background, so it paints the colour itself: a
// swatch shows its exact colour in every state. A swatch either holds its own colour or shows
// one it reads from elsewhere (a slot of the slot model) and then keeps no copy.
class ColourSwatch : public QLineEdit {
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    ColourValue colour() const;
    // Holds this colour from now on.
    void setColour(ColourValue colour);
    // Shows what source gives; call update() when it changes.
    void showColourOf(std::function<ColourValue()> source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourValue m_colour = 0xFFFFFF;
    std::function<ColourValue()> m_source;
};

} // namespace tintabel
