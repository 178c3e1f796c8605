#include "design_table.h"

#include "errors/real.h"
#include "format/number_text.h"
#include "texts/translation.h"

#include <array>

namespace monocl {

namespace {

constexpr std::array<const char*, DesignTableRows> labels = {
    "",
    MONOCL_NOOP("DesignTable", "Относительное фокусное расстояние  N,  б/р"),
    MONOCL_NOOP("DesignTable", "Диаметр диафрагмы                 Df, мм"),
    MONOCL_NOOP("DesignTable", "Радиус первой поверхности         R1, мм"),
    MONOCL_NOOP("DesignTable", "Радиус второй поверхности         R2, мм"),
    MONOCL_NOOP("DesignTable", "Отношение радиусов         R1/R2, мм"),
    MONOCL_NOOP("DesignTable", "Расстояние диафрагмы от вершины передней поверхности мениска X1 , мм"),
    MONOCL_NOOP("DesignTable", "Расстояние диафрагмы от вершины задней поверхности  мениска X2 , мм"),
    MONOCL_NOOP("DesignTable", "Расстояние диафрагмы от переднего края мениска Xk , мм"),
    MONOCL_NOOP("DesignTable", "Диаметр мениска                 Dm, мм"),
    MONOCL_NOOP("DesignTable", "Толщина мениска по центру            dh, мм"),
    MONOCL_NOOP("DesignTable", "Ширина края мениска           h, мм"),
    MONOCL_NOOP("DesignTable", "Задний фокальный отрезок sf, мм"),
    "S1",
    "S2",
    "S3",
    "S4",
    "S5",
    MONOCL_NOOP("DesignTable", "Радиус кривизны фокальной поверхности Петцваля  Rp, мм"),
    MONOCL_NOOP("DesignTable", "Радиус  кривизны средней фокальной поверхности   Rs, мм"),
    MONOCL_NOOP("DesignTable", "Радиус  кривизны меридиональной фокальной поверхности   Rm, мм"),
    MONOCL_NOOP("DesignTable", "Радиус  кривизны тангенциальной фокальной поверхности   Rt, мм"),
    MONOCL_NOOP("DesignTable", "Диаметр пятна сферической аберрации для зоны 0,7  dS, мм"),
    MONOCL_NOOP("DesignTable", "Диаметр пятна астигматизма в средней плоскости для края поля зрения dA, мм "),
    MONOCL_NOOP("DesignTable", "Радиус пятна комы  для края поля зрения rK, мм"),
    MONOCL_NOOP("DesignTable", "Линейная дисторсия на краю поля зрения  dl, мм"),
    MONOCL_NOOP("DesignTable", "Относительная дисторсия на краю поля зрения  kd, %"),
    MONOCL_NOOP("DesignTable", "Оценка разрешения в центре поля зрения v1,  лин/мм"),
    MONOCL_NOOP("DesignTable", "Оценка разрешения на краю поля зрения  v2,  лин/мм"),
    MONOCL_NOOP("DesignTable", "Перефокусировка для компенсации хроматической разности (для объекта в бесконечности), мм"),
};

struct RowValue {
    Real value;
    int precision;
    int decimals;
};

RowValue rowValue(int row, const MonoclState& s, const RecomputeLocals& l)
{
    const Real mm = 1000.0;
    switch (row) {
    case 1: return {s.N, 3, 1};
    case 2: return {Real(s.Df) * mm, 3, 2};
    case 3: return {Real(s.R1) * mm, 3, 2};
    case 4: return {Real(s.R2) * mm, 3, 2};
    case 5: return {Real(s.R1) / s.R2, 3, 2};
    case 6: return {(Real(s.X2) + s.CenterThickness) * mm, 3, 2};
    case 7: return {Real(s.X2) * mm, 3, 2};
    case 8: return {(Real(s.X2) + s.CenterThickness - l.FrontSag) * mm, 3, 2};
    case 9: return {Real(s.Dm) * mm, 3, 2};
    case 10: return {Real(s.CenterThickness) * mm, 3, 2};
    case 11: return {Real(s.Dm) / l.EdgeRatio * mm, 3, 2};
    case 12: return {Real(l.sf) * mm, 3, 2};
    case 13: return {s.S1, 5, 3};
    case 14: return {s.S2, 5, 3};
    case 15: return {s.S3, 5, 3};
    case 16: return {s.S4, 5, 3};
    case 17: return {s.S5, 5, 3};
    case 18: return {Real(s.Rp) * mm, 4, 2};
    case 19: return {Real(s.Rs) * mm, 4, 2};
    case 20: return {Real(s.Rm) * mm, 4, 2};
    case 21: return {Real(s.Rt) * mm, 4, 2};
    case 22: return {Real(s.dS) * mm, 4, 3};
    case 23: return {Real(s.dA) * mm, 4, 3};
    case 24: return {Real(s.rK) * mm, 4, 3};
    case 25: return {Real(s.dl) * mm, 4, 3};
    case 26: return {((100.0 * Real(s.dl)) / s.FocalLength) * (Real(s.FieldAngle) / 2.0), 4, 3};
    case 27: return {s.v1, 4, 1};
    case 28: return {s.v2, 4, 1};
    case 29: return {((-500.0 * Real(s.FocalLength)) / s.Abbe) / l.FilterFactor, 4, 2};
    default: return {0.0, 8, 0};
    }
}

} // namespace

std::string designTableHeader(int col)
{
    return col == 0 ? MONOCL_TR("DesignTable", "Конструктивный параметр")
                    : MONOCL_TR("DesignTable", "Значение");
}

std::string designTableLabel(int row)
{
    return row >= 1 && row < DesignTableRows
        ? translated("DesignTable", labels[static_cast<std::size_t>(row)])
        : "";
}

std::string designTableValue(int row, const MonoclState& state, const RecomputeLocals& locals,
                             char separator)
{
    const RowValue v = rowValue(row, state, locals);
    return fixedText(v.value.value(), v.precision, v.decimals, separator);
}

} // namespace monocl
