#include "conclusions.h"

#include "errors/real.h"
#include "format/number_text.h"
#include "texts/translation.h"

namespace monocl {

namespace {

// The f-number at which the relative spherical aberration q*P/N^3 equals s.
Real apertureFor(Real P, Real s)
{
    return pow(Real(sphericalSpotFactor()) * P / s, Real(1.0) / 3.0);
}

} // namespace

Conclusions decideConclusions(const MonoclState& s, const ForecastValues& v, char sep)
{
    Conclusions c;
    const Real Plo = v.PAtNdMin;
    const Real Phi = v.PAtNdMax;
    const Real reciprocalQ = Real(32.0) / sqrt(Real(2.0));

    const Real from = min(apertureFor(Phi, 0.005), apertureFor(Plo, 0.005));
    const Real to = max(apertureFor(Phi, 0.0025), apertureFor(Plo, 0.0025));
    const Real required = max((from * from / Plo) * reciprocalQ / 0.5,
                              (to * to / Phi) * reciprocalQ / 0.5);
    const Real mean = (Real(s.AbbeMax) + s.AbbeMin) * 0.5;
    c.ApertureFrom = from.value();
    c.ApertureTo = to.value();
    c.RequiredAbbe = required.value();
    c.MeanAbbe = mean.value();

    // A glass whose mean Abbe number already keeps the chromatic aberration
    // within bounds over the recommended apertures needs no filter, and
    // recommending one beside that would contradict it.
    if (mean >= required) {
        c.vvd.push_back(MONOCL_TR("Conclusions", "Мениск можно применять без светофильтра"));
    } else {
        const Real ratio = required / mean;
        if (ratio < 1.6)
            c.recom.push_back(MONOCL_TR("Conclusions", "Применять желтый светофильтр Ж 1.4х"));
        else if (ratio > 1.6 && ratio < 2.5)
            c.recom.push_back(MONOCL_TR("Conclusions", "Применять желтый светофильтр Ж 2х"));
        else if (ratio > 2.5)
            c.recom.push_back(MONOCL_TR("Conclusions", "Применять светофильтр О 2,8"));
    }

    const Real spherical = (Real(v.sAtNdMin) + v.sAtNdMax) * 0.5;
    if (spherical > 0.005) {
        c.colour = VerdictRed;
        c.vvd.push_back(MONOCL_TR("Conclusions", "Сферическая аберрация больше  0,5% фокуса"));
        c.SphericalVerdict = 1;
    } else if (spherical < 0.0025) {
        c.colour = VerdictRed;
        c.vvd.push_back(MONOCL_TR("Conclusions", "Сферическая аберрация меньше 0,25% фокуса"));
        c.SphericalVerdict = 2;
    }

    const Real chromatic = (Real(v.ChromaticLow) + v.ChromaticHigh) * 0.5;
    if (chromatic > 0.5) {
        const std::string times = fixedText((Real(v.ChromaticHigh) / 0.5).value(), 3, 1, sep);
        c.vvd.push_back(
            withValues(MONOCL_TR("Conclusions", "Хроматическая аберрация в %1 раза больше допустимой"), {times}));
        c.ChromaticVerdict = 3;
        c.colour = VerdictRed;
    } else if (chromatic < 0.25) {
        c.colour = VerdictRed;
        c.vvd.push_back(MONOCL_TR("Conclusions", "Хроматическая аберрация меньше 0,25 сферической"));
        c.ChromaticVerdict = 4;
    }

    if (c.SphericalVerdict + c.ChromaticVerdict == 0) {
        c.colour = VerdictGreen;
        c.vvd.push_back(MONOCL_TR("Conclusions", "оптическая система удовлетворяет условиям мягкого рисунка !"));
    }

    c.recom.push_back(
        withValues(MONOCL_TR("Conclusions", "Рекомендуемое относительное отверстие от %1 до %2"),
                   {fixedText(c.ApertureFrom, 3, 1, sep), fixedText(c.ApertureTo, 3, 1, sep)}));
    return c;
}

} // namespace monocl
