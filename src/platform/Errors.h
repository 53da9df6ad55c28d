#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tintabel {

// Every failure that may reach the user carries the exact text the error box shows (UTF-8).
// Handlers never catch these: the general error box does, once, where the event is dispatched.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is no integer, or an absent value where a text is needed.
class ConversionError : public Error {
public:
    using Error::Error;
};

// A file that cannot be created, opened, read or written; the text names the reason.
class InOutError : public Error {
public:
    using Error::Error;
};

// A document that cannot be read or is not well-formed XML.
class XmlError : public Error {
public:
    using Error::Error;
};

// The settings store refused a read or a write.
class RegistryError : public Error {
public:
    using Error::Error;
};

// A picture file of an unknown kind or one that cannot be decoded.
class PictureError : public Error {
public:
    using Error::Error;
};

// Fills "%s" and "%d" in pattern, left to right, with the given texts ("%%" stands for "%").
std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace tintabel
