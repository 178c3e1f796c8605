// The window shows its document: the controls' values as the document
// holds them, and after every recompute what it found. Writing a control
// here runs no handler: the document has run it already.
#include "monoclForm.h"

#include "sketch.h"
#include "ui/widgets/canvas_image.h"
#include "ui/widgets/memo.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"

#include "texts/design_table.h"
#include "texts/forecast_table.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <utility>

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

QStringList lines(const std::vector<std::string>& texts)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list.append(qs(text));
    return list;
}

void showTable(StringGrid& grid, const TableCells& table)
{
    for (std::size_t row = 0; row < table.size(); ++row)
        for (std::size_t col = 0; col < table[row].size(); ++col)
            grid.setCell(static_cast<int>(col), static_cast<int>(row), qs(table[row][col]));
}

} // namespace

void Toptmono::watchDocument()
{
    MonoclDocument::Hooks hooks;
    hooks.changed = [this] { showControls(); };
    hooks.drawSketch = [this](const SketchLens& lens) { drawSketch(lens); };
    // The outputs are written once the outermost handler has ended: the
    // nested runs' states are never seen.
    hooks.recomputing = [this] { m_recomputeUnshown = true; };
    hooks.settled = [this] {
        if (std::exchange(m_recomputeUnshown, false))
            showRecompute();
    };
    hooks.recomputed = [this] { emit recomputed(); };
    hooks.tell = [this](const std::exception_ptr& fault) { tellFault(fault); };
    m_document.setHooks(std::move(hooks));
}

void Toptmono::showControls()
{
    const InputControls& c = m_document.controls();
    const InputControls* shown = m_shownControls ? &*m_shownControls : nullptr;
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
        // A text waiting for Enter stays until the document's own changes.
        if (shown && shown->fields[i] == c.fields[i])
            continue;
        QLineEdit* edit = m_realEdits[i];
        const QString text = qs(c.fields[i]);
        if (edit->text() != text) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    }
    SpinEdit* const spins[] = {FSpin, ASpin, OtSpin, VminSP, VmaxSP, NSpin};
    for (std::size_t i = 0; i < c.spins.size(); ++i) {
        if (shown && shown->spins[i] == c.spins[i])
            continue;
        const QSignalBlocker blocker(spins[i]);
        spins[i]->setText(qs(c.spins[i]));
    }
    const struct {
        TrackBar* bar;
        QLabel* label;
        QString (*prefix)();
    } bars[] = {{KsfBar, Lksf, sphericalBarPrefix}, {KxrBar, LKxr, chromaticBarPrefix}};
    for (std::size_t i = 0; i < c.bars.size(); ++i) {
        if (shown && shown->bars[i] == c.bars[i])
            continue;
        const QSignalBlocker blocker(bars[i].bar);
        bars[i].bar->setValue(c.bars[i]);
        showBarRatio(static_cast<BarId>(i), bars[i].label, bars[i].prefix());
    }
    QRadioButton* const choices[] = {Sf1, Sf2, Sf3, fp1, RB1, RB2, sfp1, sfp2, sfp3, Sfp4};
    for (std::size_t i = 0; i < c.checked.size(); ++i) {
        if (c.checked[i] && !choices[i]->isChecked()) {
            const QSignalBlocker blocker(choices[i]);
            choices[i]->setChecked(true);
        }
    }
    m_shownControls = c;
}

void Toptmono::showOutputs()
{
    const DocumentOutputs& out = m_document.outputs();
    if (!out.designTable.empty()) {
        MonGrid->setColWidth(0, DesignLabelWidth);
        MonGrid->setColWidth(1, DesignValueWidth);
        MonGrid->setRowCount(static_cast<int>(out.designTable.size()));
        showTable(*MonGrid, out.designTable);
    }
    if (!m_forecastViewsWait)
        showForecastOutputs();
}

void Toptmono::showForecastOutputs()
{
    const DocumentOutputs& out = m_document.outputs();
    if (!out.forecastTable.empty()) {
        for (int col = 0; col < ForecastTableCols; ++col)
            PrognozGrid->setColWidth(col, ForecastColWidths[static_cast<std::size_t>(col)]);
        PrognozGrid->setRowCount(static_cast<int>(out.forecastTable.size()));
        PrognozGrid->setColCount(ForecastTableCols);
        showTable(*PrognozGrid, out.forecastTable);
    }
    vvd->setLines(lines(out.conclusions));
    vvd->setFontColor(fromColourValue(out.conclusionColour));
    recom->setLines(lines(out.recommendations));
    m_forecastWarning->setText(lines(out.forecastWarnings).join(QLatin1Char('\n')));
    // A faulted forecast's warnings would be an earlier lens's.
    m_forecastWarning->setVisible(!out.forecastWarnings.empty() && !m_document.forecastFault());
}

void Toptmono::showForecastTab()
{
    if (!std::exchange(m_forecastViewsWait, false))
        return;
    showForecastOutputs();
    showGlassViews();
}

void Toptmono::showRecompute()
{
    showOutputs();
    showGlassViews();
    showRayCheck();
    showFaultState();
}

void Toptmono::drawSketch(const SketchLens& lens)
{
    // The sketch depends on nothing else: with the same values it would be
    // drawn pixel for pixel again, so it is left as it is.
    const std::pair<SketchLens, int> inputs{lens, esk->width()};
    if (m_lastSketch && *m_lastSketch == inputs)
        return;
    m_lastSketch.reset();
    DrawMeniscusSketch(*esk, lens.R1, lens.R2, lens.Dm, lens.FrontSag, lens.RearSag, lens.RearShift,
                       lens.DesignFailed);
    m_lastSketch = inputs;
}
