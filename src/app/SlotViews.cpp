#include "app/SlotViews.h"

#include "colours/SlotModel.h"
#include "editor/ColourSwatch.h"
#include "platform/GeneralErrorBox.h"

#include <QRadioButton>

namespace tintabel {

SlotViews::SlotViews(SlotModel& slotModel, const std::array<ColourSwatch*, kSlotCount>& swatches,
    const std::array<QRadioButton*, kSlotCount>& buttons, MessageBoxes& messages)
{
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        swatches[index]->showColourOf([&slotModel, index] { return slotModel.colour(index); });
        buttons[index]->setEnabled(slotModel.available(index));
        buttons[index]->setChecked(slotModel.selected() == index);
        QObject::connect(buttons[index], &QRadioButton::toggled, buttons[index],
            guarded(messages, [&slotModel, index](bool on) {
                if (on)
                    slotModel.select(index);
            }));
    }
    slotModel.subscribe(
        [swatches, buttons, &slotModel](SlotModel::Change change, std::size_t index) {
            switch (change) {
            case SlotModel::Change::Colour:
                swatches[index]->update();
                break;
            case SlotModel::Change::Availability:
                buttons[index]->setEnabled(slotModel.available(index));
                break;
            case SlotModel::Change::Selection:
                buttons[index]->setChecked(true);
                break;
            case SlotModel::Change::Alpha:
                break;
            }
        });
}

} // namespace tintabel
