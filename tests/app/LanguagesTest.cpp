#include "app/Languages.h"

#include "app/ImageControl.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextDocument>

namespace tintabel::testing {
namespace {

constexpr auto kRoot = RegistryRoot::LocalMachine;

struct Text {
    const char* control; // nullptr: a message, shown by other parts
    std::string InterfaceTexts::*text;
    const char* english;
    const char* polish;
};

const Text kTexts[] = {
    {"GroupBox1", &InterfaceTexts::txtColourManager, "Colour Manager", "Menedżer kolorów"},
    {"GroupBox3", &InterfaceTexts::txtLoadSaveXml, "Load/Save XML File", "Wczytaj/zapisz plik XML"},
    {"GroupBox2", &InterfaceTexts::txtOptions, "Options", "Opcje"},
    {"Label5", &InterfaceTexts::txtSamplePreview, "Sample Preview:", "Przykładowy podgląd:"},
    {"Label6", &InterfaceTexts::txtColours, "Colours", "Kolory"},
    {"sllb", &InterfaceTexts::txtSkinList, "List of skins:", "Lista skórek:"},
    {"ctllb", &InterfaceTexts::txtClickToLoad, "(click to load colours)",
        "(kliknij by wczytać kolory)"},
    {"plt", &InterfaceTexts::txtPalette, "Palette", "Paleta"},
    {"JvXPButton1", &InterfaceTexts::txtResetPositions, "Reset positions", "Resetuj pozycje"},
    {"JvXPButton2", &InterfaceTexts::txtLoadBackground, "Load background", "Wczytaj tło"},
    {"sctbt", &InterfaceTexts::txtSaveScheme, "Save colour scheme", "Zapisz schemat kolorów"},
    {"loadbt", &InterfaceTexts::txtLoadScheme, "Load colour scheme", "Wczytaj schemat"},
    {"lsbt", &InterfaceTexts::txtLoadXml, "Load XML file", "Wczytaj plik XML"},
    {"savebt", &InterfaceTexts::txtSaveXmlAs, "Save XML file as...", "Zapisz plik XML do pliku"},
    {"sxmlbt", &InterfaceTexts::txtSaveToSkin, "Save to skin", "Zapisz do skórki"},
    {"helpbt", &InterfaceTexts::txtHelp, "Help", "Pomoc"},
    {"aboutbt", &InterfaceTexts::txtAbout, "About", "O programie"},
    {"exitbt", &InterfaceTexts::txtClose, "Close", "Zamknij"},
    {"spbt", &InterfaceTexts::txtLocateFolder, "Locate user data folder", "Ustaw ścieżkę do KDU"},
    {"manrb", &InterfaceTexts::txtLoadManually, "Load the XML file manually",
        "Wczytaj XML manualnie"},
    {"skinrb", &InterfaceTexts::txtLoadFromSkin, "Load the XML file from skin",
        "Wczytaj XML ze skórki"},
    {nullptr, &InterfaceTexts::msgNewVersion,
        "New version is available! Click here to begin downloading!",
        "Jest nowsza wersja! Kliknij tu by rozpocząć pobieranie!"},
    {nullptr, &InterfaceTexts::msgNoUserFolder,
        "Cant find the \"FM 2008 user data\" folder. Check help section.",
        "Nie odnaleźiono ściezki do \"Folderu danych użytkownika FM 2009\". Patrz plik pomocy."},
    {nullptr, &InterfaceTexts::msgNotColourXml, "Not appropriate XML file",
        "Nieobsługiwany plik XML."},
    {nullptr, &InterfaceTexts::msgColoursSaved, "Colours have been saved correctly!",
        "Kolory zostały zapisane poprawnie!"},
};

QString caption(const QWidget& control)
{
    if (auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    return qobject_cast<const QAbstractButton*>(&control)->text();
}

class LanguagesTest : public MainWindowFixture {
protected:
    std::string storedLanguage() { return registry.readString(kRoot, Languages::kKey, "lang"); }
    void storeLanguage(std::string_view name)
    {
        registry.writeString(kRoot, Languages::kKey, "lang", name);
    }
    void click(const char* control)
    {
        QTest::mouseClick(named<QWidget>(window(), control), Qt::LeftButton);
    }

    void expectLanguage(bool polish)
    {
        for (const Text& text : kTexts) {
            const char* expected = polish ? text.polish : text.english;
            EXPECT_EQ(window().languages().texts().*text.text, expected);
            if (text.control) {
                EXPECT_EQ(caption(*named<QWidget>(window(), text.control)).toStdString(), expected);
            }
        }
    }
};

TEST_F(LanguagesTest, EnglishAtFirstThenTheFlagsSwitchNowAndForTheNextStart)
{
    start();
    EXPECT_EQ(window().languages().languageName(), "");
    expectLanguage(false);
    EXPECT_EQ(storedLanguage(), "");

    click("polimg");
    EXPECT_EQ(storedLanguage(), "Polish");
    EXPECT_EQ(window().languages().languageName(), "Polish");
    expectLanguage(true);
    restart();
    expectLanguage(true);

    click("engimg");
    EXPECT_EQ(storedLanguage(), "English");
    expectLanguage(false);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LanguagesTest, AnUnknownStoredNameKeepsTheDesignedCaptionsNoMessagesAndNoHelp)
{
    storeLanguage("polish");
    TForm1& form = start();
    EXPECT_EQ(form.languages().languageName(), "polish");
    EXPECT_EQ(form.languages().texts(), InterfaceTexts {});
    for (const auto& [control, designed] : {std::pair {"GroupBox1", "Colours manager"},
             {"JvXPButton2", "Wczytaj tlo"}, {"plt", "Palett"}, {"skinrb", "Load XML from skin"}})
        EXPECT_EQ(caption(*named<QWidget>(form, control)), designed);
    click("helpbt");
    EXPECT_TRUE(shell.opened().empty());
}

TEST_F(LanguagesTest, ARefusedWriteShowsTheErrorAndKeepsTheLanguage)
{
    storeLanguage("Polish");
    start();
    registry.failWrites("Failed to set data for 'lang'");
    click("engimg");
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Failed to set data for 'lang'"});
    EXPECT_EQ(window().languages().languageName(), "Polish");
    expectLanguage(true);
}

TEST_F(LanguagesTest, HelpOpensThePageOfTheLanguageInForce)
{
    start();
    click("helpbt");
    storeLanguage("English");
    restart();
    click("helpbt");
    click("polimg");
    click("helpbt");
    const std::vector<std::string> pages {"help.html", "help.html", "pomoc.html"};
    ASSERT_EQ(shell.opened().size(), pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(shell.opened()[i].target, programFolder() + "\\help\\" + pages[i]);
        EXPECT_EQ(shell.opened()[i].show, ShowWindow::Normal);
    }
}

// The help pages explain the window in its words: each names the captions and messages of its
// language (all but the plain "About" and "Close") and the files the user meets.
TEST(HelpPages, NameEveryTextOfTheirLanguage)
{
    for (const bool polish : {false, true}) {
        const char* page = polish ? "pomoc.html" : "help.html";
        SCOPED_TRACE(page);
        QFile file(QStringLiteral(TINTABEL_RESOURCES_DIR "/program/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QTextDocument document;
        document.setHtml(QString::fromUtf8(file.readAll()));
        const QString text = document.toPlainText().simplified();
        std::vector<const char*> named {"<<reset", "FM 2009- standard", "FM 2008- standard",
            "user_data_location.xml", "WINEPREFIX", "dane.dat", "registry.reg"};
        for (const Text& entry : kTexts)
            if (entry.text != &InterfaceTexts::txtAbout && entry.text != &InterfaceTexts::txtClose)
                named.push_back(polish ? entry.polish : entry.english);
        for (const char* words : named)
            EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << "missing: " << words;
    }
}

} // namespace
} // namespace tintabel::testing
