#include "events/ui/ObjectChoice.h"

#include "editors/ObjectNames.h"
#include "model/ui/QtText.h"

namespace avizad {

ObjectChoice::ObjectChoice(const Project& project, ObjectKind kind, QWidget* parent)
    : QComboBox(parent), kind_(kind) {
    setObjectName("objectChoice");
    for (int i = 1; i <= project.typeCount(kind); ++i) {
        addItem(QStringLiteral("%1: %2").arg(i).arg(fromModel(objectTypeName(project, kind, i))));
    }
    setCurrentIndex(count() > 0 ? 0 : -1);
}

QString ObjectChoice::emptyText() const {
    return QStringLiteral("Нет ни одного объекта вида «%1»: сначала создайте его.")
        .arg(fromModel(kindCaption(kind_)));
}

}  // namespace avizad
