// `avizad-cli html`: the game built with the real toolkit, then its page for browsers written
// beside the jar from the program folder's template; refused while no template is installed.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "InstalledToolkit.h"
#include "ToolkitRequired.h"
#include "generator/BrowserPage.h"
#include "model/FileUtil.h"
#include "pipeline/ShellQuote.h"

namespace avizad {
namespace {

namespace fs = std::filesystem;

using testing::kInstalled;
using testing::kSample;
using testing::kToolkit;

class BrowserExport : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kToolkit / "wtk" / "bin" / "emulator")) {
            AVIZAD_SKIP_WITHOUT_TOOLKIT(kToolkit);
        }
        program_ = fs::temp_directory_path() / ("avizad-html-" + std::to_string(::getpid()));
        fs::remove_all(program_);
        testing::makeProgramFolder(program_);
        fs::copy_file(fs::path(AVIZAD_PROGRAM_DIR) / "avizad-cli", program_ / "avizad-cli");
        std::string options = readFileText(kInstalled / "options.ini");
        for (const char* folder : {"System/toolkit/jdk", "System/toolkit/wtk"}) {
            options.replace(options.find(folder), std::string(folder).size(),
                            (kToolkit / fs::path(folder).filename()).string());
        }
        writeFileText(program_ / "System" / "options.ini", options);
    }
    void TearDown() override {
        if (!program_.empty()) {
            fs::remove_all(program_);
        }
    }

    // Runs avizad-cli html on the sample; returns its exit status, its output in `output`.
    int html(std::string& output) {
        const std::string command = shellQuote((program_ / "avizad-cli").string()) + " html " +
                                    shellQuote(kSample.string()) + " 2>&1";
        std::FILE* pipe = ::popen(command.c_str(), "r");
        char chunk[4096];
        std::size_t n = 0;
        while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
            output.append(chunk, n);
        }
        const int status = ::pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path program_;
};

TEST_F(BrowserExport, WritesThePageBesideTheJarOnceTheTemplateIsInstalled) {
    std::string output;
    EXPECT_EQ(html(output), 1) << output;
    EXPECT_NE(output.find("Игра для браузера не собрана: нет шаблона страницы"), std::string::npos)
        << output;

    fs::create_directories(program_ / "System" / "web");
    writeFileText(browserPageTemplatePath(program_),
                  "@@AVIZAD_TITLE@@|@@AVIZAD_ICON@@|@@AVIZAD_GAME@@|@@AVIZAD_JAR@@");
    output.clear();
    ASSERT_EQ(html(output), 0) << output;
    fs::path jar;
    for (const auto& entry : fs::directory_iterator(program_ / "System" / "bin")) {
        if (entry.path().extension() == ".jar") {
            jar = entry.path();
        }
    }
    ASSERT_FALSE(jar.empty()) << output;
    const fs::path page = browserPagePath(jar);
    EXPECT_TRUE(output.ends_with("Страница для браузера: " + displayPath(page) + "\n")) << output;
    EXPECT_EQ(readFileText(page), browserPage(readFileText(browserPageTemplatePath(program_)),
                                              readFileBytes(jar), 240, 320));
}

}  // namespace
}  // namespace avizad
