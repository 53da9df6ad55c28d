#pragma once

#include <string>

namespace tintabel {

// The captions of the "Readability" window, in the language in force.
struct ReadabilityTexts {
    std::string txtContrastGroup;
    std::string txtColourHeader;
    std::string txtShownHeader;
    std::string txtContrastHeader;
    std::string txtVerdictHeader;
    std::string txtPass;
    std::string txtLargeOnly;
    std::string txtFail;
    std::string txtPairsGroup;
    std::string txtPairHeader;
    // Vision names, in the order of Vision: the pairs' columns and the simulation choice.
    std::string txtNormal;
    std::string txtProtanopia;
    std::string txtDeuteranopia;
    std::string txtTritanopia;
    std::string txtHardNote;
    std::string txtSimulation;
    std::string txtPanelGroup;
    std::string txtBands;
    std::string txtTechnical;
    std::string txtMental;
    std::string txtPhysical;
    std::string txtProfileExtra;

    bool operator==(const ReadabilityTexts&) const = default;
};

} // namespace tintabel
