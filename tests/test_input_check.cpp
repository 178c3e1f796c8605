// The second way of taking typed numbers, on Enter and on leaving the field,
// and the mark a fault leaves on the tabs in either way.
#include "ui/widgets/field_problem.h"
#include "ui/window/input_check.h"
#include "ui/app/main_window.h"
#include "ui/window/monoclForm.h"
#include "ui/widgets/spin_edit.h"
#include "ui/app/startup.h"
#include "ui/widgets/string_grid.h"

#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;
using namespace monocl::testing;

namespace {

class InputCheckTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        rememberInputCheck(InputCheck::EveryKey);
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        window.reset();
        rememberInputCheck(InputCheck::EveryKey);
    }

    // Types over the field's text key by key, as a user does.
    void typeOver(const char* field, const char* text) const
    {
        monocl::testing::typeOver(find<QLineEdit>(field), num(text));
    }
    const FieldProblem* problemOf(const char* field) const
    {
        return window->findChild<FieldProblem*>(QString::fromLatin1(field) + QStringLiteral("Problem"));
    }
    bool marked(const char* field) const
    {
        const FieldProblem* p = problemOf(field);
        return p && p->hasProblem() && !find<QLineEdit>(field)->styleSheet().isEmpty();
    }

};

} // namespace

// Typed key by key, then Enter: what the field and the store hold, whether
// the field was marked before Enter, and the boxes.
TEST_F(InputCheckTest, TypedTextIsTakenOnEnter)
{
    const struct {
        InputCheck check;
        const char* field;
        const char* typed;
        double MonoclState::*stored;
        double storedBeforeEnter;
        bool markedBeforeEnter;
        const char* textAfterEnter;
        double storedAfterEnter;
        int boxes;
    } rows[] = {
        // At every key, as always: the "1" of 1,65 is raised to 1,40 at once,
        // the comma after it refused, and the rest typed after "1,40".
        {InputCheck::EveryKey, "inmin", "1,65", &MonoclState::NdMin, 1.4065, false, "1,4065", 1.4065, 0},
        {InputCheck::OnCommit, "inmin", "1,65", &MonoclState::NdMin, 1.65, false, "1,65", 1.65, 0},
        // The "1" and "1," of nd 1,523 fault the design; at every key each has its box.
        {InputCheck::EveryKey, "NDedit", "1,523", &MonoclState::NdEntry, 1.523, false, "1,523", 1.523, 2},
        {InputCheck::OnCommit, "NDedit", "1,523", &MonoclState::NdEntry, 1.523, false, "1,523", 1.523, 0},
        // A fault that stands at Enter is told then, once.
        {InputCheck::OnCommit, "NDedit", "1", &MonoclState::NdEntry, 1.0, false, "1", 1.0, 1},
        // Not a number: marked, nothing stored; Enter puts the value back.
        {InputCheck::OnCommit, "ABEdit", "x6", &MonoclState::AbbeEntry, 63.84, true, "63,84", 63.84, 0},
        // Out of range: marked, nothing stored; Enter corrects it.
        {InputCheck::OnCommit, "inmax", "2", &MonoclState::NdMax, 1.7, true, "1,80", 1.8, 0},
        {InputCheck::OnCommit, "ih", "-1", &MonoclState::MeasuredEdge, 3.8, true, "0,00", 0.0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " " + row.typed);
        SetUp();
        form->setInputCheck(row.check);
        typeOver(row.field, row.typed);
        EXPECT_DOUBLE_EQ(state.*row.stored, row.storedBeforeEnter);
        EXPECT_EQ(marked(row.field), row.markedBeforeEnter);
        if (row.check == InputCheck::OnCommit) {
            EXPECT_EQ(boxes->messages, QStringList{}) << "no box while typing";
        }
        QTest::keyClick(find<QLineEdit>(row.field), Qt::Key_Return);
        EXPECT_EQ(find<QLineEdit>(row.field)->text(), num(row.textAfterEnter));
        EXPECT_DOUBLE_EQ(state.*row.stored, row.storedAfterEnter);
        EXPECT_FALSE(marked(row.field));
        EXPECT_EQ(boxes->messages.size(), row.boxes) << boxes->messages.join(QLatin1Char('|')).toStdString();
        // A second Enter changes nothing and tells nothing again.
        QTest::keyClick(find<QLineEdit>(row.field), Qt::Key_Return);
        EXPECT_EQ(boxes->messages.size(), row.boxes);
        TearDown();
    }
}

