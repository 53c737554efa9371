#include "events/CatalogueEntry.h"

#include <vector>

namespace avizad {

namespace {

// The indices of the entry and its enclosing sub-menus, innermost first.
std::vector<std::size_t> chain(CatalogueMenu menu, std::size_t index) {
    std::vector<std::size_t> result;
    if (index >= menu.size()) {
        return result;
    }
    result.push_back(index);
    int depth = menu[index].depth;
    for (std::size_t i = index; i-- > 0 && depth > 0;) {
        if (menu[i].subMenu && menu[i].depth == depth - 1) {
            result.push_back(i);
            depth = menu[i].depth;
        }
    }
    return result;
}

}  // namespace

std::string entryPath(CatalogueMenu menu, std::size_t index) {
    const std::vector<std::size_t> indices = chain(menu, index);
    std::string path;
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        if (!path.empty()) {
            path += '/';
        }
        path += menu[*it].caption;
    }
    return path;
}

const CatalogueEntry* findEntry(CatalogueMenu menu, std::string_view path) {
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (entryPath(menu, i) == path) {
            return &menu[i];
        }
    }
    return nullptr;
}

bool entryHidden(CatalogueMenu menu, std::size_t index) {
    for (const std::size_t i : chain(menu, index)) {
        if (menu[i].hidden) {
            return true;
        }
    }
    return false;
}

bool entryDisabled(CatalogueMenu menu, std::size_t index) {
    for (const std::size_t i : chain(menu, index)) {
        if (menu[i].disabled) {
            return true;
        }
    }
    return false;
}

}  // namespace avizad
