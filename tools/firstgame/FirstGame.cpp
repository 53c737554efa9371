#include "FirstGame.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <optional>
#include <stdexcept>

#include "app/CentralArea.h"
#include "app/MainWindow.h"
#include "app/ObjectCatalogue.h"
#include "editors/ui/ActiveEditor.h"
#include "editors/ui/BackgroundEditor.h"
#include "editors/ui/MapGrid.h"
#include "events/ui/CatalogueMenus.h"
#include "events/ui/ConditionPanel.h"
#include "events/ui/EventGrid.h"
#include "events/ui/EventsEditor.h"
#include "events/ui/ObjectChoice.h"
#include "events/ui/ObjectNumberDialog.h"
#include "generator/BuildFolders.h"
#include "level/LevelGeometry.h"
#include "level/ui/LevelCanvasPanel.h"
#include "level/ui/LevelCanvasView.h"
#include "level/ui/ObjectCatalogueCommands.h"
#include "level/ui/ObjectPalette.h"
#include "main/EditorInstall.h"
#include "model/ui/QtText.h"
#include "pipeline/BuildCommands.h"
#include "pipeline/ui/ConsoleWindow.h"

namespace avizad::firstgame {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

// Processes events for a moment: repaints, queued calls.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

void click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, {}, at);
    settle();
}

void clickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

// Chooses a menu item by its path of captions ("видимость/невидимый").
void choose(QMenu* menu, const char* path) {
    QAction* action =
        menu == nullptr ? nullptr : CatalogueMenus::find(menu, QString::fromUtf8(path));
    if (action == nullptr || !action->isEnabled()) {
        fail(QStringLiteral("нет пункта меню «%1»").arg(QString::fromUtf8(path)));
    }
    action->trigger();
    settle();
}

}  // namespace

// What the author answers in the file dialogs and the modal dialogs, and the messages
// the editor showed.
struct FirstGame::Answers {
    QStringList images;  // the pictures asked for, in order
    std::function<void(QDialog&)> inDialog;
    QStringList messages;
};

FirstGame::FirstGame(fs::path programDir, fs::path images, fs::path projectFile, Picture picture)
    : programDir_(std::move(programDir)),
      images_(std::move(images)),
      projectFile_(std::move(projectFile)),
      picture_(std::move(picture)),
      answers_(std::make_unique<Answers>()) {
    Prompts prompts;
    prompts.openProjectFile = [](QWidget*, const QString&) { return QString(); };
    prompts.saveProjectFile = [this](QWidget*, const QString&) { return fromPath(projectFile_); };
    prompts.saveSampleCopy = [](QWidget*, const QString&, const QString&) { return QString(); };
    prompts.askSaveChanges = [](QWidget*) { return Prompts::SaveChoice::Discard; };
    prompts.showError = [this](QWidget*, const QString& text) { answers_->messages << text; };
    prompts.showInfo = prompts.showError;
    prompts.execDialog = [this](QDialog& dialog) {
        if (answers_->inDialog) {
            answers_->inDialog(dialog);
        } else {
            dialog.accept();
        }
        return dialog.result();
    };
    prompts.openImageFile = [this](QWidget*, const QString&) {
        return answers_->images.isEmpty() ? QString() : answers_->images.takeFirst();
    };
    prompts.chooseColor = [](QWidget*, const QColor&) { return QColor(); };

    window_ = std::make_unique<MainWindow>(programDir_, std::move(prompts));
    installObjectEditors(*window_);
    installLevelEditor(*window_);
    installEventsEditor(*window_);
    window_->resize(1024, 700);
    window_->show();
    settle();
}

FirstGame::~FirstGame() = default;

void FirstGame::picture(const QString& name, QWidget& shown, const QRect& part) {
    settle();
    if (picture_) {
        picture_(name, shown, part);
    }
}

