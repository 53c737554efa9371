#pragma once
// Running MIDlets on the machine inside a test: jars made of the test classes with a manifest
// of the test's choice, the printed output captured.

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "vm/Vm.h"
#include "vm/host/NativePlatform.h"

namespace avizad::vm::testing {

using Bytes = std::vector<uint8_t>;

class CapturingPlatform : public NativePlatform {
public:
    void print(const std::string& text, bool error) override { (error ? err : out) += text; }
    std::string out;
    std::string err;
};

inline Bytes readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline Bytes classBytes(const std::string& name) {
    return readBytes(std::filesystem::path(AVIZAD_VM_TEST_CLASSES) / (name + ".class"));
}

// A zip archive of stored (uncompressed) entries.
inline Bytes makeJar(const std::vector<std::pair<std::string, Bytes>>& entries) {
    Bytes out;
    Bytes directory;
    auto put16 = [](Bytes& b, uint32_t v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto put32 = [&](Bytes& b, uint32_t v) {
        put16(b, v & 0xFFFF);
        put16(b, v >> 16);
    };
    for (const auto& [name, data] : entries) {
        const uint32_t crc =
            static_cast<uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
        const auto offset = static_cast<uint32_t>(out.size());
        put32(out, 0x04034b50);
        for (uint32_t v : {10u, 0u, 0u, 0u, 0u}) {
            put16(out, v);
        }
        put32(out, crc);
        put32(out, static_cast<uint32_t>(data.size()));
        put32(out, static_cast<uint32_t>(data.size()));
        put16(out, static_cast<uint32_t>(name.size()));
        put16(out, 0);
        out.insert(out.end(), name.begin(), name.end());
        out.insert(out.end(), data.begin(), data.end());
        put32(directory, 0x02014b50);
        for (uint32_t v : {20u, 10u, 0u, 0u, 0u, 0u}) {
            put16(directory, v);
        }
        put32(directory, crc);
        put32(directory, static_cast<uint32_t>(data.size()));
        put32(directory, static_cast<uint32_t>(data.size()));
        put16(directory, static_cast<uint32_t>(name.size()));
        for (uint32_t v : {0u, 0u, 0u, 0u}) {
            put16(directory, v);
        }
        put32(directory, 0);
        put32(directory, offset);
        directory.insert(directory.end(), name.begin(), name.end());
    }
    const auto dirOffset = static_cast<uint32_t>(out.size());
    out.insert(out.end(), directory.begin(), directory.end());
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<uint32_t>(entries.size()));
    put16(out, static_cast<uint32_t>(entries.size()));
    put32(out, static_cast<uint32_t>(directory.size()));
    put32(out, dirOffset);
    put16(out, 0);
    return out;
}

inline Bytes text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

// A MIDlet suite of `classes` (test class names) whose MIDlet-1 is `midlet`, with extra
// manifest lines.
inline Bytes midletJar(const std::string& midlet, const std::vector<std::string>& classes,
                       const std::string& extraManifest = {}) {
    std::vector<std::pair<std::string, Bytes>> entries;
    entries.emplace_back(
        "META-INF/MANIFEST.MF",
        text("Manifest-Version: 1.0\r\nMIDlet-1: " + midlet + ", , " + midlet +
             "\r\nMIDlet-Name: " + midlet + "\r\nMIDlet-Vendor: Tests\r\nMIDlet-Version: 1.0\r\n" +
             extraManifest + "\r\n"));
    for (const std::string& c : classes) {
        entries.emplace_back(c + ".class", classBytes(c));
    }
    return makeJar(entries);
}

struct RunResult {
    bool ended = false;  // false: still running when the budget ran out
    int status = 0;
    std::string out;
    std::string err;
};

// Plays a jar on the machine for at most `budget` time slices.
inline RunResult runJar(const Bytes& jarBytes, VmOptions options = {}, int budget = 2000) {
    CapturingPlatform platform;
    RunResult r;
    Jar jar = readJar(jarBytes, platform);
    Vm vm(platform, std::move(jar), std::move(options));
    vm.start();
    for (int i = 0; i < budget && vm.run(100000); ++i) {
    }
    r.ended = !vm.running();
    r.status = vm.exitStatus();
    r.out = platform.out;
    r.err = platform.err;
    return r;
}

}  // namespace avizad::vm::testing
