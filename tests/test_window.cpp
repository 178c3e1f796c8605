// The real window, driven as a user drives it, headless.
#include "ui/widgets/canvas_image.h"
#include "texts/design_table.h"
#include "texts/forecast_table.h"
#include "ui/widgets/memo.h"
#include "ui/widgets/spin_edit.h"
#include "ui/app/startup.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"

#include "core/forecast.h"
#include "window_fixture.h"
#include "qt_print.h"
#include "solver_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace monocl;
using namespace monocl::testing;

namespace {

class Window : public FormFixture
{
protected:
    void typeInto(QLineEdit* field, const QString& text) { typeOver(field, text); }

    QStringList column(const char* gridName, int col) const
    {
        QStringList cells;
        StringGrid* g = grid(gridName);
        for (int row = 0; row < g->rowCount(); ++row)
            cells << g->cell(col, row);
        return cells;
    }

    void enterWorkedExample()
    {
        typeInto(edit("ihm"), num("5"));
        typeInto(edit("ih"), num("2"));
        typeInto(edit("iff"), num("75"));
        typeInto(edit("id"), num("20"));
    }
};

} // namespace

// The run's locale reaches the window: a comma in Russian, a point in C.
TEST_F(Window, DecimalSeparatorFollowsTheLocaleOfTheRun)
{
    const QByteArray locale = qgetenv("LC_ALL");
    if (locale.startsWith("ru_"))
        EXPECT_EQ(sep, ',');
    else if (locale == "C" || locale.startsWith("en_"))
        EXPECT_EQ(sep, '.');
    else
        GTEST_SKIP() << "run without --locale";
}

TEST_F(Window, StartStateFieldsAndLabels)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Выбор наилучших конструктивных параметров монокля "));
    EXPECT_EQ(window->objectName(), QStringLiteral("optmono"));
    EXPECT_EQ(edit("NDedit")->text(), num("1,5182"));
    EXPECT_EQ(edit("ABEdit")->text(), num("63,84"));
    EXPECT_EQ(edit("ihm")->text(), num("4,00"));
    EXPECT_EQ(edit("ih")->text(), num("3,80"));
    EXPECT_EQ(edit("iff")->text(), num("75,00"));
    EXPECT_EQ(edit("id")->text(), num("20,00"));
    EXPECT_EQ(edit("inmin")->text(), num("1,5"));
    EXPECT_EQ(edit("inmax")->text(), num("1,7"));
    // What the bars stand for at 60 and 100: 60 × 0,25 / 100 + 0,25 and 0,5.
    EXPECT_EQ(find<QLabel>("Lksf")->text(), QStringLiteral("Kсф=") + num("0,40"));
    EXPECT_EQ(find<QLabel>("LKxr")->text(), QStringLiteral("Kхр=") + num("0,50"));

    EXPECT_EQ(state.MeasuredHeight, 4.0);
    EXPECT_EQ(state.MeasuredFocal, 75.0);
    EXPECT_EQ(state.MeasuredDiameter, 20.0);
    EXPECT_DOUBLE_EQ(state.MeasuredEdge, 3.8);
    EXPECT_EQ(state.NdMin, 1.5);
    EXPECT_EQ(state.NdMax, 1.7);
    EXPECT_EQ(state.NdEntry, 1.5182);
    EXPECT_EQ(state.AbbeEntry, 63.84);
    EXPECT_EQ(state.CorrectionType, 1);

    auto* tabs = find<QTabWidget>("PageControl1");
    EXPECT_EQ(tabs->currentIndex(), 0);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Расчет", "Прогноз", "Проверка лучами", "Изображение", "Справка",
                                    "Схема монокля", "О программе"}));
    EXPECT_TRUE(find<QRadioButton>("RB1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("Sf1")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Sf2")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("Sf3")->isEnabled());
    EXPECT_TRUE(find<QRadioButton>("sfp1")->isChecked());
    EXPECT_EQ(find<SpinEdit>("FSpin")->value(), 52);
    EXPECT_EQ(find<SpinEdit>("NSpin")->value(), 8);
    EXPECT_EQ(find<TrackBar>("KsfBar")->value(), 60);
    EXPECT_EQ(find<TrackBar>("KxrBar")->value(), 100);
    EXPECT_TRUE(boxes->messages.isEmpty());
}

