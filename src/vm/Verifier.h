#pragma once
// The check a CLDC 1.1 phone makes before it runs a class: the type-check of every method
// against its StackMap attribute, and the CLDC limits (class version, no jsr/ret, no floating
// point strictness flags a phone refuses). A refusal names the class, the method, the offset
// and the reason.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "vm/ClassFile.h"

namespace avizad::vm {

// What the verifier needs to know of other classes: their super class and whether they are
// interfaces. A null answer: the class is unknown (assignments to it are then refused).
struct ClassInfo {
    std::string superName;  // empty for java/lang/Object
    bool isInterface = false;
};
using ClassLookup = std::function<std::optional<ClassInfo>(std::string_view name)>;

// nullopt when the class passes; otherwise the refusal:
// "class A, method m(I)V, offset 12: reason".
std::optional<std::string> verifyClass(const ClassFile& cf, const ClassLookup& lookup = {});

}  // namespace avizad::vm
