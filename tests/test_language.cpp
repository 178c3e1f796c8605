// The window in English, in an English locale: no Russian left in what the
// user reads, the numbers the same as the Russian window's, and a live switch
// of language that changes words only.
#include "ui/glass/glass_chooser.h"
#include "ui/files/glass_table.h"
#include "ui/cli/language.h"
#include "ui/app/main_window.h"
#include "ui/window/monoclForm.h"
#include "ui/app/startup.h"
#include "ui/widgets/track_bar.h"

#include "window_fixture.h"
#include "window_snapshot.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;
using namespace monocl::testing;

namespace {

bool hasCyrillic(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// Every text of the widget and its children a user can read, tooltips and
// accessible names included, each with where it was found.
QStringList readableTexts(const QWidget& root)
{
    QStringList texts;
    const auto add = [&](const QObject* o, const QString& what, const QString& text) {
        texts << o->objectName() + QLatin1Char(' ') + what + QStringLiteral(": ") + text;
    };
    QList<const QWidget*> widgets{&root};
    for (const QWidget* w : root.findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        add(w, QStringLiteral("title"), w->windowTitle());
        add(w, QStringLiteral("tip"), w->toolTip());
        add(w, QStringLiteral("accessible"), w->accessibleName());
        if (const auto* l = qobject_cast<const QLabel*>(w))
            add(w, QStringLiteral("label"), l->text());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(w, QStringLiteral("button"), b->text());
        if (const auto* g = qobject_cast<const QGroupBox*>(w))
            add(w, QStringLiteral("group"), g->title());
        if (const auto* e = qobject_cast<const QLineEdit*>(w))
            add(w, QStringLiteral("field"), e->text() + e->placeholderText());
        if (const auto* t = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                add(w, QStringLiteral("tab"), t->tabText(i));
        if (const auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(w, QStringLiteral("item"), c->itemText(i));
        if (const auto* g = qobject_cast<const StringGrid*>(w))
            for (int row = 0; row < g->rowCount(); ++row)
                for (int col = 0; col < g->colCount(); ++col)
                    add(w, QStringLiteral("cell"), g->cell(col, row));
        if (const auto* m = qobject_cast<const Memo*>(w))
            for (const QString& line : m->lines())
                add(w, QStringLiteral("line"), line);
        if (const auto* v = qobject_cast<const QTableView*>(w); v && v->model())
            for (int row = 0; row < std::min(v->model()->rowCount(), 400); ++row)
                for (int col = 0; col < v->model()->columnCount(); ++col)
                    add(w, QStringLiteral("table"), v->model()->index(row, col).data().toString());
        if (const auto* v = qobject_cast<const QTableView*>(w); v && v->model())
            for (int col = 0; col < v->model()->columnCount(); ++col)
                add(w, QStringLiteral("header"), v->model()->headerData(col, Qt::Horizontal).toString());
    }
    for (const QAction* a : root.findChildren<QAction*>())
        add(a, QStringLiteral("action"), a->text());
    return texts;
}

QStringList withCyrillic(const QStringList& texts)
{
    QStringList found;
    for (const QString& t : texts)
        if (hasCyrillic(t))
            found << t;
    return found;
}

// The value columns of both tables, the labels left out.
QStringList tableValues(const Toptmono& window)
{
    QStringList values;
    for (const char* name : {"MonGrid", "PrognozGrid", "RayGrid"}) {
        const auto* g = window.findChild<StringGrid*>(QString::fromLatin1(name));
        for (int row = 1; row < g->rowCount(); ++row)
            for (int col = 1; col < g->colCount(); ++col)
                values << g->cell(col, row);
    }
    return values;
}

class English : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        setLanguageOverride(std::nullopt);
        rememberLanguage(Language::System);
        MainWindowFixture::SetUp();
    }

    void TearDown() override
    {
        window.reset();
        setLanguageOverride(std::nullopt);
        rememberLanguage(Language::System);
        installTranslations();
    }

    // Shows the ray tab, whose table is filled only while it is shown.
    void showRayTab() const
    {
        auto* tabs = find<QTabWidget>("PageControl1");
        tabs->setCurrentWidget(find<QWidget>("rayTab"));
    }

    void choose(const char* action) const
    {
        find<QAction>(action)->trigger();
    }

};

} // namespace

TEST_F(English, DesktopLanguageGivesAnEnglishWindowWithoutRussian)
{
    ASSERT_EQ(windowLanguage(), Language::English) << "the tests run with LC_ALL=en_US.UTF-8";
    EXPECT_TRUE(speaksEnglish());
    EXPECT_EQ(form->decimalSeparator(), '.');
    EXPECT_EQ(find<QTabWidget>("PageControl1")->tabText(0), QStringLiteral("Design"));
    showRayTab();
    const QStringList texts = readableTexts(*window);
    EXPECT_GT(texts.size(), 300);
    EXPECT_EQ(withCyrillic(texts), QStringList{});
    EXPECT_EQ(boxes->messages, QStringList{});

    // The glass chooser, its table of the catalogue's names included.
    GlassChooser chooser(glassCatalogue(), state.Nd, state.Abbe, form->decimalSeparator(), form);
    EXPECT_EQ(withCyrillic(readableTexts(chooser)), QStringList{});
}

TEST_F(English, NumbersAreTheRussianWindowsNumbers)
{
    // A design with every part of the tables in use: anastigmat, a filter.
    const auto setUpDesign = [&] {
        form->findChild<QRadioButton*>(QStringLiteral("RB2"))->click();
        form->findChild<QLineEdit*>(QStringLiteral("NDedit"))->setText(QStringLiteral("1.6"));
        form->findChild<QRadioButton*>(QStringLiteral("sfp2"))->click();
        showRayTab();
    };
    setUpDesign();
    const QStringList english = tableValues(*form);
    const QStringList englishConclusions = find<Memo>("vvd")->lines() + find<Memo>("recom")->lines();

    window.reset();
    setLanguageOverride(Language::Russian);
    window = std::make_unique<MainWindow>(startUp(state), state);
    form = window->form();
    ASSERT_FALSE(speaksEnglish());
    setUpDesign();
    EXPECT_EQ(tableValues(*form), english);
    EXPECT_EQ(find<Memo>("vvd")->lines().size() + find<Memo>("recom")->lines().size(),
              englishConclusions.size());
    // The conclusions carry the same numbers in both languages; the Russian
    // words write their own fixed numbers (0,25 %) with a comma.
    static const QRegularExpression number(QStringLiteral("\\d+([.,]\\d+)?"));
    const auto numbersIn = [](const QStringList& lines) {
        QStringList found;
        for (const QString& line : lines)
            for (const QRegularExpressionMatch& m : number.globalMatch(line))
                found << m.captured().replace(QLatin1Char(','), QLatin1Char('.'));
        return found;
    };
    EXPECT_EQ(numbersIn(find<Memo>("vvd")->lines() + find<Memo>("recom")->lines()),
              numbersIn(englishConclusions));
}

TEST_F(English, LiveSwitchChangesWordsOnly)
{
    choose("actionRussian");
    ASSERT_FALSE(speaksEnglish());
    find<SpinEdit>("FSpin")->setValue(75);
    form->findChild<QRadioButton*>(QStringLiteral("RB2"))->click();
    find<QLineEdit>("ABEdit")->setText(QStringLiteral("58.9"));
    form->chooseGlass(QStringLiteral("LZOS"), QStringLiteral("K8"));
    find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    const WindowSnapshot russian = snapshotOf(*form);
    const QStringList values = tableValues(*form);
    const long runs = form->recomputeRuns();
    EXPECT_EQ(find<QTabWidget>("PageControl1")->tabText(0), QStringLiteral("Расчет"));

    choose("actionEnglish");
    EXPECT_TRUE(speaksEnglish());
    EXPECT_EQ(withCyrillic(readableTexts(*window)), QStringList{});
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 1);
    EXPECT_EQ(tableValues(*form), values);
    EXPECT_EQ(find<QLineEdit>("ABEdit")->text(), QStringLiteral("64.07"));
    EXPECT_EQ(find<QLabel>("nearestGlass")->text(), QStringLiteral("Glass: K8 (LZOS)"));

