#include "events/DetectionSetting.h"

#include "model/Cp1251.h"

namespace avizad {

std::string DetectionSetting::caption() const {
    return win1251("обнаружение от ") + std::to_string(minimumRadius) + win1251(" до ") +
           std::to_string(maximumRadius);
}

}  // namespace avizad
