#include "support/EditorsFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

namespace tintabel::testing {
namespace {

// A way text enters an editor other than typing, at the end of the editor's text.
struct Route {
    const char* name;
    void (*enter)(QLineEdit* editor, const QString& text);
};

QPoint endOf(const QLineEdit* editor)
{
    return {editor->width() - 2, editor->height() / 2};
}

const Route kRoutes[] = {
    {"MenuPaste",
        [](QLineEdit* editor, const QString& text) {
            QApplication::clipboard()->setText(text);
            QContextMenuEvent event(
                QContextMenuEvent::Mouse, endOf(editor), editor->mapToGlobal(endOf(editor)));
            QApplication::sendEvent(editor, &event);
            QMenu* menu = editor->findChild<QMenu*>();
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith("&Paste"))
                    action->trigger();
            }
            delete menu;
        }},
    {"ShiftInsert",
        [](QLineEdit* editor, const QString& text) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
        }},
    {"Drop",
        [](QLineEdit* editor, const QString& text) {
            QMimeData data;
            data.setText(text);
            QDragEnterEvent drag(endOf(editor), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(editor, &drag);
            QDropEvent drop(endOf(editor), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(editor, &drop);
            EXPECT_TRUE(drop.isAccepted());
        }},
    {"MiddleClick",
        [](QLineEdit* editor, const QString& text) {
            QApplication::clipboard()->setText(text, QClipboard::Selection);
            QTest::mouseClick(editor, Qt::MiddleButton, {}, endOf(editor));
        }},
};

// Text entered after what was typed into an editor, and what the editors then show: re, ge, be,
// hex, alp, and whether the editor is left read-only.
const struct {
    const char* editor;
    const char* typed;
    const char* entered;
    std::array<QString, 5> texts;
    bool readOnly;
} kEntries[] = {
    {"re", "3", "99999999999", {"255", "52", "86", "FF3456", "200"}, false},
    {"ge", "1", "2x", {"18", "12", "86", "120C56", "200"}, true},
    {"be", "2", "5a5", {"18", "52", "255", "1234FF", "200"}, false},
    {"alp", "1", "0000", {"18", "52", "86", "123456", "100"}, false},
    {"hex", "1", "abcdef0", {"26", "188", "222", "1ABCDE", "200"}, false},
};

class EditorPasteTest : public EditorsFixture, public ::testing::WithParamInterface<Route> { };

TEST_P(EditorPasteTest, TextEntersAsIfTyped)
{
    if (GetParam().enter == kRoutes[3].enter && !QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no X selection on this platform; ctest runs it on a virtual display";
    TForm1& form = loaded();
    for (const auto& entry : kEntries) {
        SCOPED_TRACE(entry.editor);
        retype(named<QLineEdit>(form, "hex"), "123456");
        retype(named<QLineEdit>(form, "alp"), "200");
        QLineEdit* editor = named<QLineEdit>(form, entry.editor);
        retype(editor, entry.typed);
        GetParam().enter(editor, entry.entered);
        EXPECT_EQ(texts(), entry.texts);
        EXPECT_EQ(editor->isReadOnly(), entry.readOnly);
        expectInStep();
    }
    EXPECT_TRUE(messages.errors().empty());
}

INSTANTIATE_TEST_SUITE_P(Routes, EditorPasteTest, ::testing::ValuesIn(kRoutes),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tintabel::testing
