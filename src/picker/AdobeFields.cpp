#include "picker/AdobeFields.h"

#include "picker/SpinField.h"

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

RvbBytes AdobeFields::rvb() const
{
    return {fieldByte(*red), fieldByte(*green), fieldByte(*blue)};
}

TsvDegrees AdobeFields::tsv() const
{
    return {fieldNumber(*hue), static_cast<float>(fieldNumber(*saturation)),
        static_cast<float>(fieldNumber(*value))};
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
