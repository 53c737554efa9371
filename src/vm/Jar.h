#pragma once
// A MIDlet suite jar read into memory: its entries by name and its manifest. The reader takes
// the central directory of the zip file and inflates each entry through the platform; a damaged
// or truncated archive throws JarError with the reason.

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace avizad::vm {

class Platform;

class JarError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Jar {
    std::map<std::string, std::vector<uint8_t>> entries;
    std::map<std::string, std::string> manifest;  // main attributes

    const std::vector<uint8_t>* entry(const std::string& name) const {
        auto it = entries.find(name);
        return it == entries.end() ? nullptr : &it->second;
    }
};

// Reads the archive; `maxEntryBytes` bounds the size of one entry and of all together.
Jar readJar(const std::vector<uint8_t>& bytes, Platform& platform,
            std::size_t maxTotalBytes = 64u << 20);

// The main attributes of a manifest (continuation lines joined).
std::map<std::string, std::string> parseManifest(const std::string& text);

}  // namespace avizad::vm
