#include "events/ui/ExpressionBuilderDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editors/ObjectNames.h"
#include "events/ParameterDialogTexts.h"
#include "events/ValueTokens.h"
#include "events/ui/CatalogueMenus.h"
#include "model/ui/QtText.h"
#include "shell/DialogButtons.h"

namespace avizad {

ExpressionBuilderDialog::ExpressionBuilderDialog(BuilderMode mode, const Project& project,
                                                 ObjectKind kind, int n, QWidget* parent)
    : QDialog(parent), builder_(mode) {
    const BuilderModeInfo& info = builder_.info();
    setWindowTitle(QString::fromUtf8(info.name));
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(QString::fromUtf8(info.label), this);
    label_->setStyleSheet("font-weight: bold;");
    layout->addWidget(label_);

    // Mode "строка со значением": the row text is typed; the value follows it.
    auto* row = new QHBoxLayout;
    auto* rowLabel = new QLabel(QString::fromUtf8(ParameterDialogTexts::kBuilderRowText), this);
    rowText_ = new QLineEdit(this);
    rowLabel->setBuddy(rowText_);
    row->addWidget(rowLabel);
    row->addWidget(rowText_, 1);
    layout->addLayout(row);
    connect(rowText_, &QLineEdit::textChanged, this,
            [this](const QString& text) { builder_.setRowText(toModel(text)); });
    rowLabel->setVisible(info.showsRowText);
    rowText_->setVisible(info.showsRowText);

    auto* fields = new QHBoxLayout;
    left_ = new QLineEdit(this);
    right_ = new QLineEdit(this);
    comparison_ = new QComboBox(this);
    for (const Comparison& c : ExpressionBuilder::comparisons()) {
        comparison_->addItem(QString::fromUtf8(c.caption));
    }
    global_ = new QSpinBox(this);
    global_->setRange(ExpressionBuilder::kMinGlobal, ExpressionBuilder::kMaxGlobal);
    global_->setPrefix(QStringLiteral("glob "));
    for (QLineEdit* field : {left_, right_}) {
        field->setReadOnly(true);
        field->setMinimumWidth(150);
        field->setFocusPolicy(Qt::ClickFocus);
        field->installEventFilter(this);
    }
    fields->addWidget(left_, 1);
    fields->addWidget(global_);
    fields->addWidget(comparison_);
    fields->addWidget(right_, 1);
    layout->addLayout(fields);
    // A click in a field puts the cursor where the next token goes.
    connect(left_, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        builder_.setCursor(ExpressionBuilder::Field::Left, position);
    });
    connect(right_, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        builder_.setCursor(ExpressionBuilder::Field::Right, position);
    });
    connect(comparison_, &QComboBox::currentIndexChanged, this,
            [this](int index) { builder_.setComparison(index); });
    connect(global_, &QSpinBox::valueChanged, this, [this](int k) { builder_.setGlobalNumber(k); });
    left_->setVisible(info.showsLeftField);
    right_->setVisible(info.showsRightField);
    comparison_->setVisible(info.showsComparison);
    global_->setVisible(info.showsGlobalNumber);

    // The keypad: digits and operators in rows of six, then the editing buttons.
    auto* keypad = new QGridLayout;
    keypad->setSpacing(3);
    int slot = 0;
    for (const KeypadButton& key : ExpressionBuilder::keypad()) {
        QPushButton* button = addButton(QString::fromUtf8(key.caption), this);
        const std::string token(key.token);
        connect(button, &QPushButton::clicked, this, [this, token] {
            builder_.append(token);
            showFields();
        });
        keypad->addWidget(button, slot / 6, slot % 6);
        ++slot;
    }
    QPushButton* erase = addButton(QString::fromUtf8(ParameterDialogTexts::kBuilderDelete), this);
    connect(erase, &QPushButton::clicked, this, [this] {
        builder_.deleteLast();
        showFields();
    });
    keypad->addWidget(erase, slot / 6, slot % 6);
    ++slot;
    QPushButton* clear = addButton(QString::fromUtf8(ParameterDialogTexts::kBuilderClear), this);
    connect(clear, &QPushButton::clicked, this, [this] {
        builder_.clearField();
        showFields();
    });
    keypad->addWidget(clear, slot / 6, slot % 6);
    layout->addLayout(keypad);

    // The value words.
    auto* words = new QHBoxLayout;
    auto append = [this](const std::string& word) { appendWord(word); };
    valuesMenu_ = new QMenu(this);
    CatalogueMenus::fillValues(valuesMenu_, ValueTokens::general(), 0, append);
    QPushButton* values = addButton(QString::fromUtf8(ParameterDialogTexts::kBuilderValues), this);
    values->setMenu(valuesMenu_);
    objectsMenu_ = new QMenu(this);
    if (n >= 1 && n <= project.typeCount(kind)) {
        objectsMenu_->setTitle(fromModel(objectTypeName(project, kind, n)));
        CatalogueMenus::fillValues(objectsMenu_, ValueTokens::objectMenu(kind), n, append);
        objectsMenu_->addSeparator();
    }
    for (const ObjectKind k : kAllKinds) {
        QMenu* kindMenu = objectsMenu_->addMenu(fromModel(kindCaption(k)));
        kindMenu->setEnabled(project.typeCount(k) > 0);
        for (int i = 1; i <= project.typeCount(k); ++i) {
            QMenu* object = kindMenu->addMenu(
                QStringLiteral("%1: %2").arg(i).arg(fromModel(objectTypeName(project, k, i))));
            CatalogueMenus::fillValues(object, ValueTokens::objectMenu(k), i, append);
        }
    }
    QPushButton* objects = addButton(QString::fromUtf8(ParameterDialogTexts::kBuilderObject), this);
    objects->setMenu(objectsMenu_);
    words->addWidget(values);
    words->addWidget(objects);
    words->addStretch(1);
    layout->addLayout(words);

    addYesCancelButtons(this, layout);
    showFields();
}

QPushButton* ExpressionBuilderDialog::addButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumWidth(caption.size() > 2 ? 64 : 30);
    buttons_[caption] = button;
    return button;
}

QPushButton* ExpressionBuilderDialog::button(const QString& caption) const {
    const auto it = buttons_.find(caption);
    return it == buttons_.end() ? nullptr : it->second;
}

void ExpressionBuilderDialog::activate(ExpressionBuilder::Field field) {
    builder_.setActiveField(field);
    showFields();
}

void ExpressionBuilderDialog::appendWord(const std::string& word) {
    builder_.insertWord(word);
    showFields();
}

void ExpressionBuilderDialog::showFields() {
    const QSignalBlocker blockLeft(left_);
    const QSignalBlocker blockRight(right_);
    left_->setText(fromModel(builder_.left()));
    right_->setText(fromModel(builder_.right()));
    left_->setCursorPosition(builder_.cursor(ExpressionBuilder::Field::Left));
    right_->setCursorPosition(builder_.cursor(ExpressionBuilder::Field::Right));
    const QString active = QStringLiteral("background: #fff8d0; border: 2px solid #3a62aa;");
    left_->setStyleSheet(builder_.activeField() == ExpressionBuilder::Field::Left ? active
                                                                                  : QString());
    right_->setStyleSheet(builder_.activeField() == ExpressionBuilder::Field::Right ? active
                                                                                    : QString());
}

bool ExpressionBuilderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == left_) {
            activate(ExpressionBuilder::Field::Left);
        } else if (watched == right_) {
            activate(ExpressionBuilder::Field::Right);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ExpressionBuilderDialog::accept() {
    result_ = builder_.confirm();
    QDialog::accept();
}

}  // namespace avizad
