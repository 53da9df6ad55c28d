#pragma once

#include <QFont>

namespace tintabel {

// The font of the program's windows. Liberation Sans at 10 pixels has about the letter size and
// widths of the classic 8 point Windows interface font the fixed control sizes were made for, so
// every caption fits.
QFont interfaceFont();

} // namespace tintabel
