#include "pipeline/BuildCommands.h"

#include "model/Cp1251.h"
#include "model/Settings.h"
#include "pipeline/ShellQuote.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

std::string classPath(const BuildTools& tools) {
    return tools.cldcApi.string() + ":" + tools.midpApi.string();
}

bool plainWord(std::string_view word) {
    if (word.empty()) {
        return false;
    }
    for (const char c : word) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') ||
                           std::string_view("_+=,.:/@%-").find(c) != std::string_view::npos;
        if (!plain) {
            return false;
        }
    }
    return true;
}

}  // namespace

BuildTools buildTools(const fs::path& programDir, std::string_view jdkDir,
                      std::string_view wtkDir) {
    const fs::path jdk = resolveProgramPath(programDir, jdkDir);
    const fs::path wtk = resolveProgramPath(programDir, wtkDir);
    return BuildTools{
        .javac = jdk / "bin" / "javac",
        .jar = jdk / "bin" / "jar",
        .preverify = wtk / "bin" / "preverify",
        .cldcApi = wtk / "lib" / "cldcapi11.jar",
        .midpApi = wtk / "lib" / "midpapi20.jar",
        .emulator = wtk / "bin" / "emulator",
        .buildServer = wtk / "bin" / "buildserver",
    };
}

std::string toolFolderProblem(const fs::path& programDir, std::string_view jdkDir,
                              std::string_view wtkDir) {
    const struct {
        const char* what;
        fs::path path;
        const char* remedy;
    } folders[] = {
        {"Папка программы", programDir, "перенесите программу в другую папку"},
        {"Папка JDK", resolveProgramPath(programDir, jdkDir), "укажите в настройках другую"},
        {"Папка WTK", resolveProgramPath(programDir, wtkDir), "укажите в настройках другую"},
    };
    for (const auto& folder : folders) {
        const std::string path = folder.path.string();
        const std::string named = std::string(folder.what) + " «" + path + "» ";
        if (path.find(':') != std::string::npos) {
            return named + "содержит символ «:», который в путях классов Java разделяет папки; " +
                   folder.remedy + ".";
        }
        if (path.find('\'') != std::string::npos && path.find('"') != std::string::npos) {
            return named + "содержит и одинарную, и двойную кавычку: такой путь нельзя передать " +
                   "предверификатору; " + folder.remedy + ".";
        }
    }
    return {};
}

fs::path archivePath(const BuildFolders& folders, std::string_view midletName) {
    std::string name(midletName);
    for (char& c : name) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    return folders.bin() / (cp1251ToUtf8(name) + ".jar");
}

std::string quotedPath(const fs::path& path) {
    return shellQuote(utf8ToCp1251(path.string()));
}

std::string commandLine(const std::vector<std::string>& words) {
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string word = utf8ToCp1251(words[i]);
        if (i > 0) {
            line += ' ';
        }
        line += i > 0 && plainWord(word) ? word : shellQuote(word);
    }
    return line;
}

std::vector<std::string> compileArguments(const BuildTools& tools, const BuildFolders& folders,
                                          const std::vector<std::string>& sourceFiles,
                                          const fs::path& engineCache,
                                          const std::vector<std::string>& engineSources) {
    std::vector<std::string> words = {tools.javac.string(), "-source", "1.3",
                                      "-encoding",          "Cp1251",  "-classpath",
                                      classPath(tools)};
    if (!engineCache.empty() && !engineSources.empty()) {
        words.insert(words.end(), {"--engine-cache", engineCache.string()});
        for (const std::string& name : engineSources) {
            words.insert(words.end(), {"--engine", name});
        }
    }
    words.insert(words.end(), {"-d", folders.tmpclasses().string()});
    for (const std::string& file : sourceFiles) {
        words.push_back((folders.src() / file).string());
    }
    return words;
}

std::string compileCommand(const BuildTools& tools, const BuildFolders& folders) {
    // The quoted folder followed by an unquoted pattern: the shell expands only *.java.
    return commandLine(compileArguments(tools, folders, {})) + " " +
           quotedPath(folders.src() / "") + "*.java";
}

std::vector<std::string> preverifyArguments(const BuildTools& tools, const BuildFolders& folders,
                                            const std::vector<std::string>& keptClasses) {
    std::vector<std::string> words = {tools.preverify.string(), "-classpath", classPath(tools)};
    for (const std::string& name : keptClasses) {
        words.insert(words.end(), {"-keep", name});
    }
    words.insert(words.end(), {"-d", folders.classes().string(), folders.tmpclasses().string()});
    return words;
}

std::string preverifyCommand(const BuildTools& tools, const BuildFolders& folders,
                             const std::vector<std::string>& keptClasses) {
    return commandLine(preverifyArguments(tools, folders, keptClasses));
}

std::vector<std::string> archiveArguments(const BuildTools& tools, const BuildFolders& folders,
                                          const fs::path& archive,
                                          const std::vector<std::string>& classFiles,
                                          const std::vector<std::string>& resourceFiles) {
    std::vector<std::string> words = {tools.jar.string(), "cmf", folders.manifest().string(),
                                      archive.string()};
    const auto add = [&words](const fs::path& folder, const std::vector<std::string>& files) {
        for (const std::string& file : files) {
            words.insert(words.end(), {"-C", folder.string(), "./" + file});
        }
    };
    add(folders.classes(), classFiles);
    add(folders.res(), resourceFiles);
    return words;
}

std::string archiveCommand(const BuildTools& tools, const BuildFolders& folders,
                           const fs::path& archive, const std::vector<std::string>& classFiles,
                           const std::vector<std::string>& resourceFiles) {
    return commandLine(archiveArguments(tools, folders, archive, classFiles, resourceFiles));
}

}  // namespace avizad
