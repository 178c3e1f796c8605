// How the window's handlers run: the faults they meet are caught here,
// never let through a signal, and told once the outermost handler has
// ended, in one box for one action of the user's.
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
    ++m_handlerDepth;
    try {
        body();
    } catch (...) {
        if (!m_pendingFault)
            m_pendingFault = std::current_exception();
    }
    --m_handlerDepth;
    if (m_handlerDepth == 0 && m_pendingFault) {
        const std::exception_ptr fault = m_pendingFault;
        m_pendingFault = nullptr;
        // While the box is open its event loop may still deliver an armed
        // auto-repeat; those runs are no action of the user's and stay
        // silent, so one action shows one box.
        if (m_quietFaults) {
            m_untoldFault = fault;
        } else if (!m_showingFault) {
            m_showingFault = true;
            showFault(fault);
            m_showingFault = false;
        }
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
    QString message;
    try {
        std::rethrow_exception(fault);
    } catch (const std::exception& e) {
        message = QString::fromStdString(e.what());
    } catch (...) {
        message = QStringLiteral("Invalid floating point operation");
    }
    if (m_faultSink) {
        m_faultSink(message + QLatin1Char('.'));
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("monocl"), message + QLatin1Char('.'),
                    QMessageBox::Ok, this);
    box.exec();
}

void Toptmono::setFieldText(QLineEdit* field, const QString& text)
{
    if (field->text() == text)
        return;
    const bool faultBefore = static_cast<bool>(m_pendingFault);
    field->setText(text);
    // A fault of the nested handler run ends this run as well.
    if (!faultBefore && m_pendingFault && m_handlerDepth > 0)
        std::rethrow_exception(m_pendingFault);
}

void Toptmono::setInputsAsOneAction(const std::function<void()>& body)
{
    runHandler([&] {
        const std::exception_ptr before = m_pendingFault;
        body();
        // Which of the passing states fault depends on the order the inputs
        // are set in; only the state reached counts.
        m_pendingFault = before;
        PageControl1Change(this);
    });
}

void Toptmono::setFaultSink(std::function<void(const QString& message)> sink)
{
    m_faultSink = std::move(sink);
}
