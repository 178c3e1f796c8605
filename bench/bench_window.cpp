#include "bench_window.h"

#include "ui/app/startup.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace monocl {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

std::unique_ptr<Toptmono> shownWindow(MonoclState& state, int tab)
{
    std::unique_ptr<Toptmono> window = startUp(state);
    window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(tab);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        std::fprintf(stderr, "the window was not exposed\n");
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get());
    settle();
    return window;
}

} // namespace monocl
