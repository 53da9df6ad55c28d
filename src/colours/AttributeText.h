#pragma once

#include <string>
#include <string_view>

namespace tintabel {

class XmlNode;

// An attribute read where a text is required: an absent attribute cannot become one, and raises
// the conversion error the user sees for it. A present but empty attribute gives "".
std::string requiredAttributeText(const XmlNode& node, std::string_view name);

} // namespace tintabel
