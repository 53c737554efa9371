#include "level/ui/ObjectCatalogueCommands.h"

#include <QMessageBox>

#include "editors/ObjectNames.h"
#include "level/ui/ObjectPalette.h"
#include "model/CatalogueOperations.h"
#include "shell/AppIcons.h"
#include "shell/EditorHost.h"

namespace avizad {

ObjectCatalogueCommands::ObjectCatalogueCommands(ProjectDocument& document, EditorHost& host,
                                                 ObjectPalette& palette, QWidget* parent)
    : QToolBar(parent), document_(document), host_(host), palette_(palette) {
    setObjectName("catalogueCommands");
    setIconSize(QSize(18, 18));
    setMovable(false);  // no handle: the five commands fit the catalogue's width
    confirm = [](QWidget* owner, const QString& question) {
        return QMessageBox::question(owner, QStringLiteral("Удаление объекта"), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    edit_ = addAction(AppIcons::icon(AppIcon::LevelProperties), QStringLiteral("Настройки"), this,
                      &ObjectCatalogueCommands::editSelected);
    duplicate_ = addAction(AppIcons::icon(AppIcon::Duplicate), QStringLiteral("Дублировать"), this,
                           &ObjectCatalogueCommands::duplicateSelected);
    up_ = addAction(AppIcons::icon(AppIcon::MoveUp), QStringLiteral("вверх группу объектов"), this,
                    &ObjectCatalogueCommands::moveUp);
    down_ = addAction(AppIcons::icon(AppIcon::MoveDown), QStringLiteral("вниз группу объектов"),
                      this, &ObjectCatalogueCommands::moveDown);
    delete_ = addAction(AppIcons::icon(AppIcon::Delete), QStringLiteral("удалить группу объектов"),
                        this, &ObjectCatalogueCommands::deleteSelected);
    for (QAction* action : {edit_, duplicate_, up_, down_, delete_}) {
        action->setToolTip(action->text());
        action->setStatusTip(action->text());
    }
}

void ObjectCatalogueCommands::editSelected() {
    const WorkingValues& values = document_.values();
    if (values.selectedObject > 0) {
        host_.editObject(values.currentKind, values.selectedObject);
    }
}

void ObjectCatalogueCommands::duplicateSelected() {
    ProjectDocument& document = document_;
    const ObjectKind kind = document.values().currentKind;
    const int selected = document.values().selectedObject;
    if (selected < 1) {
        return;
    }
    if (document.project().typeCount(kind) >= typeCapacity(kind)) {
        host_.prompts().showInfo(
            window(), QStringLiteral("В игре может быть не больше %1 объектов этого вида: копию "
                                     "сделать нельзя.")
                          .arg(typeCapacity(kind)));
        return;
    }
    // A copy of an active type takes its control type on every level too.
    ProjectParts parts = ProjectParts().withTypes(kind);
    if (kind == ObjectKind::Active) {
        parts.withAllLevels();
    }
    int copy = 0;
    if (document.edit(QStringLiteral("Дублирование объекта"), parts, [&](Project& p) {
            copy = duplicateObjectType(p, kind, selected);
            return copy != 0;
        })) {
        document.setSelectedObject(copy);
    }
}

void ObjectCatalogueCommands::moveUp() {
    move(true);
}

void ObjectCatalogueCommands::moveDown() {
    move(false);
}

void ObjectCatalogueCommands::move(bool up) {
    ProjectDocument& document = document_;
    const ObjectKind kind = document.values().currentKind;
    const int s = palette_.highlightSlot();
    if (document.values().selectedObject < 1) {
        return;
    }
    const bool moved = document.edit(
        QStringLiteral("Перемещение объекта"),
        ProjectParts().withTypes(kind).withAllEvents().withAllLevels(), [&](Project& p) {
            return up ? moveObjectTypeUp(p, kind, s) : moveObjectTypeDown(p, kind, s);
        });
    if (moved) {
        document.setSelectedObject(up ? s - 1 : s + 1);
    }
}

void ObjectCatalogueCommands::deleteSelected() {
    ProjectDocument& document = document_;
    const ObjectKind kind = document.values().currentKind;
    const int s = palette_.highlightSlot();
    if (document.values().selectedObject < 1 || s < 1 || s > document.project().typeCount(kind)) {
        return;
    }
    const ObjectTypeUses uses = objectTypeUses(document.project(), kind, s);
    if (uses.placements > 0 || uses.events > 0) {
        const QString question =
            QStringLiteral(
                "Объект использован: размещений на уровнях — %1, событий с его "
                "действиями — %2. Размещения и действия будут удалены вместе с "
                "объектом. Удалить объект?")
                .arg(uses.placements)
                .arg(uses.events);
        if (!confirm(window(), question)) {
            return;
        }
    }
    const bool deleted =
        document.edit(QStringLiteral("Удаление объекта"),
                      ProjectParts().withTypes(kind).withAllEvents().withAllLevels(),
                      [&](Project& p) { return deleteObjectType(p, kind, s); });
    if (deleted) {
        document.setSelectedObject(0);
    }
}

}  // namespace avizad
