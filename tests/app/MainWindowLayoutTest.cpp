#include "app/BuildSettings.h"
#include "app/ImageControl.h"
#include "app/Languages.h"
#include "app/SecondaryWindows.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "editor/ColourSwatch.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <set>

namespace tintabel::testing {
namespace {

using Names = std::set<std::string>;
using MainWindowLayout = MainWindowFixture;

// The width a control needs to show its whole caption, or 0 for one without a caption.
int captionWidth(const QWidget& control)
{
    if (qobject_cast<const QLabel*>(&control) || qobject_cast<const QRadioButton*>(&control))
        return control.sizeHint().width();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->fontMetrics().horizontalAdvance(button->text()) + 4;
    if (auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->fontMetrics().horizontalAdvance(group->title()) + 16;
    return 0;
}

// In each language the captions change, and every control must still show all of its own.
TEST_F(MainWindowLayout, ControlsStayInsideTheirGroupsClearOfEachOtherWithWholeCaptions)
{
    // Labels stand on the edge of what they name, the background lies under its group, and the
    // design lets a few neighbours share a row of pixels.
    const std::set<std::pair<std::string, std::string>> touching {{"sllb", "lista1"},
        {"ctllb", "ListBox2"}, {"Image1", "Label5"}, {"Image1", "JvXPButton1"},
        {"GroupBox2", "GroupBox3"}, {"lsbt", "savebt"}, {"manrb", "skinrb"}};
    for (const char* language : {"none", "English", "Polish"}) {
        SCOPED_TRACE(language);
        registry.writeString(RegistryRoot::LocalMachine, Languages::kKey, "lang", language);
        TForm1& form = restart();
        for (const QWidget* parent :
            {static_cast<QWidget*>(&form), named<QWidget>(form, "GroupBox1"),
                named<QWidget>(form, "GroupBox2"), named<QWidget>(form, "GroupBox3")}) {
            std::vector<QWidget*> shown;
            for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child->isVisibleTo(&form) && !child->objectName().startsWith("qt_"))
                    shown.push_back(child);
            for (const QWidget* control : shown) {
                const std::string name = control->objectName().toStdString();
                EXPECT_TRUE(parent->rect().contains(control->geometry())) << name;
                EXPECT_LE(captionWidth(*control), control->width()) << name;
                for (const QWidget* other : shown) {
                    const std::string otherName = other->objectName().toStdString();
                    if (name < otherName && !touching.contains({name, otherName})) {
                        EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                            << name << " and " << otherName;
                    }
                }
            }
        }
        // The slots' rows: each radio button beside its swatch, in slot order down the group.
        int lastTop = 0;
        for (const ColourSlot& slot : kColourSlots) {
            const QRect swatch = named<ColourSwatch>(form, slot.swatch)->geometry();
            const QRect button = named<QRadioButton>(form, slot.radioButton)->geometry();
            EXPECT_GT(swatch.top(), lastTop) << slot.displayName;
            EXPECT_LT(swatch.right(), button.left()) << slot.displayName;
            EXPECT_LE(std::abs(swatch.center().y() - button.center().y()), 1) << slot.displayName;
            lastTop = swatch.bottom();
        }
    }
}

// A fixed, centred window without a maximise box, where before a load only the loaders and the
// options answer.
TEST_F(MainWindowLayout, BeforeALoadOnlyTheLoadersAndOptionsAnswer)
{
    TForm1& form = start();
    EXPECT_EQ(form.windowTitle(), "Veldo Tintabel 2 beta5");
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    const QPoint offCentre = form.geometry().center() - form.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    Names disabled, hidden;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        const std::string name = control->objectName().toStdString();
        // Not the windows the main window opens.
        if (control->window() != &form || name.empty() || name.starts_with("qt_"))
            continue;
        if (!control->isEnabledTo(&form))
            disabled.insert(name);
        if (!control->isVisibleTo(&form))
            hidden.insert(name);
    }
    EXPECT_EQ(disabled,
        (Names {"re", "ge", "be", "alp", "hex", "clr", "plt", "sctbt", "loadbt", "savebt", "sxmlbt",
            "skinrb", "cbfm2008", "lae", "nae", "gae", "eae", "sae", "ale", "sale", "pete", "larb",
            "narb", "garb", "earb", "sarb", "alrb", "salrb", "petrb"}));
    EXPECT_EQ(hidden,
        (Names {"Label8", "Button1", "cbfm2008", "help2bt", "helbp1bt", "helbp3bt", "lista2",
            "lista3", "lista10"}));
    EXPECT_TRUE(named<QRadioButton>(form, "cbfm2009")->isChecked());
    EXPECT_TRUE(named<QRadioButton>(form, "manrb")->isChecked());
    EXPECT_TRUE(named<QRadioButton>(form, "larb")->isChecked());
    EXPECT_EQ(named<ImageControl>(form, "polimg")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(MainWindowLayout, ShowsItsPicturesAndTheExactSlotColoursWhileDisabled)
{
    TForm1& form = start();
    for (const char* picture : {"logoimg", "engimg", "polimg", "Image1"}) {
        const ImageControl* control = named<ImageControl>(form, picture);
        EXPECT_FALSE(control->picture().isNull()) << picture;
        EXPECT_LE(control->picture().width(), control->width()) << picture;
        EXPECT_GE(control->picture().width(), control->width() - 1) << picture;
    }
    form.slotModel().setColour(2, 0x8000FF); // red 255, green 0, blue 128
    named<ColourSwatch>(form, "clr")->setColour(0x00FF00);
    const QImage shot = form.grab().toImage();
    for (const auto& [name, colour] : {std::pair {"gae", QColor(255, 0, 128)},
             {"nae", QColor(255, 255, 255)}, {"clr", QColor(0, 255, 0)}}) {
        const QWidget* control = named<QWidget>(form, name);
        EXPECT_EQ(QColor(shot.pixel(control->mapTo(&form, control->rect().center()))), colour)
            << name;
    }
    EXPECT_EQ(named<QListWidget>(form, "lista1")->palette().color(QPalette::Base),
        QColor(0xF5, 0xF5, 0xF5));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainWindowFixture, ABackgroundIsShownAtItsOwnSizeAndPlaceClippedByTheGroup)
{
    TForm1& form = start();
    ImageControl* background = named<ImageControl>(form, "Image1");
    const QImage before = background->picture();
    clickAnswering("JvXPButton2", std::nullopt);
    EXPECT_EQ(background->picture(), before);

    background->move(20, 30);
    // Every pixel differs from its neighbours, so that scaling or a shifted place shows.
    QImage picture(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + 2 * (y / 256)) * 60));
    clickAnswering("JvXPButton2", pictureFile("large.png", picture));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(background->pos(), QPoint(20, 30));
    EXPECT_EQ(background->size(), QSize(600, 400));
    // Below the buttons, near the group's far corner, the group shows the picture's own pixels.
    QGroupBox* group = named<QGroupBox>(form, "GroupBox1");
    const QImage shown = group->grab().toImage();
    for (const QPoint at : {QPoint(325, 300), QPoint(30, 300), QPoint(320, 285)}) {
        ASSERT_EQ(group->childAt(at), background) << at.x() << "," << at.y();
        EXPECT_EQ(shown.pixel(at), picture.pixel(at - QPoint(20, 30))) << at.x() << "," << at.y();
    }

