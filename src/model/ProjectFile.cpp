#include "model/ProjectFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <vector>

#include "model/FileUtil.h"
#include "model/IoError.h"

namespace avizad {

namespace {

// ---------------------------------------------------------------- writing

class LineWriter {
public:
    explicit LineWriter(SaveFile* file) : file_(file), buffer_(kChunk + kSlack) {}

    void integer(int value) {
        reserve(kSlack);
        const auto result =
            std::to_chars(buffer_.data() + used_, buffer_.data() + used_ + 12, value);
        used_ = static_cast<std::size_t>(result.ptr - buffer_.data());
        buffer_[used_++] = '\r';
        buffer_[used_++] = '\n';
    }
    void text(std::string_view value) {
        reserve(value.size() + 2);
        std::memcpy(buffer_.data() + used_, value.data(), value.size());
        used_ += value.size();
        buffer_[used_++] = '\r';
        buffer_[used_++] = '\n';
    }
    void image(int w, int h, const Image& picture) {
        if (w < 0 || h < 0) {
            return;
        }
        const bool fits = picture.width() >= w && picture.height() >= h;
        const std::vector<Color>& pixels = picture.pixels();
        const std::size_t stride = static_cast<std::size_t>(picture.width());
        for (int x = 0; x <= w; ++x) {
            for (int y = 0; y <= h; ++y) {
                if (x < w && y < h) {
                    integer(fits ? pixels[static_cast<std::size_t>(y) * stride +
                                          static_cast<std::size_t>(x)]
                                 : picture.pixel(x, y));
                } else {
                    integer(kNoColor);
                }
            }
        }
    }
    // Writes what is left to the file; without a file, returns all that was written.
    std::string finish() {
        if (file_ != nullptr) {
            flush();
            return {};
        }
        return std::string(buffer_.data(), used_);
    }

private:
    static constexpr std::size_t kChunk = 1 << 20;
    static constexpr std::size_t kSlack = 16;

    void reserve(std::size_t size) {
        if (used_ + size <= buffer_.size()) {
            return;
        }
        if (file_ != nullptr) {
            flush();
        }
        if (used_ + size > buffer_.size()) {
            buffer_.resize(std::max(buffer_.size() * 2, used_ + size));
        }
    }
    void flush() {
        file_->write(buffer_.data(), used_);
        used_ = 0;
    }

    SaveFile* file_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

// ---------------------------------------------------------------- reading

class LineReader {
public:
    LineReader(std::FILE* file, std::uint64_t size, std::string source)
        : file_(file),
          remaining_(size),
          source_(std::move(source)),
          buffer_(static_cast<std::size_t>(std::clamp<std::uint64_t>(size + 1, 4096, kChunk))) {}

    [[noreturn]] void fail(const std::string& reason, std::uint64_t line) const {
        throw IoError("Ошибка в файле проекта «" + source_ + "», строка " + std::to_string(line) +
                      ": " + reason);
    }
    [[noreturn]] void fail(const std::string& reason) const { fail(reason, line_); }

    std::string_view nextLine() {
        ++line_;
        const char* newline =
            static_cast<const char*>(std::memchr(buffer_.data() + begin_, '\n', end_ - begin_));
        while (newline == nullptr) {
            if (!refill()) {
                if (begin_ == end_) {
                    fail("файл закончился раньше времени");
                }
                newline = buffer_.data() + end_;  // the last line has no line break
                break;
            }
            newline =
                static_cast<const char*>(std::memchr(buffer_.data() + begin_, '\n', end_ - begin_));
        }
        const char* start = buffer_.data() + begin_;
        std::size_t length = static_cast<std::size_t>(newline - start);
        begin_ = std::min(end_, begin_ + length + 1);
        if (length > 0 && start[length - 1] == '\r') {
            --length;
        }
        return {start, length};
    }

    std::string text() { return std::string(nextLine()); }

