#include "editors/ui/BackgroundEditor.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>

#include "editors/ObjectNames.h"
#include "editors/ui/MapGrid.h"
#include "editors/ui/PropertyGrid.h"
#include "model/ui/QtPicture.h"
#include "model/ui/QtText.h"
#include "shell/EditorHost.h"

namespace avizad {

// One stroke on the map: the cells before and after it.
class BackgroundEditor::MapStroke : public QUndoCommand {
public:
    MapStroke(BackgroundEditor& editor, TileMap before, TileMap after)
        : QUndoCommand(QStringLiteral("Рисование карты")),
          editor_(editor),
          before_(std::move(before)),
          after_(std::move(after)) {}
    void undo() override { editor_.showMap(before_); }
    void redo() override {
        if (done_) {
            done_ = false;  // the stroke is on the map already
            return;
        }
        editor_.showMap(after_);
    }

private:
    BackgroundEditor& editor_;
    TileMap before_;
    TileMap after_;
    bool done_ = true;
};

namespace {

QSpinBox* countBox(QWidget* parent, int maximum) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, maximum);
    return box;
}

}  // namespace

BackgroundEditor::BackgroundEditor(ProjectDocument& document, EditorHost& host, QWidget* parent)
    : EditorPanel(document, host, ObjectKind::Background,
                  QStringLiteral("Создание фоновых объектов"), parent) {
    QToolBar* bar = toolBar();
    openImage_ =
        bar->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton),
                       QStringLiteral("Загрузить изображение"), this, &BackgroundEditor::openImage);
    clearMap_ = bar->addAction(style()->standardIcon(QStyle::SP_DialogResetButton),
                               QStringLiteral("Очистить"), this, [this] {
                                   draft_.clearMap();
                                   refreshTiles();
                               });
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" Название "), this));
    name_ = newNameField();
    name_->setMaximumWidth(200);
    bar->addWidget(name_);

    auto* second = new QToolBar(this);
    second->addWidget(new QLabel(QStringLiteral("кол-во кадров: "), this));
    across_ = countBox(this, kMaxTilesAcross);
    across_->setToolTip(QStringLiteral("Тайлов по горизонтали"));
    second->addWidget(across_);
    second->addWidget(new QLabel(QStringLiteral(" / "), this));
    down_ = countBox(this, kMaxTilesAcross);
    down_->setToolTip(QStringLiteral("Тайлов по вертикали"));
    second->addWidget(down_);
    second->addSeparator();
    second->addWidget(new QLabel(QStringLiteral("кол-во ячеек "), this));
    columns_ = countBox(this, kMaxMapCells);
    columns_->setToolTip(QStringLiteral("Столбцов карты"));
    second->addWidget(columns_);
    second->addWidget(new QLabel(QStringLiteral(" / "), this));
    rows_ = countBox(this, kMaxMapCells);
    rows_->setToolTip(QStringLiteral("Строк карты"));
    second->addWidget(rows_);
    second->addSeparator();
    kindGroup_ = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("Нейтральный фон"), QStringLiteral("Препятствие"),
                                QStringLiteral("Лестница")};
    for (int k = 0; k < 3; ++k) {
        kinds_[k] = new QRadioButton(captions[k], this);
        kindGroup_->addButton(kinds_[k], k);
        second->addWidget(kinds_[k]);
    }
    connect(kindGroup_, &QButtonGroup::idClicked, this, [this](int id) { draft_.kind = id; });
    body()->addWidget(second);

    auto* row = new QHBoxLayout;
    tileList_ = new QListWidget(this);
    tileList_->setFixedSize(201, 353);
    tileList_->setToolTip(QStringLiteral("Тайлы"));
    connect(tileList_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) {
            draft_.selectedTile = r + 1;
        }
    });
    auto* left = new QVBoxLayout;
    left->addWidget(tileList_);
    left->addWidget(new QLabel(QStringLiteral("Свойства объекта"), this));
    left->addWidget(propertyGrid());
    left->addStretch();
    row->addLayout(left);
    map_ = new MapGrid(draft_, this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(map_);
    scroll->setBackgroundRole(QPalette::Mid);
    row->addSpacing(10);
    row->addWidget(scroll, 1);
    body()->addLayout(row, 1);

    connect(map_, &MapGrid::strokeStarted, this, [this] { strokeStart_ = draft_.map; });
    connect(map_, &MapGrid::strokeFinished, this, [this] {
        if (!(strokeStart_ == draft_.map)) {
            strokes_.push(new MapStroke(*this, strokeStart_, draft_.map));
        }
    });
    for (QSpinBox* box : {across_, down_, columns_, rows_}) {
        connect(box, &QSpinBox::valueChanged, this, &BackgroundEditor::countsChanged);
    }
    reset();
}

