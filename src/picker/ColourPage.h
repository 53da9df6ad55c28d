#pragma once

class QWidget;

namespace tintabel {

class TCouleur;

// A page of the colour-picker form. The form shows one page at a time: it hands the page its
// colour when the page is shown or the form's colour is set, and takes the page's colour back
// when the user leaves the page or confirms.
class ColourPage {
public:
    virtual ~ColourPage() = default;

    virtual QWidget& pageWidget() = 0;

    // Draws what the page draws once, after every page of the form is set up.
    virtual void paintPage() = 0;
    // Removes markers and cursors, takes the colour and brings fields and pictures up to date.
    virtual void enterColour(const TCouleur& colour) = 0;
    // The colour the user has made on the page.
    virtual const TCouleur& pageColour() const = 0;
};

} // namespace tintabel
