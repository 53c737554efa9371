#include "vm/Jar.h"

#include "vm/Platform.h"

namespace avizad::vm {

namespace {

uint32_t le16(const uint8_t* p) {
    return static_cast<uint32_t>(p[0] | p[1] << 8);
}
uint32_t le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

std::map<std::string, std::string> parseManifest(const std::string& text) {
    std::map<std::string, std::string> out;
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\n';
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            if (!line.empty() && line[0] == ' ' && !lines.empty()) {
                lines.back() += line.substr(1);
            } else {
                if (line.empty() && !lines.empty()) {
                    break;  // the main section ends at the first blank line
                }
                lines.push_back(line);
            }
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    for (const std::string& l : lines) {
        const std::size_t colon = l.find(':');
        if (colon == std::string::npos || colon == 0) {
            continue;
        }
        std::string value = l.substr(colon + 1);
        const std::size_t start = value.find_first_not_of(' ');
        value = start == std::string::npos ? std::string() : value.substr(start);
        out[l.substr(0, colon)] = value;
    }
    return out;
}

Jar readJar(const std::vector<uint8_t>& bytes, Platform& platform, std::size_t maxTotalBytes) {
    const std::size_t n = bytes.size();
    const uint8_t* d = bytes.data();
    if (n < 22) {
        throw JarError("not a jar file (too short)");
    }
    // The end of central directory record: at most 64 KB of comment after it.
    std::size_t eocd = std::string::npos;
    for (std::size_t i = n - 22 + 1; i-- > 0 && n - i <= 22 + 65535;) {
        if (le32(d + i) == 0x06054b50) {
            eocd = i;
            break;
        }
    }
    if (eocd == std::string::npos) {
        throw JarError("not a jar file, or a truncated one (no central directory)");
    }
    const uint32_t count = le16(d + eocd + 10);
    const uint32_t dirSize = le32(d + eocd + 12);
    const uint32_t dirOffset = le32(d + eocd + 16);
    if (static_cast<uint64_t>(dirOffset) + dirSize > eocd) {
        throw JarError("damaged jar file (central directory out of place)");
    }
    Jar jar;
    std::size_t total = 0;
    std::size_t p = dirOffset;
    for (uint32_t e = 0; e < count; ++e) {
        if (p + 46 > eocd || le32(d + p) != 0x02014b50) {
            throw JarError("damaged jar file (central directory entry " + std::to_string(e) + ")");
        }
        const uint32_t flags = le16(d + p + 8);
        const uint32_t method = le16(d + p + 10);
        const uint32_t csize = le32(d + p + 20);
        const uint32_t usize = le32(d + p + 24);
        const uint32_t nameLen = le16(d + p + 28);
        const uint32_t extraLen = le16(d + p + 30);
        const uint32_t commentLen = le16(d + p + 32);
        const uint32_t local = le32(d + p + 42);
        if (p + 46 + nameLen > eocd) {
            throw JarError("damaged jar file (entry name)");
        }
        std::string name(reinterpret_cast<const char*>(d + p + 46), nameLen);
        p += 46 + nameLen + extraLen + commentLen;
        if (!name.empty() && name.back() == '/') {
            continue;
        }
        if (flags & 1) {
            throw JarError("encrypted jar entry " + name);
        }
        if (static_cast<uint64_t>(local) + 30 > dirOffset || le32(d + local) != 0x04034b50) {
            throw JarError("damaged jar file (local header of " + name + ")");
        }
        const std::size_t dataAt = local + 30 + le16(d + local + 26) + le16(d + local + 28);
        if (dataAt + static_cast<uint64_t>(csize) > dirOffset) {
            throw JarError("truncated jar entry " + name);
        }
        total += usize;
        if (total > maxTotalBytes) {
            throw JarError("the jar's entries are too large");
        }
        std::vector<uint8_t> data;
        if (method == 0) {
            if (csize != usize) {
                throw JarError("damaged jar entry " + name);
            }
            data.assign(d + dataAt, d + dataAt + csize);
        } else if (method == 8) {
            auto inflated = platform.inflate(d + dataAt, csize, usize);
            if (!inflated) {
                throw JarError("damaged jar entry " + name + " (cannot inflate)");
            }
            data = std::move(*inflated);
        } else {
            throw JarError("jar entry " + name + " is packed with an unknown method " +
                           std::to_string(method));
        }
        jar.entries[name] = std::move(data);
    }
    if (const auto* mf = jar.entry("META-INF/MANIFEST.MF")) {
        jar.manifest = parseManifest(std::string(mf->begin(), mf->end()));
    }
    return jar;
}

}  // namespace avizad::vm
