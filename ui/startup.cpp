#include "startup.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QTranslator>

namespace monocl {

namespace {

// Qt's own texts (the menus of the edit fields and memos, the buttons of the
// boxes) in the window's language, from the system's Qt translations. Once
// for the application.
void installQtTranslation()
{
    static QTranslator* qtTexts = nullptr;
    if (qtTexts)
        return;
    qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
}

} // namespace

std::unique_ptr<Toptmono> startUp(MonoclState& state)
{
    installQtTranslation();
    state = MonoclState{};
    applyStartValues(state);
    auto window = std::make_unique<Toptmono>(state);
    const char sep = window->decimalSeparator();
    auto* inmin = window->findChild<QLineEdit*>(QStringLiteral("inmin"));
    auto* inmax = window->findChild<QLineEdit*>(QStringLiteral("inmax"));
    window->setFieldText(inmin, QString::fromStdString(generalText(state.NdMin, sep)));
    window->setFieldText(inmax, QString::fromStdString(generalText(state.NdMax, sep)));
    return window;
}

} // namespace monocl
