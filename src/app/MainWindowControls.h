#pragma once

#include "colours/ColourSlot.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tintabel {

class ColourSwatch;
class ImageControl;
class ListBox;
class MessageBoxes;
class StatusBar;

// The main window's controls as designed. Each carries its design name as its object name, by
// which tests find it, and lives as long as the window, its parent.
struct MainWindowControls {
    // Makes every control inside window, in the designed stacking order. A default background that
    // cannot be shown is reported in the general error box, and the rest is made all the same.
    void create(QWidget& window, MessageBoxes& messages);

    // Window, left to right.
    ImageControl* logoimg = nullptr;
    QLabel* Label8 = nullptr; // hidden; holds userFolder
    QPushButton* Button1 = nullptr; // hidden
    StatusBar* StatusBar1 = nullptr;

    // "Colours manager".
    QGroupBox* GroupBox1 = nullptr;
    ImageControl* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* re = nullptr;
    QLineEdit* ge = nullptr;
    QLineEdit* be = nullptr;
    QLineEdit* alp = nullptr;
    QLineEdit* hex = nullptr;
    ColourSwatch* clr = nullptr;
    QPushButton* plt = nullptr;
    QPushButton* sctbt = nullptr;
    QPushButton* loadbt = nullptr;
    QPushButton* JvXPButton1 = nullptr;
    QPushButton* JvXPButton2 = nullptr;
    QPushButton* readbt = nullptr; // "Readability", where the design has no control
    QPushButton* helbp1bt = nullptr; // hidden

    // "Options".
    QGroupBox* GroupBox2 = nullptr;
    ImageControl* engimg = nullptr;
    ImageControl* polimg = nullptr;
    QRadioButton* cbfm2009 = nullptr;
    QRadioButton* cbfm2008 = nullptr;
    QPushButton* spbt = nullptr;
    QPushButton* resbt = nullptr;
    QPushButton* helpbt = nullptr;
    QPushButton* aboutbt = nullptr;
    QPushButton* exitbt = nullptr;
    QPushButton* help2bt = nullptr; // hidden

    // "Load/Save XML".
    QGroupBox* GroupBox3 = nullptr;
    QPushButton* lsbt = nullptr;
    QPushButton* savebt = nullptr;
    QRadioButton* manrb = nullptr;
    QRadioButton* skinrb = nullptr;
    QLabel* sllb = nullptr;
    QLabel* ctllb = nullptr;
    ListBox* lista1 = nullptr;
    ListBox* ListBox2 = nullptr;
    QPushButton* sxmlbt = nullptr;
    QPushButton* applyskinsbt = nullptr;
    ListBox* lista2 = nullptr; // hidden working lists of the skin catalogue
    ListBox* lista3 = nullptr;
    ListBox* lista10 = nullptr;
    QPushButton* helbp3bt = nullptr; // hidden

    // The slot rows in slot order, named after the slot table (lae ... pete, larb ... petrb).
    std::array<ColourSwatch*, kSlotCount> swatches {};
    std::array<QRadioButton*, kSlotCount> slotButtons {};
};

} // namespace tintabel
