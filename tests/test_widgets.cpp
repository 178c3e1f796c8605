#include "ui/widgets/memo.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "qt_print.h"

#include <gtest/gtest.h>

#include <climits>

using namespace monocl;

namespace {

// Child geometry is set on resize, which a hidden widget does not get.
void showAt(QWidget& widget, int width, int height)
{
    widget.resize(width, height);
    widget.show();
    QApplication::setActiveWindow(&widget);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

QToolButton* button(SpinEdit& spin, const char* name)
{
    return spin.findChild<QToolButton*>(QLatin1String(name));
}

// The centre of a cell of an unscrolled grid: 64 + 1 px columns, 24 + 1 px rows.
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

void fillCells(StringGrid& grid)
{
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int col = 1; col < grid.colCount(); ++col)
            grid.setCell(col, row, QStringLiteral("c%1r%2").arg(col).arg(row));
}

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
        count += event->type() == m_type;
        return false;
    }

private:
    QEvent::Type m_type;
};

} // namespace

TEST(SpinEdit, OneLineEditWithButtonsInside)
{
    SpinEdit spin;
    showAt(spin, 80, 21);
    EXPECT_EQ(spin.findChildren<QLineEdit*>().size(), 1);
    const QRect up = button(spin, "upButton")->geometry();
    const QRect down = button(spin, "downButton")->geometry();
    EXPECT_TRUE(spin.rect().contains(up) && spin.rect().contains(down));
    EXPECT_TRUE(!up.isEmpty() && up.bottom() < down.top() && up.x() > 40);
}

TEST(SpinEdit, TypingTakesOnlyNumberCharacters)
{
    SpinEdit spin;
    spin.setDecimalSeparator(u',');
    spin.setText(QString());
    QTest::keyClicks(spin.lineEdit(), QStringLiteral("1a2Z,-+ x.;9"));
    EXPECT_EQ(spin.text(), QStringLiteral("12,-+9"));
    QTest::keyClicks(&spin, QStringLiteral("q3")); // sent to the spin edit itself
    EXPECT_EQ(spin.text(), QStringLiteral("12,-+93"));

    spin.setDecimalSeparator(u'.');
    spin.setText(QString());
    QTest::keyClicks(spin.lineEdit(), QStringLiteral("1,5.2"));
    EXPECT_EQ(spin.text(), QStringLiteral("15.2"));

    // Editing keys and shortcuts pass; pasting is not filtered.
    QTest::keyClick(spin.lineEdit(), Qt::Key_Backspace);
    QTest::keyClick(spin.lineEdit(), Qt::Key_Home);
    QTest::keyClick(spin.lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(spin.text(), QStringLiteral("5."));
    QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
    QTest::keyClick(spin.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(spin.lineEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin.text(), QStringLiteral("ab"));
}

TEST(SpinEdit, ValueReadsIntegersElseMinimum)
{
    SpinEdit spin;
    spin.setRange(10, 70);
    const std::pair<const char*, int> cases[] = {
        {"42", 42}, {" 42 ", 42}, {"+7", 7}, {"-3", -3}, {"500", 500}, {"007", 7},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", 10},
        {"99999999999999999999", 10}, {"", 10}, {"-", 10}, {"+-1", 10},
        {"1,5", 10}, {"1.5", 10}, {"12a", 10}, {"1 2", 10},
    };
    for (const auto& [text, value] : cases) {
        spin.setText(QString::fromLatin1(text));
        EXPECT_EQ(spin.value(), value) << '"' << text << '"';
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
    showAt(window, 100, 60);

    const auto typeAndLeave = [&](const QString& typed) {
        spin->setFocus();
        spin->lineEdit()->selectAll();
        QTest::keyClicks(spin->lineEdit(), typed);
        const int whileTyping = spin->value();
        QSignalSpy changed(spin, &SpinEdit::changed);
        other->setFocus();
        return std::tuple(whileTyping, spin->text(), changed.count());
    };
    EXPECT_EQ(typeAndLeave(QStringLiteral("500")), std::tuple(500, QStringLiteral("70"), 1));
    EXPECT_EQ(typeAndLeave(QStringLiteral("-5")), std::tuple(-5, QStringLiteral("0"), 1));
    EXPECT_EQ(typeAndLeave(QStringLiteral("35")), std::tuple(35, QStringLiteral("35"), 0));
    EXPECT_EQ(typeAndLeave(QStringLiteral("1,5")), std::tuple(0, QStringLiteral("1,5"), 0));
}

TEST(SpinEdit, StepsStayInRange)
{
    SpinEdit spin;
    showAt(spin, 80, 21);
    spin.setRange(0, 3);
    spin.setValue(2);
    QTest::mouseClick(button(spin, "upButton"), Qt::LeftButton);
    QTest::mouseClick(button(spin, "upButton"), Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("3"));
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(button(spin, "downButton"), Qt::LeftButton);
    EXPECT_EQ(spin.text(), QStringLiteral("0"));

    QTest::keyClick(spin.lineEdit(), Qt::Key_Up);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));
    spin.setText(QStringLiteral("500"));
    QTest::keyClick(spin.lineEdit(), Qt::Key_Down);
    EXPECT_EQ(spin.text(), QStringLiteral("3"));
    spin.setText(QStringLiteral("junk"));
    QTest::keyClick(spin.lineEdit(), Qt::Key_Up);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));

    spin.setRange(INT_MIN, INT_MAX);
    spin.setValue(INT_MAX);
    spin.stepUp();
    EXPECT_EQ(spin.value(), INT_MAX);
}

