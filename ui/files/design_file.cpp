#include "design_file.h"

#include "drawing_settings_file.h"
#include "json_checker.h"
#include "output_files.h"

#include "document/monocl_document.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>
#include <utility>
#include <variant>

namespace monocl {

namespace {

// ---- Names in the file -----------------------------------------------------------

constexpr std::pair<Correction, const char*> CorrectionNames[] = {
    {Correction::Aplanat, "aplanat"},
    {Correction::Anastigmat, "anastigmat"},
};

constexpr std::pair<LightFilter, const char*> FilterNames[] = {
    {LightFilter::None, "none"},
    {LightFilter::Yellow14, "yellow1.4"},
    {LightFilter::Yellow2, "yellow2"},
    {LightFilter::Orange28, "orange2.8"},
};

template <class E, std::size_t N>
QString nameOf(E value, const std::pair<E, const char*> (&names)[N])
{
    for (const auto& [v, name] : names)
        if (v == value)
            return QString::fromLatin1(name);
    return QString();
}

// The real-number fields' keys in the file, in the order of RealFields.
constexpr std::array<std::pair<const char*, const char*>, RealFields.size()> RealFieldKeys = {{
    {"design", "nd"},
    {"design", "abbe"},
    {"forecast", "lensHeight"},
    {"forecast", "edge"},
    {"forecast", "diameter"},
    {"forecast", "focalLength"},
    {"forecast", "ndMin"},
    {"forecast", "ndMax"},
}};

double& realValue(DesignData& d, RealFieldId id)
{
    switch (id) {
    case RealFieldId::NDedit: return d.nd;
    case RealFieldId::ABEdit: return d.abbe;
    case RealFieldId::ihm: return d.lensHeight;
    case RealFieldId::ih: return d.edge;
    case RealFieldId::id: return d.diameter;
    case RealFieldId::iff: return d.focal;
    case RealFieldId::inmin: return d.ndMin;
    case RealFieldId::inmax: return d.ndMax;
    }
    return d.nd;
}

double realValue(const DesignData& d, RealFieldId id)
{
    return realValue(const_cast<DesignData&>(d), id);
}

enum class Section { Design, Forecast };

// The integer inputs: section, key, the spin edit or bar, member.
struct IntegerInput
{
    Section section;
    const char* key;
    std::variant<SpinId, BarId> control;
    int DesignData::*member;
};

constexpr IntegerInput IntegerInputs[] = {
    {Section::Design, "focalLength", SpinId::FSpin, &DesignData::focalLength},
    {Section::Design, "fieldOfView", SpinId::ASpin, &DesignData::fieldOfView},
    {Section::Design, "edgeRatio", SpinId::OtSpin, &DesignData::edgeRatio},
    {Section::Design, "sphericalBar", BarId::KsfBar, &DesignData::sphericalBar},
    {Section::Design, "chromaticBar", BarId::KxrBar, &DesignData::chromaticBar},
    {Section::Forecast, "abbeMin", SpinId::VminSP, &DesignData::abbeMin},
    {Section::Forecast, "abbeMax", SpinId::VmaxSP, &DesignData::abbeMax},
    {Section::Forecast, "fNumber", SpinId::NSpin, &DesignData::fNumber},
};

const char* sectionName(Section section)
{
    return section == Section::Design ? "design" : "forecast";
}

// The filters' choices, in the order of LightFilter.
constexpr ChoiceId DesignFilterChoices[] = {ChoiceId::Sf1, ChoiceId::Sf2, ChoiceId::Sf3};
constexpr ChoiceId ForecastFilterChoices[] = {ChoiceId::sfp1, ChoiceId::sfp2, ChoiceId::sfp3, ChoiceId::Sfp4};

int integerInputValue(const InputControls& controls, const IntegerInput& input)
{
    if (const SpinId* spin = std::get_if<SpinId>(&input.control))
        return controls.spinValue(*spin);
    return controls.bar(std::get<BarId>(input.control));
}

template <std::size_t N>
LightFilter checkedFilter(const InputControls& controls, const ChoiceId (&choices)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (controls.isChecked(choices[i]))
            return FilterNames[i].first;
    return LightFilter::None;
}

QString refusal(const QString& fileName, const QString& problem)
{
    return QCoreApplication::translate("DesignFile", "Файл «%1» не открыт: %2.").arg(fileName, problem);
}

} // namespace

// ---- Text of a field ---------------------------------------------------------------

namespace {

// Bit for bit, so that -0 stays -0.
bool readsBackAs(const std::string& text, char separator, double value)
{
    double back = 0;
    return parseReal(text, separator, back) && std::bit_cast<quint64>(back) == std::bit_cast<quint64>(value);
}

// The shortest text that reads back as the very same double: 17 digits where
// the general text's 15 would change it (1,2345678901234567).
std::string shortestText(double value, char separator)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

} // namespace

QString designFieldText(RealFieldId id, double value, char separator)
{
    // The window writes the glass range in its general text at start-up,
    // the other fields with their decimals.
    if (id != RealFieldId::inmin && id != RealFieldId::inmax) {
        const std::string fixed = fixedText(value, 8, realField(id).decimals, separator);
        if (readsBackAs(fixed, separator, value))
            return QString::fromStdString(fixed);
    }
    const std::string general = generalText(value, separator);
    return QString::fromStdString(readsBackAs(general, separator, value) ? general
                                                                         : shortestText(value, separator));
}

// ---- Capture and writing ------------------------------------------------------------

DesignData captureDesign(const MonoclDocument& document)
{
    const InputControls& controls = document.controls();
    DesignData d;
    for (const IntegerInput& input : IntegerInputs)
        d.*input.member = integerInputValue(controls, input);
    for (std::size_t i = 0; i < RealFields.size(); ++i)
        realValue(d, static_cast<RealFieldId>(i)) = document.state().*RealFields[i].stored;
    d.correction = controls.isChecked(ChoiceId::RB2) ? Correction::Anastigmat : Correction::Aplanat;
    d.designFilter = checkedFilter(controls, DesignFilterChoices);
    d.forecastFilter = checkedFilter(controls, ForecastFilterChoices);
    if (const std::optional<GlassName> glass = document.chosenGlass())
        d.glass = GlassChoice{QString::fromStdString(glass->maker), QString::fromStdString(glass->name)};
    d.drawing = document.drawingSettings();
    return d;
}

QByteArray designFileBytes(const DesignData& d)
{
    QJsonObject sections[2];
    const auto sectionOf = [&](const char* name) -> QJsonObject& {
        return sections[std::string_view(name) == "design" ? 0 : 1];
    };
    for (const IntegerInput& input : IntegerInputs)
        sections[input.section == Section::Design ? 0 : 1][QLatin1String(input.key)] = d.*input.member;
    for (std::size_t i = 0; i < RealFields.size(); ++i) {
        const auto& [section, key] = RealFieldKeys[i];
        sectionOf(section)[QLatin1String(key)] = realValue(d, static_cast<RealFieldId>(i));
    }
    sections[0][QLatin1String("correction")] = nameOf(d.correction, CorrectionNames);
    sections[0][QLatin1String("filter")] = nameOf(d.designFilter, FilterNames);
    sections[1][QLatin1String("filter")] = nameOf(d.forecastFilter, FilterNames);

    QJsonObject root;
    root[QLatin1String("format")] = QLatin1String(DesignFormatName);
    root[QLatin1String("version")] = DesignFormatVersion;
    root[QLatin1String("design")] = sections[0];
    root[QLatin1String("forecast")] = sections[1];
    if (d.glass) {
        QJsonObject glass;
        glass[QLatin1String("maker")] = d.glass->maker;
        glass[QLatin1String("name")] = d.glass->name;
        root[QLatin1String("glass")] = glass;
    }
    root[QLatin1String("drawing")] = drawingSettingsJson(d.drawing);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool saveDesign(const MonoclDocument& document, const QString& path, QString* error)
{
    return writeFileAtomically(path, designFileBytes(captureDesign(document)), error);
}

// ---- Reading ---------------------------------------------------------------------------

DesignReadResult parseDesign(const QByteArray& bytes, const QString& fileName)
{
    const auto refused = [&](const QString& problem) {
        return DesignReadResult{std::nullopt, refusal(fileName, problem)};
    };

    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refused(QCoreApplication::translate("DesignFile", "это не JSON (ошибка «%1» у символа %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset));
    if (!document.isObject())
        return refused(QCoreApplication::translate("DesignFile", "в нем не объект JSON"));
    if (const QString hidden = hiddenJsonProblem(text); !hidden.isEmpty())
        return refused(hidden);
    const QJsonObject root = document.object();

    JsonChecker check(root);
    const std::optional<QString> format = check.string(nullptr, "format");
    if (format && *format != QLatin1String(DesignFormatName))
        check.fail(QCoreApplication::translate("DesignFile", "это не проект монокля (format \"%1\" вместо \"%2\")")
                       .arg(*format, QLatin1String(DesignFormatName)));
    const std::optional<double> version = check.number(nullptr, "version");
    if (version && *version != DesignFormatVersion)
        check.fail(QCoreApplication::translate("DesignFile", "версия %1 не поддерживается, ожидается %2")
                       .arg(QString::number(*version, 'g', 15))
                       .arg(DesignFormatVersion));

    DesignData d;
    for (const IntegerInput& input : IntegerInputs)
        if (const std::optional<int> v = check.integer(sectionName(input.section), input.key))
            d.*input.member = *v;
    for (std::size_t i = 0; i < RealFields.size(); ++i) {
        const auto& [section, key] = RealFieldKeys[i];
        if (const std::optional<double> v = check.number(section, key))
            realValue(d, static_cast<RealFieldId>(i)) = *v;
    }
    if (const auto v = check.choice("design", "correction", CorrectionNames))
        d.correction = *v;
    // The design tab offers no filter: its yellow ones are disabled, and it
    // knows no orange one.
    if (const auto v = check.choice("design", "filter", FilterNames, 1))
        d.designFilter = *v;
    if (const auto v = check.choice("forecast", "filter", FilterNames))
        d.forecastFilter = *v;

    if (check.ok() && root.contains(QLatin1String("glass"))) {
        const std::optional<QString> maker = check.string("glass", "maker");
        const std::optional<QString> name = check.string("glass", "name");
        if (maker && name)
            d.glass = GlassChoice{*maker, *name};
    }
    d.drawing = readDrawingSettings(check, root, ',');
    if (!check.ok())
        return refused(check.problem());
    return DesignReadResult{d, QString()};
}

DesignReadResult readDesign(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    const auto refused = [&](const QString& problem) {
        return DesignReadResult{std::nullopt, refusal(name, problem)};
    };
    const QFileInfo info(path);
    if (!info.exists())
        return refused(QCoreApplication::translate("DesignFile", "такого файла нет"));
    if (!info.isFile())
        return refused(QCoreApplication::translate("DesignFile", "это не обычный файл"));
    if (info.size() > DesignFileLimit)
        return refused(QCoreApplication::translate("DesignFile", "он больше 1 МиБ (%1 байт)").arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("DesignFile", "его не удается прочитать (%1)").arg(file.errorString()));
    // At most one byte past the limit, should the file have grown meanwhile.
    const QByteArray bytes = file.read(DesignFileLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QCoreApplication::translate("DesignFile", "его не удается прочитать (%1)").arg(file.errorString()));
    if (bytes.size() > DesignFileLimit)
        return refused(QCoreApplication::translate("DesignFile", "он больше 1 МиБ"));
    return parseDesign(bytes, name);
}

// ---- Applying ---------------------------------------------------------------------------

void applyDesign(MonoclDocument& document, const DesignData& d)
{
    const char separator = document.decimalSeparator();
    const InputControls& controls = document.controls();

    const auto setInteger = [&](const IntegerInput& input) {
        const int value = d.*input.member;
        if (const SpinId* spin = std::get_if<SpinId>(&input.control)) {
            document.setSpinValue(*spin, value);
            return;
        }
        const BarId bar = std::get<BarId>(input.control);
        // A bar left where it stands signals nothing, yet its handler runs
        // as a moved one's would.
        if (controls.bar(bar) == std::clamp(value, BarMinimum, BarMaximum))
            document.barChange(bar);
        else
            document.setBarValue(bar, value);
    };
    const auto setField = [&](RealFieldId id) {
        const std::string text = designFieldText(id, realValue(d, id), separator).toStdString();
        // The same text would signal nothing, yet a check against another
        // field (the edge against the height) may now correct the value. A
        // fault on the way does not stop the other inputs.
        if (controls.field(id) == text)
            document.realFieldChange(id);
        else
            document.typeFieldText(id, text);
    };
    const auto check = [&](ChoiceId id, ChoiceId fallback) {
        // A disabled choice cannot be made; the group keeps its first one.
        document.check(choiceControl(id).enabled ? id : fallback);
    };
    const auto filterChoice = [](LightFilter f, const auto& choices) {
        const auto i = static_cast<std::size_t>(f);
        return i < std::size(choices) ? choices[i] : choices[0];
    };

    document.setInputsAsOneAction([&] {
        // The design tab, then the forecast tab, each in the order a user
        // fills it in: the height before the edge that is held below it.
        for (const IntegerInput& input : IntegerInputs)
            if (input.section == Section::Design)
                setInteger(input);
        setField(RealFieldId::NDedit);
        setField(RealFieldId::ABEdit);
        check(d.correction == Correction::Anastigmat ? ChoiceId::RB2 : ChoiceId::RB1, ChoiceId::RB1);
        check(filterChoice(d.designFilter, DesignFilterChoices), ChoiceId::Sf1);

        for (RealFieldId id : {RealFieldId::ihm, RealFieldId::ih, RealFieldId::id,
                               RealFieldId::iff, RealFieldId::inmin, RealFieldId::inmax})
            setField(id);
        for (const IntegerInput& input : IntegerInputs)
            if (input.section == Section::Forecast)
                setInteger(input);
        check(filterChoice(d.forecastFilter, ForecastFilterChoices), ChoiceId::sfp1);
    });
    // Named once nd and Vd are the file's.
    std::optional<GlassName> glass;
    if (d.glass)
        glass = GlassName{d.glass->maker.toStdString(), d.glass->name.toStdString()};
    document.rememberGlass(glass);
    // Checked when read; a ring or a bevel the new lens cannot take is told
    // on the drawing itself.
    document.setDrawingSettings(d.drawing, false);
}

} // namespace monocl
