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

TEST_F(AboutWindowsTest, TheAboutWindowAsDesigned)
{
    EXPECT_EQ(about.windowTitle(), "Veldo Orb for FM 2009");
    EXPECT_EQ(about.size(), QSize(250, 130));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_EQ(about.pos(), QPoint(444, 493));
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags
        & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));

    EXPECT_EQ(about.titleLabel->text(), "Veldo Orb 2 beta");
    EXPECT_TRUE(about.titleLabel->font().bold());
    EXPECT_TRUE(about.titleLabel->font().underline());
    EXPECT_FALSE(about.creditsLabel->text().isEmpty());
    EXPECT_TRUE(about.siteLink->text().contains(QString::fromStdString(siteAddress())));
    EXPECT_EQ(about.siteLink->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.okButton->text(), "OK");
    EXPECT_EQ(about.okButton->pos(), QPoint(80, 88));

    // From the top: title, credits, link, button; all inside the window.
    EXPECT_LT(about.titleLabel->geometry().bottom(), about.creditsLabel->y());
    EXPECT_LT(about.creditsLabel->geometry().bottom(), about.siteLink->y());
    EXPECT_LT(about.siteLink->geometry().bottom(), about.okButton->y());
    for (const QWidget* control : about.findChildren<QWidget*>())
        EXPECT_TRUE(about.rect().contains(control->geometry())) << control->objectName().data();
}

TEST_F(AboutWindowsTest, TheAboutButtonShowsTheWindowModallyAndOkClosesIt)
{
    QTest::mouseClick(named<QPushButton>(window(), "aboutbt"), Qt::LeftButton);
    EXPECT_EQ(shownModally, std::vector<QDialog*> {&about});
    ASSERT_TRUE(about.isVisible());

    QTest::mouseClick(about.okButton, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(helpTip.isVisible());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(AboutWindowsTest, TheSiteLinkOpensTheSiteMaximised)
{
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.siteLink, Qt::LeftButton, {}, about.siteLink->rect().center());
    ASSERT_EQ(shell.opened().size(), 1u);
    EXPECT_EQ(shell.opened()[0].target, siteAddress());
    EXPECT_EQ(shell.opened()[0].show, ShowWindow::Maximised);
    // The link is not followed by anything else: the window stays.
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutWindowsTest, OnlyTheHiddenHelpButtonShowsTheHelpTip)
{
    EXPECT_TRUE(named<QPushButton>(window(), "help2bt")->isHidden());
    named<QPushButton>(window(), "help2bt")->click();
    EXPECT_EQ(shownModally, std::vector<QDialog*> {&helpTip});
    EXPECT_TRUE(helpTip.isVisible());

    EXPECT_EQ(helpTip.windowTitle(), "Help");
    EXPECT_EQ(helpTip.windowType(), Qt::Tool);
    EXPECT_EQ(helpTip.size(), QSize(240, 124));
    EXPECT_EQ(helpTip.minimumSize(), helpTip.maximumSize());
    EXPECT_TRUE(helpTip.autoFillBackground());
    EXPECT_EQ(
        helpTip.palette().color(QPalette::Window), helpTip.palette().color(QPalette::ToolTipBase));

    const QLabel& text = *helpTip.tipText;
    EXPECT_FALSE(text.text().isEmpty());
    EXPECT_EQ(text.size(), QSize(233, 117));
    EXPECT_EQ(text.contentsMargins(), QMargins(12, 12, 12, 12));
    EXPECT_TRUE(text.wordWrap());
    EXPECT_TRUE(text.alignment() & Qt::AlignTop);
    // The wrapped text fits within its margins.
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
