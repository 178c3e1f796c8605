// The window's handlers: each passes what its control now holds to the
// document, whose own handler runs the recompute.
#include "monoclForm.h"

#include "ui/widgets/field_problem.h"
#include "ui/widgets/spin_edit.h"

#include <QLabel>
#include <QLineEdit>

using namespace monocl;

// ---- Start-up ------------------------------------------------------------------

void Toptmono::FormCreate(QObject* /*Sender*/)
{
    m_document.formCreate();
}

// ---- Handlers ---------------------------------------------------------------------

void Toptmono::takeFieldText(RealFieldId id)
{
    clearFieldProblem(id);
    m_document.typeFieldText(id, m_realEdits[indexOf(id)]->text().toStdString());
}

void Toptmono::setFieldText(QLineEdit* field, const QString& text)
{
    const auto i = static_cast<std::size_t>(std::find(m_realEdits.begin(), m_realEdits.end(), field)
                                            - m_realEdits.begin());
    // Only the real-number fields hold a value of the document's.
    if (i < m_realEdits.size())
        m_document.setFieldText(static_cast<RealFieldId>(i), text.toStdString());
}

void Toptmono::NDeditChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::NDedit); }
void Toptmono::ABEditChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::ABEdit); }
void Toptmono::ihmChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::ihm); }
void Toptmono::ihChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::ih); }
void Toptmono::idChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::id); }
void Toptmono::iffChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::iff); }
void Toptmono::inminChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::inmin); }
void Toptmono::inmaxChange(QObject* /*Sender*/) { takeFieldText(RealFieldId::inmax); }

void Toptmono::showBarRatio(BarId bar, QLabel* label, const QString& prefix)
{
    label->setText(prefix + QString::fromStdString(m_document.barRatioText(bar)));
}

void Toptmono::KsfBarChange(QObject* /*Sender*/) { m_document.barChange(BarId::KsfBar); }
void Toptmono::KxrBarChange(QObject* /*Sender*/) { m_document.barChange(BarId::KxrBar); }

// The spin edits and radio buttons pass their values on as they change; their
// handlers only recompute.
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
    m_document.recompute();
}

std::optional<QString> Toptmono::designFault() const
{
    if (const auto& fault = m_document.designFault())
        return QString::fromStdString(*fault);
    return std::nullopt;
}

std::optional<QString> Toptmono::forecastFault() const
{
    if (const auto& fault = m_document.forecastFault())
        return QString::fromStdString(*fault);
    return std::nullopt;
}
