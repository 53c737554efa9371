// The page of a game for browsers: a template filled from the jar's manifest and icon.

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <utility>
#include <vector>

#include "GeneratorTestSupport.h"
#include "generator/BrowserPage.h"
#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

Bytes deflated(const std::string& text) {
    Bytes out(compressBound(text.size()) + 16);
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// A zip archive of (name, content) entries, deflated.
Bytes zip(const std::vector<std::pair<std::string, std::string>>& entries) {
    Bytes out;
    Bytes directory;
    for (const auto& [name, content] : entries) {
        const Bytes packed = deflated(content);
        const auto crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(content.data()), content.size()));
        Bytes& local = out;
        const auto offset = static_cast<std::uint32_t>(out.size());
        put(local, 0x04034B50u, 4);
        put(local, 20, 2);
        put(local, 0, 2);
        put(local, 8, 2);
        put(local, 0, 4);
        put(local, crc, 4);
        put(local, static_cast<std::uint32_t>(packed.size()), 4);
        put(local, static_cast<std::uint32_t>(content.size()), 4);
        put(local, static_cast<std::uint32_t>(name.size()), 2);
        put(local, 0, 2);
        local.insert(local.end(), name.begin(), name.end());
        local.insert(local.end(), packed.begin(), packed.end());
        put(directory, 0x02014B50u, 4);
        put(directory, 20, 2);
        put(directory, 20, 2);
        put(directory, 0, 2);
        put(directory, 8, 2);
        put(directory, 0, 4);
        put(directory, crc, 4);
        put(directory, static_cast<std::uint32_t>(packed.size()), 4);
        put(directory, static_cast<std::uint32_t>(content.size()), 4);
        put(directory, static_cast<std::uint32_t>(name.size()), 2);
        put(directory, 0, 4);
        put(directory, 0, 4);
        put(directory, 0, 4);
        put(directory, offset, 4);
        directory.insert(directory.end(), name.begin(), name.end());
    }
    const auto directoryAt = static_cast<std::uint32_t>(out.size());
    out.insert(out.end(), directory.begin(), directory.end());
    put(out, 0x06054B50u, 4);
    put(out, 0, 4);
    put(out, static_cast<std::uint32_t>(entries.size()), 2);
    put(out, static_cast<std::uint32_t>(entries.size()), 2);
    put(out, static_cast<std::uint32_t>(directory.size()), 4);
    put(out, directoryAt, 4);
    put(out, 0, 2);
    return out;
}

const std::string kTemplate =
    "<title>@@AVIZAD_TITLE@@</title>@@AVIZAD_ICON@@|@@AVIZAD_GAME@@|@@AVIZAD_JAR@@.";

std::string manifest(const std::string& name, const std::string& vendor, const std::string& icon) {
    // MIDlet-1 continued on a second line, as the build writes long lines.
    return "Manifest-Version: 1.0\r\nMIDlet-Name: " + name + "\r\nMIDlet-Vendor: " + vendor +
           "\r\nMIDlet-1: " + name + ", " + icon + ", sy\r\n rk\r\n\r\n";
}

TEST(BrowserPage, FillsTheTemplateFromTheManifestAndTheIcon) {
    const Bytes jar = zip(
        {{"META-INF/MANIFEST.MF", manifest("Кот & <Мышь>", "Студия \"</script>\"", "/icons/i.png")},
         {"icons/i.png", "PNG"}});
    const std::string page = browserPage(kTemplate, jar, 176, 208);
    const std::string head =
        "<title>Кот &amp; &lt;Мышь&gt;</title><link rel=\"icon\" type=\"image/png\" "
        "href=\"data:image/png;base64,UE5H\">|{\"name\":\"Кот \\u0026 \\u003cМышь\\u003e\","
        "\"vendor\":\"Студия \\\"\\u003c/script\\u003e\\\"\",\"width\":176,\"height\":208}|";
    EXPECT_EQ(page.substr(0, head.size()), head);
    // The jar in base64: four digits for every three bytes, the last group padded.
    EXPECT_EQ(page.size(), head.size() + (jar.size() + 2) / 3 * 4 + 1);
    EXPECT_EQ(page.substr(head.size(), 4), "UEsD");  // "PK\3"
    EXPECT_EQ(page.back(), '.');
}

