#include "ui/memo.h"
#include "ui/spinedit.h"
#include "ui/stringgrid.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <climits>

namespace {

// Shows a top-level window and gives it the focus, so that focus changes
// inside it deliver real focus events.
bool showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Child geometry is set on resize, which a hidden widget does not get.
void showAt(QWidget& widget, int width, int height)
{
    widget.resize(width, height);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

// Counts the events of one type a widget receives.
class EventCounter : public QObject
{
public:
    EventCounter(QWidget* watched, QEvent::Type type) : m_type(type)
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

// The centre of a cell of a grid with the default sizes, not scrolled:
// 64 px columns and 24 px rows, each with a 1 px grid line.
QPoint centreOf(int col, int row)
{
    return QPoint(col * 65 + 32, row * 25 + 12);
}

QString copied(StringGrid& grid)
{
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->text();
}

// Writes "c<col>r<row>" into every non-fixed cell.
void fillCells(StringGrid& grid)
{
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int col = 1; col < grid.colCount(); ++col)
            grid.setCell(col, row, QStringLiteral("c%1r%2").arg(col).arg(row));
}

} // namespace

// ---- SpinEdit -------------------------------------------------------------

TEST(SpinEdit, HoldsTextInOneLineEditWithButtonsInside)
{
    SpinEdit spin;
    showAt(spin, 80, 21);
    ASSERT_EQ(spin.findChildren<QLineEdit*>().size(), 1);
    EXPECT_EQ(spin.lineEdit()->geometry(), spin.rect());

    auto* up = spin.findChild<QToolButton*>(QStringLiteral("upButton"));
    auto* down = spin.findChild<QToolButton*>(QStringLiteral("downButton"));
    ASSERT_TRUE(up && down);
    EXPECT_TRUE(spin.rect().contains(up->geometry()));
    EXPECT_TRUE(spin.rect().contains(down->geometry()));
    EXPECT_LE(up->geometry().bottom(), down->geometry().top());
    EXPECT_GT(up->width(), 0);
    EXPECT_GT(up->x(), spin.width() / 2);
}

TEST(SpinEdit, TypingRefusesLettersAndKeepsNumberCharacters)
{
    SpinEdit spin;
    spin.setDecimalSeparator(u',');
    spin.setText(QString());
    QTest::keyClicks(spin.lineEdit(), QStringLiteral("1a2Z,-+ x.;9"));
    EXPECT_EQ(spin.text(), QStringLiteral("12,-+9"));

    // Keys sent to the spin edit itself are filtered the same way.
    QTest::keyClicks(&spin, QStringLiteral("q3"));
    EXPECT_EQ(spin.text(), QStringLiteral("12,-+93"));

    // Only the separator set is taken.
    spin.setDecimalSeparator(u'.');
    spin.setText(QString());
    QTest::keyClicks(spin.lineEdit(), QStringLiteral("1,5.2"));
    EXPECT_EQ(spin.text(), QStringLiteral("15.2"));
}

TEST(SpinEdit, ControlKeysPassThrough)
{
    SpinEdit spin;
    spin.setText(QStringLiteral("123"));
    QLineEdit* edit = spin.lineEdit();
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(spin.text(), QStringLiteral("12"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(spin.text(), QStringLiteral("2"));

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2"));
    QTest::keyClicks(edit, QStringLiteral("7"));
    EXPECT_EQ(spin.text(), QStringLiteral("7"));

    // Pasting is not filtered.
    QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin.text(), QStringLiteral("7ab"));
    EXPECT_EQ(spin.value(), spin.minimum());
}

TEST(SpinEdit, ValueReadsIntegersAndOtherwiseMinimum)
{
    SpinEdit spin;
    spin.setRange(10, 70);
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"42", 42},           {" 42 ", 42},         {"+7", 7},
        {"-3", -3},           {"500", 500},         {"007", 7},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"2147483648", 10},   {"-2147483649", 10},  {"99999999999999999999", 10},
        {"", 10},             {"  ", 10},           {"-", 10},
        {"+-1", 10},          {"1,5", 10},          {"1.5", 10},
        {"12a", 10},          {"1 2", 10},
    };
    for (const auto& c : cases) {
        spin.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(spin.value(), c.value) << "text \"" << c.text << '"';
    }
}

