#include "pipeline/BuildCommands.h"

#include <functional>

#include "generator/ProjectResources.h"
#include "model/Cp1251.h"
#include "model/IoError.h"
#include "model/Settings.h"
#include "pipeline/ShellQuote.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

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

// How a path is written in a command's words: as it is (for the build process), or
// relative to the program folder (for the interpreter, whose current folder it is).
using PathText = std::function<std::string(const fs::path&)>;

std::string absoluteText(const fs::path& path) {
    return path.string();
}

PathText relativeTo(const fs::path& programDir) {
    return [programDir](const fs::path& path) { return commandPath(path, programDir); };
}

std::string classPath(const BuildTools& tools, const PathText& text) {
    return text(tools.cldcApi) + ":" + text(tools.midpApi);
}

// A command line for the interpreter. Command lines are Windows-1251 texts: a word that
// has no Windows-1251 spelling cannot be one, and is refused rather than sent altered.
std::string interpreterLine(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        if (const std::string outside = outsideCp1251(word); !outside.empty()) {
            throw IoError("Путь «" + cp1251ToUtf8(consoleText(word)) +
                          "» нельзя передать инструментам Java: в нём есть " + outside +
                          ", которого нет в кодировке Windows-1251");
        }
    }
    return commandLine(words);
}

std::vector<std::string> compileWords(const BuildTools& tools, const BuildFolders& folders,
                                      const std::vector<std::string>& sourceFiles,
                                      const fs::path& engineCache,
                                      const std::vector<std::string>& engineSources,
                                      const PathText& text) {
    std::vector<std::string> words = {text(tools.javac),     "-source", "1.3",
                                      "-encoding",           "Cp1251",  "-classpath",
                                      classPath(tools, text)};
    if (!engineCache.empty() && !engineSources.empty()) {
        words.insert(words.end(), {"--engine-cache", text(engineCache)});
        for (const std::string& name : engineSources) {
            words.insert(words.end(), {"--engine", name});
        }
    }
    words.insert(words.end(), {"-d", text(folders.tmpclasses())});
    for (const std::string& file : sourceFiles) {
        words.push_back(text(folders.src() / file));
    }
    return words;
}

std::vector<std::string> preverifyWords(const BuildTools& tools, const BuildFolders& folders,
                                        const std::vector<std::string>& keptClasses,
                                        const PathText& text) {
    std::vector<std::string> words = {text(tools.preverify), "-classpath", classPath(tools, text)};
    for (const std::string& name : keptClasses) {
        words.insert(words.end(), {"-keep", name});
    }
    words.insert(words.end(), {"-d", text(folders.classes()), text(folders.tmpclasses())});
    return words;
}

std::vector<std::string> archiveWords(const BuildTools& tools, const BuildFolders& folders,
                                      const fs::path& archive,
                                      const std::vector<std::string>& classFiles,
                                      const std::vector<std::string>& resourceFiles,
                                      const PathText& text) {
    std::vector<std::string> words = {text(tools.jar), "cmf", text(folders.manifest()),
                                      text(archive)};
    const auto add = [&](const fs::path& folder, const std::vector<std::string>& files) {
        for (const std::string& file : files) {
            words.insert(words.end(), {"-C", text(folder), "./" + file});
        }
    };
    add(folders.classes(), classFiles);
    add(folders.res(), resourceFiles);
    return words;
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
        const std::string named =
            std::string(folder.what) + " «" + cp1251ToUtf8(consoleText(path)) + "» ";
        if (path.find(':') != std::string::npos) {
            return named + "содержит символ «:», который в путях классов Java разделяет папки; " +
                   folder.remedy + ".";
        }
        if (path.find('\'') != std::string::npos && path.find('"') != std::string::npos) {
            return named + "содержит и одинарную, и двойную кавычку: такой путь нельзя передать " +
                   "предверификатору; " + folder.remedy + ".";
        }
        if (const std::string outside = outsideCp1251(path); outside.starts_with("0x")) {
            return named + "содержит байт " + outside +
                   ", который не читается как UTF-8: инструменты Java не откроют такой путь; " +
                   folder.remedy + ".";
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

std::string commandPath(const fs::path& path, const fs::path& programDir) {
    const fs::path relative = path.lexically_relative(programDir);
    if (relative.empty() || *relative.begin() == "..") {
        return path.string();
    }
    return relative.string();
}

std::string quotedPath(const fs::path& path, const fs::path& programDir) {
    return interpreterLine({commandPath(path, programDir)});
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
    return compileWords(tools, folders, sourceFiles, engineCache, engineSources, absoluteText);
}

std::string compileCommand(const BuildTools& tools, const BuildFolders& folders) {
    // The quoted folder followed by an unquoted pattern: the shell expands only *.java.
    const fs::path& program = folders.programDir;
    return interpreterLine(compileWords(tools, folders, {}, {}, {}, relativeTo(program))) + " " +
           quotedPath(folders.src() / "", program) + "*.java";
}

std::vector<std::string> preverifyArguments(const BuildTools& tools, const BuildFolders& folders,
                                            const std::vector<std::string>& keptClasses) {
    return preverifyWords(tools, folders, keptClasses, absoluteText);
}

std::string preverifyCommand(const BuildTools& tools, const BuildFolders& folders,
                             const std::vector<std::string>& keptClasses) {
    return interpreterLine(
        preverifyWords(tools, folders, keptClasses, relativeTo(folders.programDir)));
}

std::vector<std::string> archiveArguments(const BuildTools& tools, const BuildFolders& folders,
                                          const fs::path& archive,
                                          const std::vector<std::string>& classFiles,
                                          const std::vector<std::string>& resourceFiles) {
    return archiveWords(tools, folders, archive, classFiles, resourceFiles, absoluteText);
}

std::string archiveCommand(const BuildTools& tools, const BuildFolders& folders,
                           const fs::path& archive, const std::vector<std::string>& classFiles,
                           const std::vector<std::string>& resourceFiles) {
    return interpreterLine(archiveWords(tools, folders, archive, classFiles, resourceFiles,
                                        relativeTo(folders.programDir)));
}

}  // namespace avizad
