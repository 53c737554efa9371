#include "vm/host/PhoneCheck.h"

#include "vm/JarCheck.h"
#include "vm/host/NativePlatform.h"

namespace avizad::vm {

std::optional<std::string> phoneRefusal(const std::vector<uint8_t>& jarBytes) {
    NativePlatform platform;
    try {
        return checkJarClasses(readJar(jarBytes, platform));
    } catch (const JarError&) {
        return std::nullopt;
    }
}

}  // namespace avizad::vm