    choose("actionRussian");
    EXPECT_EQ(differences(snapshotOf(*form), russian), QStringList{});
    EXPECT_GT(form->recomputeRuns(), runs) << "the tables are written anew";
    EXPECT_EQ(boxes->messages, QStringList{});
    EXPECT_EQ(rememberedLanguage(), Language::Russian);

    choose("actionSystemLanguage");
    EXPECT_TRUE(speaksEnglish()) << "the desktop speaks English";
}

// A design that ended in a fault keeps an earlier recompute's values; a
// switch of language still rewrites its table's words.
TEST_F(English, LiveSwitchInAFaultRewritesTheTables)
{
    choose("actionRussian");
    form->findChild<QRadioButton*>(QStringLiteral("RB2"))->click();
    find<SpinEdit>("ASpin")->setValue(70);
    ASSERT_EQ(boxes->messages.size(), 1) << "the wide anastigmat faults";
    ASSERT_TRUE(form->designFault());
    const QStringList values = tableValues(*form);

    choose("actionEnglish");
    EXPECT_EQ(withCyrillic(readableTexts(*form)), QStringList{});
    EXPECT_EQ(tableValues(*form), values);
    EXPECT_EQ(boxes->messages.size(), 1) << "the fault was told already";
}

TEST_F(English, CommandLineLanguageOverridesTheMenusChoice)
{
    rememberLanguage(Language::English);
    setLanguageOverride(Language::Russian);
    EXPECT_EQ(windowLanguage(), Language::Russian);
    setLanguageOverride(std::nullopt);
    EXPECT_EQ(windowLanguage(), Language::English);
    rememberLanguage(Language::Russian);
    EXPECT_EQ(windowLanguage(), Language::Russian);
    EXPECT_EQ(languageNamed(QStringLiteral("de")), std::nullopt);
}

