#include "app/ImageControl.h"
#include "support/EditorsFixture.h"

#include <QGroupBox>
#include <QPushButton>

namespace tintabel::testing {
namespace {

const QPoint kBackgroundStart(8, 88);

class PreviewLayoutTest : public EditorsFixture {
protected:
    // Presses the element at from, moves the mouse to each point in turn and releases it there;
    // every position in the element's coordinates at the moment of the event, as the toolkit
    // gives them.
    static void drag(
        QWidget* element, Qt::MouseButton button, QPoint from, std::initializer_list<QPoint> moves)
    {
        QTest::mousePress(element, button, {}, from);
        QPoint last = from;
        for (const QPoint to : moves) {
            QTest::mouseMove(element, to);
            last = to;
        }
        QTest::mouseRelease(element, button, {}, last);
    }

    // Moves the element by offset with one drag.
    static void dragBy(QWidget* element, QPoint offset, Qt::MouseButton button = Qt::LeftButton)
    {
        drag(element, button, {2, 3}, {QPoint(2, 3) + offset});
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

TEST_F(PreviewLayoutTest, OnlyAPressedSampleFollowsTheMouseAndStaysThereThroughItsRebuilds)
{
    TForm1& form = loaded();
    PreviewSample* good = sample(2);
    ASSERT_EQ(good->pos(), startOf(2));
    QTest::mouseMove(good, {20, 20});
    EXPECT_EQ(good->pos(), startOf(2));
    // The grabbed point stays under the pointer: every move is measured from where the element
    // is by then.
    drag(good, Qt::RightButton, {3, 4}, {QPoint(13, 24), QPoint(8, 6)});
    const QPoint dragged = startOf(2) + QPoint(10, 20) + QPoint(5, 2);
    EXPECT_EQ(good->pos(), dragged);
    EXPECT_EQ(storedPlace(2), dragged);
    QTest::mouseMove(good, {20, 20});
    EXPECT_EQ(good->pos(), dragged);

    QTest::mouseClick(named<QRadioButton>(form, "garb"), Qt::LeftButton);
    retype(named<QLineEdit>(form, "re"), "77");
    retype(named<QLineEdit>(form, "alp"), "9");
    EXPECT_EQ(sample(2)->pos(), dragged);
    EXPECT_EQ(sample(2)->picture().pixel(0, 0), qRgba(77, 0, 0, 9));
    // Neither the background nor another sample moved with it.
    EXPECT_EQ(background()->pos(), kBackgroundStart);
    EXPECT_EQ(sample(1)->pos(), startOf(1));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewLayoutTest, DraggingTheBackgroundLeavesTheSamplesInPlaceAndKnowsNoBounds)
{
    loaded();
    QTest::mouseMove(background(), {40, 40});
    EXPECT_EQ(background()->pos(), kBackgroundStart);
    dragBy(background(), {-30, 15}, Qt::MiddleButton);
    EXPECT_EQ(background()->pos(), kBackgroundStart + QPoint(-30, 15));
    QTest::mouseMove(background(), {40, 40});
    EXPECT_EQ(background()->pos(), kBackgroundStart + QPoint(-30, 15));
    for (std::size_t index = 0; index < kSlotCount; ++index)
        EXPECT_EQ(sample(index)->pos(), startOf(index)) << index;

    // Out of the group altogether; only the reset brings it back.
    dragBy(background(), {-1000, 900});
    EXPECT_EQ(background()->pos(), kBackgroundStart + QPoint(-1030, 915));
    dragBy(sample(7), {500, -600});
    EXPECT_EQ(storedPlace(7), startOf(7) + QPoint(500, -600));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PreviewLayoutTest, ResetPositionsReturnsEverySampleThatExistsAndTheStartPlacesOfTheRest)
{
    TForm1& form = start();
    // A document that supplies three slots only.
    TempFolder user;
    user.write("three.xml",
        "<colours>\n"
        "  <colour name=\"low attribute\" red=\"1\" green=\"2\" blue=\"3\"/>\n"
        "  <colour name=\"normal attribute\" red=\"1\" green=\"2\" blue=\"3\"/>\n"
        "  <colour name=\"special attribute\" red=\"4\" green=\"5\" blue=\"6\" alpha=\"7\"/>\n"
        "</colours>\n");
    dialogs.queueAnswer((user / "three.xml").string());
    QTest::mouseClick(named<QPushButton>(form, "lsbt"), Qt::LeftButton);
    const std::vector<std::size_t> made {0, 1, 4};
    for (std::size_t index = 0; index < kSlotCount; ++index)
        ASSERT_EQ(sample(index) != nullptr, std::ranges::count(made, index) == 1) << index;
    for (const std::size_t index : made)
        dragBy(sample(index), {30 - 20 * int(index), 5}, Qt::RightButton);
    dragBy(background(), {5, 5});
    // A place set for a slot whose sample is still to be made.
    form.preview().setPosition(6, {1, 2});
    form.SampleClearAll();

    QTest::mouseClick(named<QPushButton>(form, "JvXPButton1"), Qt::LeftButton);
    EXPECT_EQ(background()->pos(), kBackgroundStart);
    for (const std::size_t index : made)
        EXPECT_EQ(sample(index)->pos(), startOf(index)) << index;
    for (std::size_t index = 0; index < kSlotCount; ++index)
        EXPECT_EQ(storedPlace(index), startOf(index)) << index;
    form.SampleRender(6, 255);
    EXPECT_EQ(sample(6)->pos(), startOf(6));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
