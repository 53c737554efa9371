#include "events/DetectionSetting.h"

#include "model/Cp1251.h"

namespace avizad {

std::string DetectionSetting::caption() const {
    return utf8ToCp1251("обнаружение от ") + std::to_string(minimumRadius) + utf8ToCp1251(" до ") +
           std::to_string(maximumRadius);
}

}  // namespace avizad
