// What the element drawing shows of a document: the lens its settings
// choose, in the lens's full values, with the tolerances of its optics.
#include "drawing_data.h"

#include "output_contents.h"

#include "core/lens_sags.h"
#include "format/number_text.h"
#include "texts/element_texts.h"
#include "texts/lens_texts.h"
#include "ui/files/lens_file.h"
#include "ui/files/glass_table.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QString drawingText(const char* text)
{
    return QCoreApplication::translate("WorkshopDrawing", text);
}

// The catalogue glass the document names, when it is in the catalogue.
std::optional<Glass> namedGlass(const MonoclDocument& document)
{
    const auto name = document.chosenGlass();
    if (!name)
        return std::nullopt;
    for (const Glass& g : glassCatalogue())
        if (g.maker == name->maker && g.name == name->name)
            return g;
    return std::nullopt;
}

QString plusMinus(double tolerance, char sep)
{
    return QStringLiteral("±") + qs(fixedText(tolerance, 8, 2, sep));
}

QString noteOf(const MonoclDocument& document)
{
    if (const auto& fault = document.designFault())
        return drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "%1 Чертеж не построен.")).arg(faultLine(qs(*fault)));
    const DesignSection& design = document.lastDesign();
    if (!design.computed)
        return drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Расчет прерван ошибкой: чертеж не построен."));
    if (design.failed)
        return drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Мениск для этих требований не найден: чертеж не построен."));
    return drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Уточненная лучами линза не найдена: чертеж не построен."));
}

void fillColumns(WorkshopDrawing& d, const MonoclDocument& document, const RayLens& lens, bool settingsRight)
{
    const char sep = document.decimalSeparator();
    const DrawingSettings& s = document.drawingSettings();
    const auto& tolerances = document.tolerances();
    const auto apertures = document.clearApertures();
    const double ring = ringDiameterFor(s, lens.diameter);
    const double radii[2] = {lens.R1, lens.R2};
    for (int i = 0; i < 2; ++i) {
        SurfaceColumn& c = d.surfaces[static_cast<std::size_t>(i)];
        const DimensionTolerance* t = tolerances ? &tolerances->dimensions[static_cast<std::size_t>(i)] : nullptr;
        c.radius = qs(radiusText(radii[i], sep));
        if (t && !t->fringes)
            c.radius += QLatin1Char(' ') + plusMinus(t->tolerance, sep);
        c.radius += QLatin1Char(' ') + QLatin1String(surfaceForm(radii[i], i));
        c.clearAperture = apertures ? QStringLiteral("Ø") + qs(lengthText((*apertures)[static_cast<std::size_t>(i)], sep))
                                    : QStringLiteral("—");
        const auto rimSag = sagitta(radii[i], lens.diameter);
        c.sagRim = rimSag ? qs(sagText(*rimSag, sep)) : QStringLiteral("—");
        const auto ringSag = settingsRight ? sagitta(radii[i], ring) : std::nullopt;
        c.sagRing = ringSag ? qs(sagText(*ringSag, sep)) : QStringLiteral("—");
        c.form = qs(formCode(t && t->fringes ? *t->fringes : s.sagittaFringes, s.irregularityFringes));
        c.centring = qs(centringCode(s.wedgeMinutes, sep));
        c.imperfections = qs(imperfectionCode(s.imperfectionCount, s.imperfectionSize, sep));
        c.coating = QStringLiteral("—");
    }
    d.notes << drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Стрелки поверхностей: на диаметре Ø%1 и на кольце сферометра Ø%2."))
                   .arg(qs(lengthText(lens.diameter, sep)),
                        settingsRight ? qs(lengthText(ring, sep)) : QStringLiteral("—"));
}

void fillMaterial(WorkshopDrawing& d, const MonoclDocument& document, const RayLens& lens)
{
    const char sep = document.decimalSeparator();
    const DrawingSettings& s = document.drawingSettings();
    const auto name = materialName(namedGlass(document), lens.nd, lens.abbe, glassCatalogue());
    d.materialName = name ? qs(*name) : drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "стекло nd %1, νd %2"))
                                            .arg(qs(fixedText(lens.nd, 12, 4, sep)), qs(fixedText(lens.abbe, 12, 2, sep)));
    d.material = {name ? qs(*name) : QStringLiteral("—"),
                  QStringLiteral("nd = %1").arg(qs(fixedText(lens.nd, 12, 4, sep))),
                  QStringLiteral("νd = %1").arg(qs(fixedText(lens.abbe, 12, 2, sep))),
                  qs(stressCode(s.stress, sep)),
                  qs(bubbleCode(s.bubbleCount, s.bubbleSize, sep)),
                  qs(inhomogeneityCode(s.inhomogeneityClass, s.striaeClass))};
}

