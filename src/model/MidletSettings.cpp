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

bool hasControl(std::string_view text) {
    for (const char c : text) {
        if (isControl(c)) {
            return true;
        }
    }
    return false;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string nameProblem(std::string_view name) {
    if (isBlank(name)) {
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
    return {};
}

std::string vendorProblem(std::string_view vendor) {
    if (isBlank(vendor)) {
        return "Не задан автор MIDlet'а: телефон не устанавливает игру без автора "
               "(MIDlet-Vendor).";
    }
    if (hasControl(vendor)) {
        return "Автор MIDlet'а не может содержать управляющие символы.";
    }
    return {};
}

// One to three parts of one or two digits, separated by dots.
bool isMidpVersion(std::string_view version) {
    int parts = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = version.find('.', start);
        const std::string_view part = version.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        if (part.empty() || part.size() > 2 ||
            part.find_first_not_of("0123456789") != std::string_view::npos) {
            return false;
        }
        ++parts;
        if (dot == std::string_view::npos) {
            return parts <= 3;
        }
        start = dot + 1;
    }
}

std::string versionProblem(std::string_view version) {
    if (!isMidpVersion(version)) {
        return "Версия MIDlet'а должна состоять из одного, двух или трёх чисел от 0 до 99, "
               "разделённых точками, например 1.0 или 1.2.3: другую версию телефон не "
               "принимает (MIDlet-Version).";
    }
    return {};
}

// A file name directly in the project's folder "res", "/" before it or not, that ends in
// ".png" in any letter case.
bool isPngOfRes(std::string_view icon) {
    const std::size_t first = icon.find_first_not_of(" /");
    const std::size_t last = icon.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        return false;
    }
    const std::string_view name = icon.substr(first, last + 1 - first);
    if (name.size() <= 4 || name.find_first_of("/\\") != std::string_view::npos) {
        return false;
    }
    std::string extension(name.substr(name.size() - 4));
    for (char& c : extension) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return extension == ".png";
}

std::string iconProblem(std::string_view icon) {
    if (icon.find(',') != std::string_view::npos) {
        return "Иконка MIDlet'а не может содержать запятую: в описании MIDlet'а запятая "
               "разделяет название, иконку и класс.";
    }
    if (hasControl(icon)) {
        return "Иконка MIDlet'а не может содержать управляющие символы.";
    }
    if (!isBlank(icon) && !isPngOfRes(icon)) {
        return "Иконка MIDlet'а «" + cp1251ToUtf8(icon) +
               "» не годится: иконкой может быть только картинка PNG из папки res проекта, "
               "например icon.png.";
    }
    return {};
}

}  // namespace

MidletSettingsProblem checkMidletSettings(const MidletSettingsValues& settings) {
    const struct {
        MidletField field;
        std::string message;
    } checks[] = {
        {MidletField::Name, nameProblem(settings.name)},
        {MidletField::Vendor, vendorProblem(settings.vendor)},
        {MidletField::Version, versionProblem(settings.version)},
        {MidletField::Icon, iconProblem(settings.icon)},
    };
    for (const auto& check : checks) {
        if (!check.message.empty()) {
            return {check.field, check.message};
        }
    }
    return {};
}

}  // namespace avizad
