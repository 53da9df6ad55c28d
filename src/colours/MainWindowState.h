#pragma once

#include "colours/ColourSlot.h"
#include "colours/InterfaceTexts.h"

#include <array>
#include <string>

namespace tintabel {

// Where a slot's preview sample stands, relative to the "Colours manager" group.
struct SamplePosition {
    int left = 0;
    int top = 0;
};

// What the main window's handlers share. The window owns one and hands it by reference to the
// classes that do the work; everything starts empty and lives until the program ends. Paths are
// texts as the program builds them: joined by concatenation, mixing "/" and "\".
struct MainWindowState {
    std::string programFolder; // the program file's folder, with its trailing separator
    std::string tempFolder; // programFolder + "\temp"
    std::string dataFolder; // where the shipped files lie, with its trailing separator

    std::string languageName; // "English", "Polish" or empty
    InterfaceTexts texts; // the texts of the language in force

    std::string programVersion;
    std::string updateUrl;
    bool updateAvailable = false;

    std::string fm2009ChosenFolder;
    std::string fm2008ChosenFolder;
    std::string fm2008InstallFolder;
    std::string userDataLocationFile;
    std::string fm2009DetectedFolder;
    std::string fm2009DetectedFolderSlash;
    std::string documentsFolder;
    std::string fm2008DefaultFolder;
    std::string userFolder; // the FM user data folder in use, ending in "/" or "\"

    std::string skinsFolder;
    std::string selectedSkinFolder;

    std::string docFileName; // file-name part of sourcePath
    std::string sourcePath; // the colour document last loaded
    std::string lastOpenedXml; // the file last chosen in the "Load XML file" dialog
    std::string workCopyPath; // tempFolder + "\" + docFileName
    std::string workFilePath; // the working colour file, once written

    bool samplesMade = false;
    std::array<SamplePosition, kSlotCount> samplePos {};
};

} // namespace tintabel
