#include "app/SettingsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <climits>

#include "model/IoError.h"
#include "model/ui/QtText.h"
#include "shell/DialogButtons.h"

namespace avizad {

namespace {

QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QIcon swatch(Color c) {
    QPixmap pixmap(24, 16);
    pixmap.fill(toQColor(c));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 23, 15);
    return QIcon(pixmap);
}

QSpinBox* numberField(QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(INT_MIN, INT_MAX);
    return field;
}

}  // namespace

SettingsDialog::SettingsDialog(std::filesystem::path optionsFile, QWidget* parent)
    : QDialog(parent), optionsFile_(std::move(optionsFile)) {
    setWindowTitle(QStringLiteral("Настройки"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    layout->addWidget(pages_);

    // "Сетка"
    auto* gridPage = new QWidget;
    auto* gridLayout = new QVBoxLayout(gridPage);
    auto* origin = new QGroupBox(QStringLiteral("Начало сетки"), gridPage);
    auto* originForm = new QFormLayout(origin);
    gridX_ = new QLineEdit(origin);
    gridY_ = new QLineEdit(origin);
    originForm->addRow(QStringLiteral("X"), gridX_);
    originForm->addRow(QStringLiteral("Y"), gridY_);
    gridLayout->addWidget(origin);
    auto* size = new QGroupBox(QStringLiteral("Размер сетки"), gridPage);
    auto* sizeForm = new QFormLayout(size);
    gridWidth_ = new QLineEdit(size);
    gridHeight_ = new QLineEdit(size);
    sizeForm->addRow(QStringLiteral("Ширина"), gridWidth_);
    sizeForm->addRow(QStringLiteral("Высота"), gridHeight_);
    gridLayout->addWidget(size);
    gridColorButton_ = new QPushButton(QStringLiteral("Цвет"), gridPage);
    gridColorButton_->setToolTip(QStringLiteral("Цвет линий сетки"));
    gridLayout->addWidget(gridColorButton_, 0, Qt::AlignLeft);
    gridLayout->addStretch(1);
    pages_->addTab(gridPage, QStringLiteral("Сетка"));
    connect(gridColorButton_, &QPushButton::clicked, this,
            [this] { chooseColor(gridColor_, gridColorButton_); });

    // "Контур экрана"
    auto* screenPage = new QWidget;
    auto* screenLayout = new QVBoxLayout(screenPage);
    auto* screenBox = new QGroupBox(QStringLiteral("Размер экрана"), screenPage);
    auto* screenForm = new QFormLayout(screenBox);
    screenWidth_ = numberField(screenBox);
    screenHeight_ = numberField(screenBox);
    screenForm->addRow(QStringLiteral("ширина"), screenWidth_);
    screenForm->addRow(QStringLiteral("высота"), screenHeight_);
    screenLayout->addWidget(screenBox);
    screenLayout->addStretch(1);
    pages_->addTab(screenPage, QStringLiteral("Контур экрана"));

    // "Цвет фона"
    auto* colorPage = new QWidget;
    auto* colorLayout = new QVBoxLayout(colorPage);
    screenColorButton_ = new QPushButton(QStringLiteral("Выбрать"), colorPage);
    screenColorButton_->setToolTip(QStringLiteral("Цвет фона игрового экрана"));
    colorLayout->addWidget(screenColorButton_, 0, Qt::AlignLeft);
    colorLayout->addStretch(1);
    pages_->addTab(colorPage, QStringLiteral("Цвет фона"));
    connect(screenColorButton_, &QPushButton::clicked, this,
            [this] { chooseColor(screenColor_, screenColorButton_); });

    // "Компилятор"
    auto* toolsPage = new QWidget;
    auto* toolsLayout = new QVBoxLayout(toolsPage);
    auto folderRow = [&](const QString& caption, QLineEdit*& field) {
        toolsLayout->addWidget(new QLabel(caption, toolsPage));
        auto* row = new QHBoxLayout;
        field = new QLineEdit(toolsPage);
        auto* pick = new QPushButton(QStringLiteral("Указать"), toolsPage);
        row->addWidget(field, 1);
        row->addWidget(pick);
        toolsLayout->addLayout(row);
        QLineEdit* target = field;
        connect(pick, &QPushButton::clicked, this, [this, target] { chooseFolder(target); });
    };
    folderRow(QStringLiteral("Путь к папке с JDK"), jdk_);
    folderRow(QStringLiteral("Путь к папке с WTK"), wtk_);
    shrink_ = new QCheckBox(QStringLiteral("Уменьшать размер игры"), toolsPage);
    shrink_->setToolTip(
        QStringLiteral("Сжимать классы игры и сокращать их имена при сборке. "
                       "Снимите флажок, чтобы читать сообщения об ошибках игры."));
    toolsLayout->addWidget(shrink_);
    toolsLayout->addStretch(1);
    pages_->addTab(toolsPage, QStringLiteral("Компилятор"));

    error_ = new QLabel(this);
    error_->setObjectName("errorLine");
    error_->setWordWrap(true);
    error_->setStyleSheet("color: #b00000;");
    error_->hide();
    layout->addWidget(error_);

    addYesCancelButtons(this, layout);

    // The file is read again each time the dialog opens.
    SettingsForm form;
    try {
        form = readSettingsForm(optionsFile_);
    } catch (const IoError& error) {
        showError(QString::fromStdString(error.what()));
    }
    showForm(form);
    resize(440, 300);
}

void SettingsDialog::showForm(const SettingsForm& form) {
    gridX_->setText(fromModel(form.gridX));
    gridY_->setText(fromModel(form.gridY));
    gridWidth_->setText(fromModel(form.gridWidth));
    gridHeight_->setText(fromModel(form.gridHeight));
    setGridColor(form.gridColor);
    screenWidth_->setValue(form.screenWidth);
    screenHeight_->setValue(form.screenHeight);
    setScreenColor(form.screenColor);
    jdk_->setText(fromModel(form.jdkDir));
    wtk_->setText(fromModel(form.wtkDir));
    shrink_->setChecked(form.shrinkGame);
}

SettingsForm SettingsDialog::form() const {
    SettingsForm form;
    form.gridX = toModel(gridX_->text());
    form.gridY = toModel(gridY_->text());
    form.gridWidth = toModel(gridWidth_->text());
    form.gridHeight = toModel(gridHeight_->text());
    form.gridColor = gridColor_;
    form.screenWidth = screenWidth_->value();
    form.screenHeight = screenHeight_->value();
    form.screenColor = screenColor_;
    form.jdkDir = toModel(jdk_->text());
    form.wtkDir = toModel(wtk_->text());
    form.shrinkGame = shrink_->isChecked();
    return form;
}

QString SettingsDialog::errorText() const {
    return error_->isHidden() ? QString() : error_->text();
}

void SettingsDialog::setGridColor(Color color) {
    gridColor_ = color;
    gridColorButton_->setIcon(swatch(color));
}

void SettingsDialog::setScreenColor(Color color) {
    screenColor_ = color;
    screenColorButton_->setIcon(swatch(color));
}

void SettingsDialog::chooseColor(Color& color, QPushButton* button) {
    const QColor chosen = QColorDialog::getColor(toQColor(color), this);
    if (chosen.isValid()) {
        color = rgb(chosen.red(), chosen.green(), chosen.blue());
        button->setIcon(swatch(color));
    }
}

void SettingsDialog::chooseFolder(QLineEdit* field) {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Выберите папку"),
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    if (!folder.isEmpty()) {
        field->setText(folder);
    }
}

void SettingsDialog::showError(const QString& text) {
    error_->setText(text);
    error_->setVisible(!text.isEmpty());
}

void SettingsDialog::accept() {
    const struct {
        QLineEdit* field;
        const char* name;
    } gridFields[] = {
        {gridX_, "X"}, {gridY_, "Y"}, {gridWidth_, "Ширина"}, {gridHeight_, "Высота"}};
    for (const auto& g : gridFields) {
        if (!parseSettingNumber(toModel(g.field->text()))) {
            pages_->setCurrentIndex(0);
            g.field->setFocus();
            g.field->selectAll();
            showError(QStringLiteral("В поле «%1» страницы «Сетка» должно быть число, а не «%2».")
                          .arg(QString::fromUtf8(g.name), g.field->text()));
            return;
        }
    }
    // The grid cell is a divisor wherever placements snap to the grid.
    for (const auto& g : {gridFields[2], gridFields[3]}) {
        if (*parseSettingNumber(toModel(g.field->text())) < 1) {
            pages_->setCurrentIndex(0);
            g.field->setFocus();
            g.field->selectAll();
            showError(QStringLiteral("Размер сетки («%1») должен быть не меньше 1.")
                          .arg(QString::fromUtf8(g.name)));
            return;
        }
    }
    const SettingsForm current = form();
    try {
        writeOptions(optionsFile_, current);
    } catch (const IoError& error) {
        showError(QString::fromStdString(error.what()));
        return;
    }
    applied_ = applySettingsForm(current);
    showError(QString());
    QDialog::accept();
}

}  // namespace avizad
