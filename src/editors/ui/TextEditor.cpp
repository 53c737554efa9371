#include "editors/ui/TextEditor.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "editors/ObjectNames.h"
#include "editors/ui/PropertyGrid.h"
#include "editors/ui/TextPictureView.h"
#include "model/ui/QtText.h"

namespace avizad {

TextEditor::TextEditor(ProjectDocument& document, EditorHost& host, QWidget* parent)
    : EditorPanel(document, host, ObjectKind::Text, QStringLiteral("Создание текстовых объектов"),
                  parent) {
    auto* top = new QHBoxLayout;
    auto* fontBox = new QGroupBox(QStringLiteral("Шрифт"), this);
    auto* fontLayout = new QHBoxLayout(fontBox);
    auto* faceBox = new QGroupBox(QStringLiteral("Тип"), fontBox);
    auto* faceLayout = new QVBoxLayout(faceBox);
    faceGroup_ = new QButtonGroup(this);
    const QString faceCaptions[] = {QStringLiteral("Системный"), QStringLiteral("Равноширинный"),
                                    QStringLiteral("Пропорциональный")};
    for (int i = 0; i < 3; ++i) {
        faces_[i] = new QRadioButton(faceCaptions[i], faceBox);
        faceGroup_->addButton(faces_[i], i + 1);
        faceLayout->addWidget(faces_[i]);
    }
    faces_[0]->setChecked(true);
    fontLayout->addWidget(faceBox);
    auto* sizeBox = new QGroupBox(QStringLiteral("Размер"), fontBox);
    auto* sizeLayout = new QVBoxLayout(sizeBox);
    sizeGroup_ = new QButtonGroup(this);
    const QString sizeCaptions[] = {QStringLiteral("Маленький"), QStringLiteral("Средний"),
                                    QStringLiteral("Большой")};
    for (int i = 0; i < 3; ++i) {
        sizes_[i] = new QRadioButton(sizeCaptions[i], sizeBox);
        sizeGroup_->addButton(sizes_[i], i);
        sizeLayout->addWidget(sizes_[i]);
    }
    fontLayout->addWidget(sizeBox);
    top->addWidget(fontBox);
    auto* extra = new QGroupBox(QStringLiteral("Дополнительно"), this);
    auto* extraLayout = new QVBoxLayout(extra);
    bold_ = new QCheckBox(QStringLiteral("Жирный"), extra);
    italic_ = new QCheckBox(QStringLiteral("Курсив"), extra);
    underline_ = new QCheckBox(QStringLiteral("Подчеркнутый"), extra);
    extraLayout->addWidget(bold_);
    extraLayout->addWidget(italic_);
    extraLayout->addWidget(underline_);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(QStringLiteral("Цвет:"), extra));
    color_ = new QToolButton(extra);
    color_->setFixedSize(40, 20);
    color_->setToolTip(QStringLiteral("Цвет текста"));
    connect(color_, &QToolButton::clicked, this, &TextEditor::chooseColor);
    colorRow->addWidget(color_);
    colorRow->addStretch();
    extraLayout->addLayout(colorRow);
    top->addWidget(extra);
    picture_ = new TextPictureView(this);
    top->addWidget(picture_);
    top->addStretch();
    body()->addLayout(top);

    auto* bottom = new QHBoxLayout;
    auto* textColumn = new QVBoxLayout;
    auto* form = new QFormLayout;
    name_ = newNameField();
    form->addRow(QStringLiteral("Название объекта"), name_);
    textColumn->addLayout(form);
    text_ = new QPlainTextEdit(this);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setToolTip(QStringLiteral("Текст: не больше %1 строк").arg(kMaxTextLines));
    textColumn->addWidget(text_, 1);
    bottom->addLayout(textColumn, 1);
    auto* props = new QVBoxLayout;
    props->addWidget(new QLabel(QStringLiteral("Свойства объекта"), this));
    props->addWidget(propertyGrid());
    props->addStretch();
    bottom->addLayout(props);
    body()->addLayout(bottom, 1);

