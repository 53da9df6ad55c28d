#pragma once

#include "colours/ReadabilityTexts.h"

#include <string>

namespace tintabel {

// The texts that follow the interface language: captions of the main window and the messages
// other parts of the program show. A message is read from here when it is shown, so it comes in
// the language in force at that moment. All empty until a language is applied.
struct InterfaceTexts {
    std::string txtColourManager;
    std::string txtLoadSaveXml;
    std::string txtOptions;
    std::string txtSamplePreview;
    std::string txtColours;
    std::string msgNewVersion;
    std::string msgNoUserFolder;
    std::string txtSkinList;
    std::string txtClickToLoad;
    std::string msgNotColourXml;
    std::string msgColoursSaved;
    std::string txtPalette;
    std::string txtResetPositions;
    std::string txtLoadBackground;
    std::string txtReadability; // the button and the window's title
    ReadabilityTexts readability;
    std::string txtSaveScheme;
    std::string txtLoadScheme;
    std::string txtLoadXml;
    std::string txtSaveXmlAs;
    std::string txtSaveToSkin;
    std::string txtHelp;
    std::string txtAbout;
    std::string txtClose;
    std::string txtLocateFolder;
    std::string txtLoadManually;
    std::string txtLoadFromSkin;
    // "Apply scheme to skins…" and its dialog.
    std::string txtApplyToSkins;
    std::string txtCurrentColours;
    std::string txtSchemeFile;
    std::string txtChoose;
    std::string txtApply;
    std::string txtWouldChange;
    std::string txtChanged;
    std::string txtStaysAsItIs;
    std::string txtNoColourFile;
    std::string msgApplyToSkins;

    bool operator==(const InterfaceTexts&) const = default;
};

} // namespace tintabel
