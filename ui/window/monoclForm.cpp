#include "monoclForm.h"

#include "ui/widgets/canvas_image.h"
#include "texts/conclusions.h"
#include "texts/design_table.h"
#include "texts/forecast_table.h"
#include "ui/widgets/memo.h"
#include "sketch.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"

#include "errors/errors.h"
#include "format/number_text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace monocl;

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QColor fromColourValue(std::uint32_t value)
{
    // Colour values hold blue, green and red from the high byte down.
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

// ---- Start-up ------------------------------------------------------------------

void Toptmono::FormCreate(QObject* Sender)
{
    runHandler([&] {
        // The labels say from the start what the bars stand for.
        showBarRatio(KsfBar, Lksf, sphericalBarPrefix());
        showBarRatio(KxrBar, LKxr, chromaticBarPrefix());
        setFieldText(NDedit, qs(fixedText(m_state.NdEntry, 8, 4, m_separator)));
        setFieldText(ABEdit, qs(fixedText(m_state.AbbeEntry, 8, 2, m_separator)));
        RB1->setChecked(true);
        setFieldText(ihm, qs(fixedText(m_state.MeasuredHeight * 1000, 8, 2, m_separator)));
        setFieldText(ih, qs(fixedText(m_state.CenterThickness * 1000, 8, 2, m_separator)));
        setFieldText(iff, qs(fixedText(m_state.MeasuredFocal * 1000, 8, 2, m_separator)));
        setFieldText(id, qs(fixedText(m_state.MeasuredDiameter * 1000, 8, 2, m_separator)));
        setFieldText(inmin, qs(fixedText(1.5, 8, 2, m_separator)));
        setFieldText(inmax, qs(fixedText(1.7, 8, 2, m_separator)));
        PageControl1Change(Sender);
    });
}

// ---- Handlers ---------------------------------------------------------------------

void Toptmono::showValue(QLineEdit* field, double value, int decimals)
{
    setFieldText(field, qs(fixedText(value, 8, decimals, m_separator)));
}

void Toptmono::realFieldChange(QObject* sender, RealFieldId id)
{
    const RealField& f = realField(id);
    QLineEdit* field = m_realEdits[static_cast<std::size_t>(id)];
    double& stored = m_state.*f.stored;
    clearFieldProblem(id);
    runHandler([&] {
        double value = stored;
        std::int32_t failed = 0;
        TryParseFloat(field->text().toStdString(), value, failed, m_separator);
        if (failed) {
            showValue(field, stored, f.decimals);
        } else {
            if (f.check) {
                const FieldCorrection c = f.check(value, m_state);
                value = c.value;
                // The corrected value is stored before the field shows it, so
                // the nested run that the new text starts already finds it.
                if (c.shown) {
                    stored = value;
                    showValue(field, value, f.decimals);
                }
            }
            stored = value;
        }
        PageControl1Change(sender);
    });
}

void Toptmono::NDeditChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::NDedit); }
void Toptmono::ABEditChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::ABEdit); }
void Toptmono::ihmChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::ihm); }
void Toptmono::ihChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::ih); }
void Toptmono::idChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::id); }
void Toptmono::iffChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::iff); }
void Toptmono::inminChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::inmin); }
void Toptmono::inmaxChange(QObject* Sender) { realFieldChange(Sender, RealFieldId::inmax); }

void Toptmono::showBarRatio(const TrackBar* bar, QLabel* label, const QString& prefix)
{
    label->setText(prefix + qs(fixedText(trackBarRatio(bar->value()), 8, 2, m_separator)));
}

void Toptmono::trackBarChange(QObject* sender, TrackBar* bar, QLabel* label, const QString& prefix)
{
    runHandler([&] {
        showBarRatio(bar, label, prefix);
        PageControl1Change(sender);
    });
}

void Toptmono::KsfBarChange(QObject* Sender)
{
    trackBarChange(Sender, KsfBar, Lksf, sphericalBarPrefix());
}

void Toptmono::KxrBarChange(QObject* Sender)
{
    trackBarChange(Sender, KxrBar, LKxr, chromaticBarPrefix());
}

// The handlers of the spin edits and radio buttons only recompute: the
// recompute reads those controls itself.
void Toptmono::FSpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::ASpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::OtSpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::VminSPChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::VmaxSPChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::NSpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::Sf1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::Sf2Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::Sf3Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::fp1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::RB1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::RB2Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::sfp1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::sfp2Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::sfp3Click(QObject* Sender) { PageControl1Change(Sender); }

// ---- The recompute -------------------------------------------------------------

void Toptmono::PageControl1Change(QObject* /*Sender*/)
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
        m_designFault.reset();
        m_forecastFault.reset();
        try {
            recomputeDesign(locals);
            keepRayLens(locals);
        } catch (const MonoclError& e) {
            fault = std::current_exception();
            m_designFault = QString::fromStdString(e.what());
        }
        try {
            recomputeForecast(locals);
        } catch (const MonoclError& e) {
            if (!fault)
                fault = std::current_exception();
            m_forecastFault = QString::fromStdString(e.what());
        }
        showGlassViews();
        showRayCheck();
        showFaultState();
        if (fault)
            std::rethrow_exception(fault);
    });
    emit recomputed();
}