    // The picture follows every change of the text and its look.
    connect(text_, &QPlainTextEdit::textChanged, this, &TextEditor::refreshPicture);
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(bold_), static_cast<QAbstractButton*>(italic_),
          static_cast<QAbstractButton*>(underline_)}) {
        connect(b, &QAbstractButton::toggled, this, &TextEditor::refreshPicture);
    }
    connect(faceGroup_, &QButtonGroup::idToggled, this, &TextEditor::refreshPicture);
    connect(sizeGroup_, &QButtonGroup::idToggled, this, &TextEditor::refreshPicture);
    connect(&document, &ProjectDocument::settingsChanged, this, &TextEditor::refreshPicture);
    showColor();
    reset();
}

void TextEditor::reset() {
    draft_.startNew(newObjectName(document().project(), ObjectKind::Text));
    showControls();
    refreshPicture();
}

void TextEditor::load(int index) {
    const Project& project = document().project();
    draft_.open(project.texts[index]);
    showControls();
    refreshPicture();
}

void TextEditor::showControls() {
    faces_[draft_.kind - 1]->setChecked(true);
    sizeGroup_->setExclusive(false);
    for (int i = 0; i < 3; ++i) {
        sizes_[i]->setChecked(draft_.size == i);
    }
    sizeGroup_->setExclusive(true);
    bold_->setChecked(draft_.bold);
    italic_->setChecked(draft_.italic);
    underline_->setChecked(draft_.underline);
    showColor();
    name_->setText(fromModel(draft_.name));
    QStringList lines;
    for (const std::string& line : draft_.lines) {
        lines << fromModel(line);
    }
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    propertyGrid()->setTexts(draft_.propertyNames, draft_.propertyValues);
}

void TextEditor::showColor() {
    color_->setStyleSheet(
        QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid gray;")
            .arg(draft_.colorR)
            .arg(draft_.colorG)
            .arg(draft_.colorB));
}

void TextEditor::chooseColor() {
    if (!prompts().chooseColor) {
        return;
    }
    const QColor chosen =
        prompts().chooseColor(this, QColor(draft_.colorR, draft_.colorG, draft_.colorB));
    if (chosen.isValid()) {
        draft_.colorR = chosen.red();
        draft_.colorG = chosen.green();
        draft_.colorB = chosen.blue();
        showColor();
        refreshPicture();
    }
}

void TextEditor::refreshPicture() {
    TextDraft shown = draft_;
    shown.kind = std::max(1, faceGroup_->checkedId());
    shown.size = sizeGroup_->checkedId();
    shown.bold = bold_->isChecked();
    shown.italic = italic_->isChecked();
    shown.underline = underline_->isChecked();
    shown.lines.clear();
    for (const std::string& line : splitTextLines(toModel(text_->toPlainText()))) {
        shown.lines.push_back(line);
    }
    const Settings& settings = document().settings();
    picture_->setText(shown, FontMeasure(settings.screenWidth, settings.screenHeight));
}

bool TextEditor::takeControls() {
    const std::vector<std::string> lines = splitTextLines(toModel(text_->toPlainText()));
    if (static_cast<int>(lines.size()) > kMaxTextLines) {
        showInfo(QStringLiteral("В текстовом объекте может быть не больше %1 строк, а в тексте их "
                                "%2: сократите текст.")
                     .arg(kMaxTextLines)
                     .arg(lines.size()));
        return false;
    }
    draft_.lines = lines;
    draft_.kind = std::max(1, faceGroup_->checkedId());
    draft_.size = sizeGroup_->checkedId();  // -1 when no size is chosen
    draft_.bold = bold_->isChecked();
    draft_.italic = italic_->isChecked();
    draft_.underline = underline_->isChecked();
    draft_.name = toModel(name_->text());
    draft_.propertyNames = propertyGrid()->texts(true);
    draft_.propertyValues = propertyGrid()->texts(false);
    return true;
}

void TextEditor::storeInto(Project& p, int index) const {
    draft_.storeInto(p.texts[index]);
}

}  // namespace avizad
