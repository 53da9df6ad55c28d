#include "app/ImageControl.h"
#include "app/ListBox.h"
#include "support/UserFolderFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <set>

namespace tintabel::testing {
namespace {

using KeyboardTest = UserFolderFixture;

TEST_F(KeyboardTest, KeysChooseLinesOfBothListsAsClicksDoOncePerChange)
{
    const TempFolder fm;
    locateGameFolder(fm.path().string());
    addSkin(fm.path(), "Alpha", "Alpha");
    TForm1& form = startInSkinMode();
    auto* skins = named<ListBox>(form, "lista1");
    QSignalSpy chosen(skins, &ListBox::chosen);
    skins->setFocus(Qt::TabFocusReason);
    // Once per change of the selection: Space and an Up past the first line change nothing.
    for (const Qt::Key key :
        {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Space, Qt::Key_End})
        QTest::keyClick(skins, key);
    std::vector<int> rows;
    for (const QList<QVariant>& signal : chosen)
        rows.push_back(signal.at(0).toInt());
    EXPECT_EQ(rows, (std::vector<int> {0, 1, 0, 2}));
    // The last line, "FM 2008- standard", lists its colour file; the keys load it.
    auto* files = named<ListBox>(form, "ListBox2");
    files->setFocus(Qt::TabFocusReason);
    QTest::keyClick(files, Qt::Key_Down);
    EXPECT_TRUE(named<QLineEdit>(form, "re")->isEnabled());
}

TEST_F(KeyboardTest, TheFlagsAndShortcutsActOnlyWhileEnabled)
{
    TForm1& form = start();
    showWindow();
    for (const auto& [flag, key, caption] : {std::tuple {"polimg", Qt::Key_Space, "Opcje"},
             {"engimg", Qt::Key_Return, "Options"}, {"polimg", Qt::Key_Enter, "Opcje"}}) {
        named<ImageControl>(form, flag)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(named<ImageControl>(form, flag), key);
        EXPECT_EQ(named<QGroupBox>(form, "GroupBox2")->title(), caption) << flag;
    }
    for (const auto& [keys, name] : {std::pair {Qt::CTRL | Qt::Key_O, "lsbt"},
             {Qt::CTRL | Qt::SHIFT | Qt::Key_S, "savebt"}, {Qt::CTRL | Qt::Key_S, "sxmlbt"},
             {QKeyCombination(Qt::Key_F1), "helpbt"}, {Qt::CTRL | Qt::Key_Q, "exitbt"}}) {
        auto* button = named<QPushButton>(form, name);
        QSignalSpy clicks(button, &QPushButton::clicked);
        for (const bool enabled : {false, true}) {
            button->setEnabled(enabled);
            QTest::keyClick(&form, keys.key(), keys.keyboardModifiers());
            EXPECT_EQ(clicks.count(), enabled ? 1 : 0) << name;
        }
    }
    EXPECT_FALSE(form.isVisible()); // Ctrl+Q closed it
}

TEST_F(KeyboardTest, TabReachesEveryEnabledControlOnceAGroupAtATime)
{
    TForm1& form = start();
    showWindow();
    std::set<QWidget*> enabled;
    for (QWidget* control : form.findChildren<QWidget*>())
        if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus))
            enabled.insert(control);
    EXPECT_TRUE(enabled.contains(named<QWidget>(form, "polimg")));
    named<QWidget>(form, "lsbt")->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> reached {QApplication::focusWidget()};
    int groupChanges = 0;
    for (std::size_t i = 1; i <= enabled.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget());
        groupChanges += reached[i]->parentWidget() != reached[i - 1]->parentWidget();
    }
    EXPECT_EQ(reached.front(), reached.back()); // round once
    EXPECT_EQ(std::set<QWidget*>(reached.begin(), reached.end()), enabled);
    EXPECT_EQ(groupChanges, 3); // each of the three groups in one go
}

} // namespace
} // namespace tintabel::testing
