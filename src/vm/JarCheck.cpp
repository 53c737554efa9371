#include "vm/JarCheck.h"

#include <map>
#include <memory>

#include "vm/ClassFile.h"
#include "vm/Library.h"
#include "vm/Verifier.h"

namespace avizad::vm {

ClassLookup classLookup(const Jar& jar) {
    auto infos = std::make_shared<std::map<std::string, std::optional<ClassInfo>, std::less<>>>();
    return [&jar, infos](std::string_view name) -> std::optional<ClassInfo> {
        if (auto it = infos->find(name); it != infos->end()) {
            return it->second;
        }
        std::optional<ClassInfo> info;
        const uint8_t* data = nullptr;
        std::size_t size = 0;
        if (const LibraryClass* lib = findLibraryClass(name)) {
            data = lib->data;
            size = lib->size;
        } else if (const auto* bytes = jar.entry(std::string(name) + ".class")) {
            data = bytes->data();
            size = bytes->size();
        }
        if (data) {
            try {
                const ClassFile cf = readClassFile(data, size, 52);
                info = ClassInfo{cf.superName, (cf.access & ACC_INTERFACE) != 0};
            } catch (const ClassFormatError&) {
            }
        }
        infos->emplace(std::string(name), info);
        return info;
    };
}

std::optional<std::string> checkJarClasses(const Jar& jar) {
    const ClassLookup lookup = classLookup(jar);
    for (const auto& [name, bytes] : jar.entries) {
        if (name.size() < 6 || name.compare(name.size() - 6, 6, ".class") != 0) {
            continue;
        }
        try {
            const ClassFile cf = readClassFile(bytes.data(), bytes.size());
            if (auto refusal = verifyClass(cf, lookup)) {
                return refusal;
            }
        } catch (const ClassFormatError& e) {
            return "class file " + name + ": " + e.what();
        }
    }
    return std::nullopt;
}

}  // namespace avizad::vm
