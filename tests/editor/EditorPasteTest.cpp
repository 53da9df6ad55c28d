#include "support/EditorsFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include <tuple>

namespace tintabel::testing {
namespace {

enum class Route { MenuPaste, ShiftInsert, Drop, MiddleClick };
const char* const kRouteNames[] = {"MenuPaste", "ShiftInsert", "Drop", "MiddleClick"};

// Text entered at the end of what was typed over an editor's text, by any route, and what every
// editor shows afterwards: re, ge, be, hex, alp.
struct Entry {
    const char* editor;
    const char* typed;
    const char* entered;
    std::array<QString, 5> texts;
    bool readOnly;
};

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << entry.editor << " " << entry.entered;
}

const Entry kEntries[] = {
    {"re", "3", "99999999999", {"255", "52", "86", "FF3456", "200"}, false},
    {"ge", "1", "2x", {"18", "12", "86", "120C56", "200"}, true},
    {"be", "2", "5a5", {"18", "52", "255", "1234FF", "200"}, false},
    {"alp", "1", "0000", {"18", "52", "86", "123456", "100"}, false},
    {"hex", "1", "abcdef0", {"26", "188", "222", "1ABCDE", "200"}, false},
};

class EditorPasteTest : public EditorsFixture,
                        public ::testing::WithParamInterface<std::tuple<Route, Entry>> {
protected:
    static void enter(Route route, QLineEdit* editor, const QString& text)
    {
        const QPoint end(editor->width() - 2, editor->height() / 2);
        QClipboard& clipboard = *QApplication::clipboard();
        switch (route) {
        case Route::MenuPaste: {
            clipboard.setText(text);
            QContextMenuEvent event(QContextMenuEvent::Mouse, end, editor->mapToGlobal(end));
            QApplication::sendEvent(editor, &event);
            QMenu* menu = editor->findChild<QMenu*>();
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith("&Paste"))
                    action->trigger();
            }
            menu->close();
            break;
        }
        case Route::ShiftInsert:
            clipboard.setText(text);
            QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Route::Drop: {
            QMimeData data;
            data.setText(text);
            QDragEnterEvent drag(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(editor, &drag);
            QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(editor, &drop);
            EXPECT_TRUE(drop.isAccepted());
            break;
        }
        case Route::MiddleClick:
            clipboard.setText(text, QClipboard::Selection);
            QTest::mouseClick(editor, Qt::MiddleButton, {}, end);
            break;
        }
    }
};

TEST_P(EditorPasteTest, TextEntersAsIfTyped)
{
    const auto& [route, entry] = GetParam();
    if (route == Route::MiddleClick && !QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no X selection on this platform; ctest runs these on a virtual display";
    QLineEdit* editor = named<QLineEdit>(loaded(), entry.editor);
    retype(editor, entry.typed);
    enter(route, editor, entry.entered);

    EXPECT_EQ(texts(), entry.texts);
    EXPECT_EQ(editor->isReadOnly(), entry.readOnly);
    EXPECT_TRUE(messages.errors().empty());
    expectInStep();
}

INSTANTIATE_TEST_SUITE_P(Routes, EditorPasteTest,
    ::testing::Combine(
        ::testing::Values(Route::MenuPaste, Route::ShiftInsert, Route::Drop, Route::MiddleClick),
        ::testing::ValuesIn(kEntries)),
    [](const auto& info) {
        return std::string(kRouteNames[static_cast<int>(std::get<0>(info.param))]) + "_"
            + std::get<1>(info.param).editor;
    });

} // namespace
} // namespace tintabel::testing
