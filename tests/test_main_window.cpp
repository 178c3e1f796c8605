// The program's top-level window: the scroll area around the layout, the
// menus and shortcuts, and what a desktop expects of a window.
#include "ui/app/design_document.h"
#include "ui/app/main_window.h"
#include "ui/window/monoclForm.h"
#include "ui/widgets/spin_edit.h"
#include "ui/app/startup.h"
#include "ui/widgets/kept_background.h"
#include "ui/widgets/track_bar.h"

#include "window_fixture.h"
#include "qt_print.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;
using namespace monocl::testing;

namespace {

class TopLevel : public MainWindowFixture
{
protected:
    QAction* action(const char* name) const { return find<QAction>(name); }
};

} // namespace

TEST_F(TopLevel, TitleAndIcon)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Выбор наилучших конструктивных параметров монокля "));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_FALSE(window->windowIcon().pixmap(48, 48).isNull());
}

TEST_F(TopLevel, EveryControlReachableInASmallWindow)
{
    window->resize(600, 420);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QScrollArea* scroll = window->scrollArea();
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    auto* tabs = find<QTabWidget>("PageControl1");
    for (int tab : {0, 1}) {
        tabs->setCurrentIndex(tab);
        for (const char* name : {"FSpin", "OtSpin", "Sf1", "fp1", "RB2", "MonGrid", "iff", "Sfp4",
                                 "VmaxSP", "PrognozGrid", "recom"}) {
            auto* control = form->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(control, nullptr) << name;
            if (!control->isVisible())
                continue;
            // Scrolled as far as needed to bring the control's far corner in.
            const QRect inForm(control->mapTo(form, QPoint(0, 0)), control->size());
            const QSize viewSize = scroll->viewport()->size();
            scroll->horizontalScrollBar()->setValue(
                std::max(0, std::min(inForm.left(), inForm.right() + 1 - viewSize.width())));
            scroll->verticalScrollBar()->setValue(
                std::max(0, std::min(inForm.top(), inForm.bottom() + 1 - viewSize.height())));
            const QRect inViewport(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
            const QRect view = scroll->viewport()->rect();
            // Whole when it fits, else at least in part.
            if (control->width() <= view.width() && control->height() <= view.height())
                EXPECT_TRUE(view.contains(inViewport)) << name;
            else
                EXPECT_TRUE(view.intersects(inViewport)) << name;
        }
    }
    // The bottom of the design table can be scrolled to.
    tabs->setCurrentIndex(0);
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    auto* grid = form->findChild<QWidget*>(QStringLiteral("MonGrid"));
    const QPoint gridBottom = grid->mapTo(scroll->viewport(), QPoint(0, grid->height()));
    EXPECT_LE(gridBottom.y(), scroll->viewport()->height());
}

// The track bars, the real-number fields and the nearest-glass line paint a
// kept picture of what is behind them; what reaches the screen must be what
// see-through widgets give, after moves and typing, after the window is
// narrowed and scrolled, and after the palette changes.
TEST_F(TopLevel, KeptBackgroundsLookAsSeeThrough)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* tabs = find<QTabWidget>("PageControl1");
    tabs->setCurrentIndex(0);
    const QList<TrackBar*> bars = {find<TrackBar>("KsfBar"), find<TrackBar>("KxrBar")};
    auto* nd = find<QLineEdit>("NDedit");
    const QList<QWidget*> kept = {bars[0], bars[1], nd, find<QLabel>("nearestGlass")};
    auto* scroll = window->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);

    // What the backing store holds around them, taken once with the kept
    // backgrounds and once see-through.
    const auto shown = [&] {
        QApplication::processEvents();
        QRect around;
        for (const QWidget* w : kept)
            around |= QRect(w->mapTo(window.get(), QPoint()), w->size()).adjusted(-10, -10, 10, 10);
        const QRect area = around & scroll->viewport()->rect().translated(scroll->viewport()->mapTo(window.get(), QPoint()));
        EXPECT_GT(area.width() * area.height(), 2000) << "the widgets are out of sight";
        return window->screen()->grabWindow(window->winId()).toImage().copy(area);
    };
    const QList<KeptBackground*> backgrounds = form->findChildren<KeptBackground*>();
    for (QWidget* w : kept)
        EXPECT_NE(w->findChild<KeptBackground*>(), nullptr) << w->objectName().toStdString();
    const auto setKept = [&](bool keep) {
        for (KeptBackground* background : backgrounds)
            background->setKept(keep);
    };
    const auto expectSeeThroughLook = [&](const char* step) {
        const QImage withKept = shown();
        setKept(false);
        const QImage seeThrough = shown();
        setKept(true);
        QApplication::processEvents(); // the pictures are taken again here
        ASSERT_FALSE(withKept.isNull()) << step;
        EXPECT_EQ(withKept, seeThrough) << step;
    };

    const QChar sep = QChar::fromLatin1(form->decimalSeparator());
    for (int position : {0, 37, 61, 100}) {
        bars[0]->setValue(position);
        bars[1]->setValue(100 - position);
        nd->setText(QStringLiteral("1") + sep + QStringLiteral("5") + QString::number(position));
        expectSeeThroughLook("moved and typed");
    }
    nd->setFocus();
    expectSeeThroughLook("focused");
    window->resize(500, 330);
    scroll->ensureWidgetVisible(bars[1], 0, 0);
    bars[0]->setValue(20);
    expectSeeThroughLook("scrolled");

    QPalette tinted = form->palette();
    tinted.setColor(QPalette::Window, QColor(200, 230, 200));
    tinted.setColor(QPalette::Button, QColor(250, 240, 220));
    const QImage untinted = shown();
    form->setPalette(tinted);
    ASSERT_NE(shown(), untinted);
    expectSeeThroughLook("repainted");
}

