#pragma once
// Whether a phone would take a MIDlet suite: the jar read and each class type-checked as a
// CLDC 1.1 phone does before it runs a game.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace avizad::vm {

// The first class of the jar a phone would refuse ("class A, method m()V, offset 3: reason"),
// or nullopt. A file that is no readable archive is the archiver's matter: nullopt too.
std::optional<std::string> phoneRefusal(const std::vector<uint8_t>& jarBytes);

}  // namespace avizad::vm