    int integer() {
        const std::string_view line = nextLine();
        int value = 0;
        const auto result = std::from_chars(line.data(), line.data() + line.size(), value);
        if (line.empty() || result.ec != std::errc() || result.ptr != line.data() + line.size()) {
            const std::string shown = shownName(line.substr(0, 40));
            fail(result.ec == std::errc::result_out_of_range
                     ? "число «" + shown + "» вне 32-битного диапазона"
                     : "ожидалось целое число, а стоит «" + shown + "»");
        }
        return value;
    }

    // A count that must lie in lo..hi.
    int count(int lo, int hi, const char* what) {
        const int value = integer();
        if (value < lo || value > hi) {
            fail(std::string(what) + ": " + std::to_string(value) + " вне допустимых пределов " +
                 std::to_string(lo) + ".." + std::to_string(hi));
        }
        return value;
    }

    void tag(std::string_view expected) {
        if (nextLine() != expected) {
            fail("ожидалась строка «" + std::string(expected) + "»");
        }
    }

    // Reads a pixel block of w x h into `picture`; w and h were read just before.
    void image(int w, int h, Image& picture, std::uint64_t sizeLine) {
        if (w < 0 || h < 0) {
            fail("отрицательный размер изображения", sizeLine);
        }
        constexpr int kMaxSide = 65535;
        if (w > kMaxSide || h > kMaxSide) {
            fail("размер изображения больше " + std::to_string(kMaxSide), sizeLine);
        }
        // Each pixel takes a line of at least two bytes: a block that cannot fit in the
        // rest of the file is rejected before any memory is spent on it.
        const std::uint64_t lines = static_cast<std::uint64_t>(w + 1) * (h + 1);
        if (lines * 2 > remaining_ + (end_ - begin_)) {
            fail("файл закончился раньше времени: изображению " + std::to_string(w) + "×" +
                     std::to_string(h) + " не хватает строк",
                 sizeLine);
        }
        picture = Image(w, h);
        std::vector<Color>& pixels = picture.pixels();
        for (int x = 0; x <= w; ++x) {
            for (int y = 0; y <= h; ++y) {
                const int value = integer();
                if (x < w && y < h) {
                    pixels[static_cast<std::size_t>(y) * w + x] = value & 0x00FFFFFF;
                }
            }
        }
    }

    std::uint64_t line() const { return line_; }

private:
    static constexpr std::size_t kChunk = 1 << 20;

    // Moves the unread rest to the front and reads more; false at the end of the data.
    bool refill() {
        if (remaining_ == 0 || file_ == nullptr) {
            return false;
        }
        const std::size_t rest = end_ - begin_;
        std::memmove(buffer_.data(), buffer_.data() + begin_, rest);
        begin_ = 0;
        end_ = rest;
        if (end_ == buffer_.size()) {
            buffer_.resize(buffer_.size() * 2);  // a line longer than the buffer
        }
        const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
        if (got == 0) {
            if (std::ferror(file_)) {
                fail("ошибка чтения: " + systemErrorText(errno));
            }
            remaining_ = 0;
            return false;
        }
        end_ += got;
        remaining_ = got > remaining_ ? 0 : remaining_ - got;
        return true;
    }
    std::FILE* file_;
    std::uint64_t remaining_;
    std::string source_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uint64_t line_ = 0;
};

// ---------------------------------------------------------------- the file's order

// The writer's side of transferProject: every value is written.
class WriteArchive {
public:
    static constexpr bool kReading = false;
    explicit WriteArchive(LineWriter& out) : out_(out) {}

    void integer(int value) { out_.integer(value); }
    void ignoredInteger(int value) { out_.integer(value); }
    void count(int value, int, int, const char*) { out_.integer(value); }
    void text(const std::string& value) { out_.text(value); }
    void fileName(const std::string& value, std::string_view) { out_.text(value); }
    void tag(std::string_view tag) { out_.text(tag); }
    void image(int w, int h, const Image& picture) { out_.image(w, h, picture); }
    template <typename List>
    void resize(const List&, int) {}

private:
    LineWriter& out_;
};

// The reader's side: every value is read, counts are checked against their capacity.
class ReadArchive {
public:
    static constexpr bool kReading = true;
    explicit ReadArchive(LineReader& in) : in_(in) {}

