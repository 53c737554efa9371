#include "model/ProjectFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <algorithm>
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
        const auto result = std::to_chars(buffer_.data() + used_, buffer_.data() + used_ + 12, value);
        used_ = static_cast<std::size_t>(result.ptr - buffer_.data());
        buffer_[used_++] = '\r';
        buffer_[used_++] = '\n';
    }
    void text(const std::string& value) {
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
    void properties(const PropertyTexts& names, const PropertyTexts& values) {
        for (int k = 1; k <= kPropertyCount; ++k) {
            text(names[k]);
            text(values[k]);
        }
    }
    void actions(const ActionList& list) {
        integer(list.count());
        for (const Action& action : list) {
            text(action.caption);
            text(action.code);
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

void writeProject(const Project& p, LineWriter& out) {
    out.integer(p.backgroundCount);
    for (int i = 1; i <= p.backgroundCount; ++i) {
        const BackgroundObject& o = p.backgrounds[i];
        out.text(o.name);
        out.integer(o.kind);
        out.integer(o.tileWidth);
        out.integer(o.tileHeight);
        out.integer(o.columns);
        out.integer(o.rows);
        for (int r = 1; r <= o.rows; ++r) {
            for (int c = 1; c <= o.columns; ++c) {
                out.integer(o.tileMap.at(r, c));
            }
        }
        out.integer(o.kind);
        out.integer(o.mapPictureWidth);
        out.integer(o.mapPictureHeight);
        out.image(o.mapPictureWidth, o.mapPictureHeight, o.mapPicture);
        out.integer(o.tileSetWidth);
        out.integer(o.tileSetHeight);
        out.image(o.tileSetWidth, o.tileSetHeight, o.tileSet);
        out.integer(o.reservedInt);
        out.properties(o.propertyNames, o.propertyValues);
    }

    out.integer(p.activeCount);
    for (int t = 1; t <= p.activeCount; ++t) {
        const ActiveObject& o = p.actives[t];
        out.text(o.name);
        out.text(o.placingName);
        out.integer(o.frameCount);
        out.integer(o.frameWidth);
        out.integer(o.frameHeight);
        for (int u = 1; u <= kAnimationSteps; ++u) {
            for (int v = 1; v <= kDirections; ++v) {
                for (int w = 1; w <= kAnimationStates; ++w) {
                    out.integer(o.animation[u][v][w]);
                }
            }
        }
        out.integer(o.reservedInt2);
        out.integer(o.moveSpeed);
        out.integer(o.acceleration);
        out.integer(o.braking);
        out.integer(o.reservedInt);
        out.integer(o.iconWidth);
        out.integer(o.iconHeight);
        out.image(o.iconWidth, o.iconHeight, o.icon);
        out.integer(o.stripWidth);
        out.integer(o.stripHeight);
        out.image(o.stripWidth, o.stripHeight, o.strip);
        out.integer(o.transparentBackground);
        out.properties(o.propertyNames, o.propertyValues);
    }

    out.integer(p.textCount);
    for (int t = 1; t <= p.textCount; ++t) {
        const TextObject& o = p.texts[t];
        for (const int v : {o.kind, o.size, o.bold, o.italic, o.underline, o.colorR, o.colorG,
                            o.colorB, o.lineCount}) {
            out.integer(v);
        }
        for (int k = 1; k <= o.lineCount; ++k) {
            out.text(o.lines[k]);
        }
        out.text(o.fileName);
        out.properties(o.propertyNames, o.propertyValues);
    }

    out.integer(p.indicatorCount);
    for (int t = 1; t <= p.indicatorCount; ++t) {
        const IndicatorObject& o = p.indicators[t];
        out.text(o.name);
        out.integer(o.imageWidth);
        out.integer(o.imageHeight);
        out.text(o.reservedText);
        out.integer(o.amount);
        out.integer(o.pngWidth);
        out.integer(o.pngHeight);
        out.image(o.pngWidth, o.pngHeight, o.image);
        out.properties(o.propertyNames, o.propertyValues);
    }

    const EventTable& table = p.eventTable;
    out.integer(table.eventCount);
    for (int e = 1; e <= table.eventCount; ++e) {
        const Event& event = table.events[e];
        out.text(event.conditionCode);
        out.text(event.conditionCaption);
        out.text(event.tag);
        for (int c = 1; c <= kSpecialCategories; ++c) {
            out.actions(event.specialActions[c]);
        }
        for (const ObjectKind kind : kAllKinds) {
            for (int t = 1; t <= p.typeCount(kind); ++t) {
                out.actions(event.actions(kind)[t]);
            }
        }
    }

    out.integer(p.levelCount);
    for (int l = 1; l <= p.levelCount; ++l) {
        const Level& level = p.levels[l];
        out.integer(level.backgroundPlacements.count());
        out.text("fon_ob");
        for (const Placement& m : level.backgroundPlacements) {
            out.integer(m.x);
            out.integer(m.y);
            out.integer(m.object);
            out.text(m.objectName);
            out.integer(m.width);
            out.integer(m.height);
            out.integer(m.height);
        }
        out.integer(level.activePlacements.count());
        for (int k = 1; k <= level.activePlacements.count(); ++k) {
            out.integer(level.controlType[k]);
        }
        out.text("active_ob");
        for (const Placement& m : level.activePlacements) {
            out.integer(m.x);
            out.integer(m.y);
            out.integer(m.object);
            out.text(m.objectName);
            out.integer(m.width);
            out.integer(m.height);
        }
        for (const PlacementList* list : {&level.indicatorPlacements, &level.textPlacements}) {
            out.integer(list->count());
            for (const Placement& m : *list) {
                out.integer(m.x);
                out.integer(m.y);
                out.integer(m.object);
            }
        }
        out.integer(p.screenColor);
    }
    for (int l = 1; l <= p.levelCount; ++l) {
        const Level& level = p.levels[l];
        out.text(level.name);
        out.integer(level.width);
        out.integer(level.height);
        out.text(level.reservedText);
    }
    out.text(p.midletName);
    out.text(p.midletVendor);
    out.text(p.midletVersion);
    out.text(p.midletIcon);
    for (int l = 1; l <= p.levelCount; ++l) {
        for (int g = 1; g <= kStoredTrajectories; ++g) {
            const Trajectory& trajectory = p.levels[l].trajectories[g];
            out.integer(trajectory.pointCount());
            for (const TrajectoryPoint& point : trajectory.points) {
                for (const int v : {point.x, point.y, point.d1, point.d2, point.d3}) {
                    out.integer(v);
                }
            }
        }
    }
}

// ---------------------------------------------------------------- reading

// Hands out the lines of a stream one by one, from a buffer refilled in large chunks.
class LineReader {
public:
    LineReader(std::FILE* file, std::uint64_t size, std::string source)
        : file_(file),
          remaining_(size),
          source_(std::move(source)),
          buffer_(static_cast<std::size_t>(std::clamp<std::uint64_t>(size + 1, 4096, kChunk))) {}

    [[noreturn]] void fail(const std::string& reason, std::uint64_t line) const {
        throw IoError("Ошибка в файле проекта «" + source_ + "», строка " +
                      std::to_string(line) + ": " + reason);
    }
    [[noreturn]] void fail(const std::string& reason) const { fail(reason, line_); }

    std::string_view nextLine() {
        ++line_;
        const char* newline = static_cast<const char*>(
            std::memchr(buffer_.data() + begin_, '\n', end_ - begin_));
        while (newline == nullptr) {
            if (!refill()) {
                if (begin_ == end_) {
                    fail("файл закончился раньше времени");
                }
                newline = buffer_.data() + end_;  // the last line has no line break
                break;
            }
            newline = static_cast<const char*>(
                std::memchr(buffer_.data() + begin_, '\n', end_ - begin_));
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
            const std::string shown(line.substr(0, 40));
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

void readProperties(LineReader& in, PropertyTexts& names, PropertyTexts& values) {
    for (int k = 1; k <= kPropertyCount; ++k) {
        names[k] = in.text();
        values[k] = in.text();
    }
}

void readActions(LineReader& in, ActionList& list) {
    const int n = in.count(0, kMaxActions, "число действий");
    list.clear();
    for (int i = 1; i <= n; ++i) {
        Action& action = list.add();
        action.caption = in.text();
        action.code = in.text();
    }
}

void readPlacements(LineReader& in, PlacementList& list, int n, bool full, bool background) {
    list.clear();
    for (int m = 1; m <= n; ++m) {
        Placement& placement = list.add();
        placement.x = in.integer();
        placement.y = in.integer();
        placement.object = in.integer();
        if (full) {
            placement.objectName = in.text();
            placement.width = in.integer();
            placement.height = in.integer();
            if (background) {
                in.integer();  // the height once more
            }
        }
    }
}

void readProject(Project& p, LineReader& in) {
    p.backgroundCount = in.count(0, kMaxBackgroundTypes, "число фоновых объектов");
    for (int i = 1; i <= p.backgroundCount; ++i) {
        BackgroundObject& o = p.backgrounds[i];
        o.name = in.text();
        o.kind = in.integer();
        o.tileWidth = in.integer();
        o.tileHeight = in.integer();
        o.columns = in.count(0, kMaxMapCells, "число столбцов карты");
        o.rows = in.count(0, kMaxMapCells, "число строк карты");
        o.tileMap = TileMap();
        for (int r = 1; r <= o.rows; ++r) {
            for (int c = 1; c <= o.columns; ++c) {
                o.tileMap.at(r, c) = in.integer();
            }
        }
        o.kind = in.integer();
        o.mapPictureWidth = in.integer();
        o.mapPictureHeight = in.integer();
        in.image(o.mapPictureWidth, o.mapPictureHeight, o.mapPicture, in.line());
        o.tileSetWidth = in.integer();
        o.tileSetHeight = in.integer();
        in.image(o.tileSetWidth, o.tileSetHeight, o.tileSet, in.line());
        o.reservedInt = in.integer();
        readProperties(in, o.propertyNames, o.propertyValues);
    }

    p.activeCount = in.count(0, kMaxActiveTypes, "число активных объектов");
    for (int t = 1; t <= p.activeCount; ++t) {
        ActiveObject& o = p.actives[t];
        o.name = in.text();
        o.placingName = in.text();
        o.frameCount = in.count(0, kMaxFrames, "число кадров");
        o.frameWidth = in.integer();
        o.frameHeight = in.integer();
        for (int u = 1; u <= kAnimationSteps; ++u) {
            for (int v = 1; v <= kDirections; ++v) {
                for (int w = 1; w <= kAnimationStates; ++w) {
                    o.animation[u][v][w] = in.integer();
                }
            }
        }
        o.reservedInt2 = in.integer();
        o.moveSpeed = in.integer();
        o.acceleration = in.integer();
        o.braking = in.integer();
        o.reservedInt = in.integer();
        o.iconWidth = in.integer();
        o.iconHeight = in.integer();
        in.image(o.iconWidth, o.iconHeight, o.icon, in.line());
        o.stripWidth = in.integer();
        o.stripHeight = in.integer();
        in.image(o.stripWidth, o.stripHeight, o.strip, in.line());
        o.transparentBackground = in.integer();
        readProperties(in, o.propertyNames, o.propertyValues);
    }

    p.textCount = in.count(0, kMaxTextTypes, "число текстовых объектов");
    for (int t = 1; t <= p.textCount; ++t) {
        TextObject& o = p.texts[t];
        for (int* v : {&o.kind, &o.size, &o.bold, &o.italic, &o.underline, &o.colorR, &o.colorG,
                       &o.colorB}) {
            *v = in.integer();
        }
        o.lineCount = in.count(0, kMaxTextLines, "число строк текста");
        for (int k = 1; k <= o.lineCount; ++k) {
            o.lines[k] = in.text();
        }
        o.fileName = in.text();
        readProperties(in, o.propertyNames, o.propertyValues);
    }

    p.indicatorCount = in.count(0, kMaxIndicatorTypes, "число объектов-индикаторов");
    for (int t = 1; t <= p.indicatorCount; ++t) {
        IndicatorObject& o = p.indicators[t];
        o.name = in.text();
        o.imageWidth = in.integer();
        o.imageHeight = in.integer();
        o.reservedText = in.text();
        o.amount = in.integer();
        o.pngWidth = in.integer();
        o.pngHeight = in.integer();
        in.image(o.pngWidth, o.pngHeight, o.image, in.line());
        readProperties(in, o.propertyNames, o.propertyValues);
    }

    EventTable& table = p.eventTable;
    table.eventCount = in.count(0, kMaxEvents, "число событий");
    for (int e = 1; e <= table.eventCount; ++e) {
        Event& event = table.events[e];
        event.conditionCode = in.text();
        event.conditionCaption = in.text();
        event.tag = in.text();
        for (int c = 1; c <= kSpecialCategories; ++c) {
            readActions(in, event.specialActions[c]);
        }
        for (const ObjectKind kind : kAllKinds) {
            for (int t = 1; t <= p.typeCount(kind); ++t) {
                readActions(in, event.actions(kind)[t]);
            }
        }
    }

    p.levelCount = in.count(1, kMaxLevels, "число уровней");
    for (int l = 1; l <= p.levelCount; ++l) {
        p.currentLevel = l;
        Level& level = p.levels[l];
        int n = in.count(0, kMaxBackgroundPlacements, "число фоновых объектов на уровне");
        in.tag("fon_ob");
        readPlacements(in, level.backgroundPlacements, n, true, true);
        n = in.count(0, kMaxActivePlacements, "число активных объектов на уровне");
        // Control types the file does not carry must not leak in from the project
        // that was open before.
        level.controlType.fill(0);
        for (int k = 1; k <= n; ++k) {
            level.controlType[k] = in.integer();
        }
        in.tag("active_ob");
        readPlacements(in, level.activePlacements, n, true, false);
        n = in.count(0, kMaxIndicatorPlacements, "число индикаторов на уровне");
        readPlacements(in, level.indicatorPlacements, n, false, false);
        n = in.count(0, kMaxTextPlacements, "число текстов на уровне");
        readPlacements(in, level.textPlacements, n, false, false);
        p.screenColor = in.integer();
    }
    for (int l = 1; l <= p.levelCount; ++l) {
        Level& level = p.levels[l];
        level.name = in.text();
        level.width = in.integer();
        level.height = in.integer();
        level.reservedText = in.text();
    }
    p.midletName = in.text();
    p.midletVendor = in.text();
    p.midletVersion = in.text();
    p.midletIcon = in.text();
    for (int l = 1; l <= p.levelCount; ++l) {
        for (int g = 1; g <= kStoredTrajectories; ++g) {
            List1<TrajectoryPoint>& points = p.levels[l].trajectories[g].points;
            const int n = in.count(0, kMaxTrajectoryPoints, "число точек траектории");
            points.clear();
            for (int k = 1; k <= n; ++k) {
                TrajectoryPoint& point = points.add();
                for (int* v : {&point.x, &point.y, &point.d1, &point.d2, &point.d3}) {
                    *v = in.integer();
                }
            }
        }
    }
    p.currentLevel = p.levelCount;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

void loadFromStream(Project& project, std::FILE* file, std::uint64_t size,
                    const std::string& source) {
    // Read into a copy so that a failed load leaves the project as it was.
    Project loaded = project;
    LineReader reader(file, size, source);
    readProject(loaded, reader);
    project = std::move(loaded);
}

}  // namespace

std::string projectFileText(const Project& project) {
    LineWriter writer(nullptr);
    writeProject(project, writer);
    return writer.finish();
}

void saveProject(const Project& project, const std::filesystem::path& path) {
    SaveFile file(path);
    LineWriter writer(&file);
    writeProject(project, writer);
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

void loadProjectFromMemory(Project& project, const char* data, std::size_t size,
                           const std::string& source) {
    if (size == 0) {
        LineReader empty(nullptr, 0, source);
        empty.fail("файл закончился раньше времени", 1);
    }
    std::unique_ptr<std::FILE, FileCloser> file(
        ::fmemopen(const_cast<char*>(data), size, "rb"));
    if (!file) {
        throw IoError("Не удаётся прочитать " + source + ": " + systemErrorText(errno));
    }
    loadFromStream(project, file.get(), size, source);
}

}  // namespace avizad
