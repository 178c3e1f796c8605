// The document's workshop drawing: its settings, the lens it is made from
// and that lens's tolerances.
#include "monocl_document.h"

#include "core/lens_sags.h"

namespace monocl {

std::optional<std::string> MonoclDocument::setDrawingSettings(const DrawingSettings& settings, bool againstLens)
{
    // The lens the new choice draws is the one the other values must fit.
    DrawingSettings kept = m_drawing;
    m_drawing = settings;
    std::optional<RayLens> lens;
    if (const auto drawn = drawnLens(); drawn && againstLens)
        lens = drawn->lens;
    if (auto problem = drawingSettingsProblem(settings, lens, m_separator)) {
        m_drawing = kept;
        return problem;
    }
    if (!(kept == settings)) {
        m_tolerances.reset();
        changed();
    }
    return std::nullopt;
}

std::optional<DrawnLens> MonoclDocument::drawnLens() const
{
    // A design whose surfaces do not meet at its diameter gives no lens,
    // whatever a refinement from it finds.
    if (!m_rayLens || m_designFault || !(rimWidth(*m_rayLens).value_or(0.0) > 0))
        return std::nullopt;
    if (m_drawing.lens != DrawingLens::ThirdOrder) {
        const auto& refined = refinedLens();
        if (refined && refined->found)
            return DrawnLens{refined->lens, true, refined->steps};
        if (m_drawing.lens == DrawingLens::Refined)
            return std::nullopt;
    }
    return DrawnLens{*m_rayLens, false, 0};
}

std::optional<std::array<double, 2>> MonoclDocument::clearApertures() const
{
    const auto drawn = drawnLens();
    if (!drawn)
        return std::nullopt;
    const auto front = clearAperture(drawn->lens, 0, m_drawing.bevel);
    const auto rear = clearAperture(drawn->lens, 1, m_drawing.bevel);
    if (!front || !rear)
        return std::nullopt;
    return std::array<double, 2>{*front, *rear};
}

const std::optional<ToleranceAnalysis>& MonoclDocument::tolerances() const
{
    if (!m_tolerances) {
        const auto drawn = drawnLens();
        const auto apertures = clearApertures();
        m_tolerances.emplace();
        if (drawn && apertures)
            *m_tolerances = analyseTolerances(drawn->lens, *apertures, m_drawing.budget);
    }
    return *m_tolerances;
}

} // namespace monocl
