#include "events/PhoneKeys.h"

namespace avizad {

namespace {

const PhoneKey kKeys[] = {
    {"L", "ls", "-6", 0, 0},  {"R", "rs", "-7", 0, 2},     {"|", "vu", "-1", 1, 1},
    {"--", "vl", "-3", 2, 0}, {"E", "venter", "-5", 2, 1}, {"--", "vr", "-4", 2, 2},
    {"|", "vd", "-2", 3, 1},  {"1", "1", "49", 4, 0},      {"2", "2", "50", 4, 1},
    {"3", "3", "51", 4, 2},   {"4", "4", "52", 5, 0},      {"5", "5", "53", 5, 1},
    {"6", "6", "54", 5, 2},   {"7", "7", "55", 6, 0},      {"8", "8", "56", 6, 1},
    {"9", "9", "57", 6, 2},   {"*", "*", "42", 7, 0},      {"0", "0", "48", 7, 1},
    {"#", "#", "35", 7, 2},
};

}  // namespace

std::span<const PhoneKey> PhoneKeys::all() {
    return kKeys;
}

const PhoneKey* PhoneKeys::byName(std::string_view name) {
    for (const PhoneKey& key : kKeys) {
        if (key.name == name) {
            return &key;
        }
    }
    return nullptr;
}

}  // namespace avizad