TEST(BrowserPage, LeavesOutAnIconTheJarLacksAndTakesMarkerTextAsItStands) {
    const Bytes jar =
        zip({{"META-INF/MANIFEST.MF", manifest("@@AVIZAD_JAR@@", "V", "missing.png")}});
    const std::string page = browserPage(kTemplate, jar, 240, 320);
    EXPECT_EQ(page.substr(0, 49), "<title>@@AVIZAD_JAR@@</title>|{\"name\":\"@@AVIZAD_J");
    EXPECT_EQ(page.find("rel=\"icon\""), std::string::npos);
    EXPECT_EQ(readBrowserGame(zip({{"META-INF/MANIFEST.MF", "MIDlet-Name: A\r\n"}})).icon, Bytes());
}

TEST(BrowserPage, RefusesABrokenTemplateOrJar) {
    const Bytes jar = zip({{"META-INF/MANIFEST.MF", manifest("A", "V", "")}});
    Bytes damaged = jar;
    damaged[30 + 20 + 5] ^= 0xFF;  // inside the packed manifest, after its local header
    const struct {
        const char* name;
        std::string pageTemplate;
        Bytes jar;
        std::string message;
    } cases[] = {
        {"no jar marker", "@@AVIZAD_TITLE@@@@AVIZAD_ICON@@@@AVIZAD_GAME@@", jar,
         "метка @@AVIZAD_JAR@@ должна стоять в нём ровно один раз"},
        {"a marker twice", kTemplate + "@@AVIZAD_GAME@@", jar,
         "метка @@AVIZAD_GAME@@ должна стоять в нём ровно один раз"},
        {"not a zip", kTemplate, Bytes(100, 'x'), "Архив игры не читается: это не архив jar"},
        {"no manifest", kTemplate, zip({{"a.class", "x"}}), "в нём нет манифеста"},
        {"damaged manifest", kTemplate, damaged, "Архив игры не читается: "},
    };
    for (const auto& c : cases) {
        try {
            browserPage(c.pageTemplate, c.jar, 240, 320);
            ADD_FAILURE() << c.name;
        } catch (const IoError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.name << ": " << error.what();
        }
    }
}

TEST(BrowserPage, WritesThePageBesideTheJarFromTheInstalledTemplate) {
    testing::ProgramFolder folder;
    const std::filesystem::path jar = folder.root() / "System/bin/Игра.jar";
    const Bytes bytes = zip({{"META-INF/MANIFEST.MF", manifest("Игра", "V", "")}});
    writeFileBytes(jar, bytes.data(), bytes.size());
    try {
        writeBrowserPage(folder.root(), jar, 128, 160);
        ADD_FAILURE() << "written without a template";
    } catch (const IoError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Игра для браузера не собрана: нет шаблона страницы «" +
                      displayPath(folder.root() / "System/web/page.html") + "»");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.root() / "System/bin/Игра.html"));
    std::filesystem::create_directories(folder.root() / "System/web");
    writeFileText(folder.root() / "System/web/page.html", kTemplate);
    EXPECT_EQ(writeBrowserPage(folder.root(), jar, 128, 160),
              folder.root() / "System/bin/Игра.html");
    EXPECT_EQ(readFileText(folder.root() / "System/bin/Игра.html"),
              browserPage(kTemplate, bytes, 128, 160));
}

TEST(BrowserPage, PathsBesideTheJarAndInTheProgramFolder) {
    EXPECT_EQ(browserPagePath("/p/System/bin/Игра.v2.jar"), "/p/System/bin/Игра.v2.html");
    EXPECT_EQ(browserPageTemplatePath("/p"), "/p/System/web/page.html");
}

}  // namespace
}  // namespace avizad