    // A file that cannot be loaded is reported and leaves the picture.
    clickAnswering("JvXPButton2", userFile("picture.gif", "GIF89a"));
    EXPECT_EQ(
        messages.errors(), std::vector<std::string> {"Unknown picture file extension (.gif)"});
    EXPECT_EQ(background->picture().pixel(599, 399), picture.pixel(599, 399));
}

// The about and help tip windows open without waiting, so the test goes on while they are up.
TEST_F(MainWindowFixture, TheAboutAndHiddenHelpButtonsShowTheirWindowsOnlyWhenGivenThem)
{
    start();
    click("aboutbt");
    named<QPushButton>(window(), "help2bt")->click();
    EXPECT_TRUE(messages.shown().empty());

    TForm2 about(services);
    TForm3 helpTip;
    std::vector<QDialog*> shownModally;
    window().secondaryWindows().attach(
        [&]() -> QDialog& { return about; }, [&]() -> QDialog& { return helpTip; });
    window().secondaryWindows().showModal = [&](QDialog& shown) {
        shownModally.push_back(&shown);
        shown.open();
    };
    click("aboutbt");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    // It cannot be closed but by its button, and its lines stand one below the other inside it.
    EXPECT_FALSE(about.windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
    const QWidget* above = nullptr;
    for (const QWidget* line : std::initializer_list<const QWidget*> {
             about.titleLabel, about.creditsLabel, about.siteLink, about.okButton}) {
        EXPECT_TRUE(about.rect().contains(line->geometry())) << line->objectName().data();
        EXPECT_TRUE(!above || above->geometry().bottom() < line->y()) << line->objectName().data();
        above = line;
    }
    QTest::mouseClick(about.siteLink, Qt::LeftButton, {}, about.siteLink->rect().center());
    ASSERT_EQ(shell.opened().size(), 1u);
    EXPECT_EQ(shell.opened()[0].target, siteAddress());
    EXPECT_EQ(shell.opened()[0].show, ShowWindow::Maximised);
    QTest::mouseClick(about.okButton, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());

    named<QPushButton>(window(), "help2bt")->click();
    EXPECT_EQ(shownModally, (std::vector<QDialog*> {&about, &helpTip}));
    EXPECT_TRUE(helpTip.isVisible());
    EXPECT_EQ(helpTip.windowType(), Qt::Tool);
    const QLabel& text = *helpTip.tipText;
    EXPECT_FALSE(text.text().isEmpty());
    EXPECT_TRUE(helpTip.rect().contains(text.geometry()));
    EXPECT_LE(text.heightForWidth(text.width()), text.height());
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
