#include "vm/Verifier.h"

namespace avizad::vm {

std::optional<std::string> verifyClass(const ClassFile& cf, const ClassLookup& lookup) {
    (void)cf;
    (void)lookup;
    return std::nullopt;
}

}  // namespace avizad::vm
