#include "app/ImageControl.h"
#include "support/EditorsFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace tintabel::testing {
namespace {

const QPoint kBackgroundStart(8, 88);

class PreviewLayoutTest : public EditorsFixture {
protected:
    // Presses the element at from, moves the mouse to each point in turn (in the element's
    // coordinates at the moment of the event) and releases it there.
    static void drag(QWidget* element, std::initializer_list<QPoint> moves,
        Qt::MouseButton button = Qt::LeftButton, QPoint from = {2, 3})
    {
        QTest::mousePress(element, button, {}, from);
        for (const QPoint to : moves)
            QTest::mouseMove(element, from = to);
        QTest::mouseRelease(element, button, {}, from);
    }
    // The mouse passing over the element with a button held since a press elsewhere.
    static void pass(QWidget* element)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), QPointF(20, 20), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(element, &move);
    }
    PreviewSample* sample(std::size_t index) { return window().preview().sample(index); }
    ImageControl* background() { return named<ImageControl>(window(), "Image1"); }
    QPoint storedPlace(std::size_t index)
    {
        const SamplePosition place = window().preview().position(index);
        return {place.left, place.top};
    }
    static QPoint startOf(std::size_t index)
    {
        const SamplePosition place = PreviewSamples::kStartPositions[index];
        return {place.left, place.top};
    }
};

TEST_F(PreviewLayoutTest, OnlyThePressedElementFollowsTheMouseWithoutBoundsAndStaysThere)
{
    TForm1& form = loaded();
    pass(sample(2));
    pass(background());
    EXPECT_EQ(sample(2)->pos(), startOf(2));
    EXPECT_EQ(background()->pos(), kBackgroundStart);
    // The grabbed point stays under the pointer: every move is measured from where the element
    // is by then.
    drag(sample(2), {QPoint(13, 24), QPoint(8, 6)}, Qt::RightButton, {3, 4});
    const QPoint dragged = startOf(2) + QPoint(15, 22);
    EXPECT_EQ(sample(2)->pos(), dragged);
    EXPECT_EQ(storedPlace(2), dragged);
    pass(sample(2));
    EXPECT_EQ(sample(2)->pos(), dragged);
    // Rebuilt by an edit, the sample stays where it was put.
    QTest::mouseClick(named<QRadioButton>(form, "garb"), Qt::LeftButton);
    retype(named<QLineEdit>(form, "re"), "77");
    EXPECT_EQ(sample(2)->pos(), dragged);
    EXPECT_EQ(sample(2)->picture().pixel(0, 0), qRgba(77, 0, 0, 128));

    drag(background(), {QPoint(-1000, 900)}, Qt::MiddleButton);
    pass(background());
    EXPECT_EQ(background()->pos(), kBackgroundStart + QPoint(-1002, 897));
    drag(sample(7), {QPoint(500, -600)});
    EXPECT_EQ(storedPlace(7), startOf(7) + QPoint(498, -603));
    for (std::size_t index : {0, 1, 3, 4, 5, 6})
        EXPECT_EQ(sample(index)->pos(), startOf(index)) << index;
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewLayoutTest, ResetPositionsReturnsEverySampleThatExistsAndTheStartPlacesOfTheRest)
{
    TForm1& form = start();
    // A document that supplies three slots only.
    clickAnswering("lsbt",
        userFile("three.xml",
            "<colours><colour name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\"/>"
            "<colour name=\"normal attribute\" red=\"1\" green=\"2\" blue=\"3\"/>"
            "<colour name=\"special attribute\" red=\"4\" green=\"5\" blue=\"6\"/></colours>"));
    const std::vector<std::size_t> made {0, 1, 4};
    for (std::size_t index = 0; index < kSlotCount; ++index)
        ASSERT_EQ(sample(index) != nullptr, std::ranges::count(made, index) == 1) << index;
    for (const std::size_t index : made)
        drag(sample(index), {QPoint(30 - 20 * int(index), 5)});
    drag(background(), {QPoint(5, 5)});
    form.preview().setPosition(6, {1, 2}); // for a sample still to be made
    form.SampleClearAll();

    click("JvXPButton1");
    EXPECT_EQ(background()->pos(), kBackgroundStart);
    for (const std::size_t index : made)
        EXPECT_EQ(sample(index)->pos(), startOf(index)) << index;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        EXPECT_EQ(storedPlace(index), startOf(index)) << index;
    form.SampleRender(6, 255);
    EXPECT_EQ(sample(6)->pos(), startOf(6));
}

} // namespace
} // namespace tintabel::testing
