#include "monocl_document.h"

#include "format/number_text.h"

#include <algorithm>
#include <utility>

namespace monocl {

std::string faultMessage(const std::exception_ptr& fault)
{
    try {
        std::rethrow_exception(fault);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Invalid floating point operation";
    }
}

MonoclDocument::MonoclDocument(MonoclState& state, char decimalSeparator)
    : m_state(state)
    , m_separator(decimalSeparator)
{
}

std::string MonoclDocument::fixed(double value, int decimals) const
{
    return fixedText(value, 8, decimals, m_separator);
}

void MonoclDocument::changed() const
{
    if (m_hooks.changed)
        m_hooks.changed();
}

// ---- Running handlers --------------------------------------------------------

void MonoclDocument::runHandler(const std::function<void()>& body)
{
    ++m_handlerDepth;
    try {
        body();
    } catch (...) {
        if (!m_pendingFault)
            m_pendingFault = std::current_exception();
    }
    --m_handlerDepth;
    if (m_handlerDepth > 0)
        return;
    if (m_hooks.settled) {
        try {
            m_hooks.settled();
        } catch (...) {
            if (!m_pendingFault)
                m_pendingFault = std::current_exception();
        }
    }
    if (m_pendingFault) {
        const std::exception_ptr fault = std::exchange(m_pendingFault, nullptr);
        if (m_hooks.tell)
            m_hooks.tell(fault);
    }
}

void MonoclDocument::runAsOneAction(const std::function<void()>& body)
{
    runHandler(body);
}

void MonoclDocument::setInputsAsOneAction(const std::function<void()>& body)
{
    runHandler([&] {
        const std::exception_ptr before = m_pendingFault;
        body();
        // Which of the passing states fault depends on the order the inputs
        // are set in; only the state reached counts.
        m_pendingFault = before;
        recompute();
    });
}

// ---- Changes as the controls make them -----------------------------------------

void MonoclDocument::typeFieldText(RealFieldId id, const std::string& text)
{
    m_controls.fields[indexOf(id)] = text;
    changed();
    realFieldChange(id);
}

void MonoclDocument::setFieldText(RealFieldId id, const std::string& text)
{
    if (m_controls.field(id) == text)
        return;
    const bool faultBefore = static_cast<bool>(m_pendingFault);
    typeFieldText(id, text);
    if (!faultBefore && m_pendingFault && m_handlerDepth > 0)
        std::rethrow_exception(m_pendingFault);
}

void MonoclDocument::setSpinText(SpinId id, const std::string& text)
{
    if (m_controls.spinText(id) == text)
        return;
    m_controls.spins[indexOf(id)] = text;
    changed();
    // The spin edits' handlers only recompute: the recompute reads them.
    recompute();
}

void MonoclDocument::setSpinValue(SpinId id, int value)
{
    const SpinControl& spin = spinControl(id);
    setSpinText(id, std::to_string(std::clamp(value, spin.minimum, spin.maximum)));
}

void MonoclDocument::setBarValue(BarId id, int value)
{
    value = std::clamp(value, BarMinimum, BarMaximum);
    if (m_controls.bar(id) == value)
        return;
    m_controls.bars[indexOf(id)] = value;
    changed();
    barChange(id);
}

void MonoclDocument::check(ChoiceId id)
{
    const ChoiceControl& choice = choiceControl(id);
    if (m_controls.isChecked(id) || !choice.enabled)
        return;
    for (std::size_t i = 0; i < Choices.size(); ++i)
        if (Choices[i].group == choice.group)
            m_controls.checked[i] = false;
    m_controls.checked[indexOf(id)] = true;
    changed();
    // The radio buttons' handlers only recompute as well.
    recompute();
}

// ---- Handlers ---------------------------------------------------------------------

void MonoclDocument::formCreate()
{
    runHandler([&] {
        setFieldText(RealFieldId::NDedit, fixed(m_state.NdEntry, 4));
        setFieldText(RealFieldId::ABEdit, fixed(m_state.AbbeEntry, 2));
        check(ChoiceId::RB1);
        setFieldText(RealFieldId::ihm, fixed(m_state.MeasuredHeight * 1000, 2));
        setFieldText(RealFieldId::ih, fixed(m_state.CenterThickness * 1000, 2));
        setFieldText(RealFieldId::iff, fixed(m_state.MeasuredFocal * 1000, 2));
        setFieldText(RealFieldId::id, fixed(m_state.MeasuredDiameter * 1000, 2));
        setFieldText(RealFieldId::inmin, fixed(1.5, 2));
        setFieldText(RealFieldId::inmax, fixed(1.7, 2));
        recompute();
    });
}

void MonoclDocument::writeRangeGeneralTexts()
{
    setFieldText(RealFieldId::inmin, generalText(m_state.NdMin, m_separator));
    setFieldText(RealFieldId::inmax, generalText(m_state.NdMax, m_separator));
}

void MonoclDocument::realFieldChange(RealFieldId id)
{
    const RealField& f = realField(id);
    double& stored = m_state.*f.stored;
    runHandler([&] {
        double value = stored;
        std::int32_t failed = 0;
        TryParseFloat(m_controls.field(id), value, failed, m_separator);
        if (failed) {
            setFieldText(id, fixed(stored, f.decimals));
        } else {
            if (f.check) {
                const FieldCorrection c = f.check(value, m_state);
                value = c.value;
                // The corrected value is stored before the field shows it, so
                // the nested run that the new text starts already finds it.
                if (c.shown) {
                    stored = value;
                    setFieldText(id, fixed(value, f.decimals));
                }
            }
            stored = value;
        }
        recompute();
    });
}

void MonoclDocument::barChange(BarId /*id*/)
{
    // The bars' labels follow their positions; the window writes them.
    runHandler([&] {
        changed();
        recompute();
    });
}

std::string MonoclDocument::barRatioText(BarId id) const
{
    return fixed(trackBarRatio(m_controls.bar(id)), 2);
}

// ---- The glass --------------------------------------------------------------------

void MonoclDocument::rememberGlass(const std::optional<GlassName>& glass)
{
    m_chosenGlass = glass;
    m_chosenGlassValues = {m_state.Nd, m_state.Abbe};
    changed();
}

std::optional<GlassName> MonoclDocument::chosenGlass() const
{
    if (m_chosenGlass && m_chosenGlassValues == std::pair{m_state.Nd, m_state.Abbe})
        return m_chosenGlass;
    return std::nullopt;
}

} // namespace monocl