TEST(SpinEdit, FocusLossClampsOutOfRangeIntegersOnly)
{
    QWidget window;
    auto* spin = new SpinEdit(&window);
    auto* other = new QLineEdit(&window);
    spin->setGeometry(0, 0, 80, 21);
    other->setGeometry(0, 30, 80, 21);
    spin->setRange(0, 70);
    spin->setDecimalSeparator(u',');
    ASSERT_TRUE(showActive(window));

    const auto typeAndLeave = [&](const QString& typed) {
        spin->setFocus();
        spin->lineEdit()->selectAll();
        QTest::keyClicks(spin->lineEdit(), typed);
        other->setFocus();
        return spin->text();
    };
    spin->setFocus();
    ASSERT_TRUE(spin->hasFocus());
    spin->lineEdit()->selectAll();
    QTest::keyClicks(spin->lineEdit(), QStringLiteral("500"));
    EXPECT_EQ(spin->value(), 500) << "the range waits for the focus to leave";

    QSignalSpy changed(spin, &SpinEdit::changed);
    other->setFocus();
    EXPECT_EQ(spin->text(), QStringLiteral("70"));
    EXPECT_EQ(changed.count(), 1);

    EXPECT_EQ(typeAndLeave(QStringLiteral("-5")), QStringLiteral("0"));
    EXPECT_EQ(typeAndLeave(QStringLiteral("35")), QStringLiteral("35"));
    EXPECT_EQ(typeAndLeave(QStringLiteral("1,5")), QStringLiteral("1,5"));
    EXPECT_EQ(typeAndLeave(QStringLiteral("-")), QStringLiteral("-"));
}

TEST(SpinEdit, StepsStayInRange)
{
    SpinEdit spin;
    showAt(spin, 80, 21);
    spin.setRange(0, 3);
    auto* up = spin.findChild<QToolButton*>(QStringLiteral("upButton"));
    auto* down = spin.findChild<QToolButton*>(QStringLiteral("downButton"));
    ASSERT_TRUE(up && down);

    spin.setValue(2);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("3"));
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("3"));
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("0"));

    // Arrow keys step too, and a step pulls an out-of-range text inside.
    QTest::keyClick(spin.lineEdit(), Qt::Key_Up);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));
    spin.setText(QStringLiteral("500"));
    QTest::keyClick(spin.lineEdit(), Qt::Key_Down);
    EXPECT_EQ(spin.text(), QStringLiteral("3"));
    spin.setText(QStringLiteral("junk"));
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));

    // No overflow at the ends of int.
    spin.setRange(INT_MIN, INT_MAX);
    spin.setValue(INT_MAX);
    spin.stepUp();
    EXPECT_EQ(spin.value(), INT_MAX);
    spin.setValue(INT_MIN);
    spin.stepDown();
    EXPECT_EQ(spin.value(), INT_MIN);
}

TEST(SpinEdit, ChangedOncePerDifferentText)
{
    SpinEdit spin;
    spin.setRange(0, 70);
    spin.setText(QStringLiteral("5"));
    QSignalSpy changed(&spin, &SpinEdit::changed);

    spin.setText(QStringLiteral("5"));
    spin.setValue(5);
    EXPECT_EQ(changed.count(), 0);

    spin.setText(QStringLiteral("6"));
    EXPECT_EQ(changed.count(), 1);
    spin.setValue(500);
    EXPECT_EQ(spin.text(), QStringLiteral("70"));
    EXPECT_EQ(changed.count(), 2);
    spin.setValue(90); // clamps to the present text
    EXPECT_EQ(changed.count(), 2);
    QTest::keyClicks(spin.lineEdit(), QStringLiteral("1"));
    EXPECT_EQ(changed.count(), 3);
    QTest::keyClicks(spin.lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(changed.count(), 3);
}

// ---- StringGrid -----------------------------------------------------------

TEST(StringGrid, ReadsEmptyOutsideAndIgnoresSettingOutside)
{
    StringGrid grid;
    EXPECT_EQ(grid.colCount(), 5);
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.colWidth(4), 64);

    grid.setCell(4, 4, QStringLiteral("in"));
    grid.setCell(5, 0, QStringLiteral("out"));
    grid.setCell(0, 5, QStringLiteral("out"));
    grid.setCell(-1, 0, QStringLiteral("out"));
    grid.setColWidth(5, 10);
    EXPECT_EQ(grid.cell(4, 4), QStringLiteral("in"));
    EXPECT_EQ(grid.cell(5, 0), QString());
    EXPECT_EQ(grid.cell(0, -1), QString());

    grid.setColCount(6);
    grid.setRowCount(6);
    EXPECT_EQ(grid.cell(5, 0), QString());
    EXPECT_EQ(grid.cell(0, 5), QString());
    EXPECT_EQ(grid.colWidth(5), 64);

    grid.setColWidth(2, -7);
    EXPECT_EQ(grid.colWidth(2), 0);
}

