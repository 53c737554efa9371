#pragma once
// What the four object editors share: the panel with its title and close button, the
// tool bar, the property grid, PNG files dropped from the file manager, and the
// project document, prompts and program folder they work with.

#include <QWidget>
#include <functional>

#include "app/ProjectDocument.h"
#include "app/Prompts.h"
#include "model/Image.h"

class QToolBar;
class QVBoxLayout;

namespace avizad {

class MainWindow;
class PropertyGrid;

class EditorPanel : public QWidget {
    Q_OBJECT

public:
    EditorPanel(MainWindow& window, const QString& title, QWidget* parent = nullptr);

    QToolBar* toolBar() const { return toolBar_; }
    PropertyGrid* propertyGrid() const { return properties_; }
    // Hides the panel without storing anything (its close button).
    void close();

protected:
    ProjectDocument& document() const { return *document_; }
    const Prompts& prompts() const;
    QVBoxLayout* body() const { return body_; }
    // The folder the image dialogs open in: "images" beside the program.
    QString imagesFolder() const;
    // Asks for a PNG file in the images folder; empty when cancelled.
    QString askImageFile();
    // Reads a PNG file; a file that cannot be read shows its message and gives false.
    bool readImage(const QString& file, Image& image);
    void showError(const QString& text);
    void showInfo(const QString& text);
    // Refuses a new object with a message when the kind's table is full.
    bool roomForNew(ObjectKind kind);
    // Stores an edit as one command of the document and hides the panel; false when
    // the document recorded nothing.
    bool store(const QString& text, const ProjectParts& parts,
               const std::function<void(Project&)>& change);
    // A PNG file dropped on the panel; editors without pictures ignore it.
    virtual void imageDropped(const QString& file) { (void)file; }

    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    MainWindow& window_;
    ProjectDocument* document_;
    QToolBar* toolBar_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    PropertyGrid* properties_ = nullptr;
};

}  // namespace avizad
