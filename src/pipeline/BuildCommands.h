#pragma once
// The tools of the game build and the command lines that run them in the build's
// interpreter, whose current folder is the program folder. Command lines are Windows-1251
// texts, as the console sends them; every path and name in them is shell-quoted, and a
// path below the program folder is written relative to it, so the program folder's name
// (say /home/josé or a name in any script) never has to pass through Windows-1251: the
// tools reach it as the bytes it is. A path or name without a Windows-1251 spelling that
// would have to enter a command line is refused with IoError instead of sent altered.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "generator/BuildFolders.h"

namespace avizad {

// The external tools and class libraries, below the settings' `jdkDir` and `wtkDir`;
// a relative folder of the settings is taken relative to the program folder.
struct BuildTools {
    std::filesystem::path javac;      // jdkDir/bin/javac
    std::filesystem::path jar;        // jdkDir/bin/jar
    std::filesystem::path preverify;  // wtkDir/bin/preverify
    std::filesystem::path cldcApi;    // wtkDir/lib/cldcapi11.jar
    std::filesystem::path midpApi;    // wtkDir/lib/midpapi20.jar
    std::filesystem::path emulator;   // wtkDir/bin/emulator
    // The toolkit's long-lived build process (BuildServerClient), when wtkDir is the
    // toolkit's own.
    std::filesystem::path buildServer;  // wtkDir/bin/buildserver
};

// jdkDir and wtkDir are the Windows-1251 texts of the settings.
BuildTools buildTools(const std::filesystem::path& programDir, std::string_view jdkDir,
                      std::string_view wtkDir);

// What keeps the Java tools from taking the program folder or the settings' JDK and WTK
// folders (resolved as buildTools does), as one UTF-8 message naming the folder; empty
// when nothing does. A ":" splits the class paths (the toolkit's compiler puts its own
// folder in one), a name holding both kinds of quotes cannot stand in the
// preverifier's configuration, and a name that is no UTF-8 cannot be opened by the Java
// tools. Bytes that are no UTF-8 are named as "<0xE9>".
std::string toolFolderProblem(const std::filesystem::path& programDir, std::string_view jdkDir,
                              std::string_view wtkDir);

// The game archive: System/bin/ + midletName + ".jar". A "/" in the name, which no file
// name can hold, is written as "_".
std::filesystem::path archivePath(const BuildFolders& folders, std::string_view midletName);

// A path as the command lines name it: relative to the program folder when it lies below
// it, else as it is (UTF-8).
std::string commandPath(const std::filesystem::path& path, const std::filesystem::path& programDir);
// commandPath as a Windows-1251 shell word. Throws IoError for a path without a
// Windows-1251 spelling.
std::string quotedPath(const std::filesystem::path& path, const std::filesystem::path& programDir);

// Words as one command line (Windows-1251, as the console shows it): each word that holds
// anything but letters, digits and "_+=,.:/@%-" shell-quoted, the first (the tool) always.
std::string commandLine(const std::vector<std::string>& words);

// Every command below as the command line the interpreter runs (Windows-1251, paths below
// the program folder relative to it; IoError for a word without a Windows-1251 spelling),
// and as the words the build process receives (the tool first, UTF-8, every path as it is:
// the build process reads file names as UTF-8 whatever the locale).

// javac -source 1.3 -encoding Cp1251 -classpath CLDC:MIDP -d System/tmpclasses System/src/*.java
std::string compileCommand(const BuildTools& tools, const BuildFolders& folders);
// The same compile with the sources named one by one. With an engine cache folder, the
// toolkit's compiler is told which sources are the game's engine (the same in every
// build, engineSources) so that it reuses their class files ("--engine-cache DIR" and
// "--engine NAME" for each): only for the toolkit's own compiler.
std::vector<std::string> compileArguments(const BuildTools& tools, const BuildFolders& folders,
                                          const std::vector<std::string>& sourceFiles,
                                          const std::filesystem::path& engineCache = {},
                                          const std::vector<std::string>& engineSources = {});
// preverify -classpath CLDC:MIDP -d System/classes System/tmpclasses; with classes to
// keep, "-keep CLASS" for each before the folders: the toolkit's preverifier then also
// shrinks the game and shortens its names in the same pass, keeping those classes.
std::string preverifyCommand(const BuildTools& tools, const BuildFolders& folders,
                             const std::vector<std::string>& keptClasses = {});
std::vector<std::string> preverifyArguments(const BuildTools& tools, const BuildFolders& folders,
                                            const std::vector<std::string>& keptClasses = {});
// jar cmf MANIFEST.MF ARCHIVE -C System/classes ./A.class ... -C System/res ./a.png ...:
// every file is named relative to its folder with "./" before it, so no name (say
// "@list.mid" or "-x.mid") can reach the archiver as an option or an argument file.
std::string archiveCommand(const BuildTools& tools, const BuildFolders& folders,
                           const std::filesystem::path& archive,
                           const std::vector<std::string>& classFiles,
                           const std::vector<std::string>& resourceFiles);
std::vector<std::string> archiveArguments(const BuildTools& tools, const BuildFolders& folders,
                                          const std::filesystem::path& archive,
                                          const std::vector<std::string>& classFiles,
                                          const std::vector<std::string>& resourceFiles);

}  // namespace avizad
