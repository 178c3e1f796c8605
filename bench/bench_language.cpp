// A switch of the window's language from the menu, up to the end of its
// repaint, and its parts: the setting remembered, the translations
// installed, the form's texts written anew.
//
//   QT_QPA_PLATFORM=offscreen monocl_bench_ui --benchmark_filter=Language
#include "ui/cli/language.h"
#include "ui/app/main_window.h"
#include "ui/window/monoclForm.h"
#include "ui/app/startup.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

using namespace monocl;

namespace {

struct ShownMainWindow
{
    ShownMainWindow() : window(startUp(state), state)
    {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QApplication::processEvents();
    }
    ~ShownMainWindow()
    {
        window.setLanguage(Language::Russian);
        QApplication::processEvents();
    }
    MonoclState state;
    MainWindow window;
};

[[gnu::noinline]] void languageSwitchStep(MainWindow& window, Language language)
{
    window.setLanguage(language);
    QApplication::processEvents();
}

// The menu's command: every text of the window changes, and is painted.
void BM_LanguageSwitch(benchmark::State& st)
{
    ShownMainWindow shown;
    bool english = false;
    for (auto _ : st) {
        english = !english;
        languageSwitchStep(shown.window, english ? Language::English : Language::Russian);
    }
    if (english != speaksEnglish())
        st.SkipWithError("the window does not speak the language last chosen");
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

// The parts of a switch, each alone: 0 the choice remembered, 1 the
// translations installed (every widget gets its LanguageChange event and
// the form rewrites its texts), 2 the form's retranslate called alone, 3
// the whole window repainted with nothing changed, the floor of a switch,
// which changes every text.
void BM_LanguageSwitchPart(benchmark::State& st)
{
    ShownMainWindow shown;
    bool english = false;
    for (auto _ : st) {
        english = !english;
        const Language language = english ? Language::English : Language::Russian;
        switch (st.range(0)) {
        case 0:
            rememberLanguage(language);
            break;
        case 1:
            st.PauseTiming();
            rememberLanguage(language);
            st.ResumeTiming();
            installTranslations();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            break;
        case 2:
            shown.window.form()->retranslate();
            break;
        default:
            shown.window.repaint();
            break;
        }
    }
}
BENCHMARK(BM_LanguageSwitchPart)->ArgName("part")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
