#include "field_problem.h"

#include <QLineEdit>

namespace monocl {

namespace {

const QString RedFrame = QStringLiteral("QLineEdit { border: 2px solid #c00000; }");

} // namespace

FieldProblem::FieldProblem(QLineEdit* field)
    : QLabel(field->parentWidget())
    , m_field(field)
{
    setObjectName(field->objectName() + QStringLiteral("Problem"));
    QFont small = font();
    small.setBold(false);
    small.setPixelSize(11);
    setFont(small);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 238, 238));
    colours.setColor(QPalette::WindowText, QColor(176, 0, 0));
    setPalette(colours);
    setAutoFillBackground(true);
    setContentsMargins(3, 0, 3, 1);
    hide();
}

void FieldProblem::showProblem(const QString& why)
{
    if (!m_shown)
        m_field->setStyleSheet(RedFrame);
    m_shown = true;
    setText(why);
    adjustSize();
    move(m_field->geometry().bottomLeft() + QPoint(0, 1));
    raise();
    show();
}

void FieldProblem::clearProblem()
{
    if (!m_shown)
        return;
    m_shown = false;
    m_field->setStyleSheet(QString());
    hide();
}

} // namespace monocl