QRect FirstGame::rightOfLevels(QWidget* below, int bottom) const {
    const int left = window_->centralArea()->mapTo(window_.get(), QPoint(0, 0)).x();
    const int lowest = below->mapTo(window_.get(), QPoint(0, bottom)).y();
    return QRect(left, 0, window_->width() - left, std::min(lowest, window_->height()));
}

void FirstGame::checkQuiet(const char* step) {
    if (!answers_->messages.isEmpty()) {
        const QString text = answers_->messages.join(QStringLiteral("; "));
        answers_->messages.clear();
        fail(QStringLiteral("%1: %2").arg(QString::fromUtf8(step), text));
    }
}

void FirstGame::newProject() {
    window_->action(Command::NewProject)->trigger();
    window_->action(Command::Save)->trigger();
    settle();
    if (window_->values().projectFile != projectFile_) {
        fail(QStringLiteral("проект не сохранён"));
    }
    // The commands of the two bars, up to "Размещение объектов".
    QToolBar* bar = window_->lowerBar();
    const QRect last = bar->actionGeometry(window_->action(Command::ShowLevel));
    const QPoint corner = bar->mapTo(window_.get(), last.bottomRight());
    picture(QStringLiteral("first-game-1-new"), *window_,
            QRect(0, 0, corner.x() + 8, corner.y() + 4));
    checkQuiet("Создать проект");
}

void FirstGame::makeGround() {
    answers_->images << fromPath(images_ / "ground.png");
    window_->action(Command::NewBackground)->trigger();
    settle();
    auto* editor = qobject_cast<BackgroundEditor*>(
        window_->centralArea()->panel(CentralPanel::BackgroundEditor));
    if (editor == nullptr || !editor->draft().imageLoaded) {
        fail(QStringLiteral("редактор фона не загрузил картинку"));
    }
    editor->tilesAcrossBox()->setValue(3);
    editor->tilesDownBox()->setValue(2);
    editor->columnsBox()->setValue(15);
    editor->rowsBox()->setValue(2);
    settle();
    // Two strokes: grass along the upper row, earth along the lower one.
    MapGrid* map = editor->mapGrid();
    const QSize cell = map->cellSize();
    const int tiles[] = {0, 1};  // grass, earth in the tile list
    for (int row = 0; row < 2; ++row) {
        QListWidget* list = editor->tileList();
        click(list->viewport(), list->visualItemRect(list->item(tiles[row])).center());
        const int y = row * cell.height() + cell.height() / 2;
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(cell.width() / 2, y));
        QTest::mouseMove(map, QPoint(cell.width() * 15 - cell.width() / 2, y));
        QTest::mouseRelease(map, Qt::LeftButton, {},
                            QPoint(cell.width() * 15 - cell.width() / 2, y));
        settle();
    }
    editor->nameEdit()->setText(QStringLiteral("земля"));
    clickButton(editor->kindButton(1));  // "Препятствие": the hero stands on it
    picture(QStringLiteral("first-game-2-ground"), *editor);
    editor->createAction()->trigger();
    settle();
    checkQuiet("фон «земля»");
    if (window_->project().backgroundCount != 1) {
        fail(QStringLiteral("фон не создан"));
    }
}

void FirstGame::makeHero() {
    answers_->images << fromPath(images_ / "person.png");
    window_->action(Command::NewActive)->trigger();
    settle();
    auto* editor =
        qobject_cast<ActiveEditor*>(window_->centralArea()->panel(CentralPanel::ActiveEditor));
    if (editor == nullptr || !editor->draft().hasImage()) {
        fail(QStringLiteral("редактор активных объектов не загрузил картинку"));
    }
    editor->frameCountBox()->setValue(8);
    editor->nameEdit()->setText(QStringLiteral("герой"));
    clickButton(editor->transparentBox());
    clickButton(editor->controlButton(2));  // "Человек ВС": seen from the side, walks and jumps
    picture(QStringLiteral("first-game-3-hero"), *editor);
    editor->createAction()->trigger();
    settle();
    checkQuiet("герой");
    if (window_->project().activeCount != 1) {
        fail(QStringLiteral("герой не создан"));
    }
}

