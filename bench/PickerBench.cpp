#include "picker/ColorPickerDialog.h"
#include "picker/UColorForm.h"
#include "picker/UPSPFrame.h"
#include "picker/WheelPicture.h"
#include "platform/doubles/MemoryRegistry.h"
#include "platform/doubles/ScriptedMessageBoxes.h"

#include <QTest>

#include <benchmark/benchmark.h>

namespace tintabel {
namespace {

constexpr int xo = 77;

void BM_PaintWheel(benchmark::State& state)
{
    QImage image(350, 216, QImage::Format_RGB32);
    const WheelGeometry geometry(image.width());
    WheelPicture wheel(image, geometry);
    for (auto _ : state) {
        wheel.paintWheel(qRgb(212, 208, 200), 0.3);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintWheel);

void BM_PaintSquare(benchmark::State& state)
{
    QImage image(350, 216, QImage::Format_RGB32);
    const WheelGeometry geometry(image.width());
    WheelPicture wheel(image, geometry);
    wheel.paintWheel(qRgb(212, 208, 200), 0.3);
    double hue = 0;
    for (auto _ : state) {
        hue = hue < 0.5 ? 0.7 : 0.3;
        wheel.paintSquare(hue);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintSquare);

// A picker on the screen with the left button held on its wheel.
class HeldPicker {
public:
    HeldPicker(int pressX, int pressY)
        : m_dialog(m_messages, m_registry, "tintabel", nullptr)
        , m_wheel(m_dialog.form().FramePSP->CerclePSP)
    {
        m_dialog.SetColor(0x563412);
        m_dialog.form().show();
        QTest::mousePress(m_wheel, Qt::LeftButton, {}, QPoint(pressX, pressY));
    }
    ~HeldPicker() { QTest::mouseRelease(m_wheel, Qt::LeftButton, {}, m_last); }

    void moveTo(QPoint point)
    {
        m_last = point;
        QTest::mouseMove(m_wheel, point);
    }
    const TCouleur& colour() { return m_dialog.form().FramePSP->pageColour(); }

private:
    ScriptedMessageBoxes m_messages;
    MemoryRegistry m_registry;
    ColorPickerDialog m_dialog;
    QWidget* m_wheel;
    QPoint m_last;
};

// A drag along the ring: every move changes the hue and repaints the square.
void BM_RingPick(benchmark::State& state)
{
    HeldPicker picker(xo + 97, 5);
    bool left = false;
    for (auto _ : state) {
        left = !left;
        picker.moveTo(left ? QPoint(xo + 10, 97) : QPoint(xo + 184, 97));
        benchmark::DoNotOptimize(picker.colour().Color());
    }
}
BENCHMARK(BM_RingPick);

// A drag in the square: colour, number fields, preview boxes and markers follow every move.
void BM_SquarePick(benchmark::State& state)
{
    HeldPicker picker(xo + 60, 60);
    bool left = false;
    for (auto _ : state) {
        left = !left;
        picker.moveTo(left ? QPoint(xo + 60, 60) : QPoint(xo + 130, 120));
        benchmark::DoNotOptimize(picker.colour().Color());
    }
}
BENCHMARK(BM_SquarePick);

} // namespace
} // namespace tintabel
