#include "main_window.h"

#include "design_document.h"
#include "monoclForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <functional>

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

MainWindow::MainWindow(std::unique_ptr<Toptmono> form, MonoclState& state, QWidget* parent)
    : QMainWindow(parent)
    , m_form(form.release())
    , m_document(new DesignDocument(*m_form, state, this))
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

    connect(m_form, &Toptmono::recomputed, this, &MainWindow::showDocumentState);
    connect(m_document, &DesignDocument::filePathChanged, this, &MainWindow::showDocumentState);
}

MainWindow::~MainWindow() = default;

bool MainWindow::openFile(const QString& path)
{
    const bool opened = m_document->openFile(path, this);
    showDocumentState();
    return opened;
}

void MainWindow::showDocumentState()
{
    const QString path = m_document->filePath();
    if (path.isEmpty()) {
        setWindowTitle(m_form->windowTitle());
        return;
    }
    // The file's name first, as desktop programs name their documents; Qt
    // shows the mark in place of [*] while the window is modified.
    setWindowTitle(QStringLiteral("%1[*] — %2")
                       .arg(QFileInfo(path).fileName(), m_form->windowTitle().trimmed()));
    setWindowModified(m_document->isModified());
}

bool MainWindow::mayDiscardChanges()
{
    if (!m_document->isModified())
        return true;
    const QString path = m_document->filePath();
    const QString question = path.isEmpty()
        ? QStringLiteral("Сохранить изменения в проекте?")
        : QStringLiteral("Сохранить изменения в проекте «%1»?").arg(QFileInfo(path).fileName());
    QMessageBox box(QMessageBox::Question, QStringLiteral("monocl"), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("unsavedChangesBox"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: {
        const bool saved = m_document->save(this);
        showDocumentState();
        return saved;
    }
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (mayDiscardChanges())
        event->accept();
    else
        event->ignore();
}

void MainWindow::createFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    const auto add = [&](const char* name, const QString& text, const QKeySequence& keys,
                         const std::function<void()>& command) {
        QAction* action = file->addAction(text, this, [this, command] {
            command();
            showDocumentState();
        });
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        return action;
    };
    add("actionOpen", QStringLiteral("Открыть…"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
        if (mayDiscardChanges())
            m_document->open(this);
    });
    add("actionSave", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S),
        [this] { m_document->save(this); });
    add("actionSaveAs", QStringLiteral("Сохранить как…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { m_document->saveAs(this); });
    file->addSeparator();
    add("actionReportPdf", QStringLiteral("Отчёт в PDF…"), QKeySequence(),
        [this] { m_document->exportReportPdf(this); });
    add("actionPrint", QStringLiteral("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P),
        [this] { m_document->print(this); });
    file->addSeparator();
    add("actionExportCsv", QStringLiteral("Экспорт таблиц в CSV…"), QKeySequence(),
        [this] { m_document->exportCsv(this); });
    add("actionExportSvg", QStringLiteral("Экспорт чертежа в SVG…"), QKeySequence(),
        [this] { m_document->exportSvg(this); });
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("Выход"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainWindow::createMenus()
{
    createFileMenu();

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
