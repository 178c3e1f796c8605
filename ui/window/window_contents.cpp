#include "window_contents.h"

#include "ui/widgets/memo.h"
#include "monoclForm.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"

#include "core/design_pass.h"
#include "format/number_text.h"

#include "texts/design_table.h"
#include "texts/ray_table.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

namespace monocl {

namespace {

template <class W>
const W& control(const Toptmono& window, const char* name)
{
    const W* w = window.findChild<W*>(QString::fromLatin1(name));
    Q_ASSERT_X(w, "control", name);
    return *w;
}

QString spinText(const Toptmono& window, const char* name)
{
    return control<SpinEdit>(window, name).text();
}

QString fieldText(const Toptmono& window, const char* name)
{
    return control<QLineEdit>(window, name).text();
}

// The ratio a bar stands for, as the design takes it.
QString barRatio(const Toptmono& window, const char* name)
{
    return QString::fromStdString(
        fixedText(trackBarRatio(control<TrackBar>(window, name).value()), 8, 2, window.decimalSeparator()));
}

// A caption without its note mark ("анастигмат  4)") and outer blanks.
QString withoutNoteMark(const QString& caption)
{
    static const QRegularExpression noteMark(QStringLiteral("\\s+\\d\\)\\s*$"));
    QString text = caption;
    text.remove(noteMark);
    return text.trimmed();
}

// The caption of the checked button among these.
QString checkedCaption(const Toptmono& window, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const auto& button = control<QRadioButton>(window, name);
        if (button.isChecked())
            return withoutNoteMark(button.text());
    }
    return QString();
}

// Every value cell of the table, below its header row, made a dash.
void dashValues(QList<QStringList>& table, const QString& dash)
{
    for (qsizetype row = 1; row < table.size(); ++row)
        for (qsizetype col = 1; col < table[row].size(); ++col)
            table[row][col] = dash;
}

QString fromTo(const QString& from, const QString& to)
{
    return QCoreApplication::translate("Report", "от %1 до %2").arg(from, to);
}

} // namespace

QString faultLine(const QString& message)
{
    return QCoreApplication::translate("Report", "Расчет прерван ошибкой: %1").arg(message + QLatin1Char('.'));
}

QList<QStringList> gridRows(const StringGrid& grid)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < grid.colCount(); ++col)
            cells << grid.cell(col, row);
        rows << cells;
    }
    return rows;
}

WindowContents windowContents(const Toptmono& w)
{
    WindowContents c;
    c.designInputs = {
        {QCoreApplication::translate("Report", "Фокусное расстояние монокля, мм"), spinText(w, "FSpin")},
        {QCoreApplication::translate("Report", "Поле зрения, угловые градусы (2b)"), spinText(w, "ASpin")},
        {QCoreApplication::translate("Report", "Относительная толщина края"), spinText(w, "OtSpin")},
        {QCoreApplication::translate("Report", "Показатель преломления (на линии d=0,5875 мкм)"), fieldText(w, "NDedit")},
        {QCoreApplication::translate("Report", "Число Аббе"), fieldText(w, "ABEdit")},
        {QCoreApplication::translate("Report", "Относительная сферическая аберрация, %"), barRatio(w, "KsfBar")},
        {QCoreApplication::translate("Report", "Относительная хроматическая аберрация"), barRatio(w, "KxrBar")},
        {QCoreApplication::translate("Report", "Светофильтр"), checkedCaption(w, {"Sf1", "Sf2", "Sf3"})},
        {QCoreApplication::translate("Report", "Тип фотоматериала"), checkedCaption(w, {"fp1"})},
        {QCoreApplication::translate("Report", "Тип коррекции"), checkedCaption(w, {"RB1", "RB2"})},
    };
    c.forecastInputs = {
        {QCoreApplication::translate("Report", "Высота линзы hm, мм"), fieldText(w, "ihm")},
        {QCoreApplication::translate("Report", "Толщина края (фальцета) с фаской h, мм"), fieldText(w, "ih")},
        {QCoreApplication::translate("Report", "Диаметр линзы d, мм"), fieldText(w, "id")},
        {QCoreApplication::translate("Report", "Фокусное расстояние F, мм"), fieldText(w, "iff")},
        {QCoreApplication::translate("Report", "Показатель преломления (на линии d=0,5875 мкм)"),
         fromTo(fieldText(w, "inmin"), fieldText(w, "inmax"))},
        {QCoreApplication::translate("Report", "Число Аббе"), fromTo(spinText(w, "VminSP"), spinText(w, "VmaxSP"))},
        {QCoreApplication::translate("Report", "Относительное фокусное расстояние N"), spinText(w, "NSpin")},
        {QCoreApplication::translate("Report", "Светофильтр"), checkedCaption(w, {"sfp1", "sfp2", "sfp3", "Sfp4"})},
    };
    c.designTableTitle = control<QGroupBox>(w, "GroupBox15").title();
    c.designTable = gridRows(control<StringGrid>(w, "MonGrid"));
    c.forecastTableTitle = control<QGroupBox>(w, "GroupBox10").title();
    c.forecastTable = gridRows(control<StringGrid>(w, "PrognozGrid"));
    c.conclusions = control<Memo>(w, "vvd").lines();
    c.recommendations = control<Memo>(w, "recom").lines();

    c.decimalSeparator = w.decimalSeparator();
    c.rayTableTitle = control<QGroupBox>(w, "rayTableBox").title();
    if (w.designFault()) {
        c.designFault = faultLine(*w.designFault());
        dashValues(c.designTable, QString::fromLatin1(DesignFailedDash));
    } else {
        c.rayLens = w.rayLens();
    }
    if (w.forecastFault()) {
        c.forecastFault = faultLine(*w.forecastFault());
        dashValues(c.forecastTable, QString::fromLatin1(DesignFailedDash));
        c.conclusions.clear();
        c.recommendations.clear();
    }
    if (c.rayLens)
        c.rayCheck = checkByRays(*c.rayLens);
    const RayCheck none;
    c.rayTable << QStringList{QString::fromStdString(rayTableHeader(0)),
                              QString::fromStdString(rayTableHeader(1))};
    for (int row = 1; row < RayTableRows; ++row)
        c.rayTable << QStringList{
            QString::fromStdString(rayTableLabel(row)),
            QString::fromStdString(rayTableValue(row, c.rayCheck ? *c.rayCheck : none,
                                                 c.decimalSeparator))};
    return c;
}

} // namespace monocl
