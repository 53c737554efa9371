// Feeds arbitrary bytes to the virtual machine as a class file: the reader must read it or
// refuse it with ClassFormatError; the verifier must check what was read, or refuse it with a
// reason; what it takes, the interpreter runs as the MIDlet of a suite for a few thousand
// instructions in a small heap. Nothing may crash, leak, read out of bounds or hang.

#include <cstddef>
#include <cstdint>
#include <string>

#include "vm/ClassFile.h"
#include "vm/JarCheck.h"
#include "vm/Vm.h"
#include "vm/host/NativePlatform.h"

namespace {

class QuietPlatform : public avizad::vm::NativePlatform {
public:
    void print(const std::string&, bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace avizad::vm;
    ClassFile cf;
    try {
        cf = readClassFile(data, size);
    } catch (const ClassFormatError&) {
        return 0;
    }
    Jar jar;
    jar.entries[cf.name + ".class"] = std::vector<std::uint8_t>(data, data + size);
    std::string dotted = cf.name;
    for (char& c : dotted) {
        c = c == '/' ? '.' : c;
    }
    jar.manifest["MIDlet-1"] = "Fuzz, , " + dotted;
    if (checkJarClasses(jar)) {
        return 0;
    }
    QuietPlatform platform;
    VmOptions options;
    options.heapLimit = 4u << 20;
    options.maxFrames = 3;
    options.stackSlots = 8192;
    options.maxFrameDepth = 200;
    try {
        Vm vm(platform, std::move(jar), options);
        vm.start();
        for (int i = 0; i < 20 && vm.run(5000); ++i) {
        }
    } catch (const JarError&) {
    }
    return 0;
}