void FirstGame::addControlEvent() {
    // The catalogue shows the new hero, selected: "Настройки" opens him again.
    auto* commands = window_->findChild<ObjectCatalogueCommands*>();
    if (commands == nullptr || window_->values().currentKind != ObjectKind::Active ||
        window_->values().selectedObject != 1) {
        fail(QStringLiteral("каталог не показывает героя"));
    }
    commands->editAction()->trigger();
    settle();
    auto* editor =
        qobject_cast<ActiveEditor*>(window_->centralArea()->panel(CentralPanel::ActiveEditor));
    if (editor == nullptr || editor->editedIndex() != 1 ||
        !editor->addControlEventButton()->isVisible()) {
        fail(QStringLiteral("нет кнопки «Добавить событие»"));
    }
    picture(QStringLiteral("first-game-4-control"), *editor);
    clickButton(editor->addControlEventButton());
    checkQuiet("Добавить событие");
    if (window_->project().eventTable.eventCount != 1) {
        fail(QStringLiteral("событие управления не добавлено"));
    }
    editor->close();
    settle();
}

void FirstGame::makeCoin() {
    answers_->images << fromPath(images_ / "coin.png");
    window_->action(Command::NewActive)->trigger();
    settle();
    auto* editor =
        qobject_cast<ActiveEditor*>(window_->centralArea()->panel(CentralPanel::ActiveEditor));
    if (editor == nullptr || !editor->draft().hasImage()) {
        fail(QStringLiteral("редактор активных объектов не загрузил картинку"));
    }
    editor->frameCountBox()->setValue(6);
    editor->nameEdit()->setText(QStringLiteral("монета"));
    clickButton(editor->transparentBox());
    editor->createAction()->trigger();
    settle();
    checkQuiet("монета");
    if (window_->project().activeCount != 2) {
        fail(QStringLiteral("монета не создана"));
    }
}

void FirstGame::placeObjects() {
    window_->action(Command::ShowLevel)->trigger();
    settle();
    auto* canvas =
        qobject_cast<LevelCanvasPanel*>(window_->centralArea()->panel(CentralPanel::LevelCanvas));
    auto* palette = window_->findChild<ObjectPalette*>();
    if (canvas == nullptr || palette == nullptr ||
        window_->centralArea()->current() != CentralPanel::LevelCanvas) {
        fail(QStringLiteral("нет холста уровня"));
    }
    const struct {
        ObjectKind kind;
        int slot;
        int x, y;
    } placed[] = {{ObjectKind::Background, 1, 0, kGroundY},
                  {ObjectKind::Active, 1, kHeroX, kHeroY},
                  {ObjectKind::Active, 2, kCoinX, kCoinY}};
    for (const auto& p : placed) {
        if (window_->values().currentKind != p.kind) {
            clickButton(window_->catalogue()->kindButton(p.kind));
        }
        QTest::mouseDClick(palette->list(), Qt::LeftButton, {},
                           palette->thumbnailRect(p.slot).center());
        settle();
        // A point inside the grid cell whose corner the placement snaps to (the widget's
        // (0, 0) would be taken for its centre by QTest).
        const int zoom = canvas->zoomBox()->value();
        const QPoint at(toCanvas(p.x, zoom) + 2, toCanvas(p.y, zoom) + 2);
        QTest::mouseMove(canvas->view(), at);
        click(canvas->view(), at);
    }
    const Level& level = window_->project().levels[1];
    if (level.backgroundPlacements.count() != 1 || level.activePlacements.count() != 2) {
        fail(QStringLiteral("объекты не расставлены"));
    }
    picture(QStringLiteral("first-game-5-canvas"), *window_,
            rightOfLevels(canvas->view(), canvas->view()->height() + 12));
    checkQuiet("расстановка");
}

