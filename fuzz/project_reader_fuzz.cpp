// Feeds arbitrary bytes to the project reader: it must either load them or throw
// IoError, never crash, read out of bounds or run away with memory.

#include <cstddef>
#include <cstdint>

#include "model/IoError.h"
#include "model/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    avizad::Project project;
    try {
        avizad::loadProjectFromMemory(project, reinterpret_cast<const char*>(data), size);
        // What was read must save again without trouble.
        (void)avizad::projectFileText(project);
    } catch (const avizad::IoError&) {
    }
    return 0;
}
