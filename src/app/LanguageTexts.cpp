#include "app/LanguageTexts.h"

#include "app/ReadabilityLanguageTexts.h"

namespace tintabel {

const InterfaceTexts& englishTexts()
{
    static const InterfaceTexts texts {
        .txtColourManager = "Colour Manager",
        .txtLoadSaveXml = "Load/Save XML File",
        .txtOptions = "Options",
        .txtSamplePreview = "Sample Preview:",
        .txtColours = "Colours",
        .msgNewVersion = "New version is available! Click here to begin downloading!",
        .msgNoUserFolder = "Cant find the \"FM 2008 user data\" folder. Check help section.",
        .txtSkinList = "List of skins:",
        .txtClickToLoad = "(click to load colours)",
        .msgNotColourXml = "Not appropriate XML file",
        .msgColoursSaved = "Colours have been saved correctly!",
        .txtPalette = "Palette",
        .txtResetPositions = "Reset positions",
        .txtLoadBackground = "Load background",
        .txtReadability = "Readability",
        .readability = englishReadabilityTexts(),
        .txtSaveScheme = "Save colour scheme",
        .txtLoadScheme = "Load colour scheme",
        .txtLoadXml = "Load XML file",
        .txtSaveXmlAs = "Save XML file as...",
        .txtSaveToSkin = "Save to skin",
        .txtHelp = "Help",
        .txtAbout = "About",
        .txtClose = "Close",
        .txtLocateFolder = "Locate user data folder",
        .txtLoadManually = "Load the XML file manually",
        .txtLoadFromSkin = "Load the XML file from skin",
        .txtApplyToSkins = "Apply scheme to skins…",
        .txtCurrentColours = "The colours loaded now",
        .txtSchemeFile = "Scheme file:",
        .txtChoose = "Choose…",
        .txtApply = "Apply",
        .txtWouldChange = "would change",
        .txtChanged = "changed",
        .txtStaysAsItIs = "stays as it is",
        .txtNoColourFile = "no colour file",
        .msgApplyToSkins = "Write the scheme into the colour files of the %d skins checked?",
    };
    return texts;
}

const InterfaceTexts& polishTexts()
{
    static const InterfaceTexts texts {
        .txtColourManager = "Menedżer kolorów",
        .txtLoadSaveXml = "Wczytaj/zapisz plik XML",
        .txtOptions = "Opcje",
        .txtSamplePreview = "Przykładowy podgląd:",
        .txtColours = "Kolory",
        .msgNewVersion = "Jest nowsza wersja! Kliknij tu by rozpocząć pobieranie!",
        .msgNoUserFolder = "Nie odnaleźiono ściezki do \"Folderu danych użytkownika FM 2009\". "
                           "Patrz plik pomocy.",
        .txtSkinList = "Lista skórek:",
        .txtClickToLoad = "(kliknij by wczytać kolory)",
        .msgNotColourXml = "Nieobsługiwany plik XML.",
        .msgColoursSaved = "Kolory zostały zapisane poprawnie!",
        .txtPalette = "Paleta",
        .txtResetPositions = "Resetuj pozycje",
        .txtLoadBackground = "Wczytaj tło",
        .txtReadability = "Czytelność",
        .readability = polishReadabilityTexts(),
        .txtSaveScheme = "Zapisz schemat kolorów",
        .txtLoadScheme = "Wczytaj schemat",
        .txtLoadXml = "Wczytaj plik XML",
        .txtSaveXmlAs = "Zapisz plik XML do pliku",
        .txtSaveToSkin = "Zapisz do skórki",
        .txtHelp = "Pomoc",
        .txtAbout = "O programie",
        .txtClose = "Zamknij",
        .txtLocateFolder = "Ustaw ścieżkę do KDU",
        .txtLoadManually = "Wczytaj XML manualnie",
        .txtLoadFromSkin = "Wczytaj XML ze skórki",
        .txtApplyToSkins = "Zastosuj schemat do skórek…",
        .txtCurrentColours = "Obecnie wczytane kolory",
        .txtSchemeFile = "Plik schematu:",
        .txtChoose = "Wybierz…",
        .txtApply = "Zastosuj",
        .txtWouldChange = "zostanie zmieniony",
        .txtChanged = "zmieniony",
        .txtStaysAsItIs = "pozostaje bez zmian",
        .txtNoColourFile = "brak pliku kolorów",
        .msgApplyToSkins = "Zapisać schemat w plikach kolorów zaznaczonych skórek (%d)?",
    };
    return texts;
}

} // namespace tintabel
