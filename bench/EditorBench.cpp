#include "app/Unit1.h"
#include "colours/SlotModel.h"
#include "editor/ChannelEditors.h"
#include "platform/LocalFileSystem.h"
#include "platform/PictureLoader.h"
#include "platform/Services.h"
#include "platform/doubles/MemoryRegistry.h"
#include "platform/doubles/RecordingShell.h"
#include "platform/doubles/ScriptedDialogs.h"
#include "platform/doubles/ScriptedDownloader.h"
#include "platform/doubles/ScriptedMessageBoxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace tintabel {
namespace {

// A main window in a program folder of its own, with a colour document loaded and the first slot
// selected, as the user has it when typing into the editors.
class EditingWindow {
public:
    EditingWindow()
        : m_folder(makeFolder())
        , m_files(Environment {})
        , m_downloader(m_files)
        , m_pictures(m_files)
        , m_services {
            .files = m_files,
            .registry = m_registry,
            .dialogs = m_dialogs,
            .messages = m_messages,
            .shell = m_shell,
            .downloader = m_downloader,
            .pictures = m_pictures,
            .environment = {},
            .programFile = (m_folder / "tintabel").string(),
        }
        , m_window(m_services)
    {
        for (std::size_t index = 0; index < kSlotCount; ++index) {
            m_window.slotModel().setColour(index, 0x563412);
            m_window.SampleRender(index, 200);
            m_window.slotModel().setAvailable(index, true);
        }
        m_window.editors().enable();
        m_window.data();
        m_window.selectSlot(0);
    }

    ~EditingWindow()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    TForm1& window() { return m_window; }
    bool quiet() const { return m_messages.shown().empty(); }

private:
    static std::filesystem::path makeFolder()
    {
        std::string folder
            = (std::filesystem::temp_directory_path() / "tintabel-editor-XXXXXX").string();
        if (!mkdtemp(folder.data()))
            std::abort();
        return folder;
    }

    std::filesystem::path m_folder;
    LocalFileSystem m_files;
    MemoryRegistry m_registry;
    ScriptedDialogs m_dialogs;
    ScriptedMessageBoxes m_messages;
    RecordingShell m_shell;
    ScriptedDownloader m_downloader;
    PictureLoader m_pictures;
    Services m_services;
    TForm1 m_window;
};

// Typing into re alternately deletes and puts back its last digit: every keystroke changes the
// colour, so it runs the whole cascade (hex, the slot, its sample, two rewrites of dane.dat).
void typeIntoRe(benchmark::State& state, bool shown, bool readability = false)
{
    EditingWindow editing;
    TForm1& window = editing.window();
    if (shown) {
        window.show();
        if (readability)
            window.findChild<QPushButton*>(QStringLiteral("readbt"))->click();
        QApplication::processEvents();
    }
    auto* re = window.findChild<QLineEdit*>(QStringLiteral("re"));
    re->setCursorPosition(re->text().size());
    bool deleting = false;
    for (auto _ : state) {
        deleting = !deleting;
        if (deleting)
            QTest::keyClick(re, Qt::Key_Backspace);
        else
            QTest::keyClick(re, '8');
        if (shown)
            QApplication::processEvents(); // the sample and the editors are painted
        benchmark::DoNotOptimize(window.slotModel().colour(0));
    }
    if (!editing.quiet() || re->text().size() < 1)
        state.SkipWithError("the keystrokes did not go through");
}

void BM_KeystrokeInRe(benchmark::State& state)
{
    typeIntoRe(state, false);
}
BENCHMARK(BM_KeystrokeInRe);

// The same with the window on the screen, so the keystroke is also painted.
void BM_KeystrokeInReShown(benchmark::State& state)
{
    typeIntoRe(state, true);
}
BENCHMARK(BM_KeystrokeInReShown);

// The same with the Readability window open: its figures, swatches and panel follow each keystroke.
void BM_KeystrokeInReWithReadability(benchmark::State& state)
{
    typeIntoRe(state, true, true);
}
BENCHMARK(BM_KeystrokeInReWithReadability);

} // namespace
} // namespace tintabel