void BackgroundEditor::showMap(const TileMap& map) {
    draft_.map = map;
    map_->refresh();
}

void BackgroundEditor::showEvent(QShowEvent* event) {
    EditorPanel::showEvent(event);
    host().setActiveUndoStack(&strokes_);
}

void BackgroundEditor::hideEvent(QHideEvent* event) {
    EditorPanel::hideEvent(event);
    host().setActiveUndoStack(nullptr);
}

void BackgroundEditor::reset() {
    strokes_.clear();
    draft_.startNew(newObjectName(document().project(), ObjectKind::Background));
    kindGroup_->setExclusive(false);
    for (QRadioButton* button : kinds_) {
        button->setChecked(false);
    }
    kindGroup_->setExclusive(true);
    updating_ = true;
    across_->setValue(1);
    down_->setValue(1);
    columns_->setValue(1);
    rows_->setValue(1);
    updating_ = false;
    name_->setText(fromModel(draft_.name));
    propertyGrid()->clearTexts();
    refreshTiles();
}

void BackgroundEditor::load(int index) {
    const Project& project = document().project();
    draft_.open(project.backgrounds[index]);
    if (draft_.kind >= 0 && draft_.kind <= 2) {
        kinds_[draft_.kind]->setChecked(true);
    }
    updating_ = true;
    across_->setValue(draft_.tilesAcross);
    down_->setValue(draft_.tilesDown);
    columns_->setValue(draft_.columns);
    rows_->setValue(draft_.rows);
    updating_ = false;
    name_->setText(fromModel(draft_.name));
    propertyGrid()->setTexts(draft_.propertyNames, draft_.propertyValues);
    refreshTiles();
}

void BackgroundEditor::openImage() {
    const QString file = askImageFile();
    if (!file.isEmpty()) {
        loadImageFile(file);
    }
}

void BackgroundEditor::loadImageFile(const QString& file) {
    Image image;
    if (readImage(file, image)) {
        draft_.loadImage(std::move(image));
        refreshTiles();
    }
}

void BackgroundEditor::countsChanged() {
    if (updating_) {
        return;
    }
    draft_.tilesAcross = across_->value();
    draft_.tilesDown = down_->value();
    draft_.columns = columns_->value();
    draft_.rows = rows_->value();
    refreshTiles();
}

void BackgroundEditor::refreshTiles() {
    const TileGrid grid = draft_.grid();
    const QImage tiles = toQImage(draft_.tileSet);
    const int selected = draft_.selectedTile;
    tileList_->blockSignals(true);
    tileList_->clear();
    if (draft_.imageLoaded && grid.tileWidth > 0 && grid.tileHeight > 0) {
        tileList_->setIconSize(QSize(grid.tileWidth, grid.tileHeight));
        for (int k = 1; k <= grid.tileCount(); ++k) {
            const PixelRect r = grid.tile(k);
            auto* item = new QListWidgetItem(
                QIcon(QPixmap::fromImage(tiles.copy(r.x, r.y, r.width, r.height))),
                QString::number(k));
            tileList_->addItem(item);
        }
        if (grid.holds(selected)) {
            tileList_->setCurrentRow(selected - 1);
        }
    }
    tileList_->blockSignals(false);
    map_->refresh();
}

QString BackgroundEditor::missingContent() const {
    return draft_.imageLoaded ? QString()
                              : QStringLiteral("Сначала загрузите изображение с тайлами.");
}

void BackgroundEditor::storeInto(Project& p, int index) const {
    draft_.storeInto(p.backgrounds[index]);
}

bool BackgroundEditor::takeControls() {
    draft_.name = toModel(name_->text());
    draft_.propertyNames = propertyGrid()->texts(true);
    draft_.propertyValues = propertyGrid()->texts(false);
    return true;
}

}  // namespace avizad