TEST_F(Window, StartStateDesignTable)
{
    StringGrid* g = grid("MonGrid");
    ASSERT_EQ(g->rowCount(), 30);
    ASSERT_EQ(g->colCount(), 2);
    EXPECT_EQ(g->colWidth(0), 730);
    EXPECT_EQ(g->colWidth(1), 100);
    const char* values[] = {"7,8", "6,64", "-20,40", "-12,40", "1,65", "-5,72", "-9,52", "-4,38",
                            "14,50", "3,80", "2,91", "55,30", "46,487", "0,000", "-0,277", "0,567",
                            "-0,183", "-91,67", "987,90", "179,20", "-197,10", "0,222", "0,142",
                            "0,000", "0,288", "0,218", "18,0", "9,3", "-0,41"};
    EXPECT_EQ(g->cell(0, 0), QStringLiteral("Конструктивный параметр"));
    EXPECT_EQ(g->cell(1, 0), QStringLiteral("Значение"));
    for (int row = 1; row < 30; ++row) {
        EXPECT_EQ(g->cell(0, row).toStdString(), designTableLabel(row)) << row;
        EXPECT_EQ(g->cell(1, row), num(values[row - 1])) << row;
    }
}

TEST_F(Window, StartStateForecastAndConclusions)
{
    StringGrid* g = grid("PrognozGrid");
    ASSERT_EQ(g->rowCount(), 13);
    ASSERT_EQ(g->colCount(), 3);
    EXPECT_EQ(g->colWidth(0), 500);
    EXPECT_EQ(g->colWidth(1), 50);
    EXPECT_EQ(g->colWidth(2), 50);
    EXPECT_EQ(g->cell(0, 0), QStringLiteral("Параметр"));
    EXPECT_EQ(g->cell(1, 0), QStringLiteral("Мин."));
    EXPECT_EQ(g->cell(2, 0), QStringLiteral("Макс."));

    // The start lens: hm 4, h 3.8, so dr2 = 0.2 and r2 = -(100 + 0.04) / 0.4.
    EXPECT_EQ(g->cell(1, 1), num("0,20"));
    EXPECT_EQ(g->cell(1, 4), num("-250,10"));
    EXPECT_EQ(g->cell(2, 1), QString());
    EXPECT_EQ(g->cell(2, 4), QString());

    // Every other cell is what the forecast gives for the same lens.
    MonoclState lens = test::measuredLens(4, 3.8);
    const ForecastValues v = ComputeForecast(ForecastControls{}, lens);
    int empty = 0;
    for (int row = 1; row < 13; ++row) {
        const ForecastRow r = forecastTableRow(row, lens, v, sep);
        EXPECT_EQ(g->cell(0, row).toStdString(), r.label);
        EXPECT_EQ(g->cell(1, row).toStdString(), r.minText);
        EXPECT_EQ(g->cell(2, row).toStdString(), r.maxText.value_or(""));
        empty += g->cell(2, row).isEmpty();
    }
    EXPECT_EQ(empty, 2);

    EXPECT_EQ(memo("vvd")->lines(),
              (QStringList{"Сферическая аберрация меньше 0,25% фокуса",
                           "Хроматическая аберрация в " + num("45,9") + " раза больше допустимой"}));
    EXPECT_EQ(memo("vvd")->fontColor(), QColor(255, 0, 0));
    EXPECT_EQ(memo("vvd")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(memo("recom")->lines(),
              (QStringList{"Применять светофильтр О 2,8",
                           "Рекомендуемое относительное отверстие от " + num("2,4") + " до " + num("3,4")}));
}

TEST_F(Window, ConclusionsFollowTheForecastInputs)
{
    enterWorkedExample();
    EXPECT_EQ(memo("vvd")->lines(),
              QStringList{"Хроматическая аберрация в " + num("1,9") + " раза больше допустимой"});
    EXPECT_EQ(memo("vvd")->fontColor(), QColor(255, 0, 0));
    const QStringList advice{"Применять желтый светофильтр Ж 2х",
                             "Рекомендуемое относительное отверстие от " + num("6,9") + " до " + num("8,8")};
    EXPECT_EQ(memo("recom")->lines(), advice);
    EXPECT_EQ(grid("PrognozGrid")->cell(1, 11), num("0,565"));
    EXPECT_EQ(grid("PrognozGrid")->cell(2, 11), num("0,935"));

    QTest::mouseClick(find<QRadioButton>("sfp3"), Qt::LeftButton);
    EXPECT_EQ(memo("vvd")->lines(), QStringList{"оптическая система удовлетворяет условиям мягкого рисунка !"});
    EXPECT_EQ(memo("vvd")->fontColor(), QColor(0, 128, 0));
    EXPECT_EQ(memo("recom")->lines(), advice);

    // The fourth filter button shares the third one's handler yet keeps its
    // own factor.
    QTest::mouseClick(find<QRadioButton>("Sfp4"), Qt::LeftButton);
    EXPECT_EQ(grid("PrognozGrid")->cell(2, 11), num("0,334"));

    QTest::mouseClick(find<QRadioButton>("sfp1"), Qt::LeftButton);
    typeInto(find<SpinEdit>("NSpin")->lineEdit(), QStringLiteral("11"));
    EXPECT_EQ(memo("vvd")->lines(),
              (QStringList{"Сферическая аберрация меньше 0,25% фокуса",
                           "Хроматическая аберрация в " + num("3,5") + " раза больше допустимой"}));
    EXPECT_EQ(memo("recom")->lines(), advice);
    EXPECT_TRUE(boxes->messages.isEmpty());
}

TEST_F(Window, UnparsableEntriesAreRestored)
{
    QLineEdit* nd = edit("NDedit");
    typeInto(nd, QString());
    EXPECT_EQ(nd->text(), num("1,5182"));

    // The other separator does not parse.
    const QString other = sep == ',' ? QStringLiteral("1.6") : QStringLiteral("1,6");
    nd->setText(other);
    EXPECT_EQ(nd->text(), num("1,5182"));
    EXPECT_EQ(state.NdEntry, 1.5182);

    typeInto(edit("inmin"), QStringLiteral("x"));
    EXPECT_EQ(edit("inmin")->text(), num("1,50"));
    EXPECT_EQ(state.NdMin, 1.5);

    // An Abbe number of three decimals is restored as shown, rounded.
    edit("ABEdit")->setText(num("63,845"));
    EXPECT_DOUBLE_EQ(state.AbbeEntry, 63.845);
    typeInto(edit("ABEdit"), QStringLiteral("-"));
    EXPECT_EQ(edit("ABEdit")->text(), num("63,85"));
    EXPECT_DOUBLE_EQ(state.AbbeEntry, 63.85);

    // A number too large for a double is refused like any other junk.
    edit("iff")->setText(QStringLiteral("1E400"));
    EXPECT_EQ(edit("iff")->text(), num("75,00"));
    EXPECT_EQ(state.MeasuredFocal, 75.0);
    EXPECT_EQ(boxes->messages, QStringList{});
}

TEST_F(Window, TypingAnIndexKeystrokeByKeystroke)
{
    QLineEdit* nd = edit("NDedit");
    nd->selectAll();
    QTest::keyClick(nd, '1');
    EXPECT_EQ(state.NdEntry, 1.0);
    EXPECT_EQ(boxes->messages, QStringList{"Invalid floating point operation."});
    QTest::keyClick(nd, sep);
    EXPECT_EQ(nd->text(), num("1,"));
    EXPECT_EQ(state.NdEntry, 1.0);
    EXPECT_EQ(boxes->messages.size(), 2);
    QTest::keyClick(nd, '6');
    EXPECT_DOUBLE_EQ(state.NdEntry, 1.6);
    EXPECT_EQ(boxes->messages.size(), 2);
    EXPECT_TRUE(boxes->allLookRight);
    EXPECT_NE(grid("MonGrid")->cell(1, 1), QStringLiteral(" - "));
}

TEST_F(Window, MeasuredFieldChecks)
{
    // Pasted whole: typed, the lone "-" would be restored at once.
    edit("ihm")->setText(QStringLiteral("-3"));
    EXPECT_EQ(edit("ihm")->text(), num("0,00"));
    EXPECT_EQ(state.MeasuredHeight, 0.0);

    typeInto(edit("ihm"), QStringLiteral("4"));
    EXPECT_EQ(state.MeasuredHeight, 4.0);
    edit("ih")->setText(QStringLiteral("5"));
    EXPECT_EQ(edit("ih")->text(), num("4,00"));
    EXPECT_EQ(state.MeasuredEdge, 4.0);
    edit("ih")->setText(QStringLiteral("4"));
    EXPECT_EQ(edit("ih")->text(), num("4,00"));
    EXPECT_EQ(state.MeasuredEdge, 4.0);
    edit("ih")->setText(QStringLiteral("-1"));
    EXPECT_EQ(edit("ih")->text(), num("0,00"));
    EXPECT_EQ(state.MeasuredEdge, 0.0);

    edit("ih")->setText(num("3,5"));
    edit("ihm")->setText(QStringLiteral("2"));
    EXPECT_EQ(state.MeasuredHeight, 2.0);
    EXPECT_EQ(state.MeasuredEdge, 3.5);
}

TEST_F(Window, GlassRangeIsClamped)
{
    edit("inmin")->setText(QStringLiteral("2"));
    EXPECT_EQ(edit("inmin")->text(), num("1,80"));
    EXPECT_EQ(state.NdMin, 1.8);
    edit("inmax")->setText(num("1,2"));
    EXPECT_EQ(edit("inmax")->text(), num("1,40"));
    EXPECT_EQ(state.NdMax, 1.4);
    edit("inmin")->setText(num("1,7"));
    edit("inmax")->setText(num("1,5"));
    EXPECT_EQ(edit("inmin")->text(), num("1,7"));
    EXPECT_EQ(edit("inmax")->text(), num("1,5"));
    EXPECT_EQ(state.NdMin, 1.7);
    EXPECT_EQ(state.NdMax, 1.5);
}

TEST_F(Window, TrackBarLabels)
{
    auto* ksf = find<TrackBar>("KsfBar");
    auto* kxr = find<TrackBar>("KxrBar");
    const std::pair<int, const char*> cases[] = {{0, "0,25"}, {2, "0,26"}, {14, "0,29"}, {100, "0,50"}};
    for (auto [position, text] : cases) {
        ksf->setValue(position);
        EXPECT_EQ(find<QLabel>("Lksf")->text(), QStringLiteral("Kсф=") + num(text));
        kxr->setValue(position == 100 ? 99 : position);
        kxr->setValue(position);
        EXPECT_EQ(find<QLabel>("LKxr")->text(), QStringLiteral("Kхр=") + num(text));
    }
    // The design follows the bar: at 0,25 % the spot is 0.0025 of 52 mm.
    ksf->setValue(0);
    ASSERT_EQ(state.SphericalRatio, 0.0025);
}

TEST_F(Window, FailedDesignShowsDashes)
{
    find<TrackBar>("KsfBar")->setValue(100);
    edit("ABEdit")->setText(QStringLiteral("100"));
    const QStringList values = column("MonGrid", 1);
    for (int row = 1; row < 30; ++row)
        EXPECT_EQ(values[row], QStringLiteral(" - ")) << row;
    EXPECT_EQ(values[0], QStringLiteral("Значение"));
    EXPECT_EQ(grid("MonGrid")->cell(0, 3).toStdString(), designTableLabel(3));
    EXPECT_TRUE(boxes->messages.isEmpty());

    // The forecast is untouched by the design's failure.
    EXPECT_EQ(grid("PrognozGrid")->cell(1, 1), num("0,20"));
}

TEST_F(Window, FaultInEdgeGeometryLeavesTheTableUntouched)
{
    find<TrackBar>("KsfBar")->setValue(100);
    edit("ABEdit")->setText(QStringLiteral("90"));
    const QStringList before = column("MonGrid", 1);
    edit("ABEdit")->setText(QStringLiteral("95"));
    EXPECT_EQ(boxes->messages, QStringList{"Invalid floating point operation."});
    EXPECT_EQ(column("MonGrid", 1), before);
    EXPECT_EQ(state.AbbeEntry, 95.0);
}

TEST_F(Window, FirstRecomputeFailing)
{
    MonoclState other;
    applyStartValues(other);
    other.NdEntry = 1.12; // too weak a glass for a meniscus concave to the stop
    Toptmono failing(other);
    auto* g = failing.findChild<StringGrid*>(QStringLiteral("MonGrid"));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->rowCount(), 30);
    for (int row = 0; row < 30; ++row)
        EXPECT_EQ(g->cell(0, row), QString()) << row;
    EXPECT_EQ(g->cell(1, 0), QString());
    for (int row = 1; row < 30; ++row)
        EXPECT_EQ(g->cell(1, row), QStringLiteral(" - ")) << row;
    EXPECT_EQ(boxes->messages, QStringList{});
}

