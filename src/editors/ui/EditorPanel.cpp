#include "editors/ui/EditorPanel.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "editors/ObjectNames.h"
#include "editors/ui/PropertyGrid.h"
#include "model/IoError.h"
#include "model/Png.h"
#include "model/ui/QtText.h"
#include "shell/EditorHost.h"

namespace avizad {

namespace {

// The first local PNG file among dropped addresses, or an empty text.
QString droppedPng(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return QString();
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() &&
            QFileInfo(url.toLocalFile())
                    .suffix()
                    .compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
            return url.toLocalFile();
        }
    }
    return QString();
}

}  // namespace

EditorPanel::EditorPanel(ProjectDocument& document, EditorHost& host, ObjectKind kind,
                         const QString& title, QWidget* parent)
    : QWidget(parent), document_(&document), host_(host), kind_(kind), newTitle_(title) {
    setWindowTitle(title);
    setAutoFillBackground(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);

    auto* titleBar = new QHBoxLayout;
    caption_ = new QLabel(title, this);
    caption_->setObjectName("editorTitle");
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    titleBar->addWidget(caption_);
    titleBar->addStretch();
    auto* closeButton = new QToolButton(this);
    closeButton->setText(QStringLiteral("✕"));
    closeButton->setToolTip(QStringLiteral("Закрыть"));
    closeButton->setObjectName(QStringLiteral("closeEditor"));
    connect(closeButton, &QToolButton::clicked, this, &EditorPanel::close);
    titleBar->addWidget(closeButton);
    outer->addLayout(titleBar);

    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(20, 20));
    create_ = toolBar_->addAction(style()->standardIcon(QStyle::SP_FileDialogNewFolder),
                                  QStringLiteral("Создать объект"), this, [this] { create(); });
    save_ =
        toolBar_->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                            QStringLiteral("Сохранить изменения"), this, [this] { saveChanges(); });
    outer->addWidget(toolBar_);
    body_ = new QVBoxLayout;
    outer->addLayout(body_, 1);
    properties_ = new PropertyGrid(this);
    setAcceptDrops(true);
    // A project from a file or a new one: the opened object is no more.
    connect(document_, &ProjectDocument::projectReplaced, this, &EditorPanel::forgetEditedObject);
}

void EditorPanel::startNew() {
    reset();
    forgetEditedObject();
    setTitle(newTitle_);
    askForPicture();
}

void EditorPanel::setTitle(const QString& title) {
    setWindowTitle(title);
    caption_->setText(title);
}

void EditorPanel::openObject(int index) {
    reset();
    forgetEditedObject();
    if (index < 1 || index > document().project().typeCount(kind_)) {
        return;
    }
    editedIndex_ = index;
    load(index);
    save_->setEnabled(true);
    static const char* const kChanging[] = {"фонового объекта", "активного объекта",
                                            "объекта-индикатора", "текстового объекта"};
    setTitle(QStringLiteral("Изменение %1 «%2»")
                 .arg(QString::fromUtf8(kChanging[static_cast<int>(kind_) - 1]),
                      fromModel(objectTypeName(document().project(), kind_, index))));
}

void EditorPanel::setCreated(int index) {
    editedIndex_ = index;
    // The catalogue shows the new object's kind with the object selected.
    document().setCurrentKind(kind_);
    document().setSelectedObject(index);
}

void EditorPanel::forgetEditedObject() {
    editedIndex_ = 0;
    save_->setEnabled(false);
}

void EditorPanel::close() {
    host_.closeEditors();
}

const Prompts& EditorPanel::prompts() const {
    return host_.prompts();
}

QLineEdit* EditorPanel::newNameField() {
    auto* field = new QLineEdit(this);
    field->setMaxLength(kMaxObjectNameLength);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\\x00-\\x1F\\x7F]*")), field));
    return field;
}

QString EditorPanel::imagesFolder() const {
    return fromPath(host_.programDir() / "images");
}

QString EditorPanel::askImageFile() {
    return prompts().openImageFile ? prompts().openImageFile(this, imagesFolder()) : QString();
}

bool EditorPanel::readImage(const QString& file, Image& image) {
    try {
        image = readPng(toPath(file));
        return true;
    } catch (const IoError& error) {
        showError(QString::fromStdString(error.what()));
        return false;
    }
}

void EditorPanel::showError(const QString& text) {
    if (prompts().showError) {
        prompts().showError(this, text);
    }
}

void EditorPanel::showInfo(const QString& text) {
    if (prompts().showInfo) {
        prompts().showInfo(this, text);
    }
}

bool EditorPanel::roomForNew() {
    if (document().project().typeCount(kind_) < typeCapacity(kind_)) {
        return true;
    }
    showInfo(QStringLiteral("В игре может быть не больше %1 объектов вида «%2»: новый объект "
                            "создать нельзя.")
                 .arg(typeCapacity(kind_))
                 .arg(fromModel(kindCaption(kind_))));
    return false;
}

void EditorPanel::create() {
    if (!roomForNew()) {
        return;
    }
    if (const QString missing = missingContent(); !missing.isEmpty()) {
        showInfo(missing);
        return;
    }
    if (!takeControls()) {
        return;
    }
    int created = 0;
    if (document().edit(QStringLiteral("Создание объекта"), partsToStore(), [&](Project& p) {
            created = ++p.typeCountRef(kind_);
            storeInto(p, created);
            return true;
        })) {
        close();
        setCreated(created);
    }
}

void EditorPanel::saveChanges() {
    const int index = editedIndex_;
    if (index < 1 || index > document().project().typeCount(kind_) || !openedObjectStorable()) {
        showInfo(QStringLiteral("Этого объекта больше нет: сохраните его как новый."));
        return;
    }
    if (!takeControls()) {
        return;
    }
    if (document().edit(QStringLiteral("Изменение объекта"), partsToStore(),
                        [&](Project& p) {
                            storeInto(p, index);
                            return true;
                        }) &&
        changeStored()) {
        close();
    }
}

void EditorPanel::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedPng(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void EditorPanel::dropEvent(QDropEvent* event) {
    const QString file = droppedPng(event->mimeData());
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        imageDropped(file);
    }
}

}  // namespace avizad
