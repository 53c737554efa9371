#pragma once
// The file name of every object type's exported image in one build, shared by the
// generated Java (add_act, add_fon, add_line) and the resource export.

#include <string>
#include <vector>

#include "model/Project.h"

namespace avizad {

// Each name follows imageFileName (active and background objects) or indicatorFileName
// (indicators). When that name is taken already, by an earlier object type (actives,
// then backgrounds, then indicators, each in type order) or by the title screen's
// "logo.png", the type gets the first free name with "-2", "-3", ... before ".png", so
// no image overwrites another one in the game. Without such clashes every name is the
// one the naming rule gives.
class ResourceFileNames {
public:
    explicit ResourceFileNames(const Project& project);

    const std::string& active(int type) const { return at(actives_, type); }
    const std::string& background(int type) const { return at(backgrounds_, type); }
    const std::string& indicator(int type) const { return at(indicators_, type); }

private:
    static const std::string& at(const std::vector<std::string>& names, int type);

    std::vector<std::string> actives_;
    std::vector<std::string> backgrounds_;
    std::vector<std::string> indicators_;
};

}  // namespace avizad
