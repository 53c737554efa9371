#pragma once
// Qt menus built from the catalogues' data: a condition or action menu (each item
// reports its entry when chosen) and the value word menus of the expression builder
// (each item reports the word for its object number).

#include <QString>
#include <functional>
#include <span>
#include <string>

#include "events/CatalogueEntry.h"
#include "events/ValueTokens.h"

class QAction;
class QMenu;

namespace avizad {

class CatalogueMenus {
public:
    // Fills `menu` with the entries of a catalogue menu; hidden entries are left out,
    // disabled ones greyed. Choosing an item calls `chosen` with its entry.
    static void fill(QMenu* menu, CatalogueMenu entries,
                     const std::function<void(const CatalogueEntry&)>& chosen);
    // Fills `menu` with value words; choosing one calls `chosen` with its text
    // (Windows-1251) for object number n.
    static void fillValues(QMenu* menu, std::span<const ValueToken> tokens, int n,
                           const std::function<void(const std::string&)>& chosen);
    // The item of a menu at a path of captions joined by "/" ("режим/атака"); nullptr
    // when there is none.
    static QAction* find(QMenu* menu, const QString& path);
};

}  // namespace avizad
