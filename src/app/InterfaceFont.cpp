#include "app/InterfaceFont.h"

#include <QStringList>

namespace tintabel {

QFont interfaceFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(10);
    return font;
}

} // namespace tintabel
