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
    window().secondaryWindows().attach(about, helpTip);
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

    EXPECT_TRUE(named<QPushButton>(window(), "help2bt")->isHidden());
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