TEST_F(InputCheckTest, MarkSaysWhyAndLeavingTheFieldAppliesTheRule)
{
    form->setInputCheck(InputCheck::OnCommit);
    typeOver("inmax", "2");
    ASSERT_TRUE(marked("inmax"));
    EXPECT_EQ(problemOf("inmax")->text(),
              QStringLiteral("Вне допустимых значений: по Enter или при уходе из поля будет ") + num("1,80"));
    EXPECT_FALSE(problemOf("inmax")->isHidden());
    // Choosing the old way takes the text now, by its rule.
    form->setInputCheck(InputCheck::EveryKey);
    EXPECT_FALSE(marked("inmax"));
    EXPECT_EQ(find<QLineEdit>("inmax")->text(), num("1,80"));

    // Leaving a field is as good as Enter.
    form->setInputCheck(InputCheck::OnCommit);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::setActiveWindow(window.get());
    find<QLineEdit>("NDedit")->setFocus();
    typeOver("NDedit", "x");
    ASSERT_TRUE(marked("NDedit"));
    EXPECT_EQ(problemOf("NDedit")->text(),
              QStringLiteral("Не число: по Enter или при уходе из поля вернется ") + num("1,5182"));
    find<QLineEdit>("ABEdit")->setFocus();
    EXPECT_FALSE(marked("NDedit"));
    EXPECT_EQ(find<QLineEdit>("NDedit")->text(), num("1,5182"));
    EXPECT_EQ(boxes->messages, QStringList{});
}

TEST_F(InputCheckTest, ChoiceIsInTheMenuAndRemembered)
{
    EXPECT_EQ(form->inputCheck(), InputCheck::EveryKey);
    EXPECT_TRUE(find<QAction>("actionCheckEveryKey")->isChecked());
    find<QAction>("actionCheckOnCommit")->trigger();
    EXPECT_EQ(form->inputCheck(), InputCheck::OnCommit);
    EXPECT_EQ(rememberedInputCheck(), InputCheck::OnCommit);
    window = std::make_unique<MainWindow>(startUp(state), state);
    EXPECT_EQ(window->form()->inputCheck(), InputCheck::OnCommit);
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("actionCheckOnCommit"))->isChecked());
}

// In either way, a design that faults leaves the table and the sketch of the
// design before it, greyed, with a line that says so.
TEST_F(InputCheckTest, FaultedDesignIsShownGreyedWithItsLine)
{
    auto* line = find<QLabel>("designFaultLine");
    auto* grid = find<StringGrid>("MonGrid");
    EXPECT_FALSE(line->isVisibleTo(form));
    EXPECT_FALSE(grid->isGreyed());
    const QString r1 = grid->cell(1, 3);

    find<QRadioButton>("RB2")->click();
    find<SpinEdit>("ASpin")->setValue(70);
    ASSERT_EQ(boxes->messages.size(), 1);
    EXPECT_TRUE(line->isVisibleTo(form));
    EXPECT_EQ(line->text(), QStringLiteral("Расчет прерван ошибкой: Invalid floating point operation. "
                                           "Показан предыдущий расчет."));
    EXPECT_TRUE(grid->isGreyed());
    EXPECT_NE(find<QWidget>("esk")->graphicsEffect(), nullptr);
    EXPECT_TRUE(find<QLabel>("rayFaultLine")->text().startsWith(QStringLiteral("Расчет прерван ошибкой: ")));

    find<SpinEdit>("ASpin")->setValue(45);
    EXPECT_FALSE(line->isVisibleTo(form));
    EXPECT_FALSE(grid->isGreyed());
    EXPECT_EQ(find<QWidget>("esk")->graphicsEffect(), nullptr);
    EXPECT_NE(grid->cell(1, 3), QString()) << r1.toStdString();
}

// The built-in measured lens forecasts a negative centre thickness and a
// first surface deeper than the lens is wide: the forecast tab says so.
TEST_F(InputCheckTest, ForecastOfALensThatCannotBeMadeIsWarned)
{
    auto* warning = find<QLabel>("forecastWarning");
    EXPECT_FALSE(warning->isHidden());
    const QStringList lines = warning->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << warning->text().toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("толщина по центру dm"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("стрелка dr1"))) << lines[1].toStdString();
    // The table's last row shows the same thickness.
    const QString dm = find<StringGrid>("PrognozGrid")->cell(1, 12);
    EXPECT_TRUE(dm.startsWith(QLatin1Char('-')));
    EXPECT_TRUE(lines[0].contains(dm)) << dm.toStdString();
}
