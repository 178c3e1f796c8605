#pragma once

#include "ui/cli/language.h"

#include <QMainWindow>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QKeySequence;
class QMenu;
class QScrollArea;

namespace monocl {

class Toptmono;

class DesignDocument;
struct MonoclState;

// The program's top-level window: a menu bar above the window's fixed
// layout, which sits in a scroll area, so that on a screen smaller than the
// layout every control can still be reached. The design file behind the
// window is its document: the title names it and marks unsaved changes.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(std::unique_ptr<Toptmono> form, MonoclState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    Toptmono* form() const { return m_form; }
    QScrollArea* scrollArea() const { return m_scroll; }
    DesignDocument* document() const { return m_document; }

    // Opens a design file; one that cannot be opened is told in a box and
    // changes nothing.
    bool openFile(const QString& path);

    // Speaks the language from now on, and remembers it for the next start;
    // every text changes at once, no input or result does.
    void setLanguage(Language language);

    // Sizes the window to the layout, or to the available area of the screen
    // it opens on when that is smaller, and places it with its frame and title
    // bar on that screen.
    void fitToScreen();

protected:
    // Unsaved changes are offered to be saved first.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void createMenus();
    void createEditMenu();
    void createDrawingMenu();
    template <class Value>
    struct MenuChoice
    {
        const char* name;
        const char* text;
        Value value;
    };
    template <class Value>
    void addChoices(QMenu* menu, std::initializer_list<MenuChoice<Value>> choices, Value current,
                    const std::function<void(Value)>& choose);
    QMenu* addMenu(const char* text);
    QAction* addAction(QMenu* menu, const char* name, const char* text, const QKeySequence& keys,
                       const std::function<void()>& command);
    void retranslateMenus();
    void showDocumentState();
    // The program's icon at start-up, in the application or the window, is
    // given all its sizes.
    void completeIcon();
    // Whether the window may close or another file replace the design:
    // asks, and saves, when there are unsaved changes.
    bool mayDiscardChanges();

    Toptmono* m_form = nullptr;
    QScrollArea* m_scroll = nullptr;
    DesignDocument* m_document = nullptr;
    bool m_painted = false;
    // Each menu's and action's Russian text, for the window's language.
    std::vector<std::pair<QAction*, const char*>> m_texts;
};

// The program's icon in all its sizes, or in the small ones only (up to 64
// pixels), which a window's frame and a task bar show. Seven pictures are
// decoded and sent to the display at once; the two largest are nine tenths
// of their pixels. A program starts with the small sizes, and its window
// gives all of them once its first frame is out.
enum class IconSizes { All, Small };
QIcon programIcon(IconSizes sizes = IconSizes::Small);

} // namespace monocl
