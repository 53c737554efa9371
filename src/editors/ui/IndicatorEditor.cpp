#include "editors/ui/IndicatorEditor.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>

#include "editors/ObjectNames.h"
#include "editors/ui/ImageView.h"
#include "editors/ui/PropertyGrid.h"
#include "model/IoError.h"
#include "model/ui/QtPicture.h"
#include "model/ui/QtText.h"

namespace avizad {

IndicatorEditor::IndicatorEditor(ProjectDocument& document, EditorHost& host, QWidget* parent)
    : EditorPanel(document, host, ObjectKind::Indicator,
                  QStringLiteral("Создание объектов-индикаторов"), parent) {
    QToolBar* bar = toolBar();
    openImage_ =
        bar->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton),
                       QStringLiteral("Загрузить изображение"), this, &IndicatorEditor::openImage);

    auto* row = new QHBoxLayout;
    view_ = new ImageView(this);
    view_->setToolTip(QStringLiteral("Две равные половины: полная и пустая шкала"));
    row->addWidget(view_, 1);
    auto* side = new QVBoxLayout;
    auto* form = new QFormLayout;
    name_ = newNameField();
    form->addRow(QStringLiteral("Название объекта"), name_);
    amount_ = new QSpinBox(this);
    amount_->setRange(1, 100);
    form->addRow(QStringLiteral("количество"), amount_);
    side->addLayout(form);
    auto* direction = new QGroupBox(QStringLiteral("Направление"), this);
    auto* directionLayout = new QVBoxLayout(direction);
    auto* vertical = new QRadioButton(QStringLiteral("вертикальное"), direction);
    vertical->setEnabled(false);
    auto* horizontal = new QRadioButton(QStringLiteral("горизонтальное"), direction);
    horizontal->setChecked(true);
    directionLayout->addWidget(vertical);
    directionLayout->addWidget(horizontal);
    side->addWidget(direction);
    side->addWidget(new QLabel(QStringLiteral("Свойства объекта"), this));
    side->addWidget(propertyGrid());
    side->addStretch();
    row->addLayout(side);
    body()->addLayout(row, 1);

    reset();
}

void IndicatorEditor::reset() {
    draft_.startNew(newObjectName(document().project(), ObjectKind::Indicator));
    amount_->setValue(draft_.amount);
    name_->setText(fromModel(draft_.name));
    view_->setImage(QImage());
    propertyGrid()->clearTexts();
}

void IndicatorEditor::load(int index) {
    const Project& project = document().project();
    draft_.open(project.indicators[index]);
    name_->setText(fromModel(draft_.name));
    view_->setImage(toQImage(draft_.shown));
    amount_->setValue(draft_.amount);
    propertyGrid()->setTexts(draft_.propertyNames, draft_.propertyValues);
}

void IndicatorEditor::openImage() {
    QString file = askImageFile();
    if (file.isEmpty()) {
        if (draft_.lastFile.empty()) {
            return;
        }
        file = fromPath(draft_.lastFile);
    }
    loadImageFile(file);
}

void IndicatorEditor::loadImageFile(const QString& file) {
    Image image;
    if (readImage(file, image)) {
        draft_.loadImage(std::move(image), toPath(file));
        view_->setImage(toQImage(draft_.shown));
    }
}

bool IndicatorEditor::takeControls() {
    draft_.name = toModel(name_->text());
    draft_.amount = amount_->value();
    draft_.propertyNames = propertyGrid()->texts(true);
    draft_.propertyValues = propertyGrid()->texts(false);
    return true;
}

QString IndicatorEditor::missingContent() const {
    return draft_.hasImage() ? QString()
                             : QStringLiteral("Сначала загрузите изображение индикатора.");
}

bool IndicatorEditor::openedObjectStorable() const {
    return draft_.hasImage();
}

void IndicatorEditor::storeInto(Project& p, int index) const {
    draft_.storeInto(p.indicators[index]);
}

bool IndicatorEditor::changeStored() {
    // The picture is kept beside the project as well; a project without a folder yet
    // (never saved) has nowhere to keep it.
    if (!document().values().projectFile.empty()) {
        try {
            writeIndicatorFiles(document().values().projectFile.parent_path(), draft_);
        } catch (const IoError& error) {
            showError(QString::fromStdString(error.what()));
            return false;  // the panel stays open with the message
        }
    }
    return true;
}

}  // namespace avizad
