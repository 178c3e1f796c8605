#include "startup.h"

#include "ui/app/language.h"

#include "format/number_text.h"

#include <QLineEdit>

namespace monocl {

std::unique_ptr<Toptmono> startUp(MonoclState& state)
{
    installTranslations();
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
