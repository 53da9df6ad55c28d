#include "picker/PaletteButton.h"

#include "colours/ColourValue.h"
#include "colours/IntegerText.h"
#include "picker/ColourChooser.h"

#include <string>

namespace tintabel {

std::optional<PaletteChoice> pltClick(ColourChooser& dialog, const ChannelTexts& editors)
{
    dialog.SetColor(makeColour(integerFromText(editors.red), integerFromText(editors.green),
        integerFromText(editors.blue)));
    if (!dialog.Execute())
        return std::nullopt;
    const ColourValue chosen = dialog.Color();
    dialog.SetColor(chosen);
    return PaletteChoice {chosen,
        {std::to_string(redOf(chosen)), std::to_string(greenOf(chosen)),
            std::to_string(blueOf(chosen))}};
}

} // namespace tintabel