TEST_F(Window, DesignFaultDoesNotFreezeTheForecast)
{
    QTest::mouseClick(find<QRadioButton>("RB2"), Qt::LeftButton);
    ASSERT_TRUE(find<QRadioButton>("RB2")->isChecked());
    EXPECT_EQ(state.CorrectionType, 2);
    find<SpinEdit>("ASpin")->setText(QStringLiteral("70"));
    EXPECT_EQ(boxes->messages, QStringList{"Invalid floating point operation."});

    const QString before = grid("PrognozGrid")->cell(1, 10);
    find<SpinEdit>("NSpin")->setText(QStringLiteral("16"));
    EXPECT_EQ(boxes->messages.size(), 2) << "one box for each user action";
    EXPECT_NE(grid("PrognozGrid")->cell(1, 10), before);

    // A nested run that faults ends its outer handler and shows one box.
    typeInto(edit("ihm"), QStringLiteral("x"));
    EXPECT_EQ(boxes->messages.size(), 3);
    EXPECT_EQ(edit("ihm")->text(), num("4,00"));
    EXPECT_TRUE(boxes->allLookRight);
}

TEST_F(Window, TabSwitchesRecompute)
{
    auto* tabs = find<QTabWidget>("PageControl1");
    for (int tab : {1, 2, 3, 4, 5, 0}) {
        grid("MonGrid")->setCell(1, 1, QStringLiteral("x"));
        grid("PrognozGrid")->setCell(1, 1, QStringLiteral("x"));
        tabs->setCurrentIndex(tab);
        EXPECT_EQ(grid("MonGrid")->cell(1, 1), num("7,8")) << tab;
        EXPECT_EQ(grid("PrognozGrid")->cell(1, 1), num("0,20")) << tab;
    }
}

