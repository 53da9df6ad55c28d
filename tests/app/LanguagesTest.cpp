#include "app/Languages.h"

#include "platform/QtMessageBoxes.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace tintabel::testing {
namespace {

constexpr auto kRoot = RegistryRoot::LocalMachine;
using Text = std::string InterfaceTexts::*;

// Captions and messages chosen so that a swapped or missing text of either language shows.
const std::tuple<const char*, Text, const char*, const char*> kTexts[] = {
    {"GroupBox1", &InterfaceTexts::txtColourManager, "Colour Manager", "Menedżer kolorów"},
    {"plt", &InterfaceTexts::txtPalette, "Palette", "Paleta"},
    {"savebt", &InterfaceTexts::txtSaveXmlAs, "Save XML file as...", "Zapisz plik XML do pliku"},
    {"sxmlbt", &InterfaceTexts::txtSaveToSkin, "Save to skin", "Zapisz do skórki"},
    {"skinrb", &InterfaceTexts::txtLoadFromSkin, "Load the XML file from skin",
        "Wczytaj XML ze skórki"},
    {"ctllb", &InterfaceTexts::txtClickToLoad, "(click to load colours)",
        "(kliknij by wczytać kolory)"},
    {"applyskinsbt", &InterfaceTexts::txtApplyToSkins, "Apply scheme to skins…",
        "Zastosuj schemat do skórek…"},
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
    void expectLanguage(bool polish)
    {
        for (const auto& [control, text, english, polishText] : kTexts) {
            const char* expected = polish ? polishText : english;
            EXPECT_EQ(window().languages().texts().*text, expected);
            if (control) {
                EXPECT_EQ(caption(*named<QWidget>(window(), control)).toStdString(), expected);
            }
        }
    }
    // The toolkit's own texts, as its message boxes show them.
    static QString standardButtons()
    {
        const auto box = QtMessageBoxes::makeBox(QMessageBox::Question, "", "",
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, nullptr);
        return QString(box->button(QMessageBox::Yes)->text() + box->button(QMessageBox::No)->text()
            + " " + box->button(QMessageBox::Cancel)->text())
            .remove(QLatin1Char('&'));
    }
};

// Help opens the page of the language in force; a refused write keeps the language.
TEST_F(LanguagesTest, EnglishAtFirstThenTheFlagsSwitchNowAndForTheNextStart)
{
    start();
    EXPECT_EQ(window().languages().languageName(), "");
    expectLanguage(false);
    click("helpbt");
    click("polimg");
    EXPECT_EQ(storedLanguage(), "Polish");
    EXPECT_EQ(window().languages().languageName(), "Polish");
    expectLanguage(true);
    EXPECT_EQ(standardButtons(), "TakNie Anuluj");
    restart();
    expectLanguage(true);
    click("helpbt");
    click("engimg");
    EXPECT_EQ(storedLanguage(), "English");
    expectLanguage(false);
    EXPECT_EQ(standardButtons(), "YesNo Cancel");
    click("helpbt");
    EXPECT_TRUE(messages.shown().empty());

    registry.failWrites("Failed to set data for 'lang'");
    click("polimg");
    EXPECT_EQ(messages.errors(), std::vector<std::string> {"Failed to set data for 'lang'"});
    expectLanguage(false);
    const std::vector<std::string> pages {"help.html", "pomoc.html", "help.html"};
    ASSERT_EQ(shell.opened().size(), pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(shell.opened()[i].target, programFolder() + "\\help\\" + pages[i]);
        EXPECT_EQ(shell.opened()[i].show, ShowWindow::Normal);
    }
}

TEST_F(LanguagesTest, AnUnknownStoredNameKeepsTheDesignedCaptionsNoMessagesAndNoHelp)
{
    registry.writeString(kRoot, Languages::kKey, "lang", "polish");
    TForm1& form = start();
    EXPECT_EQ(form.languages().languageName(), "polish");
    EXPECT_EQ(form.languages().texts(), InterfaceTexts {});
    for (const auto& [control, designed] : {std::pair {"GroupBox1", "Colours manager"},
             {"JvXPButton2", "Wczytaj tlo"}, {"plt", "Palett"}, {"skinrb", "Load XML from skin"}})
        EXPECT_EQ(caption(*named<QWidget>(form, control)), designed);
    click("helpbt");
    EXPECT_TRUE(shell.opened().empty());
}

} // namespace
} // namespace tintabel::testing
