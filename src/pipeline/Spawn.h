#pragma once
// Starting a program the way the build's tools are started.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace avizad {

// Starts `program` with `arguments` in a process group of its own (so the tools it starts
// can be ended together), with SIGPIPE at its default and no signal blocked. Standard input
// is `input`, or /dev/null when it is -1; standard output and error both go to `output`, or
// stay the caller's when it is -1. An empty `workingDir` keeps the caller's. Returns 0 and
// sets `pid`, or returns the error number.
int spawnProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& workingDir, int input, int output, pid_t& pid);

// Closes `fd` unless it is -1, and sets it to -1.
void closeFd(int& fd);

}  // namespace avizad