// Whether the document's present lens can be drawn: the problem or the note
// where it cannot, the lens and its rim's width in d where it can.
std::optional<DrawnLens> startDrawing(WorkshopDrawing& d, const MonoclDocument& document)
{
    const DesignSection& design = document.lastDesign();
    const bool designed = !document.designFault() && design.computed && !design.failed && document.rayLens();
    if (designed && !(rimWidth(*document.rayLens()).value_or(0.0) > 0)) {
        d.problem = drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Поверхности мениска не сходятся по его диаметру"));
        d.note = drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Поверхности мениска не сходятся по его диаметру: чертеж не построен."));
        return std::nullopt;
    }
    const auto drawn = document.drawnLens();
    const auto rim = drawn ? rimWidth(drawn->lens) : std::nullopt;
    if (!drawn || !rim || !(*rim > 0)) {
        if (!document.designFault() && design.computed && design.failed)
            d.problem = drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Мениск для этих требований не найден"));
        d.refinedMissing = designed;
        if (designed && document.refinedLens())
            d.problem = drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Уточненная лучами линза не найдена: %1"))
                            .arg(QLatin1String(refineFailureName(document.refinedLens()->reason)));
        d.note = noteOf(document);
        return std::nullopt;
    }
    d.hasLens = true;
    d.edge = *rim;
    return drawn;
}

} // namespace

WorkshopDrawing drawingOutcome(const MonoclDocument& document, const DrawingInfo& info)
{
    WorkshopDrawing d;
    d.info = info;
    startDrawing(d, document);
    return d;
}

WorkshopDrawing workshopDrawing(const MonoclDocument& document, const DrawingInfo& info)
{
    WorkshopDrawing d;
    d.info = info;
    const std::optional<DrawnLens> drawn = startDrawing(d, document);
    if (!drawn)
        return d;
    const RayLens& lens = drawn->lens;
    const char sep = document.decimalSeparator();
    const DrawingSettings& s = document.drawingSettings();
    const auto settingsProblem = drawingSettingsProblem(s, lens, sep);
    d.R1 = lens.R1;
    d.R2 = lens.R2;
    d.thickness = lens.thickness;
    d.diameter = lens.diameter;
    d.stopDistance = lens.stopZ;
    d.stopDiameter = lens.stopDiameter;
    d.bevel = settingsProblem ? 0 : s.bevel;
    d.lensSource = qs(lensSourceText(drawn->refined));

    const auto& tolerances = document.tolerances();
    const auto tolerance = [&](Dimension dim) {
        return tolerances ? QLatin1Char(' ') + plusMinus(tolerances->dimensions[static_cast<std::size_t>(dim)].tolerance, sep)
                          : QString();
    };
    d.thicknessText = qs(lengthText(lens.thickness, sep)) + tolerance(Dimension::Thickness);
    d.diameterText = QStringLiteral("Ø") + qs(lengthText(lens.diameter, sep)) + tolerance(Dimension::Diameter);
    d.stopDistanceText = QStringLiteral("X1 = ") + qs(signedLengthText(lens.stopZ, sep)) + tolerance(Dimension::StopDistance);
    d.stopDiameterText = QStringLiteral("Ø") + qs(lengthText(lens.stopDiameter, sep));
    d.edgeText = QStringLiteral("(%1)").arg(qs(lengthText(d.edge, sep)));

    fillColumns(d, document, lens, !settingsProblem);
    fillMaterial(d, document, lens);
    d.r1Text = QStringLiteral("R1 ") + d.surfaces[0].radius;
    d.r2Text = QStringLiteral("R2 ") + d.surfaces[1].radius;
    if (settingsProblem)
        d.notes << qs(*settingsProblem) + QLatin1Char('.');
    else if (s.bevel > 0)
        d.notes << drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Фаски защитные %1×45°.")).arg(qs(fixedText(s.bevel, 8, 2, sep)));
    if (!tolerances)
        d.notes << drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Допуски не рассчитаны: линза не трассируется."));
    return d;
}

} // namespace monocl
