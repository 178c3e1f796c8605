// The document's recompute: the design's and the forecast's steps, and
// what they write into the outputs.
#include "monocl_document.h"

#include "errors/errors.h"
#include "texts/conclusions.h"
#include "texts/design_table.h"
#include "texts/forecast_table.h"

namespace monocl {

// ---- The recompute ------------------------------------------------------------------

void MonoclDocument::recompute()
{
    runHandler([&] {
        ++m_recomputeRuns;
        RecomputeLocals locals;
        // The forecast does not depend on the design, so a fault in the
        // design steps must not freeze it: both halves run, and the first
        // fault is reported.
        std::exception_ptr fault;
        m_rayLens.reset();
        m_refinedLens.reset();
        m_tolerances.reset();
        m_designFault.reset();
        m_forecastFault.reset();
        try {
            recomputeDesign(locals);
            keepRayLens(locals);
        } catch (const MonoclError& e) {
            fault = std::current_exception();
            m_designFault = e.what();
        }
        try {
            recomputeForecast(locals);
        } catch (const MonoclError& e) {
            if (!fault)
                fault = std::current_exception();
            m_forecastFault = e.what();
        }
        changed();
        if (m_hooks.recomputing)
            m_hooks.recomputing();
        if (fault)
            std::rethrow_exception(fault);
    });
    if (m_hooks.recomputed)
        m_hooks.recomputed();
}

DesignControls MonoclDocument::designControls() const
{
    const InputControls& in = m_controls;
    DesignControls c;
    c.OtSpin = in.spinValue(SpinId::OtSpin);
    c.KsfBar = in.bar(BarId::KsfBar);
    c.KxrBar = in.bar(BarId::KxrBar);
    c.NDedit = in.field(RealFieldId::NDedit);
    c.ABEdit = in.field(RealFieldId::ABEdit);
    c.FSpin = in.spinValue(SpinId::FSpin);
    c.ASpin = in.spinValue(SpinId::ASpin);
    c.RB1 = in.isChecked(ChoiceId::RB1);
    c.RB2 = in.isChecked(ChoiceId::RB2);
    c.Sf1 = in.isChecked(ChoiceId::Sf1);
    c.Sf2 = in.isChecked(ChoiceId::Sf2);
    c.Sf3 = in.isChecked(ChoiceId::Sf3);
    c.decimalSeparator = m_separator;
    return c;
}

ForecastControls MonoclDocument::forecastControls() const
{
    const InputControls& in = m_controls;
    ForecastControls c;
    c.VminSP = in.spinValue(SpinId::VminSP);
    c.VmaxSP = in.spinValue(SpinId::VmaxSP);
    c.NSpin = in.spinValue(SpinId::NSpin);
    c.sfp1 = in.isChecked(ChoiceId::sfp1);
    c.sfp2 = in.isChecked(ChoiceId::sfp2);
    c.sfp3 = in.isChecked(ChoiceId::sfp3);
    c.Sfp4 = in.isChecked(ChoiceId::Sfp4);
    return c;
}

void MonoclDocument::recomputeDesign(RecomputeLocals& locals)
{
    m_lastDesign = {};
    ReadDesignInputs(designControls(), m_state, locals);
    TableCells& table = m_outputs.designTable;
    table.resize(DesignTableRows);
    for (auto& row : table)
        row.resize(2);
    RunDesignPasses(m_state, locals);
    ComputeEdgeGeometry(m_state, locals);
    fillDesignTable(locals);
    // Row 6 of the table has already checked X2 + CenterThickness.
    m_lastDesign = {true,     locals.DesignFailed != 0, m_state.R1, m_state.R2,
                    m_state.CenterThickness, m_state.Dm, m_state.X2 + m_state.CenterThickness,
                    m_state.Df};
    if (m_hooks.drawSketch)
        m_hooks.drawSketch(SketchLens{m_state.R1, m_state.R2, m_state.Dm, locals.FrontSag,
                                      locals.RearSag, locals.RearShift, locals.DesignFailed});
}

// Read right after the design steps: the forecast later reuses the store's
// R2 for its own lens.
void MonoclDocument::keepRayLens(const RecomputeLocals& locals)
{
    if (locals.DesignFailed != 0)
        return;
    const MonoclState& s = m_state;
    m_rayLens = designedRayLens(s);
    m_refineTarget = RefineTarget{s.FocalLength * 1000, static_cast<int>(locals.EdgeRatio), s.CorrectionType};
}

const std::optional<RefinedLens>& MonoclDocument::refinedLens() const
{
    // Refined only when asked for: by the ray tab while it is shown, or by
    // an output.
    if (m_rayLens && !m_refinedLens)
        m_refinedLens = refineByRays(*m_rayLens, m_refineTarget);
    return m_refinedLens;
}

void MonoclDocument::fillDesignTable(const RecomputeLocals& locals)
{
    TableCells& table = m_outputs.designTable;
    if (locals.DesignFailed != 0) {
        for (std::size_t row = 1; row < table.size(); ++row)
            table[row][1] = DesignFailedDash;
        return;
    }
    table[0][0] = designTableHeader(0);
    table[0][1] = designTableHeader(1);
    for (int row = 1; row < DesignTableRows; ++row) {
        table[row][0] = designTableLabel(row);
        table[row][1] = designTableValue(row, m_state, locals, m_separator);
    }
}

void MonoclDocument::recomputeForecast(RecomputeLocals& locals)
{
    locals.Forecast = ComputeForecast(forecastControls(), m_state);
    m_outputs.forecastWarnings = forecastWarnings(m_state, locals.Forecast, m_separator);
    fillForecastTable(locals.Forecast);
    writeConclusions(locals.Forecast);
}

void MonoclDocument::fillForecastTable(const ForecastValues& values)
{
    TableCells& table = m_outputs.forecastTable;
    table.resize(ForecastTableRows);
    for (auto& row : table)
        row.resize(ForecastTableCols);
    for (int col = 0; col < ForecastTableCols; ++col)
        table[0][col] = forecastTableHeader(col);
    for (int row = 1; row < ForecastTableRows; ++row) {
        const ForecastRow r = forecastTableRow(row, m_state, values, m_separator);
        table[row][0] = r.label;
        table[row][1] = r.minText;
        if (r.maxText)
            table[row][2] = *r.maxText;
    }
}

void MonoclDocument::writeConclusions(const ForecastValues& values)
{
    Conclusions c;
    try {
        c = decideConclusions(m_state, values, m_separator);
    } catch (...) {
        // Nothing is decided: both memos are left empty.
        m_outputs.conclusions.clear();
        m_outputs.recommendations.clear();
        throw;
    }
    m_outputs.conclusions = std::move(c.vvd);
    m_outputs.conclusionColour = c.colour;
    m_outputs.recommendations = std::move(c.recom);
}

void MonoclDocument::rewriteTableLabels(bool designLabels, bool forecastLabels)
{
    TableCells& design = m_outputs.designTable;
    if (designLabels && !design.empty()) {
        design[0][0] = designTableHeader(0);
        design[0][1] = designTableHeader(1);
        for (std::size_t row = 1; row < design.size(); ++row)
            design[row][0] = designTableLabel(static_cast<int>(row));
    }
    TableCells& forecast = m_outputs.forecastTable;
    if (forecastLabels && !forecast.empty()) {
        for (int col = 0; col < ForecastTableCols; ++col)
            forecast[0][col] = forecastTableHeader(col);
        for (std::size_t row = 1; row < forecast.size(); ++row)
            forecast[row][0] = forecastTableLabel(static_cast<int>(row));
    }
    changed();
}

} // namespace monocl
