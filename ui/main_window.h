#pragma once

#include <QMainWindow>

#include <memory>

class QScrollArea;
class Toptmono;

namespace monocl {

// The program's top-level window: a menu bar above the window's fixed
// layout, which sits in a scroll area, so that on a screen smaller than the
// layout every control can still be reached.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(std::unique_ptr<Toptmono> form, QWidget* parent = nullptr);
    ~MainWindow() override;

    Toptmono* form() const { return m_form; }
    QScrollArea* scrollArea() const { return m_scroll; }

    // Sizes the window to the layout, or to the available area of the screen
    // it opens on when that is smaller, and places it with its frame and title
    // bar on that screen.
    void fitToScreen();

private:
    void createMenus();

    Toptmono* m_form = nullptr;
    QScrollArea* m_scroll = nullptr;
};

// The program's icon in all its sizes.
QIcon programIcon();

} // namespace monocl
