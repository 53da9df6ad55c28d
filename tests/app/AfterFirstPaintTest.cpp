#include "app/AfterFirstPaint.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tintabel::testing {
namespace {

// Writes down the window's paints beside the work, so that the test sees their order.
class PaintLog : public QWidget {
public:
    std::vector<std::string>& log;
    explicit PaintLog(std::vector<std::string>& into)
        : log(into)
    {
        resize(50, 50);
    }

protected:
    void paintEvent(QPaintEvent*) override { log.push_back("paint"); }
};

// Keeps a window from being drawn, as a window started minimised is not until it is restored.
class NoPaints : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Paint; }
};

TEST(AfterFirstPaintTest, TheWorkWaitsForAShownWindowsFirstPaintAndIsDroppedWithIt)
{
    // NeverDrawn stands for a window started minimised: shown, but not drawn until restored.
    enum class Window { Hidden, ShownAfterwards, AlreadyOnScreen, NeverDrawn };
    struct Case {
        Window window;
        bool droppedAtOnce;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {Window::Hidden, false, {"work"}},
        {Window::ShownAfterwards, false, {"paint", "work"}},
        {Window::AlreadyOnScreen, false, {"paint", "work"}},
        {Window::ShownAfterwards, true, {"paint"}},
        {Window::NeverDrawn, false, {"work"}},
        {Window::NeverDrawn, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.window) * 2 + c.droppedAtOnce);
        std::vector<std::string> log;
        PaintLog window(log);
        if (c.window == Window::AlreadyOnScreen) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        auto later = std::make_unique<AfterFirstPaint>(
            window, [&log] { log.push_back("work"); }, std::chrono::milliseconds(500));
        // Nothing is done before the event loop runs, however the window stands.
        EXPECT_EQ(log.size(), c.window == Window::AlreadyOnScreen ? 1u : 0u);
        NoPaints noPaints;
        if (c.window == Window::NeverDrawn)
            qApp->installEventFilter(&noPaints);
        if (c.window == Window::ShownAfterwards || c.window == Window::NeverDrawn)
            window.show();
        if (c.droppedAtOnce)
            later.reset();
        QTest::qWait(100);
        if (c.window == Window::NeverDrawn) {
            EXPECT_TRUE(log.empty()) << "too soon";
        }
        QTest::qWait(600);
        EXPECT_EQ(log, c.expected);
    }
}

} // namespace
} // namespace tintabel::testing
