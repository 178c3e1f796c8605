// Runs the design pass and the forecast on arbitrary readings of the
// controls, then decides every text of both tables and of the conclusions
// and draws the sketch, as the recompute does. Checks that a fault is always
// a MonoclError, that every value text is a dash or a number that reads
// back, and that the sketch never draws outside its surface's colours.
//
// Input, front to back (missing bytes give the start state):
//   5 int32: OtSpin, KsfBar, KxrBar, FSpin, ASpin;
//   1 flag byte: bit 0 RB1, 1 RB2, 2 Sf1, 3 Sf2, 4 Sf3, 5 decimal comma;
//   NDedit, ABEdit: a length byte and the text each;
//   6 measured values, 2 bytes each over a plausible range: MeasuredHeight,
//     MeasuredEdge, MeasuredFocal, MeasuredDiameter, NdMin, NdMax;
//   3 int32: VminSP, VmaxSP, NSpin; 1 byte: the forecast's filter 0..3.

#include "core/design_pass.h"
#include "core/forecast.h"
#include "errors/errors.h"
#include "format/number_text.h"
#include "fuzz_support.h"
#include "texts/conclusions.h"
#include "texts/design_table.h"
#include "texts/forecast_table.h"
#include "ui/widgets/canvas_image.h"
#include "ui/window/sketch.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

using namespace monocl;
using fuzzsupport::checkFinite;

namespace {

// A value text is a row's dash or a number in the window's texts.
void checkValueText(const std::string& text, char separator, const std::string& where)
{
    if (text == DesignFailedDash || text.empty())
        return;
    double v = 0;
    FUZZ_CHECK(parseReal(text, separator, v), where + " shows '" + text + "'");
}

template <class Body>
void faultsAreOurs(const char* what, Body body)
{
    try {
        body();
    } catch (const MonoclError&) {
    } catch (const std::exception& e) {
        FUZZ_CHECK(false, std::string(what) + " threw " + e.what());
    }
}

void readMeasurements(fuzzsupport::Reader& in, MonoclState& s)
{
    s.MeasuredHeight = in.ranged(0.0, 20.0, s.MeasuredHeight);
    s.MeasuredEdge = in.ranged(0.0, 20.0, s.MeasuredEdge);
    s.MeasuredFocal = in.ranged(-50.0, 300.0, s.MeasuredFocal);
    s.MeasuredDiameter = in.ranged(0.0, 80.0, s.MeasuredDiameter);
    s.NdMin = in.ranged(1.3, 2.0, s.NdMin);
    s.NdMax = in.ranged(1.3, 2.0, s.NdMax);
}

CanvasImage& canvas()
{
    static std::unique_ptr<CanvasImage> esk;
    if (!esk) {
        esk = std::make_unique<CanvasImage>();
        esk->resize(235, 237);
    }
    return *esk;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzsupport::Reader in(data, size);
    std::uint8_t flags = 0;
    const DesignControls dc = fuzzsupport::readDesignControls(in, flags);
    const char sep = dc.decimalSeparator;
    MonoclState s;
    applyStartValues(s);
    s.MeasuredHeight = 4, s.MeasuredEdge = 3.8, s.MeasuredFocal = 75, s.MeasuredDiameter = 20;
    s.NdMin = 1.5, s.NdMax = 1.7;
    readMeasurements(in, s);

    RecomputeLocals locals;
    faultsAreOurs("the design pass", [&] { designPass(dc, s, locals); });
    checkFinite(s, "design pass: store");
    if (locals.DesignFailed == 0) {
        for (int row = 1; row < DesignTableRows; ++row)
            faultsAreOurs("a design row", [&] {
                checkValueText(designTableValue(row, s, locals, sep), sep,
                               "design row " + std::to_string(row));
            });
    }
    faultsAreOurs("the sketch", [&] {
        DrawMeniscusSketch(canvas(), s.R1, s.R2, s.Dm, locals.FrontSag, locals.RearSag,
                           locals.RearShift, locals.DesignFailed);
    });

    ForecastControls fc;
    fc.VminSP = in.int32(fc.VminSP);
    fc.VmaxSP = in.int32(fc.VmaxSP);
    fc.NSpin = in.int32(fc.NSpin);
    const int filter = in.byte(0) % 4;
    fc.sfp1 = filter == 0, fc.sfp2 = filter == 1, fc.sfp3 = filter == 2, fc.Sfp4 = filter == 3;
    faultsAreOurs("the forecast", [&] {
        const ForecastValues v = ComputeForecast(fc, s);
        for (int row = 1; row < ForecastTableRows; ++row)
            faultsAreOurs("a forecast row", [&] {
                const ForecastRow r = forecastTableRow(row, s, v, sep);
                checkValueText(r.minText, sep, "forecast row " + std::to_string(row));
                if (r.maxText)
                    checkValueText(*r.maxText, sep, "forecast row " + std::to_string(row));
            });
        faultsAreOurs("the conclusions", [&] {
            const Conclusions c = decideConclusions(s, v, sep);
            for (const auto* lines : {&c.vvd, &c.recom})
                for (const std::string& line : *lines)
                    FUZZ_CHECK(line.find("nan") == std::string::npos
                                   && line.find("inf") == std::string::npos,
                               "conclusion line '" + line + "'");
        });
    });
    checkFinite(s, "forecast: store");
    return 0;
}