TEST(SpinEdit, ChangedOncePerDifferentText)
{
    SpinEdit spin;
    spin.setRange(0, 70);
    spin.setText(QStringLiteral("5"));
    QSignalSpy changed(&spin, &SpinEdit::changed);
    spin.lineEdit()->setCursorPosition(0);
    spin.setText(QStringLiteral("5"));
    spin.setValue(5);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(spin.lineEdit()->cursorPosition(), 0) << "the text was not set again";
    spin.setValue(500);
    spin.setValue(90); // the same "70" again
    EXPECT_EQ(changed.count(), 1);
    QTest::keyClicks(spin.lineEdit(), QStringLiteral("1x"));
    EXPECT_EQ(changed.count(), 2);
}

TEST(StringGrid, CountsKeepRemainingCellsAndDropTheRest)
{
    StringGrid grid;
    fillCells(grid);
    grid.setCell(0, 0, QStringLiteral("corner"));
    grid.setCell(5, 0, QStringLiteral("outside"));
    grid.setColWidth(1, 30);
    grid.setColWidth(4, 90);
    grid.setColWidth(2, -7);
    grid.setColCount(3);
    grid.setRowCount(2);
    grid.setColCount(6);
    grid.setRowCount(5);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("corner"));
    EXPECT_EQ(grid.cell(2, 1), QStringLiteral("c2r1"));
    EXPECT_EQ(grid.cell(2, 2), QString());
    EXPECT_EQ(grid.cell(4, 1), QString());
    EXPECT_EQ(grid.cell(5, 0), QString());
    EXPECT_EQ(grid.cell(-1, 0), QString());
    EXPECT_EQ(std::tuple(grid.colWidth(1), grid.colWidth(2), grid.colWidth(4)), std::tuple(30, 0, 64));
}

TEST(StringGrid, CopiesSelectionAsTabSeparatedText)
{
    StringGrid grid;
    showAt(grid, 400, 200);
    fillCells(grid);
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1"));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(3, 3));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(1, 0)); // fixed: ignored
    EXPECT_EQ(copied(grid), QStringLiteral("c2r1\tc3r1\nc2r2\tc3r2\nc2r3\tc3r3"));

    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centreOf(2, 2));
    QTest::mouseMove(grid.viewport(), centreOf(1, 1));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centreOf(1, 1));
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1\tc2r1\nc1r2\tc2r2"));

    // The arrows stop at the fixed cells; Shift extends.
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ShiftModifier);
    grid.setCell(2, 1, QString());
    EXPECT_EQ(copied(grid), QStringLiteral("c1r1\t\tc3r1\tc4r1"));

    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(copied(grid).count(u'\n'), 3);
    EXPECT_EQ(copied(grid).count(u'\t'), 12);
}

TEST(StringGrid, SelectionFollowsTheCounts)
{
    StringGrid grid;
    grid.setRowCount(1);
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(copied(grid), QString());
    grid.setRowCount(3);
    grid.setCell(1, 1, QStringLiteral("first"));
    EXPECT_EQ(copied(grid), QStringLiteral("first"));

    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    grid.setColCount(3);
    grid.setRowCount(2);
    grid.setCell(2, 1, QStringLiteral("corner"));
    EXPECT_EQ(copied(grid), QStringLiteral("corner"));
}

