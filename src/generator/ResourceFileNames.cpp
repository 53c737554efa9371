#include "generator/ResourceFileNames.h"

#include <algorithm>
#include <set>

#include "generator/ResourceNames.h"

namespace avizad {

namespace {

class NameTable {
public:
    NameTable() { taken_.insert("logo.png"); }

    std::string claim(const std::string& wanted) {
        std::string name = wanted;
        const std::string stem = wanted.substr(0, wanted.size() - 4);  // without ".png"
        for (int n = 2; taken_.count(name) != 0; ++n) {
            name = stem + "-" + std::to_string(n) + ".png";
        }
        taken_.insert(name);
        return name;
    }

private:
    std::set<std::string> taken_;
};

}  // namespace

ResourceFileNames::ResourceFileNames(const Project& project) {
    NameTable table;
    for (int t = 1; t <= std::min(project.activeCount, kMaxActiveTypes); ++t) {
        actives_.push_back(table.claim(imageFileName(project.actives[t].name)));
    }
    for (int t = 1; t <= std::min(project.backgroundCount, kMaxBackgroundTypes); ++t) {
        backgrounds_.push_back(table.claim(imageFileName(project.backgrounds[t].name)));
    }
    for (int t = 1; t <= std::min(project.indicatorCount, kMaxIndicatorTypes); ++t) {
        indicators_.push_back(table.claim(indicatorFileName(project.indicators[t].name)));
    }
}

const std::string& ResourceFileNames::at(const std::vector<std::string>& names, int type) {
    return names.at(static_cast<std::size_t>(type - 1));
}

}  // namespace avizad
