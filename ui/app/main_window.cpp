#include "main_window.h"

#include "design_document.h"
#include "ui/report/drawing_settings_dialog.h"
#include "ui/cli/language.h"
#include "ui/window/monoclForm.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

#include <functional>
#include <utility>

namespace monocl {

namespace {

// What a window manager's frame adds around the window, as far as it can be
// known before the window is shown.
constexpr int FrameWidth = 8;
constexpr int TitleBarHeight = 40;

// Below this the window is no longer of use; the scroll bars do the rest.
const QSize MinimumSize(480, 360);

} // namespace

namespace {

constexpr int IconSizeList[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int LargestSmallIcon = 64;

bool isSmallProgramIcon(const QIcon& icon)
{
    QList<QSize> small;
    for (int size : IconSizeList)
        if (size <= LargestSmallIcon)
            small.append(QSize(size, size));
    return !icon.isNull() && icon.availableSizes() == small;
}

} // namespace

QIcon programIcon(IconSizes sizes)
{
    QIcon icon;
    for (int size : IconSizeList) {
        if (sizes == IconSizes::Small && size > LargestSmallIcon)
            continue;
        // Read as the PNG it is: asked whether they know the file, the image
        // plugins would each be loaded first, which takes longer than the
        // pictures.
        QImageReader reader(QStringLiteral(":/icons/monocl-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

MainWindow::MainWindow(std::unique_ptr<Toptmono> form, MonoclState& state, QWidget* parent)
    : QMainWindow(parent)
    , m_form(form.release())
    , m_document(new DesignDocument(*m_form, state, this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(m_form->windowTitle());
    // The icon's pictures are decoded as they are added: a program that gave
    // the application its icon has given it to this window too.
    if (QApplication::windowIcon().isNull())
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
    const bool modified = m_document->isModified();
    // The file's name first, as desktop programs name their documents; Qt
    // shows the mark in place of [*] while the window is modified. Without a
    // file the title is the program's own, marked in front when changed.
    if (path.isEmpty())
        setWindowTitle(modified ? QStringLiteral("*") + m_form->windowTitle() : m_form->windowTitle());
    else
        setWindowTitle(QStringLiteral("%1[*] — %2")
                           .arg(QFileInfo(path).fileName(), m_form->windowTitle().trimmed()));
    setWindowModified(modified);
}

bool MainWindow::mayDiscardChanges()
{
    if (!m_document->isModified())
        return true;
    const QString path = m_document->filePath();
    const QString question = path.isEmpty()
        ? QCoreApplication::translate("MainWindow", "Сохранить изменения в проекте?")
        : QCoreApplication::translate("MainWindow", "Сохранить изменения в проекте «%1»?").arg(QFileInfo(path).fileName());
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

QMenu* MainWindow::addMenu(const char* text)
{
    QMenu* menu = menuBar()->addMenu(QString());
    m_texts.push_back({menu->menuAction(), text});
    return menu;
}

QAction* MainWindow::addAction(QMenu* menu, const char* name, const char* text,
                               const QKeySequence& keys, const std::function<void()>& command)
{
    QAction* action = menu->addAction(QString(), this, [this, command] {
        command();
        showDocumentState();
    });
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    m_texts.push_back({action, text});
    return action;
}

// One checkable action a value, one of them checked at a time.
template <class Value>
void MainWindow::addChoices(QMenu* menu, std::initializer_list<MenuChoice<Value>> choices, Value current,
                            const std::function<void(Value)>& choose)
{
    auto* group = new QActionGroup(this);
    for (const MenuChoice<Value>& choice : choices) {
        const Value value = choice.value;
        QAction* action = addAction(menu, choice.name, choice.text, QKeySequence(),
                                    [choose, value] { choose(value); });
        action->setCheckable(true);
        action->setChecked(current == value);
        group->addAction(action);
    }
}

void MainWindow::createMenus()
{
    QMenu* file = addMenu(QT_TRANSLATE_NOOP("MainWindow", "Файл"));
    addAction(file, "actionOpen", QT_TRANSLATE_NOOP("MainWindow", "Открыть…"),
              QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
                  if (mayDiscardChanges())
                      m_document->open(this);
              });
    addAction(file, "actionSave", QT_TRANSLATE_NOOP("MainWindow", "Сохранить"),
              QKeySequence(Qt::CTRL | Qt::Key_S), [this] { m_document->save(this); });
    addAction(file, "actionSaveAs", QT_TRANSLATE_NOOP("MainWindow", "Сохранить как…"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { m_document->saveAs(this); });
    file->addSeparator();
    addAction(file, "actionReportPdf", QT_TRANSLATE_NOOP("MainWindow", "Отчёт в PDF…"), QKeySequence(),
              [this] { m_document->exportReportPdf(this); });
    addAction(file, "actionPrint", QT_TRANSLATE_NOOP("MainWindow", "Печать…"),
              QKeySequence(Qt::CTRL | Qt::Key_P), [this] { m_document->print(this); });
    file->addSeparator();
    addAction(file, "actionExportCsv", QT_TRANSLATE_NOOP("MainWindow", "Экспорт таблиц в CSV…"),
              QKeySequence(), [this] { m_document->exportCsv(this); });
    addAction(file, "actionExportSvg", QT_TRANSLATE_NOOP("MainWindow", "Экспорт чертежа в SVG…"),
              QKeySequence(), [this] { m_document->exportSvg(this); });
    QMenu* exchange = file->addMenu(QString());
    m_texts.push_back({exchange->menuAction(), QT_TRANSLATE_NOOP("MainWindow", "Экспорт")});
    addAction(exchange, "actionExportZemax", QT_TRANSLATE_NOOP("MainWindow", "Zemax (.zmx)…"), QKeySequence(),
              [this] { m_document->exportZemax(this); });
    addAction(exchange, "actionExportPrescription", QT_TRANSLATE_NOOP("MainWindow", "Рецепт линзы (.txt)…"),
              QKeySequence(), [this] { m_document->exportPrescription(this); });
    file->addSeparator();
    addAction(file, "actionQuit", QT_TRANSLATE_NOOP("MainWindow", "Выход"),
              QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

    createEditMenu();
    createDrawingMenu();

    QMenu* language = addMenu(QT_TRANSLATE_NOOP("MainWindow", "Язык / Language"));
    addChoices<Language>(language,
                         {{"actionRussian", QT_TRANSLATE_NOOP("MainWindow", "Русский"), Language::Russian},
                          {"actionEnglish", QT_TRANSLATE_NOOP("MainWindow", "English"), Language::English},
                          {"actionSystemLanguage", QT_TRANSLATE_NOOP("MainWindow", "Как в системе"), Language::System}},
                         rememberedLanguage(), [this](Language chosen) { setLanguage(chosen); });

    QMenu* help = addMenu(QT_TRANSLATE_NOOP("MainWindow", "Справка"));
    addAction(help, "actionNotes", QT_TRANSLATE_NOOP("MainWindow", "Примечания"),
              QKeySequence(Qt::Key_F1), [this] { m_form->showNotes(); });
    addAction(help, "actionAbout", QT_TRANSLATE_NOOP("MainWindow", "О программе"), QKeySequence(),
              [this] { m_form->showAbout(); });
    retranslateMenus();
}

void MainWindow::createEditMenu()
{
    QMenu* edit = addMenu(QT_TRANSLATE_NOOP("MainWindow", "Правка"));
    QMenu* check = edit->addMenu(QString());
    m_texts.push_back({check->menuAction(), QT_TRANSLATE_NOOP("MainWindow", "Проверять ввод")});
    const InputCheck remembered = rememberedInputCheck();
    m_form->setInputCheck(remembered);
    addChoices<InputCheck>(
        check,
        {{"actionCheckEveryKey", QT_TRANSLATE_NOOP("MainWindow", "при каждом нажатии (как всегда)"), InputCheck::EveryKey},
         {"actionCheckOnCommit", QT_TRANSLATE_NOOP("MainWindow", "по Enter и при уходе из поля"), InputCheck::OnCommit}},
        remembered, [this](InputCheck chosen) {
            rememberInputCheck(chosen);
            m_form->setInputCheck(chosen);
        });
}

void MainWindow::createDrawingMenu()
{
    QMenu* drawing = addMenu(QT_TRANSLATE_NOOP("MainWindow", "Чертеж"));
    QMenu* lens = drawing->addMenu(QString());
    m_texts.push_back({lens->menuAction(), QT_TRANSLATE_NOOP("MainWindow", "Линза чертежа")});
    MonoclDocument& document = m_form->document();
    addChoices<DrawingLens>(
        lens,
        {{"actionDrawingLensAutomatic", QT_TRANSLATE_NOOP("MainWindow", "уточненная лучами, когда найдена"), DrawingLens::Automatic},
         {"actionDrawingLensRefined", QT_TRANSLATE_NOOP("MainWindow", "уточненная лучами"), DrawingLens::Refined},
         {"actionDrawingLensThirdOrder", QT_TRANSLATE_NOOP("MainWindow", "третьего порядка"), DrawingLens::ThirdOrder}},
        document.drawingSettings().lens, [&document](DrawingLens chosen) {
            DrawingSettings settings = document.drawingSettings();
            settings.lens = chosen;
            document.setDrawingSettings(settings, false);
        });
    // A file opened may bring another choice.
    connect(lens, &QMenu::aboutToShow, this, [lens, &document] {
        const QList<QAction*> actions = lens->actions();
        for (qsizetype i = 0; i < actions.size(); ++i)
            actions[i]->setChecked(static_cast<int>(document.drawingSettings().lens) == i);
    });
    addAction(drawing, "actionDrawingSettings", QT_TRANSLATE_NOOP("MainWindow", "Параметры чертежа…"),
              QKeySequence(), [this] { editDrawingSettings(m_form->document(), this); });
}

void MainWindow::retranslateMenus()
{
    for (const auto& [action, text] : m_texts)
        action->setText(QCoreApplication::translate("MainWindow", text));
}

void MainWindow::setLanguage(Language language)
{
    rememberLanguage(language);
    installTranslations();
    // The window's texts change at once, not when the event loop next runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

bool MainWindow::event(QEvent* event)
{
    // The zero timer runs once the frame this paint belongs to is out.
    if (event->type() == QEvent::Paint && !std::exchange(m_painted, true))
        QTimer::singleShot(0, this, &MainWindow::completeIcon);
    return QMainWindow::event(event);
}

void MainWindow::completeIcon()
{
    // An icon other than the program's start icon is left as it was given.
    if (isSmallProgramIcon(QApplication::windowIcon()))
        QApplication::setWindowIcon(programIcon(IconSizes::All));
    if (isSmallProgramIcon(windowIcon()))
        setWindowIcon(programIcon(IconSizes::All));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateMenus();
        showDocumentState();
    }
    QMainWindow::changeEvent(event);
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
