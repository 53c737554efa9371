#pragma once
// The environment settings of the installation and their file System/options.ini:
// fourteen lines, one value per line, no keys, and a fifteenth line that older files
// lack (then read as on): 1 to shrink the built game, 0 not to.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/Color.h"

namespace avizad {

// The settings as the program applies them.
struct Settings {
    int gridX = 0;
    int gridY = 0;
    int gridWidth = 16;
    int gridHeight = 16;
    Color gridColor = rgb(128, 128, 128);
    int screenWidth = 240;
    int screenHeight = 320;
    Color screenColor = rgb(255, 255, 255);
    std::string jdkDir;  // Windows-1251, as in the file
    std::string wtkDir;
    bool shrinkGame = true;  // "Уменьшать размер игры"

    bool operator==(const Settings&) const = default;
};

// The settings as the settings dialog shows and writes them: the grid fields are
// kept as typed and converted only when read.
struct SettingsForm {
    std::string gridX = "0";
    std::string gridY = "0";
    std::string gridWidth = "16";
    std::string gridHeight = "16";
    Color gridColor = rgb(128, 128, 128);
    int screenWidth = 240;
    int screenHeight = 320;
    Color screenColor = rgb(255, 255, 255);
    std::string jdkDir;
    std::string wtkDir;
    bool shrinkGame = true;

    bool operator==(const SettingsForm&) const = default;
};

// A settings number: decimal, fraction with "." or ",", optional sign and blanks around,
// rounded to the nearest integer with halves to the even neighbour. Empty when the
// text is not such a number or does not fit in 32 bits.
std::optional<int> parseSettingNumber(std::string_view text);

// Reads the settings file; throws IoError for a missing file, a short file (under 14
// lines) or a line that is not a number where a number is due (naming the line). A
// missing or empty fifteenth line means shrinking on.
Settings readOptions(const std::filesystem::path& file);
// Reads the file as the settings dialog shows it (grid lines as text); same errors.
SettingsForm readSettingsForm(const std::filesystem::path& file);
// Converts a form into the applied settings; empty when a grid field is not a number.
std::optional<Settings> applySettingsForm(const SettingsForm& form);
// The fifteen lines with CR LF ends.
std::string settingsFileText(const SettingsForm& form);
// Rewrites the settings file (through a temporary file). Throws IoError.
void writeOptions(const std::filesystem::path& file, const SettingsForm& form);

// The settings file below a program folder: System/options.ini.
std::filesystem::path optionsPath(const std::filesystem::path& programDir);
// A folder of the settings (Windows-1251 text) as a file-system path: a relative
// folder is taken relative to the program folder.
std::filesystem::path resolveProgramPath(const std::filesystem::path& programDir,
                                         std::string_view folder);
// The folder holding the running executable.
std::filesystem::path programDir();

}  // namespace avizad
