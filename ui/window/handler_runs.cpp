// How the window's handlers run: the document catches the faults they meet,
// never letting one through a signal, and the window tells each once the
// outermost handler has ended, in one box for one action of the user's.
#include "monoclForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>

using namespace monocl;

// ---- Running handlers --------------------------------------------------------

void Toptmono::runHandler(const std::function<void()>& body)
{
    m_document.runAsOneAction(body);
}

void Toptmono::tellFault(const std::exception_ptr& fault)
{
    // While the box is open its event loop may still deliver an armed
    // auto-repeat; those runs are no action of the user's and stay silent,
    // so one action shows one box.
    if (m_silentFaults)
        return;
    if (m_quietFaults) {
        m_untoldFault = fault;
    } else if (!m_showingFault) {
        m_showingFault = true;
        showFault(fault);
        m_showingFault = false;
    }
}

void Toptmono::runAsOneAction(const std::function<void()>& body)
{
    runHandler(body);
}

void Toptmono::showNotes()
{
    runAsOneAction([this] { PageControl1->setCurrentWidget(TabSheet2); });
}

void Toptmono::showAbout()
{
    runAsOneAction([this] { PageControl1->setCurrentWidget(TabSheet3); });
}

// A click or key on the tabs may first take the focus from a spin edit,
// which then corrects its value and runs its handler, and then switch the
// tab, which recomputes: one action, so at most one box.
bool Toptmono::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool input = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
        || type == QEvent::KeyPress || type == QEvent::Wheel;
    if (!input || m_inTabAction)
        return QWidget::eventFilter(watched, event);
    m_inTabAction = true;
    runAsOneAction([&] { QCoreApplication::sendEvent(watched, event); });
    m_inTabAction = false;
    return true;
}

void Toptmono::showFault(const std::exception_ptr& fault)
{
    const QString message = QString::fromStdString(faultMessage(fault));
    if (m_faultSink) {
        m_faultSink(message + QLatin1Char('.'));
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("monocl"), message + QLatin1Char('.'),
                    QMessageBox::Ok, this);
    box.exec();
}

void Toptmono::setInputsAsOneAction(const std::function<void()>& body)
{
    m_document.setInputsAsOneAction(body);
}

void Toptmono::setFaultSink(std::function<void(const QString& message)> sink)
{
    m_faultSink = std::move(sink);
}
