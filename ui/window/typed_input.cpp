// The window's second way of taking what is typed into its real-number
// fields: checked when the user presses Enter or leaves the field, so that a
// text on its way to a number is neither put right nor answered by a box
// at every key.
#include "monoclForm.h"

#include "fault_display.h"
#include "ui/widgets/field_problem.h"
#include "ui/widgets/canvas_image.h"
#include "ui/widgets/string_grid.h"
#include "ui/rays/ray_view.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

using namespace monocl;

void Toptmono::setInputCheck(InputCheck check)
{
    m_inputCheck = check;
    if (check == InputCheck::OnCommit)
        return;
    // Back to checking at every key: what waits for Enter is taken now.
    for (std::size_t i = 0; i < m_realEdits.size(); ++i) {
        if (m_fieldProblems[i] && m_fieldProblems[i]->hasProblem())
            takeFieldText(static_cast<RealFieldId>(i));
    }
}

bool Toptmono::checksOnCommit() const
{
    // Texts the program writes, and a file's, go the usual way.
    return m_inputCheck == InputCheck::OnCommit && !m_document.inHandler();
}

QString Toptmono::whyNotTaken(RealFieldId id) const
{
    const RealField& f = realField(id);
    const QLineEdit* field = m_realEdits[static_cast<std::size_t>(id)];
    const double stored = m_state.*f.stored;
    double value = stored;
    std::int32_t failed = 0;
    TryParseFloat(field->text().toStdString(), value, failed, m_separator);
    const auto text = [&](double v) { return QString::fromStdString(fixedText(v, 8, f.decimals, m_separator)); };
    if (failed)
        return QCoreApplication::translate("Toptmono", "Не число: по Enter или при уходе из поля вернется %1")
            .arg(text(stored));
    if (!f.check)
        return QString();
    FieldCorrection c{value, false};
    try {
        c = f.check(value, m_state);
    } catch (...) {
        return QString(); // the handler meets the fault and tells it
    }
    if (!c.shown || c.value == value)
        return QString();
    return QCoreApplication::translate("Toptmono", "Вне допустимых значений: по Enter или при уходе из поля будет %1")
        .arg(text(c.value));
}

FieldProblem* Toptmono::fieldProblem(RealFieldId id)
{
    FieldProblem*& problem = m_fieldProblems[static_cast<std::size_t>(id)];
    if (!problem)
        problem = new FieldProblem(m_realEdits[static_cast<std::size_t>(id)]);
    return problem;
}

void Toptmono::clearFieldProblem(RealFieldId id)
{
    if (FieldProblem* problem = m_fieldProblems[static_cast<std::size_t>(id)])
        problem->clearProblem();
}

void Toptmono::realFieldTyped(RealFieldId id)
{
    const QString why = whyNotTaken(id);
    if (!why.isEmpty()) {
        // Nothing is stored and nothing recomputed until Enter.
        fieldProblem(id)->showProblem(why);
        return;
    }
    // A text the field takes recomputes at once; a fault it meets is shown
    // on the tabs, and its box waits for Enter.
    m_quietFaults = true;
    takeFieldText(id);
    m_quietFaults = false;
}

void Toptmono::realFieldCommitted(RealFieldId id)
{
    if (m_inputCheck != InputCheck::OnCommit)
        return;
    const FieldProblem* problem = m_fieldProblems[static_cast<std::size_t>(id)];
    if (problem && problem->hasProblem()) {
        // The program's own rule, once: restore, correct, or the box.
        takeFieldText(id);
        return;
    }
    if (m_untoldFault)
        runHandler([this] { std::rethrow_exception(std::exchange(m_untoldFault, nullptr)); });
}

// ---- A fault's mark on the tabs ------------------------------------------------

void Toptmono::showFaultState()
{
    // The ray check of a faulted design is all dashes: nothing earlier stays.
    const std::optional<QString> designFault = this->designFault();
    showStaleContent(*m_designFaultLine, {MonGrid, esk}, designFault, true);
    showStaleContent(m_rayView->faultLine(), {}, designFault, false);
    if (!designFault && !m_document.forecastFault())
        m_untoldFault = nullptr;
}
