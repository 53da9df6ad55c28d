#pragma once

class QWidget;

namespace tintabel {

// The order in which Tab goes through the main window's controls: the loading and saving of the
// colour file first, then the editors, then the options, each group from the top left, as the
// user works. The two flags take the focus too, so the language can be switched with the keys.
void applyFocusOrder(QWidget& window);

} // namespace tintabel
