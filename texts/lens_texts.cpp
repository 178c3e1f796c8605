#include "texts/lens_texts.h"

#include "core/lens_sags.h"
#include "format/number_text.h"
#include "texts/translation.h"

#include <cmath>

namespace monocl {

namespace {

constexpr int Digits = 12;
constexpr const char* Dash = "-";

std::string orDash(const std::optional<double>& v, char separator)
{
    return v ? sagText(*v, separator) : Dash;
}

} // namespace

std::string radiusText(double R, char separator)
{
    return fixedText(std::abs(R), Digits, std::abs(R) < 10 ? 3 : 2, separator);
}

std::string lengthText(double length, char separator)
{
    return fixedText(std::abs(length), Digits, 2, separator);
}

std::string sagText(double sag, char separator)
{
    return fixedText(std::abs(sag), Digits, 3, separator);
}

std::string signedRadiusText(double R, char separator)
{
    return fixedText(R, Digits, std::abs(R) < 10 ? 3 : 2, separator);
}

std::string signedLengthText(double length, char separator)
{
    return fixedText(length, Digits, 2, separator);
}

const char* surfaceForm(double R, int surface)
{
    const bool centreBehind = R > 0;
    return (surface == 0) == centreBehind ? "CX" : "CC";
}

std::string lensSourceText(bool refined)
{
    return refined ? MONOCL_TR("LensData", "уточнено по лучам") : MONOCL_TR("LensData", "расчет третьего порядка");
}

std::vector<std::vector<std::string>> lensDataRows(const LensDataValues& v, char sep)
{
    const RayLens& l = v.lens;
    const auto label = [](const char* text) { return translated("LensData", text); };
    const bool ringFits = v.ringDiameter <= l.diameter;
    const auto ringSag = [&](double R) {
        return ringFits ? orDash(sagitta(R, v.ringDiameter), sep) : std::string(Dash);
    };
    const auto aperture = [&](int i) {
        return v.clearApertures ? lengthText((*v.clearApertures)[static_cast<std::size_t>(i)], sep)
                                : std::string(Dash);
    };
    const auto rim = rimWidth(l);
    std::string source = lensSourceText(v.refined);
    if (v.refined)
        source += withValues(label(MONOCL_NOOP("LensData", " (шагов: %1)")), {std::to_string(v.steps)});
    return {
        {label(MONOCL_NOOP("LensData", "Линза")), source},
        {label(MONOCL_NOOP("LensData", "Радиус R1, мм")), signedRadiusText(l.R1, sep)},
        {label(MONOCL_NOOP("LensData", "Радиус R2, мм")), signedRadiusText(l.R2, sep)},
        {label(MONOCL_NOOP("LensData", "Толщина по оси dh, мм")), lengthText(l.thickness, sep)},
        {label(MONOCL_NOOP("LensData", "Диаметр Dm, мм")), lengthText(l.diameter, sep)},
        {label(MONOCL_NOOP("LensData", "Толщина края, мм")), rim ? lengthText(*rim, sep) : std::string(Dash)},
        {label(MONOCL_NOOP("LensData", "Расстояние диафрагмы X1, мм")), signedLengthText(l.stopZ, sep)},
        {label(MONOCL_NOOP("LensData", "Диаметр диафрагмы Df, мм")), lengthText(l.stopDiameter, sep)},
        {label(MONOCL_NOOP("LensData", "Световой диаметр поверхности 1, мм")), aperture(0)},
        {label(MONOCL_NOOP("LensData", "Световой диаметр поверхности 2, мм")), aperture(1)},
        {label(MONOCL_NOOP("LensData", "Стрелка поверхности 1 на Dm, мм")), orDash(sagitta(l.R1, l.diameter), sep)},
        {label(MONOCL_NOOP("LensData", "Стрелка поверхности 2 на Dm, мм")), orDash(sagitta(l.R2, l.diameter), sep)},
        {label(MONOCL_NOOP("LensData", "Диаметр кольца сферометра, мм")), lengthText(v.ringDiameter, sep)},
        {label(MONOCL_NOOP("LensData", "Стрелка поверхности 1 на кольце, мм")), ringSag(l.R1)},
        {label(MONOCL_NOOP("LensData", "Стрелка поверхности 2 на кольце, мм")), ringSag(l.R2)},
        {label(MONOCL_NOOP("LensData", "Стекло")), v.glass.empty() ? std::string(Dash) : v.glass},
        {label(MONOCL_NOOP("LensData", "Показатель преломления nd")), fixedText(l.nd, Digits, 4, sep)},
        {label(MONOCL_NOOP("LensData", "Число Аббе νd")), fixedText(l.abbe, Digits, 2, sep)},
    };
}

} // namespace monocl
