#pragma once
// The file steps of the game build, before any tool runs: empty the staging folders,
// export the resources and write the stage class of every level, the events class and
// the engine, write the MIDlet class, copy the fixed files, take the project's own files
// (its sound files and icon) from the folder "res" of folders.projectDir, then write the
// manifest, whose MIDlet-1 names the icon only when the game holds it.

#include <string>
#include <vector>

#include "generator/BuildFolders.h"
#include "model/Project.h"

namespace avizad {

struct GameSourcesReport {
    std::vector<std::string> undeleted;  // files the cleaning could not delete (UTF-8 paths)
    std::vector<std::string> warnings;   // UTF-8 lines for the console: files left out
};

// Runs the steps in the build's order below folders.programDir. Throws IoError at the
// first file that cannot be read or written (files written until then stay).
GameSourcesReport generateGameSources(const Project& project, const BuildFolders& folders);

// The sources of System/src that do not depend on the project, only on the templates and
// the settings' screen: the engine (Stage.java), MultiLineText.java and Etap0.java. Their
// class files are the same in every build of the same templates (the build may reuse them).
std::vector<std::string> engineSources();

}  // namespace avizad