TEST(StringGrid, KeepsRemainingTextsWhenCountsChange)
{
    StringGrid grid;
    fillCells(grid);
    grid.setCell(0, 0, QStringLiteral("corner"));
    grid.setColWidth(1, 30);
    grid.setColWidth(4, 90);

    grid.setColCount(3);
    grid.setRowCount(2);
    EXPECT_EQ(grid.cell(2, 1), QStringLiteral("c2r1"));
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("corner"));
    EXPECT_EQ(grid.cell(2, 2), QString());

    // Cells that come back start empty and at the default width.
    grid.setColCount(5);
    grid.setRowCount(5);
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("c1r1"));
    EXPECT_EQ(grid.cell(2, 2), QString());
    EXPECT_EQ(grid.cell(4, 1), QString());
    EXPECT_EQ(grid.colWidth(1), 30);
    EXPECT_EQ(grid.colWidth(4), 64);
}

TEST(StringGrid, CopiesSelectedRectangleAsTabSeparatedText)
{
    StringGrid grid;
    showAt(grid, 400, 200);
    fillCells(grid);
    grid.setCell(1, 0, QStringLiteral("head"));

    EXPECT_EQ(copied(grid), QStringLiteral("c1r1")) << "the first cell is current";

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(3, 3));
    EXPECT_EQ(copied(grid), QStringLiteral("c2r1\tc3r1\nc2r2\tc3r2\nc2r3\tc3r3"));

    // A click on a fixed cell leaves the selection as it was.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(1, 0));
    EXPECT_EQ(copied(grid), QStringLiteral("c2r1\tc3r1\nc2r2\tc3r2\nc2r3\tc3r3"));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(3, 2));
    EXPECT_EQ(copied(grid), QStringLiteral("c3r2"));

    // Dragging selects from where the press was, backwards too.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centreOf(2, 2));
    QTest::mouseMove(grid.viewport(), centreOf(1, 1));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centreOf(1, 1));
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1\tc2r1\nc1r2\tc2r2"));

    // Shift with the arrows extends from the current cell; the fixed cells
    // cannot be reached.
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1\tc2r1"));
    QTest::keyClick(&grid, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1\tc2r1\tc3r1\tc4r1"));

    grid.setCell(2, 1, QString());
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1\t\tc3r1\tc4r1"));
}

TEST(StringGrid, SelectAllCopiesEveryNonFixedCell)
{
    StringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(3);
    fillCells(grid);
    grid.setCell(0, 1, QStringLiteral("label"));
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1\tc2r1\nc1r2\tc2r2"));

    // Nothing to select: nothing copied, no crash.
    grid.setRowCount(1);
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(copied(grid), QString());
    QTest::keyClick(&grid, Qt::Key_Down);

    // The first cell is current again once it exists; the texts of the rows
    // that went are gone.
    grid.setRowCount(3);
    EXPECT_EQ(grid.cell(1, 1), QString());
    grid.setCell(1, 1, QStringLiteral("again"));
    EXPECT_EQ(copied(grid), QStringLiteral("again"));
}

TEST(StringGrid, FixedRowStaysVisibleWhenScrolledToTheEnd)
{
    QWidget window;
    auto* grid = new StringGrid(&window);
    grid->setGeometry(0, 0, 300, 200);
    grid->setRowCount(100);
    grid->setColCount(10);
    fillCells(*grid);
    ASSERT_TRUE(showActive(window));
    grid->setFocus();

    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QScrollBar* vertical = grid->verticalScrollBar();
    QScrollBar* horizontal = grid->horizontalScrollBar();
    EXPECT_TRUE(vertical->isVisible());
    EXPECT_TRUE(horizontal->isVisible());
    EXPECT_GT(vertical->value(), 0);
    EXPECT_EQ(vertical->value(), vertical->maximum());
    EXPECT_EQ(horizontal->value(), horizontal->maximum());
    EXPECT_EQ(copied(*grid), QStringLiteral("c9r99"));

    const QImage image = grid->viewport()->grab().toImage();
    const QPalette& colors = grid->palette();
    // The fixed row and column, away from their texts and 3-D edges.
    EXPECT_EQ(image.pixelColor(40, 12), colors.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(image.pixelColor(60, 60), colors.color(QPalette::Active, QPalette::Button));
    // A body cell under the fixed row, and the current cell at the far corner.
    EXPECT_EQ(image.pixelColor(65 + 60, 25 + 20), colors.color(QPalette::Active, QPalette::Base));
    const int topRow = vertical->value() + 1;
    const int leftCol = horizontal->value() + 1;
    const QPoint corner(65 + 65 * (9 - leftCol) + 50, 25 + 25 * (99 - topRow) + 20);
    EXPECT_EQ(image.pixelColor(corner), colors.color(QPalette::Active, QPalette::Highlight));

    // A click lands on the scrolled cell, not the one first in the grid.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(1, 1));
    EXPECT_EQ(copied(*grid), QStringLiteral("c%1r%2").arg(leftCol).arg(topRow));

    // Home/PageUp scroll back as the current cell moves.
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_EQ(horizontal->value(), 0);
    QTest::keyClick(grid, Qt::Key_PageDown);
    QTest::keyClick(grid, Qt::Key_PageDown);
    EXPECT_GT(vertical->value(), 0);
    const QString current = copied(*grid);
    QTest::keyClick(grid, Qt::Key_PageUp);
    QTest::keyClick(grid, Qt::Key_PageUp);
    EXPECT_EQ(copied(*grid), QStringLiteral("c1r1")) << "was at " << current.toStdString();
}

TEST(StringGrid, PaintsAnyShapeWithoutCrashing)
{
    StringGrid grid;
    showAt(grid, 200, 150);
    const struct {
        int cols;
        int rows;
    } shapes[] = {{0, 0}, {0, 5}, {5, 0}, {1, 1}, {1, 1000}, {1000, 1}, {1000, 1000}, {2, 2}};
    for (const auto& shape : shapes) {
        grid.setColCount(shape.cols);
        grid.setRowCount(shape.rows);
        EXPECT_FALSE(grid.grab().isNull());
        QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_PageDown, Qt::ShiftModifier);
        QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
        EXPECT_FALSE(grid.grab().isNull());
    }

    grid.setColCount(1000);
    grid.setRowCount(1000);
    for (int col = 0; col < 1000; col += 3)
        grid.setColWidth(col, col % 2 ? 0 : -5);
    grid.setColWidth(1, 5000);
    grid.setCell(1, 1, QString(500, u'W'));
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_FALSE(grid.grab().isNull());
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_FALSE(grid.grab().isNull());
}