void FirstGame::writeCollisionEvent() {
    window_->action(Command::ShowEvents)->trigger();
    settle();
    auto* events = qobject_cast<EventsEditor*>(window_->centralArea()->panel(CentralPanel::Events));
    if (events == nullptr) {
        fail(QStringLiteral("нет редактора событий"));
    }
    const int event = window_->project().eventTable.eventCount + 1;
    events->newEventButton()->trigger();
    settle();
    // The hero's menu in the list of active objects; the other object by name.
    answers_->inDialog = [](QDialog& dialog) {
        auto* number = qobject_cast<ObjectNumberDialog*>(&dialog);
        if (number == nullptr || number->choice() == nullptr) {
            dialog.reject();
            return;
        }
        number->choice()->setCurrentIndex(number->choice()->findText(QStringLiteral("2: монета")));
        QTest::mouseClick(number->yesButton(), Qt::LeftButton);
    };
    choose(events->conditionPanel()->openObject(ObjectKind::Active, 1),
           "столкновение/с активным объектом");
    answers_->inDialog = {};
    if (window_->project().eventTable.eventCount != event) {
        fail(QStringLiteral("условие не записано"));
    }
    // The coin's column of the new event: "Новое действие" → "видимость" → "невидимый".
    if (window_->values().currentKind != ObjectKind::Active) {
        clickButton(window_->catalogue()->kindButton(ObjectKind::Active));
    }
    EventGrid* grid = events->grid();
    click(grid->viewport(), grid->cellRect(3, event).center());
    QListWidget* list = events->cellList();
    if (!list->isVisible() || list->count() == 0) {
        fail(QStringLiteral("нет списка «Новое действие»"));
    }
    click(list->viewport(), list->visualItemRect(list->item(list->count() - 1)).center());
    choose(events->openMenu(), "видимость/невидимый");
    checkQuiet("событие");
    if (window_->project().eventTable.events[event].activeActions[2].count() != 1) {
        fail(QStringLiteral("действие не записано"));
    }
    // The coin's cell once more: its list shows the action.
    click(grid->viewport(), grid->cellRect(3, event).center());
    picture(QStringLiteral("first-game-6-event"), *window_,
            rightOfLevels(list, list->height() + 16));
}

void FirstGame::makeAll() {
    newProject();
    makeGround();
    makeHero();
    addControlEvent();
    makeCoin();
    placeObjects();
    writeCollisionEvent();
    window_->action(Command::Save)->trigger();
    settle();
    checkQuiet("Сохранить");
}

bool FirstGame::compile(int seconds) {
    ConsoleWindow* console = window_->console();
    std::optional<bool> made;
    const auto connection = QObject::connect(window_.get(), &MainWindow::buildFinished,
                                             [&made](bool archive) { made = archive; });
    window_->action(Command::Compile)->trigger();
    QElapsedTimer timer;
    timer.start();
    while (!made.has_value() && timer.elapsed() < seconds * 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QObject::disconnect(connection);
    console->resize(720, 400);  // as an author widens it to read the lines
    settle();
    // Its last two lines (the lines above name the build's scratch folders) and its button.
    QPlainTextEdit* area = console->textArea();
    area->moveCursor(QTextCursor::End);
    area->ensureCursorVisible();
    QTextBlock block = area->document()->lastBlock();
    for (int lines = 0; block.isValid() && block.previous().isValid();) {
        if (!block.text().trimmed().isEmpty() && ++lines == 2) {
            break;
        }
        block = block.previous();
    }
    const int top =
        area->viewport()->mapTo(console, area->cursorRect(QTextCursor(block)).topLeft()).y();
    picture(QStringLiteral("first-game-7-compile"), *console,
            QRect(0, top, console->width(), console->height() - top));
    return made.value_or(false);
}

fs::path FirstGame::jar() const {
    return archivePath(BuildFolders(programDir_), window_->project().midletName);
}

}  // namespace avizad::firstgame