TEST_F(Window, DisabledFiltersCannotBeChosen)
{
    QTest::mouseClick(find<QRadioButton>("Sf2"), Qt::LeftButton);
    QTest::mouseClick(find<QRadioButton>("Sf3"), Qt::LeftButton);
    EXPECT_TRUE(find<QRadioButton>("Sf1")->isChecked());
    EXPECT_EQ(grid("MonGrid")->cell(1, 29), num("-0,41"));
}

TEST_F(Window, SpinEditsReadAndClampAsTyped)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* aspin = find<SpinEdit>("ASpin");
    aspin->lineEdit()->setFocus();
    typeInto(aspin->lineEdit(), QStringLiteral("0"));
    EXPECT_EQ(state.FieldAngle, 0.0);
    EXPECT_EQ(grid("MonGrid")->cell(1, 23), num("0,000"));

    auto* fspin = find<SpinEdit>("FSpin");
    fspin->lineEdit()->setFocus();
    typeInto(fspin->lineEdit(), QStringLiteral("1500"));
    EXPECT_EQ(state.FocalLength, 1.5) << "read unchanged while typing";
    find<SpinEdit>("OtSpin")->lineEdit()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(fspin->text(), QStringLiteral("1000"));
    EXPECT_EQ(state.FocalLength, 1.0);

    // Letters are refused; a lone sign reads as the minimum.
    typeInto(fspin->lineEdit(), QStringLiteral("a"));
    EXPECT_EQ(fspin->text(), QStringLiteral("1000"));
    fspin->lineEdit()->selectAll();
    QTest::keyClick(fspin->lineEdit(), '-');
    EXPECT_EQ(fspin->value(), 0);
    EXPECT_EQ(boxes->messages, QStringList{"Invalid floating point operation."});
}

TEST_F(Window, InputsCarryAccessibleNames)
{
    for (const char* name : {"FSpin", "ASpin", "OtSpin", "NDedit", "ABEdit", "KsfBar", "KxrBar",
                             "MonGrid", "ihm", "ih", "id", "iff", "inmin", "inmax", "VminSP",
                             "VmaxSP", "NSpin", "PrognozGrid", "vvd", "recom"}) {
        auto* w = find<QWidget>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
        if (auto* spin = qobject_cast<SpinEdit*>(w)) {
            EXPECT_EQ(spin->lineEdit()->accessibleName(), w->accessibleName()) << name;
        }
    }
    EXPECT_EQ(edit("ihm")->accessibleName(), QStringLiteral("Высота линзы, мм hm="));
}

TEST_F(Window, GridCopiesItsSelection)
{
    window->show();
    StringGrid* g = grid("MonGrid");
    g->setFocus();
    QTest::keyClick(g, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
    const QStringList rows = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(rows.size(), 29);
    EXPECT_EQ(rows.front(), num("7,8"));
    EXPECT_EQ(rows.back(), num("-0,41"));
}

TEST_F(Window, EqualTextsRunNothing)
{
    const long runs = window->recomputeRuns();
    edit("ihm")->setText(edit("ihm")->text());
    window->setFieldText(edit("NDedit"), edit("NDedit")->text());
    find<QRadioButton>("RB1")->setChecked(true);
    EXPECT_EQ(window->recomputeRuns(), runs);
    edit("ihm")->setText(num("4,5"));
    EXPECT_EQ(window->recomputeRuns(), runs + 1);
}

TEST_F(Window, SketchFollowsTheDesign)
{
    auto* esk = find<monocl::CanvasImage>("esk");
    EXPECT_EQ(esk->size(), QSize(235, 235));
    const QImage start = esk->grab().toImage();
    EXPECT_EQ(start.pixelColor(80, 117), QColor(220, 220, 250));
    EXPECT_EQ(start.pixelColor(2, 117), QColor(255, 255, 255));

    // A failed design keeps the earlier picture; a new design redraws it.
    find<TrackBar>("KsfBar")->setValue(100);
    const QImage before = esk->grab().toImage();
    edit("ABEdit")->setText(QStringLiteral("100"));
    ASSERT_EQ(grid("MonGrid")->cell(1, 1), QStringLiteral(" - "));
    EXPECT_EQ(esk->grab().toImage(), before);
    find<TrackBar>("KsfBar")->setValue(60);
    ASSERT_NE(grid("MonGrid")->cell(1, 1), QStringLiteral(" - "));
    EXPECT_NE(esk->grab().toImage(), before);
    edit("ABEdit")->setText(num("63,84"));
    EXPECT_EQ(esk->grab().toImage(), start);
}

TEST_F(Window, FaultsWhileABoxIsOpenStaySilent)
{
    QTest::mouseClick(find<QRadioButton>("RB2"), Qt::LeftButton);
    long runsWhileOpen = 0;
    boxes->whileOpen = [&] {
        // An auto-repeat that fires inside the box's event loop.
        const long before = window->recomputeRuns();
        find<SpinEdit>("NSpin")->stepUp();
        runsWhileOpen = window->recomputeRuns() - before;
    };
    find<SpinEdit>("ASpin")->setText(QStringLiteral("70"));
    EXPECT_EQ(runsWhileOpen, 1);
    EXPECT_EQ(boxes->messages, QStringList{"Invalid floating point operation."});
    find<SpinEdit>("NSpin")->stepUp();
    EXPECT_EQ(boxes->messages.size(), 2) << "the next action shows its box again";
}

TEST_F(Window, SpinEditKeepsItsTextWhenTheWindowLosesActivation)
{
    auto* fspin = find<SpinEdit>("FSpin");
    fspin->setText(QStringLiteral("1500"));
    // A message box or another program taking the activation is no leaving
    // of the field; moving the focus within the window is.
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(fspin->lineEdit(), &deactivated);
    EXPECT_EQ(fspin->text(), QStringLiteral("1500"));
    QFocusEvent left(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(fspin->lineEdit(), &left);
    EXPECT_EQ(fspin->text(), QStringLiteral("1000"));
}

TEST_F(Window, FocusOrder)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The controls Tab visits, in order, from the first control of a tab;
    // a spin edit's field counts as the spin edit.
    const auto visits = [&](int tab, std::initializer_list<const char*> names) {
        find<QTabWidget>("PageControl1")->setCurrentIndex(tab);
        QWidget* first = find<QWidget>(*names.begin());
        if (auto* spin = qobject_cast<SpinEdit*>(first))
            first = spin->lineEdit();
        first->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (std::size_t i = 0; i < names.size(); ++i) {
            QWidget* w = QApplication::focusWidget();
            if (w && qobject_cast<SpinEdit*>(w->parentWidget()))
                w = w->parentWidget();
            order << (w ? w->objectName() : QStringLiteral("(none)"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList expected;
        for (const char* n : names)
            expected << QString::fromLatin1(n);
        EXPECT_EQ(order, expected);
    };
    // Radio buttons of one group take one Tab stop, at the checked button.
    visits(0, {"FSpin", "ASpin", "OtSpin", "KsfBar", "KxrBar", "NDedit", "ABEdit", "glassButton",
               "RB1", "Sf1", "fp1", "MonGrid"});
    visits(1, {"ihm", "ih", "iff", "id", "inmin", "inmax", "VminSP", "VmaxSP", "PrognozGrid",
               "NSpin", "glassList", "sfp1", "recom", "vvd"});
}

TEST_F(Window, FixedTabs)
{
    EXPECT_EQ(memo("Memo1")->lines(),
              (QStringList{"", "", "Программа предназначена для расчета конструктивных параметров ",
                           "оптической системы типа \"монокль\" для пикториальной фотографии.",
                           "Расчет проводится методом теории аберраций третьего порядка Зейделя."}));
    EXPECT_TRUE(memo("Memo1")->isReadOnly());
    QStringList notes;
    for (const QLabel* label : find<QWidget>("GroupBox12")->findChildren<QLabel*>())
        notes << label->text();
    EXPECT_EQ(notes.size(), 5);
    EXPECT_EQ(notes.value(4), QStringLiteral("5)  отношение диаметра к ширины фальцета (края) мениска  "));
    // The pictures are decoded when their tab is first shown.
    EXPECT_TRUE(find<QLabel>("Image1")->pixmap().isNull());
    window->show();
    auto* tabs = find<QTabWidget>("PageControl1");
    tabs->setCurrentIndex(5);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(find<QLabel>("Image1")->pixmap().size(), QSize(870, 672));
    EXPECT_EQ(find<QLabel>("Image2")->pixmap().size(), QSize(715, 405));
    EXPECT_TRUE(find<QLabel>("Image2")->hasScaledContents());
}
