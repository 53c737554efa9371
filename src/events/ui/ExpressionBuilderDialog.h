#pragma once
// The expression builder: a keypad writing into two read-only fields (a click on a
// field makes it the active one), the comparison list, the global number, "удалить",
// "очистить", "модуль", and the value words: "значение" (timer, level, screen size,
// globals, random numbers) and "объект" (the position, coordinates or amount of any
// object type, the chosen object's first). "Да" gives the caption and code of the mode
// (ExpressionBuilder).

#include <QDialog>
#include <map>

#include "events/BuiltText.h"
#include "events/ExpressionBuilder.h"
#include "model/Project.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;

namespace avizad {

class ExpressionBuilderDialog : public QDialog {
    Q_OBJECT

public:
    // `project` lists the object types for "объект"; `kind` and `n` name the object the
    // entry is about (n = 0: none).
    ExpressionBuilderDialog(BuilderMode mode, const Project& project, ObjectKind kind, int n,
                            QWidget* parent = nullptr);

    const ExpressionBuilder& builder() const { return builder_; }
    // The results of "Да"; empty until then.
    const BuiltText& result() const { return result_; }

    QLabel* label() const { return label_; }
    QLineEdit* leftField() const { return left_; }
    QLineEdit* rightField() const { return right_; }
    QComboBox* comparisonList() const { return comparison_; }
    QSpinBox* globalNumber() const { return global_; }
    // The typed text of mode "строка со значением", which the value follows.
    QLineEdit* rowTextField() const { return rowText_; }
    // A keypad or editing button by caption ("7", "модуль", "удалить", "очистить").
    QPushButton* button(const QString& caption) const;
    // The menus of "значение" and "объект".
    QMenu* valuesMenu() const { return valuesMenu_; }
    QMenu* objectsMenu() const { return objectsMenu_; }

    // Makes a field active as a click on it does.
    void activate(ExpressionBuilder::Field field);
    // Puts a value word (Windows-1251) at the cursor of the active field, or at the end of
    // the first field when none was clicked yet.
    void appendWord(const std::string& word);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& caption, QWidget* parent);
    void showFields();

    ExpressionBuilder builder_;
    BuiltText result_;
    QLabel* label_ = nullptr;
    QLineEdit* left_ = nullptr;
    QLineEdit* right_ = nullptr;
    QComboBox* comparison_ = nullptr;
    QSpinBox* global_ = nullptr;
    QLineEdit* rowText_ = nullptr;
    QMenu* valuesMenu_ = nullptr;
    QMenu* objectsMenu_ = nullptr;
    std::map<QString, QPushButton*> buttons_;
};

}  // namespace avizad