TEST(StringGrid, FixedRowAndColumnStayWhenScrolled)
{
    StringGrid grid;
    grid.setRowCount(100);
    grid.setColCount(10);
    fillCells(grid);
    showAt(grid, 300, 200);
    grid.setFocus();

    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QScrollBar* vertical = grid.verticalScrollBar();
    QScrollBar* horizontal = grid.horizontalScrollBar();
    ASSERT_TRUE(vertical->isVisible() && horizontal->isVisible());
    EXPECT_TRUE(vertical->value() > 0 && vertical->value() == vertical->maximum());
    EXPECT_EQ(horizontal->value(), horizontal->maximum());

    const QImage image = grid.viewport()->grab().toImage();
    const auto colour = [&](QPalette::ColorRole role) { return grid.palette().color(role); };
    EXPECT_EQ(image.pixelColor(65 + 50, 12), colour(QPalette::Button)); // fixed row
    EXPECT_EQ(image.pixelColor(60, 60), colour(QPalette::Button)); // fixed column
    EXPECT_EQ(image.pixelColor(65 + 60, 25 + 20), colour(QPalette::Base));
    const int topRow = vertical->value() + 1;
    const int leftCol = horizontal->value() + 1;
    const QPoint current(65 + 65 * (9 - leftCol) + 50, 25 + 25 * (99 - topRow) + 20);
    EXPECT_EQ(image.pixelColor(current), colour(QPalette::Highlight));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(1, 1));
    EXPECT_EQ(copied(grid), QStringLiteral("c%1r%2").arg(leftCol).arg(topRow));

    QTest::keyClick(&grid, Qt::Key_PageUp);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(vertical->value(), topRow - 1 - vertical->pageStep());
    EXPECT_EQ(horizontal->value(), 0);
}

TEST(StringGrid, PaintsAnyShape)
{
    StringGrid grid;
    showAt(grid, 200, 150);
    const std::pair<int, int> shapes[] = {{0, 0}, {0, 5}, {5, 0}, {1, 1}, {1, 1000}, {1000, 1}, {1000, 1000}};
    for (const auto& [cols, rows] : shapes) {
        grid.setColCount(cols);
        grid.setRowCount(rows);
        for (int col = 0; col < cols; col += 3)
            grid.setColWidth(col, -5);
        QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_PageDown, Qt::ShiftModifier);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
        grid.setCell(1, 1, QString(500, u'W'));
        EXPECT_FALSE(grid.grab().isNull());
    }
}

TEST(StringGrid, SameValuesCauseNoRepaint)
{
    StringGrid grid;
    fillCells(grid);
    showAt(grid, 300, 200);
    QTest::qWait(50);
    EventCounter paints(grid.viewport(), QEvent::Paint);
    fillCells(grid);
    grid.setRowCount(5);
    grid.setColWidth(1, 64);
    QTest::qWait(50);
    EXPECT_EQ(paints.count, 0);
    grid.setCell(1, 1, QStringLiteral("new"));
    QTest::qWait(50);
    EXPECT_GT(paints.count, 0);
}

TEST(Memo, LinesLikeAWindowsMemo)
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

    memo.clearLines();
    memo.appendLine(QString());
    memo.appendLine(QString());
    EXPECT_EQ(memo.lines(), QStringList({"", ""}));
}

TEST(Memo, ReadOnlyButCopyable)
{
    Memo memo;
    memo.setPlainText(QStringLiteral("first\nsecond"));
    QTest::keyClicks(&memo, QStringLiteral("typed"));
    QTest::keyClick(&memo, Qt::Key_Backspace);
    EXPECT_EQ(memo.lines(), QStringList({"first", "second"}));
    QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("first\nsecond"));
}

TEST(Memo, FontColourInEveryGroupAndDrawn)
{
    Memo memo;
    showAt(memo, 200, 100);
    QFont big = memo.font();
    big.setPixelSize(30);
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
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        EXPECT_EQ(memo.palette().color(group, QPalette::Text), QColor(Qt::red));
    EXPECT_GT(redPixels(), 50);

    EventCounter paletteChanges(&memo, QEvent::PaletteChange);
    memo.setFontColor(Qt::red);
    EXPECT_EQ(paletteChanges.count, 0);
}

TEST(Memo, SetLinesRewritesOnlyWhatChanged)
{
    Memo memo;
    memo.setLines({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(memo.lines(), (QStringList{"a", "b"}));
    QSignalSpy changes(&memo, &QPlainTextEdit::textChanged);
    memo.setLines({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(changes.count(), 0);
    memo.setLines({QStringLiteral("c")});
    EXPECT_EQ(memo.lines(), QStringList{"c"});
    EXPECT_GT(changes.count(), 0);
    memo.setLines({});
    EXPECT_TRUE(memo.lines().isEmpty());
}