TEST(StringGrid, SettingSameValuesCausesNoRepaint)
{
    StringGrid grid;
    fillCells(grid);
    showAt(grid, 300, 200);
    QTest::qWait(50);

    EventCounter paints(grid.viewport(), QEvent::Paint);
    fillCells(grid);
    grid.setRowCount(5);
    grid.setColCount(5);
    grid.setColWidth(1, 64);
    grid.setCell(1, 9, QStringLiteral("outside"));
    QTest::qWait(50);
    EXPECT_EQ(paints.count, 0);

    grid.setCell(1, 1, QStringLiteral("new"));
    QTest::qWait(50);
    EXPECT_GT(paints.count, 0);
}

// ---- Memo -----------------------------------------------------------------

TEST(Memo, LinesFollowMemoSemantics)
{
    Memo memo;
    EXPECT_EQ(memo.lines(), QStringList{QString()});

    memo.clearLines();
    EXPECT_TRUE(memo.lines().isEmpty());
    memo.appendLine(QStringLiteral("x"));
    EXPECT_EQ(memo.lines(), QStringList({"x"}));
    memo.appendLine(QStringLiteral("y"));
    memo.appendLine(QString());
    EXPECT_EQ(memo.lines(), QStringList({"x", "y", ""}));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("x\ny\n"));

    memo.clearLines();
    memo.appendLine(QString());
    EXPECT_EQ(memo.lines(), QStringList{QString()});
    memo.appendLine(QString());
    EXPECT_EQ(memo.lines(), QStringList({"", ""}));

    memo.clearLines();
    memo.setPlainText(QStringLiteral("a\nb"));
    EXPECT_EQ(memo.lines(), QStringList({"a", "b"}));
}

TEST(Memo, ReadOnlyButCopyable)
{
    Memo memo;
    memo.clearLines();
    memo.appendLine(QStringLiteral("first"));
    memo.appendLine(QStringLiteral("second"));

    QTest::keyClicks(&memo, QStringLiteral("typed"));
    QTest::keyClick(&memo, Qt::Key_Backspace);
    EXPECT_EQ(memo.lines(), QStringList({"first", "second"}));

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("first\nsecond"));
}

TEST(Memo, FontColorHoldsInEveryGroupAndIsDrawn)
{
    Memo memo;
    showAt(memo, 200, 100);
    QFont big = memo.font();
    big.setPixelSize(30);
    big.setBold(true);
    memo.setFont(big);
    memo.appendLine(QStringLiteral("MMMM"));

    const auto redPixels = [&memo] {
        const QImage image = memo.viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            }
        return count;
    };
    EXPECT_EQ(redPixels(), 0);

    memo.setFontColor(Qt::red);
    EXPECT_EQ(memo.fontColor(), QColor(Qt::red));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        EXPECT_EQ(memo.palette().color(group, QPalette::Text), QColor(Qt::red)) << group;
    EXPECT_GT(redPixels(), 50);
}

TEST(Memo, SameFontColorChangesNothing)
{
    Memo memo;
    memo.setFontColor(Qt::blue);
    EventCounter paletteChanges(&memo, QEvent::PaletteChange);
    memo.setFontColor(Qt::blue);
    EXPECT_EQ(paletteChanges.count, 0);
    memo.setFontColor(Qt::darkGreen);
    EXPECT_EQ(paletteChanges.count, 1);
}
