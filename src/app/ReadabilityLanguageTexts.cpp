#include "app/ReadabilityLanguageTexts.h"

namespace tintabel {

const ReadabilityTexts& englishReadabilityTexts()
{
    static const ReadabilityTexts texts {
        .txtContrastGroup = "Contrast over the background",
        .txtColourHeader = "Colour",
        .txtShownHeader = "Shown",
        .txtContrastHeader = "Contrast",
        .txtVerdictHeader = "Verdict",
        .txtPass = "pass",
        .txtLargeOnly = "large only",
        .txtFail = "fail",
        .txtPairsGroup = "Levels told apart (CIEDE2000)",
        .txtPairHeader = "Pair",
        .txtNormal = "Normal vision",
        .txtProtanopia = "Protanopia",
        .txtDeuteranopia = "Deuteranopia",
        .txtTritanopia = "Tritanopia",
        .txtHardNote = "! below 10: hard to tell apart",
        .txtSimulation = "Simulate:",
        .txtPanelGroup = "Player profile",
        .txtBands = "Value bands:",
        .txtTechnical = "Technical",
        .txtMental = "Mental",
        .txtPhysical = "Physical",
        .txtProfileExtra = "Attacking Midfielder (Centre) - 24 years old",
    };
    return texts;
}

const ReadabilityTexts& polishReadabilityTexts()
{
    static const ReadabilityTexts texts {
        .txtContrastGroup = "Kontrast względem tła",
        .txtColourHeader = "Kolor",
        .txtShownHeader = "Widać",
        .txtContrastHeader = "Kontrast",
        .txtVerdictHeader = "Ocena",
        .txtPass = "spełnia",
        .txtLargeOnly = "tylko duży tekst",
        .txtFail = "nie spełnia",
        .txtPairsGroup = "Rozróżnialność poziomów (CIEDE2000)",
        .txtPairHeader = "Para",
        .txtNormal = "Widzenie prawidłowe",
        .txtProtanopia = "Protanopia",
        .txtDeuteranopia = "Deuteranopia",
        .txtTritanopia = "Tritanopia",
        .txtHardNote = "! poniżej 10: trudne do odróżnienia",
        .txtSimulation = "Symulacja:",
        .txtPanelGroup = "Profil zawodnika",
        .txtBands = "Przedziały wartości:",
        .txtTechnical = "Techniczne",
        .txtMental = "Mentalne",
        .txtPhysical = "Fizyczne",
        .txtProfileExtra = "Ofensywny pomocnik (środek) - 24 lata",
    };
    return texts;
}

} // namespace tintabel
