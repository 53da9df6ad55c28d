#include "app/Languages.h"

#include "app/ImageControl.h"
#include "app/LanguageTexts.h"
#include "app/StatusBar.h"
#include "platform/QtMessageBoxes.h"
#include "support/MainWindowFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tintabel::testing {
namespace {

constexpr auto kRoot = RegistryRoot::LocalMachine;

class LanguagesTest : public MainWindowFixture {
protected:
    std::string storedLanguage() { return registry.readString(kRoot, Languages::kKey, "lang"); }
    void storeLanguage(std::string_view name)
    {
        registry.writeString(kRoot, Languages::kKey, "lang", name);
    }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    // The toolkit's own texts, as its message boxes show them.
    static QString standardButtons()
    {
        const auto box = QtMessageBoxes::makeBox(QMessageBox::Question, "", "",
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, nullptr);
        return QString(box->button(QMessageBox::Yes)->text() + box->button(QMessageBox::No)->text()
            + " " + box->button(QMessageBox::Cancel)->text())
            .remove(QLatin1Char('&'));
    }

    // A few captions from each group and kind of control, as one comparable list.
    std::vector<QString> captions()
    {
        TForm1& form = window();
        return {named<QGroupBox>(form, "GroupBox1")->title(),
            named<QGroupBox>(form, "GroupBox2")->title(),
            named<QGroupBox>(form, "GroupBox3")->title(), named<QLabel>(form, "Label5")->text(),
            named<QLabel>(form, "ctllb")->text(), named<QPushButton>(form, "plt")->text(),
            named<QPushButton>(form, "JvXPButton2")->text(),
            named<QPushButton>(form, "spbt")->text(), named<QPushButton>(form, "exitbt")->text(),
            named<QRadioButton>(form, "skinrb")->text(),
            named<QPushButton>(form, "sxmlbt")->text()};
    }
};

TEST_F(LanguagesTest, EnglishAtTheFirstStart)
{
    TForm1& form = start();
    EXPECT_EQ(form.languages().languageName(), "");
    EXPECT_EQ(form.languages().texts(), englishTexts());
    EXPECT_EQ(captions(),
        (std::vector<QString> {"Colour Manager", "Options", "Load/Save XML File",
            "Sample Preview:", "(click to load colours)", "Palette", "Load background",
            "Locate user data folder", "Close", "Load the XML file from skin", "Save to skin"}));
    EXPECT_EQ(form.languages().texts().msgNotColourXml, "Not appropriate XML file");
    EXPECT_EQ(storedLanguage(), "");
}

TEST_F(LanguagesTest, ThePolishFlagSwitchesNowAndAtTheNextStart)
{
    start();
    click(named<ImageControl>(window(), "polimg"));
    EXPECT_EQ(storedLanguage(), "Polish");
    EXPECT_EQ(window().languages().languageName(), "Polish");
    EXPECT_EQ(window().languages().texts().msgNotColourXml, "Nieobsługiwany plik XML.");
    const std::vector<QString> polish {"Menedżer kolorów", "Opcje", "Wczytaj/zapisz plik XML",
        "Przykładowy podgląd:", "(kliknij by wczytać kolory)", "Paleta", "Wczytaj tło",
        "Ustaw ścieżkę do KDU", "Zamknij", "Wczytaj XML ze skórki", "Zapisz do skórki"};
    EXPECT_EQ(captions(), polish);
    EXPECT_EQ(standardButtons(), "TakNie Anuluj");

    restart();
    EXPECT_EQ(window().languages().languageName(), "Polish");
    EXPECT_EQ(captions(), polish);
    EXPECT_EQ(window().languages().texts(), polishTexts());

    click(named<ImageControl>(window(), "engimg"));
    EXPECT_EQ(storedLanguage(), "English");
    EXPECT_EQ(window().languages().texts(), englishTexts());
    EXPECT_EQ(named<QGroupBox>(window(), "GroupBox1")->title(), "Colour Manager");
    EXPECT_EQ(standardButtons(), "YesNo Cancel");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(LanguagesTest, AnUnknownStoredNameKeepsTheDesignedCaptionsAndNoMessages)
{
    storeLanguage("polish");
    TForm1& form = start();
    EXPECT_EQ(form.languages().languageName(), "polish");
    EXPECT_EQ(form.languages().texts(), InterfaceTexts {});
    EXPECT_EQ(captions(),
        (std::vector<QString> {"Colours manager", "Options", "Load/Save XML",
            "Simple preview with alpha: ", "(click to load settings.xml)", "Palett", "Wczytaj tlo",
            "Set path to \"FM user folder\"", "Exit", "Load XML from skin", "Save XML to skin"}));
    // No help page belongs to such a name.
    click(named<QPushButton>(form, "helpbt"));
    EXPECT_TRUE(shell.opened().empty());
}

TEST_F(LanguagesTest, ARefusedWriteShowsTheErrorAndKeepsTheLanguage)
{
    storeLanguage("Polish");
    start();
    registry.failWrites("Failed to set data for 'lang'");
    click(named<ImageControl>(window(), "engimg"));
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Failed to set data for 'lang'"});
    EXPECT_EQ(window().languages().languageName(), "Polish");
    EXPECT_EQ(window().languages().texts(), polishTexts());
    EXPECT_EQ(named<QGroupBox>(window(), "GroupBox2")->title(), "Opcje");
    EXPECT_EQ(storedLanguage(), "Polish");
}

TEST_F(LanguagesTest, HelpOpensThePageOfTheLanguageInForce)
{
    start();
    click(named<QPushButton>(window(), "helpbt"));
    storeLanguage("English");
    restart();
    click(named<QPushButton>(window(), "helpbt"));
    click(named<ImageControl>(window(), "polimg"));
    click(named<QPushButton>(window(), "helpbt"));
    const std::vector<std::string> pages {"help.html", "help.html", "pomoc.html"};
    ASSERT_EQ(shell.opened().size(), pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(shell.opened()[i].target, programFolder() + "\\help\\" + pages[i]);
        EXPECT_EQ(shell.opened()[i].show, ShowWindow::Normal);
    }
}

TEST_F(LanguagesTest, MessagesAreReadWhenShownAndStatusTextsStay)
{
    TForm1& form = start();
    named<StatusBar>(form, "StatusBar1")
        ->setText(QString::fromStdString(form.languages().texts().msgNoUserFolder));
    click(named<ImageControl>(form, "polimg"));
    EXPECT_EQ(
        named<StatusBar>(form, "StatusBar1")->text().toStdString(), englishTexts().msgNoUserFolder);
    EXPECT_EQ(form.languages().texts().msgNoUserFolder,
        "Nie odnaleźiono ściezki do \"Folderu danych użytkownika FM 2009\". Patrz plik pomocy.");
}

} // namespace
} // namespace tintabel::testing
