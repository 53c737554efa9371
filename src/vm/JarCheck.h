#pragma once
// The check a CLDC 1.1 phone makes of a MIDlet suite before it runs it: every class of the jar
// read and type-checked against its StackMap (Verifier.h), with the machine's class library
// and the jar's own classes as the classes it may use.

#include <optional>
#include <string>
#include <vector>

#include "vm/Jar.h"
#include "vm/Verifier.h"

namespace avizad::vm {

// What the verifier knows of a class: from the machine's class library, else from the jar.
ClassLookup classLookup(const Jar& jar);

// The first refusal ("class A, method m()V, offset 3: reason"), or nullopt when a phone would
// take every class.
std::optional<std::string> checkJarClasses(const Jar& jar);

}  // namespace avizad::vm