// The first frame paints what is behind the kept widgets anyway, so they
// take their pictures only when painted alone: the frame behind the field
// is painted once, not once more for each picture. From then on a change of
// the field repaints it alone.
TEST_F(TopLevel, KeptBackgroundsSeeThroughUntilTheFirstFrame)
{
    struct PaintCount : QObject
    {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    };
    auto* nd = find<QLineEdit>("NDedit");
    const QList<QWidget*> kept = {find<TrackBar>("KsfBar"), nd, find<QLabel>("nearestGlass")};
    for (const QWidget* w : kept)
        EXPECT_FALSE(w->testAttribute(Qt::WA_OpaquePaintEvent)) << w->objectName().toStdString();
    PaintCount behind;
    nd->parentWidget()->installEventFilter(&behind);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::processEvents();
    EXPECT_EQ(behind.paints, 1);
    for (const QWidget* w : kept)
        EXPECT_TRUE(w->testAttribute(Qt::WA_OpaquePaintEvent)) << w->objectName().toStdString();
    const struct {
        const char* step;
        int paintsBehind;
    } typing[] = {{"typed, the picture taken", 1}, {"typed again", 0}};
    for (const auto& typed : typing) {
        nd->setText(nd->text() + QLatin1Char('1'));
        behind.paints = 0;
        QApplication::processEvents();
        EXPECT_EQ(behind.paints, typed.paintsBehind) << typed.step;
    }
}

TEST_F(TopLevel, LoneRadioButtonStaysChecked)
{
    window->show();
    auto* fp1 = find<QRadioButton>("fp1");
    const long runs = form->recomputeRuns();
    QTest::mouseClick(fp1, Qt::LeftButton);
    QTest::mouseClick(fp1, Qt::LeftButton);
    EXPECT_TRUE(fp1->isChecked());
    EXPECT_EQ(form->recomputeRuns(), runs) << "a checked button's click changes nothing";
}

TEST_F(TopLevel, DisabledControlsLookDisabled)
{
    const QPalette enabled = find<QRadioButton>("Sf1")->palette();
    const QPalette disabled = find<QRadioButton>("Sf2")->palette();
    EXPECT_FALSE(find<QRadioButton>("Sf2")->isEnabled());
    EXPECT_NE(disabled.color(QPalette::Disabled, QPalette::WindowText),
              enabled.color(QPalette::Active, QPalette::WindowText));
    EXPECT_EQ(enabled.color(QPalette::Active, QPalette::Window), QColor(240, 240, 240));
}

