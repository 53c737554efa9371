#pragma once
// The indicator object editor "Создание объектов-индикаторов": a bar picture of two
// equal halves, its amount, name and properties. Save changes also keeps the picture
// in the project's "objects" folder.

#include "editors/IndicatorDraft.h"
#include "editors/ui/EditorPanel.h"

class QAction;
class QLineEdit;
class QSpinBox;

namespace avizad {

class ImageView;

class IndicatorEditor : public EditorPanel {
    Q_OBJECT

public:
    IndicatorEditor(ProjectDocument& document, EditorHost& host, QWidget* parent = nullptr);

    // Asks for a PNG; a cancelled dialog loads the file picked before in this run again.
    void openImage();
    void loadImageFile(const QString& file);

    const IndicatorDraft& draft() const { return draft_; }
    QAction* openImageAction() const { return openImage_; }
    QLineEdit* nameEdit() const { return name_; }
    QSpinBox* amountBox() const { return amount_; }
    ImageView* imageView() const { return view_; }

protected:
    void imageDropped(const QString& file) override { loadImageFile(file); }

    void reset() override;
    void askForPicture() override { openImage(); }
    void load(int index) override;

private:
    QString missingContent() const override;
    bool openedObjectStorable() const override;
    bool takeControls() override;
    void storeInto(Project& project, int index) const override;
    bool changeStored() override;

    IndicatorDraft draft_;
    QAction* openImage_ = nullptr;
    QLineEdit* name_ = nullptr;
    QSpinBox* amount_ = nullptr;
    ImageView* view_ = nullptr;
};

}  // namespace avizad
