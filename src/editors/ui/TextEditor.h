#pragma once
// The text object editor "Создание текстовых объектов": font face, size, style and
// colour, up to twelve lines of text, the name and the properties, with a picture of
// the text as the game shows it. Face, size, style and colour carry over to the next
// new object.

#include "editors/TextDraft.h"
#include "editors/ui/EditorPanel.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QToolButton;

namespace avizad {

class TextPictureView;

class TextEditor : public EditorPanel {
    Q_OBJECT

public:
    TextEditor(ProjectDocument& document, EditorHost& host, QWidget* parent = nullptr);

    // Opens the colour dialog for the field "Цвет:".
    void chooseColor();

    const TextDraft& draft() const { return draft_; }
    QLineEdit* nameEdit() const { return name_; }
    QPlainTextEdit* textBox() const { return text_; }
    QRadioButton* faceButton(int kind) const { return faces_[kind - 1]; }
    QRadioButton* sizeButton(int size) const { return sizes_[size]; }
    QCheckBox* boldBox() const { return bold_; }
    QCheckBox* italicBox() const { return italic_; }
    QCheckBox* underlineBox() const { return underline_; }
    QToolButton* colorField() const { return color_; }
    TextPictureView* pictureView() const { return picture_; }

protected:
    void reset() override;
    void load(int index) override;

private:
    // Reads the controls into the draft; false (with a message) when the text is too long.
    bool takeControls() override;
    void storeInto(Project& project, int index) const override;
    void showControls();
    void showColor();
    void refreshPicture();

    TextDraft draft_;
    QLineEdit* name_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QButtonGroup* faceGroup_ = nullptr;
    QButtonGroup* sizeGroup_ = nullptr;
    QRadioButton* faces_[3] = {};
    QRadioButton* sizes_[3] = {};
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QToolButton* color_ = nullptr;
    TextPictureView* picture_ = nullptr;
};

}  // namespace avizad
