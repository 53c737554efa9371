#pragma once
// "Запуск игры": starts the emulator of the toolkit with the built archive, without
// waiting for it.

#include <filesystem>
#include <string_view>

namespace avizad {

// Starts `wtkDir`/bin/emulator with System/bin/<midletName>.jar below the program
// folder, with the program folder as its current folder and its standard input empty;
// the emulator runs on by itself (a thread of ours collects its exit). The phone's screen
// is `screenWidth` x `screenHeight` (the settings' screen, "--size WxH"); a size the
// emulator cannot show (a side under 16 or over 4096 pixels) leaves it at its default.
// Returns 0, or the system error code: ENOENT when the archive does not exist yet, or the
// error of starting the emulator. wtkDir and midletName are Windows-1251 texts.
int launchGame(const std::filesystem::path& programDir, std::string_view wtkDir,
               std::string_view midletName, int screenWidth, int screenHeight);

}  // namespace avizad
