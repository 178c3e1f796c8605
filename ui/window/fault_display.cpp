#include "fault_display.h"

#include "ui/widgets/string_grid.h"
#include "texts/fault_text.h"

#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QWidget>

namespace monocl {

namespace {

constexpr double GreyedOpacity = 0.35;

void setGreyed(QWidget* widget, bool greyed)
{
    // A grid paints its cells through its viewport, which an effect on the
    // grid does not reach; it greys them itself.
    if (auto* grid = qobject_cast<StringGrid*>(widget)) {
        grid->setGreyed(greyed);
        return;
    }
    const bool isGreyed = widget->graphicsEffect() != nullptr;
    if (greyed == isGreyed)
        return;
    if (!greyed) {
        widget->setGraphicsEffect(nullptr); // deletes the effect
        return;
    }
    auto* effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(GreyedOpacity);
    widget->setGraphicsEffect(effect);
}

} // namespace

QLabel* createFaultLine(QWidget* parent, const QRect& place, const char* name)
{
    auto* line = new QLabel(parent);
    line->setObjectName(QString::fromLatin1(name));
    QFont font = parent->font();
    font.setBold(true);
    line->setFont(font);
    QPalette colours = line->palette();
    colours.setColor(QPalette::WindowText, QColor(176, 0, 0));
    line->setPalette(colours);
    line->setAutoFillBackground(true);
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->setGeometry(place);
    line->hide();
    return line;
}

void showStaleContent(QLabel& line, std::initializer_list<QWidget*> stale,
                      const std::optional<QString>& fault, bool earlierShown)
{
    for (QWidget* widget : stale)
        setGreyed(widget, fault.has_value());
    if (!fault) {
        line.hide();
        return;
    }
    QString text = QString::fromStdString(faultLine(fault->toStdString()));
    if (earlierShown)
        text += QLatin1Char(' ') + QCoreApplication::translate("Toptmono", "Показан предыдущий расчет.");
    line.setText(text);
    line.show();
    line.raise();
}

} // namespace monocl
