#pragma once

#include "drawing_settings.h"
#include "input_controls.h"

#include "core/design_pass.h"
#include "core/forecast.h"
#include "core/monocl_state.h"
#include "core/ray_refine.h"
#include "core/ray_trace.h"
#include "core/tolerances.h"

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace monocl {

// The message of a fault as the error box words it, without its full stop.
std::string faultMessage(const std::exception_ptr& fault);

// A table's cells as its grid holds them: [row][column].
using TableCells = std::vector<std::vector<std::string>>;

// The meniscus of the last recompute's design, lengths in metres, taken
// before the forecast reuses the store.
struct DesignSection {
    bool computed = false; // the design steps ran to their end
    bool failed = false;   // they found no meniscus: the table shows dashes
    double R1 = 0, R2 = 0, CenterThickness = 0, Dm = 0;
    double X1 = 0, Df = 0; // the stop from the front vertex, and its diameter
};

// What the sketch of the meniscus is drawn from.
struct SketchLens {
    double R1, R2, Dm, FrontSag, RearSag, RearShift;
    std::int32_t DesignFailed;
    bool operator==(const SketchLens&) const = default;
};

// A catalogue glass by its maker and name, as the catalogue or a design file
// spells them.
struct GlassName {
    std::string maker;
    std::string name;
    bool operator==(const GlassName&) const = default;
};

// What the recomputes have written: the tables cell by cell, the memos and
// the warnings, as the window shows them. A step that faults leaves what an
// earlier recompute wrote.
struct DocumentOutputs {
    TableCells designTable;   // empty until a design is laid out
    TableCells forecastTable; // empty until a forecast is written
    std::vector<std::string> conclusions;
    std::uint32_t conclusionColour = 0x0000FF; // blue, green, red from the high byte down
    std::vector<std::string> recommendations;
    std::vector<std::string> forecastWarnings;
};

// The design and the forecast of the window, without the window: every
// input control's value, the store, the handlers that change them as the
// window's controls would, and what the recompute finds. The window shows
// it; the design file, the exports and the command line read it.
class MonoclDocument
{
public:
    // What the document tells whoever shows it. Each may be empty.
    struct Hooks {
        // A control's value or an output has changed.
        std::function<void()> changed;
        // Within the design steps, once the meniscus is known; a fault
        // thrown here is the design's.
        std::function<void(const SketchLens&)> drawSketch;
        // At the end of a recompute's steps, before its fault goes on.
        std::function<void()> recomputing;
        // When the outermost handler ends, before its fault is told: what
        // the nested runs left is what a window shows.
        std::function<void()> settled;
        // After a recompute, whatever it found.
        std::function<void()> recomputed;
        // The fault that ended an outermost handler; without this hook it
        // is dropped.
        std::function<void(const std::exception_ptr&)> tell;
    };

    // Reads and writes state, which is to hold the start values; the
    // decimal separator is that of the texts it reads and writes.
    MonoclDocument(MonoclState& state, char decimalSeparator);

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    Hooks& hooks() { return m_hooks; }

    char decimalSeparator() const { return m_separator; }
    MonoclState& state() { return m_state; }
    const MonoclState& state() const { return m_state; }
    const InputControls& controls() const { return m_controls; }

    // ---- Changes as the controls make them -----------------------------------
    // A real-number field takes a text: it is stored and the field's handler
    // runs, as typing does.
    void typeFieldText(RealFieldId id, const std::string& text);
    // The same from the program: a differing text runs the handler nested,
    // an equal one nothing; a fault of the nested run ends the caller too.
    void setFieldText(RealFieldId id, const std::string& text);
    // A spin edit's text; a differing one runs its handler.
    void setSpinText(SpinId id, const std::string& text);
    // A value held to the spin edit's range, written as its text.
    void setSpinValue(SpinId id, int value);
    // A bar's position held to its range; a differing one runs its handler.
    void setBarValue(BarId id, int value);
    // Checks a choice and unchecks the others of its group; its handler runs
    // when it was not checked. A disabled choice stays as it is.
    void check(ChoiceId id);

    // ---- Handlers -------------------------------------------------------------------
    void formCreate();
    // The last step of the program's start: the glass range's two indices
    // in their general texts, after formCreate.
    void writeRangeGeneralTexts();
    void recompute();
    void realFieldChange(RealFieldId id);
    void barChange(BarId id);

    // Runs body as one action of the user's: whatever faults inside it,
    // nested handlers and recomputes included, at most one fault is told,
    // at the end.
    void runAsOneAction(const std::function<void()>& body);
    // Sets many inputs as one action: the faults of the states passed on the
    // way are dropped, and a last recompute decides the one fault told.
    void setInputsAsOneAction(const std::function<void()>& body);
    // Whether a handler is running.
    bool inHandler() const { return m_handlerDepth > 0; }

    // The ratio text a bar's label shows after its prefix ("0,40").
    std::string barRatioText(BarId id) const;

    // ---- What the last recompute found -----------------------------------------
    long recomputeRuns() const { return m_recomputeRuns; }
    const DocumentOutputs& outputs() const { return m_outputs; }
    const DesignSection& lastDesign() const { return m_lastDesign; }
    // The fault that ended the last recompute's design or forecast steps, as
    // its message; none when they ran to their end.
    const std::optional<std::string>& designFault() const { return m_designFault; }
    const std::optional<std::string>& forecastFault() const { return m_forecastFault; }
    // The design's lens as the ray check traces it; none when the design
    // found no meniscus or faulted.
    const std::optional<RayLens>& rayLens() const { return m_rayLens; }
    // That lens refined by exact rays, refined when first asked for.
    const std::optional<RefinedLens>& refinedLens() const;
    // Writes a table's words anew in the present language, after a
    // recompute that faulted kept them in the old one.
    void rewriteTableLabels(bool design, bool forecast);

    // ---- The workshop drawing ------------------------------------------------------
    const DrawingSettings& drawingSettings() const { return m_drawing; }
    // Takes the settings when they can be drawn from the lens drawn now;
    // otherwise keeps those it has and gives the reason. Without the check
    // against the lens (a file's settings), only the lens-free checks.
    std::optional<std::string> setDrawingSettings(const DrawingSettings& settings, bool againstLens = true);
    // The lens the settings choose: the refined one when found (or asked
    // for), the design's otherwise (or when asked for). None where the
    // design gave no lens, or the refined lens asked for was not found.
    std::optional<DrawnLens> drawnLens() const;
    // The clear apertures of the drawn lens's two surfaces; the tolerances
    // of it under the settings' budget. Worked out when first asked for.
    std::optional<std::array<double, 2>> clearApertures() const;
    const std::optional<ToleranceAnalysis>& tolerances() const;

    // ---- The glass the design names --------------------------------------------
    // Kept with the nd and Vd the store holds now; named while it holds them.
    void rememberGlass(const std::optional<GlassName>& glass);
    std::optional<GlassName> chosenGlass() const;

private:
    void runHandler(const std::function<void()>& body);
    void changed() const;
    std::string fixed(double value, int decimals) const;

    DesignControls designControls() const;
    ForecastControls forecastControls() const;
    void recomputeDesign(RecomputeLocals& locals);
    void recomputeForecast(RecomputeLocals& locals);
    void keepRayLens(const RecomputeLocals& locals);
    void fillDesignTable(const RecomputeLocals& locals);
    void fillForecastTable(const ForecastValues& values);
    void writeConclusions(const ForecastValues& values);

    MonoclState& m_state;
    char m_separator;
    Hooks m_hooks;
    InputControls m_controls = InputControls::atStart();

    int m_handlerDepth = 0;
    std::exception_ptr m_pendingFault;
    long m_recomputeRuns = 0;

    DocumentOutputs m_outputs;
    DesignSection m_lastDesign;
    std::optional<std::string> m_designFault;
    std::optional<std::string> m_forecastFault;
    std::optional<RayLens> m_rayLens;
    RefineTarget m_refineTarget;
    mutable std::optional<RefinedLens> m_refinedLens;

    DrawingSettings m_drawing;
    mutable std::optional<std::optional<ToleranceAnalysis>> m_tolerances;

    std::optional<GlassName> m_chosenGlass;
    std::pair<double, double> m_chosenGlassValues;
};

} // namespace monocl
