#include "app/BuildSettings.h"
#include "app/SecondaryWindows.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tintabel::testing {
namespace {

// The main window with the about and help tip windows the program entry hands it. They open
// without waiting, so the test goes on while they are up.
class AboutWindowsTest : public MainWindowFixture {
protected:
    AboutWindowsTest()
        : about(services)
    {
        start();
        window().secondaryWindows().attach(about, helpTip);
        window().secondaryWindows().showModal = [this](QDialog& shown) {
            shownModally.push_back(&shown);
            shown.open();
        };
    }

    TForm2 about;
    TForm3 helpTip;
    std::vector<QDialog*> shownModally;
};

TEST_F(AboutWindowsTest, TheAboutButtonShowsTheWindowItsLinkOpensTheSiteAndOkClosesIt)
{
    QTest::mouseClick(named<QPushButton>(window(), "aboutbt"), Qt::LeftButton);
    EXPECT_EQ(shownModally, std::vector<QDialog*> {&about});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.titleLabel->text(), "Veldo Orb 2 beta");
    // It cannot be closed but by its button, and its lines stand one below the other inside it.
    EXPECT_FALSE(about.windowFlags() & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const QWidget* above = nullptr;
    for (const QWidget* line : std::initializer_list<const QWidget*> {
             about.titleLabel, about.creditsLabel, about.siteLink, about.okButton}) {
        EXPECT_TRUE(about.rect().contains(line->geometry())) << line->objectName().data();
        if (above) {
            EXPECT_LT(above->geometry().bottom(), line->y()) << line->objectName().data();
        }
        above = line;
    }

    QTest::mouseClick(about.siteLink, Qt::LeftButton, {}, about.siteLink->rect().center());
    ASSERT_EQ(shell.opened().size(), 1u);
    EXPECT_EQ(shell.opened()[0].target, siteAddress());
    EXPECT_EQ(shell.opened()[0].show, ShowWindow::Maximised);
    EXPECT_TRUE(about.isVisible());

    QTest::mouseClick(about.okButton, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(helpTip.isVisible());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(AboutWindowsTest, OnlyTheHiddenHelpButtonShowsTheHelpTipWithItsWholeText)
{
    EXPECT_TRUE(named<QPushButton>(window(), "help2bt")->isHidden());
    named<QPushButton>(window(), "help2bt")->click();
    EXPECT_EQ(shownModally, std::vector<QDialog*> {&helpTip});
    EXPECT_TRUE(helpTip.isVisible());
    EXPECT_EQ(helpTip.windowType(), Qt::Tool);
    EXPECT_EQ(
        helpTip.palette().color(QPalette::Window), helpTip.palette().color(QPalette::ToolTipBase));
    const QLabel& text = *helpTip.tipText;
    EXPECT_FALSE(text.text().isEmpty());
    EXPECT_TRUE(helpTip.rect().contains(text.geometry()));
    EXPECT_LE(text.heightForWidth(text.width()), text.height());
}

TEST_F(MainWindowFixture, WithoutItsWindowsTheAboutButtonDoesNothing)
{
    TForm1& form = start();
    QTest::mouseClick(named<QPushButton>(form, "aboutbt"), Qt::LeftButton);
    named<QPushButton>(form, "help2bt")->click();
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace tintabel::testing
