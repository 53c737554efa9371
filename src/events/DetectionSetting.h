#pragma once
// The detection dialog's values: minimum radius A, maximum radius B and object
// number M (any integers), and the caption they give.

#include <string>

namespace avizad {

struct DetectionSetting {
    int minimumRadius = 0;  // A
    int maximumRadius = 0;  // B
    int objectNumber = 0;   // M

    // "обнаружение от " + A + " до " + B (Windows-1251).
    std::string caption() const;
};

}  // namespace avizad
