#include "colours/SlotModel.h"
#include "editor/PreviewLayout.h"
#include "editor/PreviewSample.h"
#include "editor/PreviewSamples.h"
#include "platform/doubles/ScriptedMessageBoxes.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace tintabel {
namespace {

// The drag handlers as the mouse drives them, and the state they share: only a pressed element
// is dragged, and a release ends its drag.
class PreviewLayoutDrag : public ::testing::Test {
protected:
    PreviewLayoutDrag()
        : background(new QWidget(&group))
        , input(new QLineEdit(&group))
        , samples(group, *input, slotModel, {})
        , layout(*background, samples, messages)
    {
        samples.resetPositions();
        background->setGeometry(8, 88, 150, 160);
    }

    QWidget group;
    QWidget* background;
    QLineEdit* input;
    SlotModel slotModel;
    ScriptedMessageBoxes messages;
    PreviewSamples samples;
    PreviewLayout layout;
};

TEST_F(PreviewLayoutDrag, OnlyAPressedElementFollowsTheMouse)
{
    layout.Image1MouseMove({40, 40});
    EXPECT_EQ(background->pos(), QPoint(8, 88));

    layout.Image1MouseDown({5, 6});
    EXPECT_TRUE(layout.dragging);
    EXPECT_EQ(layout.dragStartX, 5);
    EXPECT_EQ(layout.dragStartY, 6);
    layout.Image1MouseMove({9, 2});
    EXPECT_EQ(background->pos(), QPoint(12, 84));
    layout.Image1MouseUp();
    EXPECT_FALSE(layout.dragging);
    layout.Image1MouseMove({40, 40});
    EXPECT_EQ(background->pos(), QPoint(12, 84));

    samples.render(6, 255);
    PreviewSample* sample = samples.sample(6);
    layout.sampleMouseDown(6, {1, 1});
    layout.sampleMouseMove(6, {4, 11});
    EXPECT_EQ(sample->pos(), QPoint(113, 221));
    EXPECT_EQ(samples.position(6).left, 113);
    EXPECT_EQ(samples.position(6).top, 221);
    layout.sampleMouseUp(6);
    layout.sampleMouseMove(6, {40, 40});
    EXPECT_EQ(sample->pos(), QPoint(113, 221));
    EXPECT_EQ(background->pos(), QPoint(12, 84));

    // A sample not yet made has nothing to move, and its place stays.
    layout.sampleMouseDown(0, {1, 1});
    layout.sampleMouseMove(0, {30, 30});
    EXPECT_EQ(samples.position(0).left, 110);
    EXPECT_EQ(samples.position(0).top, 91);
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel
