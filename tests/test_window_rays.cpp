// The ray check's tab: traced while shown, dashes where a value cannot be had.
#include "ui/window/monoclForm.h"
#include "ui/widgets/spin_edit.h"
#include "ui/app/startup.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"

#include "box_catcher.h"
#include "qt_print.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;

namespace {

class WindowRays : public ::testing::Test
{
protected:
    void SetUp() override
    {
        boxes = std::make_unique<BoxCatcher>();
        window = startUp(state);
        sep = window->decimalSeparator();
        tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        grid = window->findChild<StringGrid*>(QStringLiteral("RayGrid"));
        ASSERT_NE(grid, nullptr);
    }

    QStringList values(int col = 1, const char* name = "RayGrid") const
    {
        const auto* g = find<StringGrid>(name);
        QStringList v;
        for (int row = 1; row < g->rowCount(); ++row)
            v << g->cell(col, row);
        return v;
    }

    template <class T>
    T* find(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QString text(const char* label) const { return find<QLabel>(label)->text(); }

    // The design's inputs, the real ones typed with the window's separator.
    struct Design {
        int focal, field, edgeRatio;
        const char* nd;
        const char* abbe;
        bool anastigmat;
        int ksBar, kxBar;
    };

    void enter(const Design& d) const
    {
        find<SpinEdit>("FSpin")->setValue(d.focal);
        find<SpinEdit>("ASpin")->setValue(d.field);
        find<SpinEdit>("OtSpin")->setValue(d.edgeRatio);
        find<QLineEdit>("NDedit")->setText(num(d.nd));
        find<QLineEdit>("ABEdit")->setText(num(d.abbe));
        find<QRadioButton>(d.anastigmat ? "RB2" : "RB1")->click();
        find<TrackBar>("KsfBar")->setValue(d.ksBar);
        find<TrackBar>("KxrBar")->setValue(d.kxBar);
    }

    QString num(const char* text) const
    {
        QString s = QString::fromUtf8(text);
        s.replace(QLatin1Char(','), QLatin1Char(sep));
        return s;
    }

    MonoclState state;
    std::unique_ptr<BoxCatcher> boxes;
    std::unique_ptr<Toptmono> window;
    QTabWidget* tabs = nullptr;
    StringGrid* grid = nullptr;
    char sep = ',';
};

} // namespace

TEST_F(WindowRays, TracedOnlyWhileItsTabIsShown)
{
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Проверка лучами"));
    EXPECT_EQ(grid->cell(1, 1), QString()) << "not traced before the tab is shown";
    tabs->setCurrentIndex(2);
    ASSERT_EQ(grid->rowCount(), 17);
    EXPECT_EQ(grid->cell(0, 0), QStringLiteral("Параметр"));
    EXPECT_EQ(grid->cell(1, 0), QStringLiteral("Третий порядок"));
    EXPECT_EQ(grid->cell(2, 0), QStringLiteral("Уточнено лучами"));
    EXPECT_EQ(grid->cell(0, 5), QStringLiteral("Относительная сферическая аберрация Kсф по лучам, %"));
    const QStringList v = values();
    EXPECT_EQ(v.value(0), num("52,00")) << "the traced lens has the focal length it was designed for";
    EXPECT_EQ(v.value(4), num("0,432"));
    EXPECT_EQ(v.value(5), num("0,400"));
    EXPECT_EQ(v.value(15), num("0,0"));
    for (const QString& text : v)
        EXPECT_NE(text, QStringLiteral(" - "));

    // Leaving the tab stops the tracing; the grid keeps what it showed.
    tabs->setCurrentIndex(0);
    window->findChild<SpinEdit*>(QStringLiteral("FSpin"))->setValue(100);
    EXPECT_EQ(values(), v);
    tabs->setCurrentIndex(2);
    EXPECT_NE(values().value(0), v.value(0));
    EXPECT_TRUE(boxes->messages.isEmpty());
}

TEST_F(WindowRays, FailedDesignShowsDashes)
{
    tabs->setCurrentIndex(2);
    window->findChild<TrackBar*>(QStringLiteral("KsfBar"))->setValue(100);
    window->findChild<QLineEdit*>(QStringLiteral("ABEdit"))->setText(QStringLiteral("100"));
    ASSERT_EQ(window->findChild<StringGrid*>(QStringLiteral("MonGrid"))->cell(1, 1),
              QStringLiteral(" - "));
    for (int col : {1, 2}) {
        for (const QString& text : values(col))
            EXPECT_EQ(text, QStringLiteral(" - "));
        for (const QString& text : values(col, "LensGrid"))
            EXPECT_EQ(text, QStringLiteral(" - "));
    }
    EXPECT_EQ(text("rayRefinement"), QStringLiteral("Уточнение лучами: нет расчета третьего порядка"));
    EXPECT_EQ(text("RayWarnings"), QString());
    // Without a lens the aperture table has its f-numbers and Airy disks only.
    auto* apertures = find<StringGrid>("ApertureGrid");
    ASSERT_EQ(apertures->rowCount(), 10);
    EXPECT_EQ(apertures->cell(0, 5), num("8,0"));
    EXPECT_EQ(apertures->cell(5, 5), num("5,7"));
    for (int col = 1; col < 5; ++col)
        EXPECT_EQ(apertures->cell(col, 5), QStringLiteral(" - ")) << col;
}

// Both lenses of the start design: the refined one has the focal length,
// the spherical aberration and the rim that were asked for.
TEST_F(WindowRays, StartDesignShowsBothLenses)
{
    tabs->setCurrentIndex(2);
    const QStringList refined = values(2);
    EXPECT_EQ(refined.value(0), num("52,00"));
    EXPECT_EQ(refined.value(4), num("0,400")) << "Ksph by rays is the one asked for";
    EXPECT_EQ(refined.value(5), num("0,400"));

    const struct {
        int row;
        const char* design;
        const char* refined;
    } lensRows[] = {
        {0, "-20,405", "-21,726"}, // R1
        {1, "-12,351", "-12,769"}, // R2
        {2, "3,803", "3,923"},     // dh
        {3, "-5,722", "-5,541"},   // X1
        {4, "-4,385", "-4,290"},   // Xk
        {5, "14,530", "14,530"},   // Dm, kept
        {6, "6,639", "6,639"},     // Df, kept
        {7, "2,777", "2,906"},     // the rim: Dm / 5 when refined
        {8, "-1,337", "-1,251"},
        {9, "-2,363", "-2,268"},
    };
    const QStringList design = values(1, "LensGrid"), lens = values(2, "LensGrid");
    ASSERT_EQ(design.size(), 10);
    for (const auto& r : lensRows) {
        EXPECT_EQ(design.value(r.row), num(r.design)) << r.row;
        EXPECT_EQ(lens.value(r.row), num(r.refined)) << r.row;
    }
    EXPECT_EQ(find<StringGrid>("LensGrid")->cell(0, 8), QStringLiteral("Ширина края мениска, мм"));
    EXPECT_EQ(text("rayRefinement"), QStringLiteral("Уточнение лучами сошлось, шагов метода Ньютона: 3"));
    EXPECT_EQ(text("RayWarnings"), QString());

    // The nine f-numbers and the lens's own, in bold in its place; its
    // Ksph by rays is the ray table's.
    auto* apertures = find<StringGrid>("ApertureGrid");
    ASSERT_EQ(apertures->rowCount(), 11);
    EXPECT_EQ(find<QGroupBox>("apertureBox")->title(), QStringLiteral("Мягкость по диафрагме: мениск, уточненный лучами"));
    const QStringList ns = values(0, "ApertureGrid");
    EXPECT_EQ(ns, (QStringList{num("4,0"), num("4,5"), num("5,6"), num("6,3"), num("7,83"), num("8,0"),
                               num("9,0"), num("11,0"), num("12,5"), num("16,0")}));
    for (int row = 1; row < apertures->rowCount(); ++row)
        EXPECT_EQ(apertures->isRowBold(row), row == 5) << row;
    EXPECT_EQ(apertures->cell(2, 5), refined.value(4));
    EXPECT_EQ(apertures->cell(5, 6), num("5,7")) << "1,22 lambda N at N = 8";
    for (int row = 1; row < apertures->rowCount(); ++row)
        for (int col = 1; col < 6; ++col)
            EXPECT_NE(apertures->cell(col, row), QStringLiteral(" - ")) << col << " " << row;

    // A typed N adds the last row; a text that is not one takes it away.
    find<QLineEdit>("apertureNumber")->setText(num("5,25"));
    ASSERT_EQ(apertures->rowCount(), 12);
    EXPECT_EQ(apertures->cell(0, 11), num("5,25"));
    EXPECT_EQ(apertures->cell(1, 11), num("9,90")) << "F' / N";
    find<QLineEdit>("apertureNumber")->setText(QStringLiteral("x"));
    EXPECT_EQ(apertures->rowCount(), 11);
    EXPECT_TRUE(boxes->messages.isEmpty());
}

// What the refinement comes to and what makes a lens hard to build, for
// designs chosen to show each.
TEST_F(WindowRays, RefinementAndWarningsOfDesigns)
{
    tabs->setCurrentIndex(2);
    const struct {
        const char* name;
        Design design;
        bool refinedFound;
        const char* refinement; // the start of the line
        QStringList warnings;
    } rows[] = {
        {"no convergence", {52, 10, 5, "1,40", "90", true, 80, 100}, false,
         "Уточнение лучами не сошлось (шагов: ", {}},
        {"stop in the glass", {52, 60, 2, "1,5", "64", false, 60, 100}, false,
         "Уточнение лучами не сошлось", {QStringLiteral("Третий порядок: Диафрагма пересекает мениск")}},
        {"sharp rims", {52, 20, 30, "1,5", "64", false, 0, 100}, true, "Уточнение лучами сошлось",
         {QStringLiteral("Третий порядок: Острый край мениска"), QStringLiteral("Уточнено лучами: Острый край мениска")}},
        {"near a hemisphere", {52, 70, 7, "1,70", "90", true, 40, 100}, true, "Уточнение лучами сошлось",
         {QStringLiteral("Третий порядок: Острый край мениска; Поверхность близка к полусфере")}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        enter(r.design);
        const QStringList design = values(1), refined = values(2);
        EXPECT_NE(design.value(0), QStringLiteral(" - "));
        EXPECT_EQ(refined.value(0) == QStringLiteral(" - "), !r.refinedFound);
        EXPECT_EQ(values(2, "LensGrid").value(0) == QStringLiteral(" - "), !r.refinedFound);
        EXPECT_TRUE(text("rayRefinement").startsWith(QString::fromUtf8(r.refinement))) << text("rayRefinement").toStdString();
        EXPECT_EQ(text("RayWarnings"), r.warnings.join(QLatin1Char('\n')));
        EXPECT_EQ(find<QGroupBox>("apertureBox")->title().endsWith(QStringLiteral("третьего порядка")), !r.refinedFound);
    }
    enter({52, 10, 5, "1,40", "90", true, 80, 100});
    EXPECT_TRUE(text("rayRefinement").endsWith(QStringLiteral("метод Ньютона не сошелся")));
}
