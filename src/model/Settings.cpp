#include "model/Settings.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "model/Cp1251.h"
#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

std::optional<int> parseSettingNumber(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    // Sign, digits, one optional decimal separator with digits: nothing else.
    std::string normal;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        normal += text[i++];
    }
    int digits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            normal += c;
            ++digits;
        } else if ((c == '.' || c == ',') && !separator) {
            normal += '.';
            separator = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    const double value = std::strtod(normal.c_str(), nullptr);
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int>::min() &&
          rounded <= std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

namespace {

constexpr int kLines = 14;         // lines every settings file has
constexpr int kOptionalLines = 1;  // the shrink line, which older files lack

std::vector<std::string> readLines(const std::filesystem::path& file) {
    const std::string text = readFileText(file);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && static_cast<int>(lines.size()) < kLines + kOptionalLines) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (static_cast<int>(lines.size()) < kLines) {
        throw IoError("Файл настроек «" + displayPath(file) + "» обрывается на строке " +
                      std::to_string(lines.size() + 1) + ": нужно 14 строк");
    }
    return lines;
}

int number(const std::filesystem::path& file, const std::vector<std::string>& lines, int line) {
    const std::string& text = lines[static_cast<std::size_t>(line - 1)];
    const std::optional<int> value = parseSettingNumber(text);
    if (!value) {
        throw IoError("Файл настроек «" + displayPath(file) + "», строка " + std::to_string(line) +
                      ": «" + shownModelName(text) + "» не является числом");
    }
    return *value;
}

Color color(const std::filesystem::path& file, const std::vector<std::string>& lines, int first) {
    return rgb(number(file, lines, first), number(file, lines, first + 1),
               number(file, lines, first + 2));
}

}  // namespace

SettingsForm readSettingsForm(const std::filesystem::path& file) {
    const std::vector<std::string> lines = readLines(file);
    for (int line = 1; line <= 4; ++line) {
        number(file, lines, line);  // the grid lines must be numbers as well
    }
    SettingsForm form;
    form.gridX = lines[0];
    form.gridY = lines[1];
    form.gridWidth = lines[2];
    form.gridHeight = lines[3];
    form.gridColor = color(file, lines, 5);
    form.screenWidth = number(file, lines, 8);
    form.screenHeight = number(file, lines, 9);
    form.screenColor = color(file, lines, 10);
    form.jdkDir = lines[12];
    form.wtkDir = lines[13];
    if (lines.size() > 14 && lines[14].find_first_not_of(" \t") != std::string::npos) {
        form.shrinkGame = number(file, lines, 15) != 0;
    }
    return form;
}

std::optional<Settings> applySettingsForm(const SettingsForm& form) {
    Settings settings;
    const std::optional<int> values[] = {
        parseSettingNumber(form.gridX), parseSettingNumber(form.gridY),
        parseSettingNumber(form.gridWidth), parseSettingNumber(form.gridHeight)};
    for (const auto& v : values) {
        if (!v) {
            return std::nullopt;
        }
    }
    settings.gridX = *values[0];
    settings.gridY = *values[1];
    settings.gridWidth = *values[2];
    settings.gridHeight = *values[3];
    settings.gridColor = form.gridColor;
    settings.screenWidth = form.screenWidth;
    settings.screenHeight = form.screenHeight;
    settings.screenColor = form.screenColor;
    settings.jdkDir = form.jdkDir;
    settings.wtkDir = form.wtkDir;
    settings.shrinkGame = form.shrinkGame;
    return settings;
}

Settings readOptions(const std::filesystem::path& file) {
    return *applySettingsForm(readSettingsForm(file));
}

std::string settingsFileText(const SettingsForm& form) {
    std::string text;
    auto line = [&text](const std::string& value) { text += value + "\r\n"; };
    line(form.gridX);
    line(form.gridY);
    line(form.gridWidth);
    line(form.gridHeight);
    auto colorLines = [&line](Color c) {
        line(std::to_string(redOf(c)));
        line(std::to_string(greenOf(c)));
        line(std::to_string(blueOf(c)));
    };
    colorLines(form.gridColor);
    line(std::to_string(form.screenWidth));
    line(std::to_string(form.screenHeight));
    colorLines(form.screenColor);
    line(form.jdkDir);
    line(form.wtkDir);
    line(form.shrinkGame ? "1" : "0");
    return text;
}

void writeOptions(const std::filesystem::path& file, const SettingsForm& form) {
    writeFileText(file, settingsFileText(form));
}

std::filesystem::path optionsPath(const std::filesystem::path& programDir) {
    return programDir / "System" / "options.ini";
}

std::filesystem::path resolveProgramPath(const std::filesystem::path& programDir,
                                         std::string_view folder) {
    std::filesystem::path path(cp1251ToUtf8(folder));
    if (path.is_relative()) {
        path = programDir / path;
    }
    return path.lexically_normal();
}

std::filesystem::path programDir() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path();
    }
    return exe.parent_path();
}

}  // namespace avizad
