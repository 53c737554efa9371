#pragma once
// Whether a phone would take a MIDlet suite: the jar read and each class type-checked as a
// CLDC 1.1 phone does before it runs a game.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace avizad::vm {

// The reason a phone would refuse the jar (a damaged archive, or the first class it refuses:
// "class A, method m()V, offset 3: reason"), or nullopt.
std::optional<std::string> phoneRefusal(const std::vector<uint8_t>& jarBytes);

}  // namespace avizad::vm
