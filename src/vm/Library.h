#pragma once
// The class library the machine runs games on (java.lang, java.util, java.io and the MIDP
// packages, plus the machine's own avizad.vm classes), compiled from src/vm/lib when the
// machine is built and embedded in it.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace avizad::vm {

struct LibraryClass {
    std::string_view name;  // internal form
    const uint8_t* data;
    std::size_t size;
};

// The classes, sorted by name; null when absent.
const LibraryClass* findLibraryClass(std::string_view name);

}  // namespace avizad::vm
