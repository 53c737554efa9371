#pragma once
// The key dialog's phone keypad: each button returns its key name and key code
// and closes the dialog; closing the window returns no key.

#include <span>
#include <string_view>

namespace avizad {

struct PhoneKey {
    std::string_view caption;  // button caption ("|" for up and down of the cross)
    std::string_view name;     // key name for the caption, e.g. "venter"
    std::string_view code;     // MIDP key code as decimal text, e.g. "-5"
    int row;                   // place on the keypad, 0-based, 8 rows of 3 columns
    int column;
};

class PhoneKeys {
public:
    // The soft keys (row 0), the cross (rows 1..3), the digits (rows 4..6), "*", "0", "#".
    static std::span<const PhoneKey> all();
    // The key of a name; nullptr when there is none.
    static const PhoneKey* byName(std::string_view name);
};

}  // namespace avizad
