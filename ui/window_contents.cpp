#include "window_contents.h"

#include "memo.h"
#include "monoclForm.h"
#include "spin_edit.h"
#include "string_grid.h"

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

QString fromTo(const QString& from, const QString& to)
{
    return QCoreApplication::translate("Report", "от %1 до %2").arg(from, to);
}

} // namespace

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
        {QCoreApplication::translate("Report", "Относительная сферическая аберрация, %"),
         control<QLabel>(w, "Lksf").text().trimmed()},
        {QCoreApplication::translate("Report", "Относительная хроматическая аберрация"),
         control<QLabel>(w, "LKxr").text().trimmed()},
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
    c.rayLens = w.rayLens();
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
