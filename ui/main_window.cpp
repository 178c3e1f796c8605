#include "main_window.h"

#include "monoclForm.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace monocl {

namespace {

// What a window manager's frame adds around the window, as far as it can be
// known before the window is shown.
constexpr int FrameWidth = 8;
constexpr int TitleBarHeight = 40;

// Below this the window is no longer of use; the scroll bars do the rest.
const QSize MinimumSize(480, 360);

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/monocl-%1.png").arg(size), QSize(size, size));
    return icon;
}

MainWindow::MainWindow(std::unique_ptr<Toptmono> form, QWidget* parent)
    : QMainWindow(parent)
    , m_form(form.release())
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(m_form->windowTitle());
    setWindowIcon(programIcon());
    setPalette(m_form->palette());

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("layoutScrollArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setWidgetResizable(false);
    // A click on the layout's background must not take the focus from the
    // field being edited, as it would not without the scroll area.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(m_form);
    setCentralWidget(m_scroll);

    createMenus();
    setMinimumSize(MinimumSize);
    resize(sizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    QAction* quit = file->addAction(QStringLiteral("Выход"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
    QAction* notes = help->addAction(QStringLiteral("Примечания"), m_form, &Toptmono::showNotes);
    notes->setObjectName(QStringLiteral("actionNotes"));
    notes->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* about = help->addAction(QStringLiteral("О программе"), m_form, &Toptmono::showAbout);
    about->setObjectName(QStringLiteral("actionAbout"));
}

void MainWindow::fitToScreen()
{
    const QSize layout = m_form->size() + QSize(0, menuBar()->sizeHint().height());
    const QScreen* screen = this->screen();
    if (!screen) {
        resize(layout);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize room(available.width() - 2 * FrameWidth,
                     available.height() - TitleBarHeight - FrameWidth);
    // Where one direction must scroll, its scroll bar takes room from the
    // other; the window grows by it if the screen allows.
    QSize wanted = layout;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (layout.height() > room.height())
        wanted.rwidth() += bar;
    if (layout.width() > room.width())
        wanted.rheight() += bar;
    const QSize size = wanted.boundedTo(room).expandedTo(MinimumSize.boundedTo(room));
    resize(size);
    // The frame's top left, centred in what is left, never above or left of
    // the available area.
    const QSize frame = size + QSize(2 * FrameWidth, TitleBarHeight + FrameWidth);
    const QPoint offset(std::max(0, (available.width() - frame.width()) / 2),
                        std::max(0, (available.height() - frame.height()) / 2));
    move(available.topLeft() + offset);
}

} // namespace monocl
