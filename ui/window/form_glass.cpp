// The form's side of the glass views: a glass chosen fills the design's
// glass fields through their handlers, and the views are fed the values the
// form holds.
#include "monoclForm.h"

#include "ui/glass/glass_views.h"

#include "format/number_text.h"

#include <QLineEdit>

using namespace monocl;

bool Toptmono::chooseGlass(const QString& maker, const QString& name)
{
    const std::optional<std::size_t> index = GlassViews::findGlass(maker, name);
    if (!index)
        return false;
    const Glass& glass = glassCatalogue()[*index];
    runAsOneAction([&] {
        setFieldText(NDedit, QString::fromStdString(fixedText(glass.nd, 8, 4, m_separator)));
        setFieldText(ABEdit, QString::fromStdString(fixedText(glass.vd, 8, 2, m_separator)));
    });
    rememberGlass(GlassChoice{QString::fromStdString(glass.maker), QString::fromStdString(glass.name)});
    return true;
}

// The document keeps the glass for the files; the views show it.
std::optional<GlassChoice> Toptmono::chosenGlass() const
{
    if (const std::optional<GlassName> glass = m_document.chosenGlass())
        return GlassChoice{QString::fromStdString(glass->maker), QString::fromStdString(glass->name)};
    return std::nullopt;
}

void Toptmono::rememberGlass(const std::optional<GlassChoice>& glass)
{
    std::optional<GlassName> name;
    if (glass)
        name = GlassName{glass->maker.toStdString(), glass->name.toStdString()};
    m_document.rememberGlass(name);
    m_glassViews->rememberGlass(glass, m_state.Nd, m_state.Abbe);
}

void Toptmono::prepareGlassChooser()
{
    m_glassViews->prepareChooser();
}

void Toptmono::showGlassViews()
{
    m_glassViews->showDesignGlass(m_state.Nd, m_state.Abbe);
    if (!m_forecastViewsWait)
        m_glassViews->showRange({m_state.NdMin, m_state.NdMax, m_state.AbbeMin, m_state.AbbeMax});
}