    void integer(int& value) { value = in_.integer(); }
    void ignoredInteger(int) { in_.integer(); }
    void count(int& value, int lo, int hi, const char* what) { value = in_.count(lo, hi, what); }
    void text(std::string& value) { value = in_.text(); }
    // A text that names a file once `extension` is appended.
    void fileName(std::string& value, std::string_view extension) {
        value = in_.text();
        if (const std::string fault = fileNameFault(value, extension); !fault.empty()) {
            in_.fail(fault);
        }
    }
    void tag(std::string_view tag) { in_.tag(tag); }
    void image(int w, int h, Image& picture) { in_.image(w, h, picture, in_.line()); }
    template <typename List>
    void resize(List& list, int n) {
        list.clear();
        list.resize(n);
    }

private:
    LineReader& in_;
};

template <typename Archive, typename Texts>
void transferProperties(Archive& ar, Texts& names, Texts& values) {
    for (int k = 1; k <= kPropertyCount; ++k) {
        ar.text(names[k]);
        ar.text(values[k]);
    }
}

template <typename Archive, typename List>
void transferActions(Archive& ar, List& list) {
    int n = list.count();
    ar.count(n, 0, kMaxActions, "число действий");
    ar.resize(list, n);
    for (auto& action : list) {
        ar.text(action.caption);
        ar.text(action.code);
    }
}

// x, y, object and, for background and active placements, objectName, width, height.
template <typename Archive, typename List>
void transferPlacements(Archive& ar, List& list, int n, bool full, bool background) {
    ar.resize(list, n);
    for (auto& m : list) {
        ar.integer(m.x);
        ar.integer(m.y);
        ar.integer(m.object);
        if (full) {
            ar.text(m.objectName);
            ar.integer(m.width);
            ar.integer(m.height);
            if (background) {
                ar.ignoredInteger(m.height);  // the height once more
            }
        }
    }
}

template <typename Archive, typename Object>
void transferBackground(Archive& ar, Object& o) {
    ar.fileName(o.name, ".png");  // the name of its exported image
    ar.integer(o.kind);
    ar.integer(o.tileWidth);
    ar.integer(o.tileHeight);
    ar.count(o.columns, 0, kMaxMapCells, "число столбцов карты");
    ar.count(o.rows, 0, kMaxMapCells, "число строк карты");
    for (int r = 1; r <= o.rows; ++r) {
        for (int c = 1; c <= o.columns; ++c) {
            ar.integer(o.tileMap.at(r, c));
        }
    }
    ar.integer(o.kind);  // again: the second value is the one kept
    ar.integer(o.mapPictureWidth);
    ar.integer(o.mapPictureHeight);
    ar.image(o.mapPictureWidth, o.mapPictureHeight, o.mapPicture);
    ar.integer(o.tileSetWidth);
    ar.integer(o.tileSetHeight);
    ar.image(o.tileSetWidth, o.tileSetHeight, o.tileSet);
    ar.integer(o.reservedInt);
    transferProperties(ar, o.propertyNames, o.propertyValues);
}

template <typename Archive, typename Object>
void transferActive(Archive& ar, Object& o) {
    ar.fileName(o.name, ".png");  // the name of its exported image
    ar.text(o.placingName);
    ar.count(o.frameCount, 0, kMaxFrames, "число кадров");
    ar.integer(o.frameWidth);
    ar.integer(o.frameHeight);
    for (int u = 1; u <= kAnimationSteps; ++u) {
        for (int v = 1; v <= kDirections; ++v) {
            for (int w = 1; w <= kAnimationStates; ++w) {
                ar.integer(o.animation[u][v][w]);
            }
        }
    }
    ar.integer(o.reservedInt2);
    ar.integer(o.moveSpeed);
    ar.integer(o.acceleration);
    ar.integer(o.braking);
    ar.integer(o.reservedInt);
    ar.integer(o.iconWidth);
    ar.integer(o.iconHeight);
    ar.image(o.iconWidth, o.iconHeight, o.icon);
    ar.integer(o.stripWidth);
    ar.integer(o.stripHeight);
    ar.image(o.stripWidth, o.stripHeight, o.strip);
    ar.integer(o.transparentBackground);
    transferProperties(ar, o.propertyNames, o.propertyValues);
}

template <typename Archive, typename Object>
void transferText(Archive& ar, Object& o) {
    ar.integer(o.kind);
    ar.integer(o.size);
    ar.integer(o.bold);
    ar.integer(o.italic);
    ar.integer(o.underline);
    ar.integer(o.colorR);
    ar.integer(o.colorG);
    ar.integer(o.colorB);
    ar.count(o.lineCount, 0, kMaxTextLines, "число строк текста");
    for (int k = 1; k <= o.lineCount; ++k) {
        ar.text(o.lines[k]);
    }
    ar.fileName(o.fileName, "");
    transferProperties(ar, o.propertyNames, o.propertyValues);
}

template <typename Archive, typename Object>
void transferIndicator(Archive& ar, Object& o) {
    ar.fileName(o.name, ".png");  // the name of its exported image
    ar.integer(o.imageWidth);
    ar.integer(o.imageHeight);
    ar.text(o.reservedText);
    ar.integer(o.amount);
    ar.integer(o.pngWidth);
    ar.integer(o.pngHeight);
    ar.image(o.pngWidth, o.pngHeight, o.image);
    transferProperties(ar, o.propertyNames, o.propertyValues);
}

// The objects placed on one level (group 12 of the file).
template <typename Archive, typename LevelT, typename ColorT>
void transferLevelObjects(Archive& ar, LevelT& level, ColorT& screenColor) {
    int n = level.backgroundPlacements.count();
    ar.count(n, 0, kMaxBackgroundPlacements, "число фоновых объектов на уровне");
    ar.tag("fon_ob");
    transferPlacements(ar, level.backgroundPlacements, n, true, true);

    n = level.activePlacements.count();
    ar.count(n, 0, kMaxActivePlacements, "число активных объектов на уровне");
    for (int k = 1; k <= n; ++k) {
        ar.integer(level.controlType[k]);
    }
    ar.tag("active_ob");
    transferPlacements(ar, level.activePlacements, n, true, false);

    n = level.indicatorPlacements.count();
    ar.count(n, 0, kMaxIndicatorPlacements, "число индикаторов на уровне");
    transferPlacements(ar, level.indicatorPlacements, n, false, false);
    n = level.textPlacements.count();
    ar.count(n, 0, kMaxTextPlacements, "число текстов на уровне");
    transferPlacements(ar, level.textPlacements, n, false, false);
    ar.integer(screenColor);
}

// Resets a slot before it is read, so that nothing of what it held before stays.
template <typename Archive, typename T>
void fresh(T& slot) {
    if constexpr (Archive::kReading) {
        slot = T{};
    }
}

// The whole file in its order; P is Project for reading and const Project for writing.
template <typename Archive, typename P>
void transferProject(Archive& ar, P& p) {
    ar.count(p.backgroundCount, 0, kMaxBackgroundTypes, "число фоновых объектов");
    for (int i = 1; i <= p.backgroundCount; ++i) {
        fresh<Archive>(p.backgrounds[i]);
        transferBackground(ar, p.backgrounds[i]);
    }
    ar.count(p.activeCount, 0, kMaxActiveTypes, "число активных объектов");
    for (int t = 1; t <= p.activeCount; ++t) {
        fresh<Archive>(p.actives[t]);
        transferActive(ar, p.actives[t]);
    }
    ar.count(p.textCount, 0, kMaxTextTypes, "число текстовых объектов");
    for (int t = 1; t <= p.textCount; ++t) {
        fresh<Archive>(p.texts[t]);
        transferText(ar, p.texts[t]);
    }
    ar.count(p.indicatorCount, 0, kMaxIndicatorTypes, "число объектов-индикаторов");
    for (int t = 1; t <= p.indicatorCount; ++t) {
        fresh<Archive>(p.indicators[t]);
        transferIndicator(ar, p.indicators[t]);
    }

    auto& table = p.eventTable;
    ar.count(table.eventCount, 0, kMaxEvents, "число событий");
    for (int e = 1; e <= table.eventCount; ++e) {
        auto& event = table.events[e];
        fresh<Archive>(event);
        ar.text(event.conditionCode);
        ar.text(event.conditionCaption);
        ar.text(event.tag);
        for (int c = 1; c <= kSpecialCategories; ++c) {
            transferActions(ar, event.specialActions[c]);
        }
        for (const ObjectKind kind : kAllKinds) {
            for (int t = 1; t <= p.typeCount(kind); ++t) {
                transferActions(ar, event.actions(kind)[t]);
            }
        }
    }

    ar.count(p.levelCount, 1, kMaxLevels, "число уровней");
    for (int l = 1; l <= p.levelCount; ++l) {
        fresh<Archive>(p.levels[l]);
        transferLevelObjects(ar, p.levels[l], p.screenColor);
    }
    for (int l = 1; l <= p.levelCount; ++l) {
        auto& level = p.levels[l];
        ar.text(level.name);
        ar.integer(level.width);
        ar.integer(level.height);
        ar.text(level.reservedText);
    }
    ar.text(p.midletName);
    ar.text(p.midletVendor);
    ar.text(p.midletVersion);
    ar.text(p.midletIcon);
    for (int l = 1; l <= p.levelCount; ++l) {
        for (int g = 1; g <= kStoredTrajectories; ++g) {
            auto& points = p.levels[l].trajectories[g].points;
            int n = points.count();
            ar.count(n, 0, kMaxTrajectoryPoints, "число точек траектории");
            ar.resize(points, n);
            for (auto& point : points) {
                ar.integer(point.x);
                ar.integer(point.y);
                ar.integer(point.d1);
                ar.integer(point.d2);
                ar.integer(point.d3);
            }
        }
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

void loadFromStream(Project& project, std::FILE* file, std::uint64_t size,
                    const std::string& source) {
    // Read into a copy so that a failed load leaves the project as it was.
    Project loaded = project;
    LineReader reader(file, size, source);
    ReadArchive archive(reader);
    transferProject(archive, loaded);
    loaded.currentLevel = loaded.levelCount;
    project = std::move(loaded);
}

}  // namespace

std::string projectFileText(const Project& project) {
    LineWriter writer(nullptr);
    WriteArchive archive(writer);
    transferProject(archive, project);
    return writer.finish();
}

void saveProject(const Project& project, const std::filesystem::path& path) {
    SaveFile file(path);
    LineWriter writer(&file);
    WriteArchive archive(writer);
    transferProject(archive, project);
    writer.finish();
    file.commit();
}

void loadProject(Project& project, const std::filesystem::path& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw IoError("Не удаётся открыть файл «" + displayPath(path) +
                      "»: " + systemErrorText(errno));
    }
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
        throw IoError("«" + displayPath(path) + "» не является файлом");
    }
    loadFromStream(project, file.get(), static_cast<std::uint64_t>(info.st_size),
                   displayPath(path));
}

Project readProjectFile(const std::filesystem::path& path) {
    Project project;
    clearProject(project);
    loadProject(project, path);
    return project;
}

void loadProjectFromMemory(Project& project, const char* data, std::size_t size,
                           const std::string& source) {
    if (size == 0) {
        LineReader empty(nullptr, 0, source);
        empty.fail("файл закончился раньше времени", 1);
    }
    std::unique_ptr<std::FILE, FileCloser> file(::fmemopen(const_cast<char*>(data), size, "rb"));
    if (!file) {
        throw IoError("Не удаётся прочитать " + source + ": " + systemErrorText(errno));
    }
    loadFromStream(project, file.get(), size, source);
}

}  // namespace avizad
