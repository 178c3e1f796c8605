// Timings of the real window, headless (QT_QPA_PLATFORM=offscreen): a full
// recompute, the start-up and one keystroke, each up to the end of the
// repaint it causes.
//
//   QT_QPA_PLATFORM=offscreen monocl_bench_ui [benchmark flags]
//   QT_QPA_PLATFORM=offscreen monocl_bench_ui --paint_census
//   valgrind --tool=callgrind --toggle-collect='*Step*'
//       monocl_bench_ui --profile=recompute0 --steps=200
//
// --paint_census prints, instead of timings, which widgets receive a paint
// event in one step of each case: the repaint work the step causes.
// --profile runs one case's step a fixed number of times after a warm-up
// that bypasses the step functions, so that a profiler collecting only the
// step functions sees exactly that many steps and no one-time costs. The
// cases: recompute0, recompute1 (the tab in view), changed (the track bar
// moved to and fro, as in BM_RecomputeChanged), keystroke, startup.

#include "ui/cli/settings.h"
#include "ui/app/startup.h"
#include "ui/widgets/kept_background.h"
#include "bench_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace monocl;

namespace {

// Watches the application's events: closes any error box the moment it
// shows, so that a fault cannot stop the run in a modal loop, and, while
// counting, tallies the paint events by widget.
class EventWatch : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++faults;
                QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
            }
            break;
        case QEvent::Paint:
            if (counting)
                ++paints[describe(watched)];
            break;
        default:
            break;
        }
        return false;
    }

    static QString describe(QObject* o)
    {
        // A viewport has no name of its own; name it after its scroll area.
        QObject* named = o;
        while (named && named->objectName().isEmpty())
            named = named->parent();
        QString text = QString::fromLatin1(o->metaObject()->className());
        if (named && named != o)
            text += QStringLiteral(" in ") + named->objectName();
        else if (named)
            text += QLatin1Char(' ') + named->objectName();
        return text;
    }

    long faults = 0;
    bool counting = false;
    QMap<QString, long> paints;
};

EventWatch* watch = nullptr;

// The timed steps, kept out of line so that a profiler can collect just them
// (valgrind --tool=callgrind --toggle-collect='*Step*').
[[gnu::noinline]] void recomputeStep(Toptmono& window)
{
    window.PageControl1Change(nullptr);
    QApplication::processEvents();
}

[[gnu::noinline]] std::unique_ptr<Toptmono> startUpStep(monocl::MonoclState& state)
{
    return monocl::startUp(state);
}

[[gnu::noinline]] void showStep(Toptmono& window)
{
    window.show();
    // Not qWaitForWindowExposed: it sleeps 10 ms whenever the first pass of
    // events does not expose the window.
    while (!window.windowHandle()->isExposed())
        QApplication::processEvents();
    QApplication::processEvents();
}

[[gnu::noinline]] void keystrokeStep(QLineEdit* edit, Qt::Key key)
{
    QTest::keyClick(edit, key);
    QApplication::processEvents();
}

void reportFaults(benchmark::State& st, long before)
{
    st.counters["faults"] = static_cast<double>(watch->faults - before);
}

// One recompute with unchanged inputs, up to the end of its repaint. Arg:
// the tab in view (0 the design, 1 the forecast).
void BM_Recompute(benchmark::State& st)
{
    const long faults = watch->faults;
    monocl::MonoclState state;
    std::unique_ptr<Toptmono> window = shownWindow(state, static_cast<int>(st.range(0)));
    for (auto _ : st)
        recomputeStep(*window);
    reportFaults(st, faults);
}
BENCHMARK(BM_Recompute)->ArgName("tab")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One recompute whose inputs change every time, with its repaint: the track
// bar KsfBar moves between two positions, so each run designs a new lens,
// rewrites the table and redraws the sketch.
[[gnu::noinline]] void changedRecomputeStep(QSlider* bar, int position)
{
    bar->setValue(position);
    QApplication::processEvents();
}

void BM_RecomputeChanged(benchmark::State& st)
{
    const long faults = watch->faults;
    monocl::MonoclState state;
    std::unique_ptr<Toptmono> window = shownWindow(state, 0);
    auto* bar = window->findChild<QSlider*>(QStringLiteral("KsfBar"));
    const long runs = window->recomputeRuns();
    bool moved = false;
    for (auto _ : st) {
        moved = !moved;
        changedRecomputeStep(bar, moved ? 61 : 60);
    }
    if (window->recomputeRuns() - runs != static_cast<long>(st.iterations()))
        st.SkipWithError("a position change did not run one recompute");
    reportFaults(st, faults);
}
BENCHMARK(BM_RecomputeChanged)->Unit(benchmark::kMicrosecond);