TEST_F(TopLevel, ShortcutsShowNotesAndQuit)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(action("actionNotes")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(action("actionQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    action("actionNotes")->trigger();
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 4);
    action("actionAbout")->trigger();
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 6);
    action("actionQuit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TopLevel, FileMenuCommandsAndShortcuts)
{
    const struct {
        const char* action;
        QString text;
        QKeySequence keys;
    } rows[] = {
        {"actionOpen", QStringLiteral("Открыть…"), QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actionSave", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actionSaveAs", QStringLiteral("Сохранить как…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"actionReportPdf", QStringLiteral("Отчёт в PDF…"), QKeySequence()},
        {"actionPrint", QStringLiteral("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"actionExportCsv", QStringLiteral("Экспорт таблиц в CSV…"), QKeySequence()},
        {"actionExportSvg", QStringLiteral("Экспорт чертежа в SVG…"), QKeySequence()},
        {"actionQuit", QStringLiteral("Выход"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action);
        EXPECT_EQ(action(row.action)->text(), row.text);
        EXPECT_EQ(action(row.action)->shortcut(), row.keys);
    }
}

TEST_F(TopLevel, TitleNamesTheFileAndMarksUnsavedChanges)
{
    // Untitled: the program's title, marked while it differs from the start.
    const QString title = QStringLiteral("Выбор наилучших конструктивных параметров монокля ");
    EXPECT_EQ(window->windowTitle(), title);
    find<SpinEdit>("FSpin")->setValue(60);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("*") + title);
    find<SpinEdit>("FSpin")->setValue(52);
    EXPECT_EQ(window->windowTitle(), title);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("portrait.monocl"));
    QString error;
    ASSERT_TRUE(window->document()->saveTo(file, &error)) << qPrintable(error);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("portrait.monocl[*] — Выбор наилучших конструктивных параметров монокля"));
    EXPECT_FALSE(window->isWindowModified());

    find<SpinEdit>("FSpin")->setValue(60);
    EXPECT_TRUE(window->isWindowModified());
    action("actionSave")->trigger();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(boxes->messages, QStringList{});

    // Back to the saved value is no change.
    find<SpinEdit>("FSpin")->setValue(52);
    EXPECT_TRUE(window->isWindowModified());
    find<SpinEdit>("FSpin")->setValue(60);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(TopLevel, ClosingWithUnsavedChangesAsks)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(boxes->questions.isEmpty());
    find<SpinEdit>("ASpin")->setValue(30);

    boxes->answerToQuestions = QMessageBox::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(boxes->questions.size(), 1);
    EXPECT_EQ(boxes->questions.front(), QStringLiteral("Сохранить изменения в проекте?"));

    boxes->answerToQuestions = QMessageBox::Discard;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(boxes->questions.size(), 2);
    EXPECT_EQ(find<SpinEdit>("ASpin")->value(), 30) << "closing changes no input";
}

TEST_F(TopLevel, ClampOnLeavingAndTabSwitchShowOneBox)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(find<QRadioButton>("RB2"), Qt::LeftButton);
    auto* aspin = find<SpinEdit>("ASpin");
    aspin->lineEdit()->setFocus();
    aspin->lineEdit()->selectAll();
    QTest::keyClicks(aspin->lineEdit(), QStringLiteral("700"));
    // The boxes while typing took the focus; a window manager gives it back.
    QApplication::setActiveWindow(window.get());
    aspin->lineEdit()->setFocus();
    ASSERT_TRUE(aspin->lineEdit()->hasFocus());
    const qsizetype before = boxes->messages.size();
    QTabBar* bar = find<QTabWidget>("PageControl1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 1);
    EXPECT_EQ(aspin->value(), 70);
    EXPECT_EQ(boxes->messages.size(), before + 1);
}

TEST_F(TopLevel, MarkedCaptionsShowTheirNote)
{
    EXPECT_EQ(find<QRadioButton>("RB2")->toolTip(),
              QStringLiteral("нулевой астигматизм, средняя кривизна фокальной поверхности равна кривизне Петцваля"));
    bool sawNote5 = false;
    for (const QLabel* label : form->findChildren<QLabel*>())
        if (label->text() == QStringLiteral("б/р  5 )"))
            sawNote5 = label->toolTip().startsWith(QStringLiteral("отношение диаметра"));
    EXPECT_TRUE(sawNote5);
    EXPECT_TRUE(find<QLabel>("aboutVersion")->text().contains(QStringLiteral("MIT")));
    EXPECT_TRUE(find<QLabel>("aboutVersion")->text().contains(QStringLiteral("CC0 1.0")));
}

// The drawing's settings dialog, as a user fills it in: a value the drawing
// can take is kept; a ring wider than the lens or a bevel wider than its rim
// is told in a box, the field shows the value kept and nothing changes.
TEST_F(TopLevel, DrawingSettingsDialogKeepsOrRefusesWhatIsTyped)
{
    const struct {
        const char* field;
        const char* typed;
        const char* boxSays; // none when the value is kept
        double DrawingSettings::*kept;
        double keptValue;
    } rows[] = {
        {"Фаска × 45°, мм", "0,4", nullptr, &DrawingSettings::bevel, 0.4},
        {"Фаска × 45°, мм", "5", "шире края линзы", &DrawingSettings::bevel, 0.3},
        {"Кольцо сферометра, мм (пусто: 0,8 Dm)", "20", "больше диаметра линзы", &DrawingSettings::bevel, 0.3},
    };
    for (const auto& row : rows) {
        SetUp();
        QString shown;
        QTimer::singleShot(0, [&] {
            QDialog* dialog = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("DrawingSettingsDialog"))
                    dialog = qobject_cast<QDialog*>(w);
            if (!dialog) {
                ADD_FAILURE() << "no settings dialog";
                return;
            }
            if (auto* edit = dialog->findChild<QLineEdit*>(QString::fromUtf8(row.field))) {
                edit->setText(num(row.typed));
                QTest::keyClick(edit, Qt::Key_Return);
                shown = edit->text();
            } else {
                ADD_FAILURE() << "no field " << row.field;
            }
            dialog->reject();
        });
        action("actionDrawingSettings")->trigger();
        const DrawingSettings& settings = form->document().drawingSettings();
        EXPECT_DOUBLE_EQ(settings.*row.kept, row.keptValue) << row.field << " " << row.typed;
        if (row.boxSays) {
            ASSERT_EQ(boxes->messages.size(), 1) << row.typed;
            EXPECT_TRUE(boxes->messages[0].contains(QString::fromUtf8(row.boxSays))) << boxes->messages[0].toStdString();
            EXPECT_NE(shown, num(row.typed)) << "the field shows the value kept";
            EXPECT_FALSE(settings.ringDiameter.has_value());
        } else {
            EXPECT_TRUE(boxes->messages.isEmpty()) << boxes->messages.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(shown, num(row.typed));
        }
    }
}
