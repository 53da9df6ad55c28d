#include "app/AfterFirstPaint.h"

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

TEST(AfterFirstPaintTest, TheWorkWaitsForAShownWindowsFirstPaintAndIsDroppedWithIt)
{
    enum class Window { Hidden, ShownAfterwards, AlreadyOnScreen };
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.window) * 2 + c.droppedAtOnce);
        std::vector<std::string> log;
        PaintLog window(log);
        if (c.window == Window::AlreadyOnScreen) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        auto later = std::make_unique<AfterFirstPaint>(window, [&log] { log.push_back("work"); });
        // Nothing is done before the event loop runs, however the window stands.
        EXPECT_EQ(log.size(), c.window == Window::AlreadyOnScreen ? 1u : 0u);
        if (c.window == Window::ShownAfterwards)
            window.show();
        if (c.droppedAtOnce)
            later.reset();
        QTest::qWait(100);
        EXPECT_EQ(log, c.expected);
    }
}

} // namespace
} // namespace tintabel::testing
