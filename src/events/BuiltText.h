#pragma once
// A caption and a Java fragment built by a catalogue entry, both Windows-1251.

#include <string>

namespace avizad {

struct BuiltText {
    std::string caption;  // what the user reads in the grid or the cell list
    std::string code;     // the Java boolean expression or statement

    bool operator==(const BuiltText&) const = default;
};

}  // namespace avizad
