#include "picker/AdobeFields.h"

#include "picker/SpinField.h"
#include "platform/GeneralErrorBox.h"

#include <QSignalBlocker>

#include <algorithm>

namespace tintabel {

namespace {

int fieldNumber(const SpinField& field)
{
    return std::clamp(field.fieldValue(), 0, field.limit());
}

std::uint8_t fieldByte(const SpinField& field)
{
    return static_cast<std::uint8_t>(fieldNumber(field));
}

} // namespace

void AdobeFields::onChanges(
    QObject& receiver, MessageBoxes& messages, ChangeRule rvbRule, ChangeRule tsvRule) const
{
    const auto connectAll = [&](std::array<SpinField*, 3> fields, const ChangeRule& rule) {
        for (SpinField* field : fields)
            QObject::connect(field, &QSpinBox::textChanged, &receiver,
                guarded(messages, [rule, field](const QString&) { rule(*field); }));
    };
    connectAll(rvbFields(), rvbRule);
    connectAll(tsvFields(), tsvRule);
}

void AdobeFields::writeRvb(RvbBytes rvb) const
{
    writeQuietly(*red, rvb.red);
    writeQuietly(*green, rvb.green);
    writeQuietly(*blue, rvb.blue);
}

void AdobeFields::writeTsv(const TsvDegrees& tsv) const
{
    writeQuietly(*hue, tsv.hue);
    writeQuietly(*saturation, nearest(tsv.saturation));
    writeQuietly(*value, nearest(tsv.value));
}

void AdobeFields::show(const TCouleur& colour) const
{
    writeRvb(colour.RVB());
    writeTsv(colour.TSV());
}

void AdobeFields::takeRvb(TCouleur& colour) const
{
    colour.SetRVB(fieldByte(*red), fieldByte(*green), fieldByte(*blue));
    writeTsv(colour.TSV());
}

void AdobeFields::takeTsv(TCouleur& colour) const
{
    colour.SetTSV(fieldNumber(*hue), static_cast<float>(fieldNumber(*saturation)),
        static_cast<float>(fieldNumber(*value)));
    writeRvb(colour.RVB());
}

bool AdobeFields::takeChange(SpinField& changed)
{
    if (changed.fieldText().isEmpty())
        return false;
    if (changed.fieldValue() > changed.limit())
        writeQuietly(changed, changed.limit());
    return true;
}

void AdobeFields::writeQuietly(SpinField& field, int value)
{
    const QSignalBlocker quiet(field);
    field.setValue(value);
}

} // namespace tintabel