DesignControls Toptmono::readDesignControls() const
{
    DesignControls c;
    c.OtSpin = OtSpin->value();
    c.KsfBar = KsfBar->value();
    c.KxrBar = KxrBar->value();
    c.NDedit = NDedit->text().toStdString();
    c.ABEdit = ABEdit->text().toStdString();
    c.FSpin = FSpin->value();
    c.ASpin = ASpin->value();
    c.RB1 = RB1->isChecked();
    c.RB2 = RB2->isChecked();
    c.Sf1 = Sf1->isChecked();
    c.Sf2 = Sf2->isChecked();
    c.Sf3 = Sf3->isChecked();
    c.decimalSeparator = m_separator;
    return c;
}

ForecastControls Toptmono::readForecastControls() const
{
    ForecastControls c;
    c.VminSP = VminSP->value();
    c.VmaxSP = VmaxSP->value();
    c.NSpin = NSpin->value();
    c.sfp1 = sfp1->isChecked();
    c.sfp2 = sfp2->isChecked();
    c.sfp3 = sfp3->isChecked();
    c.Sfp4 = Sfp4->isChecked();
    return c;
}

void Toptmono::recomputeDesign(RecomputeLocals& locals)
{
    m_lastDesign = {};
    ReadDesignInputs(readDesignControls(), m_state, locals);
    LayoutDesignTable();
    RunDesignPasses(m_state, locals);
    ComputeEdgeGeometry(m_state, locals);
    FillDesignTable(locals);
    // Row 6 of the table has already checked X2 + CenterThickness.
    m_lastDesign = {true,     locals.DesignFailed != 0, m_state.R1, m_state.R2,
                    m_state.CenterThickness, m_state.Dm, m_state.X2 + m_state.CenterThickness,
                    m_state.Df};
    // The sketch depends on nothing else: with the same values it would be
    // drawn pixel for pixel again, so it is left as it is.
    const SketchInputs sketch{m_state.R1,        m_state.R2,      m_state.Dm,
                              locals.FrontSag,  locals.RearSag, locals.RearShift,
                              locals.DesignFailed, esk->width()};
    if (m_lastSketch && *m_lastSketch == sketch)
        return;
    m_lastSketch.reset();
    DrawMeniscusSketch(*esk, m_state.R1, m_state.R2, m_state.Dm, locals.FrontSag, locals.RearSag,
                       locals.RearShift, locals.DesignFailed);
    m_lastSketch = sketch;
}

void Toptmono::recomputeForecast(RecomputeLocals& locals)
{
    locals.Forecast = ComputeForecast(readForecastControls(), m_state);
    showForecastWarnings(locals.Forecast);
    FillForecastTable(locals.Forecast);
    WriteConclusions(locals.Forecast);
}

void Toptmono::LayoutDesignTable()
{
    MonGrid->setColWidth(0, DesignLabelWidth);
    MonGrid->setColWidth(1, DesignValueWidth);
    MonGrid->setRowCount(DesignTableRows);
}

void Toptmono::FillDesignTable(const RecomputeLocals& locals)
{
    if (locals.DesignFailed != 0) {
        for (int row = 1; row < MonGrid->rowCount(); ++row)
            MonGrid->setCell(1, row, QString::fromLatin1(DesignFailedDash));
        return;
    }
    MonGrid->setCell(0, 0, qs(designTableHeader(0)));
    MonGrid->setCell(1, 0, qs(designTableHeader(1)));
    for (int row = 1; row < DesignTableRows; ++row) {
        MonGrid->setCell(0, row, qs(designTableLabel(row)));
        MonGrid->setCell(1, row, qs(designTableValue(row, m_state, locals, m_separator)));
    }
}

void Toptmono::writeDesignTableLabels()
{
    MonGrid->setCell(0, 0, qs(designTableHeader(0)));
    MonGrid->setCell(1, 0, qs(designTableHeader(1)));
    for (int row = 1; row < MonGrid->rowCount(); ++row)
        MonGrid->setCell(0, row, qs(designTableLabel(row)));
}

void Toptmono::writeForecastTableLabels()
{
    for (int col = 0; col < ForecastTableCols; ++col)
        PrognozGrid->setCell(col, 0, qs(forecastTableHeader(col)));
    for (int row = 1; row < PrognozGrid->rowCount(); ++row)
        PrognozGrid->setCell(0, row, qs(forecastTableLabel(row)));
}

void Toptmono::FillForecastTable(const ForecastValues& values)
{
    for (int col = 0; col < ForecastTableCols; ++col)
        PrognozGrid->setCell(col, 0, qs(forecastTableHeader(col)));
    PrognozGrid->setColWidth(0, ForecastColWidths[0]);
    PrognozGrid->setColWidth(1, ForecastColWidths[1]);
    PrognozGrid->setColWidth(2, ForecastColWidths[2]);
    PrognozGrid->setRowCount(ForecastTableRows);
    PrognozGrid->setColCount(ForecastTableCols);
    for (int row = 1; row < ForecastTableRows; ++row) {
        const ForecastRow r = forecastTableRow(row, m_state, values, m_separator);
        PrognozGrid->setCell(0, row, qs(r.label));
        PrognozGrid->setCell(1, row, qs(r.minText));
        if (r.maxText)
            PrognozGrid->setCell(2, row, qs(*r.maxText));
    }
}

void Toptmono::WriteConclusions(const ForecastValues& values)
{
    Conclusions c;
    try {
        c = decideConclusions(m_state, values, m_separator);
    } catch (...) {
        // Nothing is decided: both memos are left empty.
        vvd->clearLines();
        recom->clearLines();
        throw;
    }
    const auto toLines = [](const std::vector<std::string>& lines) {
        QStringList list;
        list.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines)
            list.append(qs(line));
        return list;
    };
    vvd->setLines(toLines(c.vvd));
    vvd->setFontColor(fromColourValue(c.colour));
    recom->setLines(toLines(c.recom));
}
