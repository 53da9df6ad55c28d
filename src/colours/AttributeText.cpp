#include "colours/AttributeText.h"

#include "platform/Errors.h"
#include "platform/XmlDocument.h"

namespace tintabel {

std::string requiredAttributeText(const XmlNode& node, std::string_view name)
{
    std::optional<std::string> value = node.attribute(name);
    if (!value)
        throw ConversionError(formatMessage(
            "Could not convert variant of type (%s) into type (%s)", {"Null", "String"}));
    return std::move(*value);
}

} // namespace tintabel