// The settings are written after the choices rest, not at each switch; the
// choice must still reach the file.
TEST_F(English, ChosenLanguageReachesTheSettingsFile)
{
    choose("actionEnglish");
    EXPECT_EQ(rememberedLanguage(), Language::English);
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return QSettings().value(QStringLiteral("language")).toString() == QLatin1String("en"); },
        5000));
    choose("actionRussian");
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return QSettings().value(QStringLiteral("language")).toString() == QLatin1String("ru"); },
        5000));
}

// The ray tab's two lenses, the refinement's line and a warning in English.
TEST_F(English, RayTabSpeaksEnglish)
{
    find<SpinEdit>("ASpin")->setValue(20);
    find<SpinEdit>("OtSpin")->setValue(30);
    find<TrackBar>("KsfBar")->setValue(0);
    showRayTab();
    const auto* rays = find<StringGrid>("RayGrid");
    EXPECT_EQ(rays->cell(1, 0), QStringLiteral("Third order"));
    EXPECT_EQ(rays->cell(2, 0), QStringLiteral("Refined by rays"));
    EXPECT_EQ(find<StringGrid>("LensGrid")->cell(0, 8), QStringLiteral("Meniscus rim width, mm"));
    EXPECT_TRUE(find<QLabel>("rayRefinement")->text().startsWith(QStringLiteral("Refinement by rays converged in ")));
    EXPECT_EQ(find<QLabel>("RayWarnings")->text(),
              QStringLiteral("Third order: Sharp meniscus rim\nRefined by rays: Sharp meniscus rim"));
    EXPECT_EQ(find<StringGrid>("ApertureGrid")->cell(3, 0), QStringLiteral("Axis, µm"));
    EXPECT_EQ(boxes->messages, QStringList{});
}
