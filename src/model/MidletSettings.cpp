#include "model/MidletSettings.h"

#include "model/Cp1251.h"

namespace avizad {

namespace {

// Characters no file name may hold on the phones' memory cards and the systems the
// archive is copied to.
constexpr std::string_view kNotInFileNames = "/\\:*?\"<>|";

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::string midletSettingsProblem(std::string_view name, std::string_view icon) {
    if (name.find_first_not_of(" \t") == std::string_view::npos) {
        return "Не задано название MIDlet'а: оно даёт имя игре и файлу её архива.";
    }
    if (name.find(',') != std::string_view::npos) {
        return "Название MIDlet'а не может содержать запятую: в описании MIDlet'а запятая "
               "разделяет название, иконку и класс.";
    }
    for (const char c : name) {
        if (isControl(c)) {
            return "Название MIDlet'а не может содержать управляющие символы: оно даёт имя "
                   "файлу архива.";
        }
        if (kNotInFileNames.find(c) != std::string_view::npos) {
            return "Название MIDlet'а не может содержать символ «" + std::string(1, c) +
                   "»: оно даёт имя файлу архива, а в именах файлов символы " +
                   std::string(kNotInFileNames) + " недопустимы.";
        }
    }
    const std::size_t bytes = cp1251ToUtf8(name).size() + 4;
    if (bytes > kMaxArchiveFileNameBytes) {
        return "Название MIDlet'а слишком длинное для имени файла архива: " +
               std::to_string(bytes) + " байт вместе с «.jar», допустимо не больше " +
               std::to_string(kMaxArchiveFileNameBytes) + " (русская буква занимает два байта).";
    }
    if (icon.find(',') != std::string_view::npos) {
        return "Иконка MIDlet'а не может содержать запятую: в описании MIDlet'а запятая "
               "разделяет название, иконку и класс.";
    }
    for (const char c : icon) {
        if (isControl(c)) {
            return "Иконка MIDlet'а не может содержать управляющие символы.";
        }
    }
    return {};
}

}  // namespace avizad
