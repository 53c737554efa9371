#include "pipeline/BuildCommands.h"

#include "model/Cp1251.h"
#include "model/Settings.h"
#include "pipeline/ShellQuote.h"

namespace avizad {

namespace fs = std::filesystem;

namespace {

std::string classPath(const BuildTools& tools) {
    return shellQuote(utf8ToCp1251(tools.cldcApi.string() + ":" + tools.midpApi.string()));
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

std::string compileCommand(const BuildTools& tools, const BuildFolders& folders) {
    // The quoted folder followed by an unquoted pattern: the shell expands only *.java.
    return quotedPath(tools.javac) + " -source 1.3 -encoding Cp1251 -classpath " +
           classPath(tools) + " -d " + quotedPath(folders.tmpclasses()) + " " +
           quotedPath(folders.src() / "") + "*.java";
}

std::string preverifyCommand(const BuildTools& tools, const BuildFolders& folders,
                             const std::vector<std::string>& keptClasses) {
    std::string command = quotedPath(tools.preverify) + " -classpath " + classPath(tools);
    for (const std::string& name : keptClasses) {
        command += " -keep " + shellQuote(name);
    }
    return command + " -d " + quotedPath(folders.classes()) + " " +
           quotedPath(folders.tmpclasses());
}

std::string archiveCommand(const BuildTools& tools, const BuildFolders& folders,
                           const fs::path& archive, const std::vector<std::string>& classFiles,
                           const std::vector<std::string>& resourceFiles) {
    std::string command = quotedPath(tools.jar) + " cmf " + quotedPath(folders.manifest()) + " " +
                          quotedPath(archive);
    const auto add = [&command](const fs::path& folder, const std::vector<std::string>& files) {
        const std::string dir = quotedPath(folder);
        for (const std::string& file : files) {
            command += " -C " + dir + " " + shellQuote(utf8ToCp1251("./" + file));
        }
    };
    add(folders.classes(), classFiles);
    add(folders.res(), resourceFiles);
    return command;
}

}  // namespace avizad
