#include "drawing_settings_file.h"

#include "json_checker.h"

#include <QCoreApplication>

#include <utility>

namespace monocl {

namespace {

constexpr const char* Section = "drawing";

constexpr std::pair<DrawingLens, const char*> LensNames[] = {
    {DrawingLens::Automatic, "automatic"},
    {DrawingLens::Refined, "refined"},
    {DrawingLens::ThirdOrder, "thirdOrder"},
};

// The settings' real and whole numbers by their keys.
struct RealMember {
    const char* key;
    double DrawingSettings::*member;
};
struct IntegerMember {
    const char* key;
    int DrawingSettings::*member;
};

constexpr RealMember RealMembers[] = {
    {"bevel", &DrawingSettings::bevel},
    {"stress", &DrawingSettings::stress},
    {"bubbleSize", &DrawingSettings::bubbleSize},
    {"wedgeMinutes", &DrawingSettings::wedgeMinutes},
    {"imperfectionSize", &DrawingSettings::imperfectionSize},
};
constexpr IntegerMember IntegerMembers[] = {
    {"bubbleCount", &DrawingSettings::bubbleCount},
    {"inhomogeneityClass", &DrawingSettings::inhomogeneityClass},
    {"striaeClass", &DrawingSettings::striaeClass},
    {"sagittaFringes", &DrawingSettings::sagittaFringes},
    {"irregularityFringes", &DrawingSettings::irregularityFringes},
    {"imperfectionCount", &DrawingSettings::imperfectionCount},
};
constexpr std::pair<const char*, double ToleranceBudget::*> BudgetMembers[] = {
    {"focalBudget", &ToleranceBudget::focalPercent},
    {"backFocusBudget", &ToleranceBudget::backFocus},
    {"sphericalBudget", &ToleranceBudget::sphericalPercent},
};

} // namespace

const char* drawingLensName(DrawingLens lens)
{
    for (const auto& [value, name] : LensNames)
        if (value == lens)
            return name;
    return LensNames[0].second;
}

std::optional<DrawingLens> drawingLensNamed(const QString& name)
{
    for (const auto& [value, text] : LensNames)
        if (name == QLatin1String(text))
            return value;
    if (name == QLatin1String("third-order"))
        return DrawingLens::ThirdOrder;
    return std::nullopt;
}

QJsonObject drawingSettingsJson(const DrawingSettings& s)
{
    QJsonObject o;
    o[QLatin1String("lens")] = QLatin1String(drawingLensName(s.lens));
    for (const RealMember& m : RealMembers)
        o[QLatin1String(m.key)] = s.*m.member;
    for (const IntegerMember& m : IntegerMembers)
        o[QLatin1String(m.key)] = s.*m.member;
    for (const auto& [key, member] : BudgetMembers)
        o[QLatin1String(key)] = s.budget.*member;
    if (s.ringDiameter)
        o[QLatin1String("ringDiameter")] = *s.ringDiameter;
    return o;
}

DrawingSettings readDrawingSettings(JsonChecker& check, const QJsonObject& root, char separator)
{
    DrawingSettings s;
    if (!check.ok() || !root.contains(QLatin1String(Section)))
        return s;
    const QJsonObject given = root.value(QLatin1String(Section)).toObject();
    if (!root.value(QLatin1String(Section)).isObject()) {
        check.member(Section, "lens"); // tells that "drawing" is no object
        return s;
    }
    const auto has = [&](const char* key) { return given.contains(QLatin1String(key)); };
    if (has("lens"))
        if (const auto v = check.choice(Section, "lens", LensNames))
            s.lens = *v;
    for (const RealMember& m : RealMembers)
        if (has(m.key))
            if (const auto v = check.number(Section, m.key))
                s.*m.member = *v;
    for (const IntegerMember& m : IntegerMembers)
        if (has(m.key))
            if (const auto v = check.integer(Section, m.key))
                s.*m.member = *v;
    for (const auto& [key, member] : BudgetMembers)
        if (has(key))
            if (const auto v = check.number(Section, key))
                s.budget.*member = *v;
    if (has("ringDiameter"))
        if (const auto v = check.number(Section, "ringDiameter"))
            s.ringDiameter = *v;
    if (check.ok())
        if (const auto problem = drawingSettingsProblem(s, std::nullopt, separator))
            check.fail(QCoreApplication::translate("DesignFile", "в разделе \"drawing\": %1")
                           .arg(QString::fromStdString(*problem)));
    return s;
}

} // namespace monocl