// The same with the ray tab in view: each run also traces and refines the
// new lens, traces both lenses, the softness table and the pictures' spots,
// and repaints the tab.
void BM_RecomputeChangedRayTab(benchmark::State& st)
{
    const long faults = watch->faults;
    monocl::MonoclState state;
    std::unique_ptr<Toptmono> window = shownWindow(state, 2);
    auto* bar = window->findChild<QSlider*>(QStringLiteral("KsfBar"));
    const long runs = window->recomputeRuns();
    bool moved = false;
    for (auto _ : st) {
        moved = !moved;
        changedRecomputeStep(bar, moved ? 61 : 60);
    }
    if (window->recomputeRuns() - runs != static_cast<long>(st.iterations()))
        st.SkipWithError("a position change did not run one recompute");
    reportFaults(st, faults);
}
BENCHMARK(BM_RecomputeChangedRayTab)->Unit(benchmark::kMillisecond);

// startUp's whole course: the store, the window with FormCreate, the glass
// range texts. The window's destruction is not timed.
void BM_StartUp(benchmark::State& st)
{
    const long faults = watch->faults;
    monocl::MonoclState state;
    for (auto _ : st) {
        std::unique_ptr<Toptmono> window = startUpStep(state);
        st.PauseTiming();
        window.reset();
        settle();
        st.ResumeTiming();
    }
    reportFaults(st, faults);
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// As BM_StartUp, then shown and painted the first time: what the user waits
// for. Not a goal of its own; it shows what the first show adds.
void BM_StartUpShown(benchmark::State& st)
{
    const long faults = watch->faults;
    monocl::MonoclState state;
    for (auto _ : st) {
        std::unique_ptr<Toptmono> window = startUpStep(state);
        showStep(*window);
        st.PauseTiming();
        window.reset();
        settle();
        st.ResumeTiming();
    }
    reportFaults(st, faults);
}
BENCHMARK(BM_StartUpShown)->Unit(benchmark::kMillisecond);

// One keystroke into NDedit up to the end of its repaint: a digit typed at
// the end, then, next iteration, erased again, so the text stays a valid
// number. Arg kept 0 lets the field and the nearest-glass line under it be
// see-through, as they were, so that each keystroke repaints the group box,
// the tab page and the window behind them too; 1 is the window as it is.
void BM_KeystrokeNDedit(benchmark::State& st)
{
    const long faults = watch->faults;
    monocl::MonoclState state;
    std::unique_ptr<Toptmono> window = shownWindow(state, 0);
    auto* edit = window->findChild<QLineEdit*>(QStringLiteral("NDedit"));
    for (QWidget* w : {static_cast<QWidget*>(edit), window->findChild<QWidget*>(QStringLiteral("nearestGlass"))})
        w->findChild<KeptBackground*>()->setKept(st.range(0) != 0);
    settle();
    edit->setFocus();
    edit->end(false);
    settle();
    const QString start = edit->text();
    if (start != QLatin1Char('1') + QChar::fromLatin1(window->decimalSeparator()) + QStringLiteral("5182"))
        st.SkipWithError("NDedit does not hold its start text");
    bool typed = false;
    for (auto _ : st) {
        keystrokeStep(edit, typed ? Qt::Key_Backspace : Qt::Key_8);
        typed = !typed;
    }
    if (typed)
        QTest::keyClick(edit, Qt::Key_Backspace);
    if (edit->text() != start)
        st.SkipWithError("NDedit did not return to its start text");
    reportFaults(st, faults);
}
BENCHMARK(BM_KeystrokeNDedit)->ArgName("kept")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// ---- The paint census ----------------------------------------------------------

void printCensus(const char* step, int steps)
{
    std::printf("%s: paint events per step (%d steps)\n", step, steps);
    if (watch->paints.isEmpty())
        std::printf("  (none)\n");
    for (auto it = watch->paints.cbegin(); it != watch->paints.cend(); ++it)
        std::printf("  %6.2f  %s\n", double(it.value()) / steps, qPrintable(it.key()));
    watch->paints.clear();
}

template <class Step>
void census(const char* name, int steps, Step step)
{
    settle();
    watch->paints.clear();
    watch->counting = true;
    for (int i = 0; i < steps; ++i) {
        step(i);
        QApplication::processEvents();
    }
    watch->counting = false;
    printCensus(name, steps);
}

int paintCensus()
{
    constexpr int steps = 20;
    for (int tab : {0, 1}) {
        monocl::MonoclState state;
        std::unique_ptr<Toptmono> window = shownWindow(state, tab);
        const QByteArray name = "recompute, tab " + QByteArray::number(tab);
        census(name.constData(), steps, [&](int) { window->PageControl1Change(nullptr); });
    }
    {
        monocl::MonoclState state;
        std::unique_ptr<Toptmono> window = shownWindow(state, 0);
        auto* bar = window->findChild<QSlider*>(QStringLiteral("KsfBar"));
        census("changed recompute (KsfBar moved)", steps,
               [&](int i) { bar->setValue(i % 2 ? 60 : 61); });
    }
    {
        monocl::MonoclState state;
        std::unique_ptr<Toptmono> window = shownWindow(state, 0);
        auto* edit = window->findChild<QLineEdit*>(QStringLiteral("NDedit"));
        edit->setFocus();
        edit->end(false);
        census("keystroke in NDedit", steps, [&](int i) {
            QTest::keyClick(edit, i % 2 ? Qt::Key_Backspace : Qt::Key_8);
        });
    }
    {
        monocl::MonoclState state;
        watch->paints.clear();
        watch->counting = true;
        std::unique_ptr<Toptmono> window = monocl::startUp(state);
        showStep(*window);
        watch->counting = false;
        printCensus("start-up and first show", 1);
    }
    std::printf("faults: %ld\n", watch->faults);
    return 0;
}

// ---- Fixed-count runs for a profiler ------------------------------------------

int profileRun(const QString& which, int steps)
{
    monocl::MonoclState state;
    if (which == QLatin1String("recompute0") || which == QLatin1String("recompute1")) {
        std::unique_ptr<Toptmono> window = shownWindow(state, which.endsWith(QLatin1Char('1')));
        for (int i = 0; i < 5; ++i) {
            window->PageControl1Change(nullptr);
            QApplication::processEvents();
        }
        for (int i = 0; i < steps; ++i)
            recomputeStep(*window);
    } else if (which == QLatin1String("changed")) {
        std::unique_ptr<Toptmono> window = shownWindow(state, 0);
        auto* bar = window->findChild<QSlider*>(QStringLiteral("KsfBar"));
        for (int i = 0; i < 6; ++i) {
            bar->setValue(i % 2 ? 60 : 61);
            QApplication::processEvents();
        }
        for (int i = 0; i < steps; ++i)
            changedRecomputeStep(bar, i % 2 ? 60 : 61);
    } else if (which == QLatin1String("keystroke")) {
        std::unique_ptr<Toptmono> window = shownWindow(state, 0);
        auto* edit = window->findChild<QLineEdit*>(QStringLiteral("NDedit"));
        edit->setFocus();
        edit->end(false);
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(edit, i % 2 ? Qt::Key_Backspace : Qt::Key_8);
            QApplication::processEvents();
        }
        for (int i = 0; i < steps; ++i)
            keystrokeStep(edit, i % 2 ? Qt::Key_Backspace : Qt::Key_8);
    } else if (which == QLatin1String("startup")) {
        // The warm-up loads the fonts and the pictures' decoders.
        shownWindow(state, 0).reset();
        settle();
        for (int i = 0; i < steps; ++i) {
            startUpStep(state).reset();
            settle();
        }
    } else {
        std::fprintf(stderr, "unknown case %s\n", qPrintable(which));
        return 1;
    }
    std::printf("%s: %d steps, faults %ld\n", qPrintable(which), steps, watch->faults);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The language switch writes the settings: into a folder of the run's own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
    QApplication app(argc, argv);
    monocl::nameProgram();
    EventWatch events;
    watch = &events;
    app.installEventFilter(&events);

    bool census = false;
    QString profile;
    int steps = 200;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--paint_census") == 0)
            census = true;
        else if (std::strncmp(argv[i], "--profile=", 10) == 0)
            profile = QString::fromLatin1(argv[i] + 10);
        else if (std::strncmp(argv[i], "--steps=", 8) == 0)
            steps = std::atoi(argv[i] + 8);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (census)
        return paintCensus();
    if (!profile.isEmpty())
        return profileRun(profile, steps);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
