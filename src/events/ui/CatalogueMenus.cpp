#include "events/ui/CatalogueMenus.h"

#include <QAction>
#include <QMenu>
#include <vector>

#include "model/ui/QtText.h"

namespace avizad {

namespace {

// The menu that receives an item of `depth`: the menu itself or the open sub-menu.
QMenu* parentFor(QMenu* menu, std::vector<QMenu*>& open, int depth) {
    if (depth <= 0 || open.empty()) {
        return menu;
    }
    const std::size_t level = std::min(static_cast<std::size_t>(depth), open.size());
    return open[level - 1];
}

void remember(std::vector<QMenu*>& open, int depth, QMenu* subMenu) {
    open.resize(static_cast<std::size_t>(depth));
    open.push_back(subMenu);
}

}  // namespace

void CatalogueMenus::fill(QMenu* menu, CatalogueMenu entries,
                          const std::function<void(const CatalogueEntry&)>& chosen) {
    std::vector<QMenu*> open;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& entry = entries[i];
        QMenu* parent = parentFor(menu, open, entry.depth);
        if (entry.subMenu) {
            QMenu* sub = parent->addMenu(QString::fromUtf8(entry.caption));
            sub->menuAction()->setVisible(!entry.hidden);
            sub->setEnabled(!entry.disabled);
            remember(open, entry.depth, sub);
            continue;
        }
        QAction* action = parent->addAction(QString::fromUtf8(entry.caption));
        action->setVisible(!entry.hidden);
        action->setEnabled(!entry.disabled);
        const CatalogueEntry* e = &entry;
        QObject::connect(action, &QAction::triggered, menu, [chosen, e] { chosen(*e); });
    }
}

void CatalogueMenus::fillValues(QMenu* menu, std::span<const ValueToken> tokens, int n,
                                const std::function<void(const std::string&)>& chosen) {
    std::vector<QMenu*> open;
    for (const ValueToken& token : tokens) {
        QMenu* parent = parentFor(menu, open, token.depth);
        if (token.subMenu) {
            QMenu* sub = parent->addMenu(QString::fromUtf8(token.caption));
            sub->setEnabled(!token.disabled);
            remember(open, token.depth, sub);
            continue;
        }
        QAction* action = parent->addAction(QString::fromUtf8(token.caption));
        action->setEnabled(!token.disabled && token.token != nullptr);
        const std::string text = token.text(n);
        QObject::connect(action, &QAction::triggered, menu, [chosen, text] { chosen(text); });
    }
}

QAction* CatalogueMenus::find(QMenu* menu, const QString& path) {
    const QStringList parts = path.split('/');
    QMenu* current = menu;
    for (int i = 0; i < parts.size() && current != nullptr; ++i) {
        QMenu* next = nullptr;
        for (QAction* action : current->actions()) {
            if (action->text() != parts[i]) {
                continue;
            }
            if (i == parts.size() - 1) {
                return action;
            }
            next = action->menu();
            break;
        }
        current = next;
    }
    return nullptr;
}

}  // namespace avizad
