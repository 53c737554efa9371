#pragma once
// The file steps of the game build, before any tool runs: empty the staging folders,
// export the resources and write the stage class of every level, the events class and
// the engine, then write the MIDlet class and the manifest and copy the fixed files.

#include <string>
#include <vector>

#include "generator/BuildFolders.h"
#include "model/Project.h"

namespace avizad {

// Runs the steps in the build's order below folders.programDir; after the cleaning, the
// sound files of folders.projectDir/res (if set) are copied to System/res. Throws IoError
// at the first file that cannot be read or written (files written until then stay).
// Returns the files the cleaning could not delete (UTF-8 paths), for a warning.
std::vector<std::string> generateGameSources(const Project& project, const BuildFolders& folders);

// The sources of System/src that do not depend on the project, only on the templates and
// the settings' screen: the engine (Stage.java), MultiLineText.java and Etap0.java. Their
// class files are the same in every build of the same templates (the build may reuse them).
std::vector<std::string> engineSources();

}  // namespace avizad
