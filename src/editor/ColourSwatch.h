#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace tintabel {

// A read-only box that shows one colour (packed red + green * 256 + blue * 65536). It stays
// disabled, and a disabled line edit greys its background, so it paints the colour itself: a
// swatch shows its exact colour in every state. A swatch either holds its own colour or shows
// one it reads from elsewhere (a slot of the slot model) and then keeps no copy.
class ColourSwatch : public QLineEdit {
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    std::uint32_t colour() const;
    // Holds this colour from now on.
    void setColour(std::uint32_t colour);
    // Shows what source gives; call update() when it changes.
    void showColourOf(std::function<std::uint32_t()> source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t m_colour = 0xFFFFFF;
    std::function<std::uint32_t()> m_source;
};

} // namespace tintabel
