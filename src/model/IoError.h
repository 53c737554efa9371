#pragma once
// The one exception type for failures of file input and output. Its text is the
// message the user sees; the command the user gave catches it and shows it.

#include <stdexcept>
#include <string>

namespace avizad {

class IoError : public std::runtime_error {
public:
    explicit IoError(const std::string& message) : std::runtime_error(message) {}
};

// The system's text for an errno value, as a UTF-8 string.
std::string systemErrorText(int errorNumber);

}  // namespace avizad
