#include "design_file.h"

#include "ui/window/monoclForm.h"
#include "json_checker.h"
#include "output_files.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/track_bar.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <utility>

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

// The integer inputs: section, key, object name of the control, member.
struct IntegerInput
{
    const char* section;
    const char* key;
    const char* control;
    int DesignData::*member;
};

constexpr IntegerInput IntegerInputs[] = {
    {"design", "focalLength", "FSpin", &DesignData::focalLength},
    {"design", "fieldOfView", "ASpin", &DesignData::fieldOfView},
    {"design", "edgeRatio", "OtSpin", &DesignData::edgeRatio},
    {"design", "sphericalBar", "KsfBar", &DesignData::sphericalBar},
    {"design", "chromaticBar", "KxrBar", &DesignData::chromaticBar},
    {"forecast", "abbeMin", "VminSP", &DesignData::abbeMin},
    {"forecast", "abbeMax", "VmaxSP", &DesignData::abbeMax},
    {"forecast", "fNumber", "NSpin", &DesignData::fNumber},
};

constexpr const char* DesignFilterButtons[] = {"Sf1", "Sf2", "Sf3"};
constexpr const char* ForecastFilterButtons[] = {"sfp1", "sfp2", "sfp3", "Sfp4"};

template <class W>
W* control(const Toptmono& window, const char* name)
{
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    Q_ASSERT_X(w, "control", name);
    return w;
}

int integerInputValue(const Toptmono& window, const char* name)
{
    if (auto* spin = window.findChild<SpinEdit*>(QString::fromLatin1(name)))
        return spin->value();
    return control<TrackBar>(window, name)->value();
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

DesignData captureDesign(const Toptmono& window, const MonoclState& state)
{
    DesignData d;
    for (const IntegerInput& input : IntegerInputs)
        d.*input.member = integerInputValue(window, input.control);
    for (std::size_t i = 0; i < RealFields.size(); ++i)
        realValue(d, static_cast<RealFieldId>(i)) = state.*RealFields[i].stored;
    d.correction = control<QRadioButton>(window, "RB2")->isChecked() ? Correction::Anastigmat
                                                                       : Correction::Aplanat;
    d.designFilter = LightFilter::None;
    for (std::size_t i = 0; i < std::size(DesignFilterButtons); ++i)
        if (control<QRadioButton>(window, DesignFilterButtons[i])->isChecked())
            d.designFilter = FilterNames[i].first;
    d.forecastFilter = LightFilter::None;
    for (std::size_t i = 0; i < std::size(ForecastFilterButtons); ++i)
        if (control<QRadioButton>(window, ForecastFilterButtons[i])->isChecked())
            d.forecastFilter = FilterNames[i].first;
    d.glass = window.chosenGlass();
    return d;
}

QByteArray designFileBytes(const DesignData& d)
{
    QJsonObject sections[2];
    const auto sectionOf = [&](const char* name) -> QJsonObject& {
        return sections[qstrcmp(name, "design") == 0 ? 0 : 1];
    };
    for (const IntegerInput& input : IntegerInputs)
        sectionOf(input.section)[QLatin1String(input.key)] = d.*input.member;
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
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool saveDesign(const Toptmono& window, const MonoclState& state, const QString& path,
                QString* error)
{
    return writeFileAtomically(path, designFileBytes(captureDesign(window, state)), error);
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
        if (const std::optional<int> v = check.integer(input.section, input.key))
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

void applyDesign(Toptmono& window, const DesignData& d)
{
    using Handler = void (Toptmono::*)(QObject*);
    // The fields' change handlers, in the order of RealFields.
    static constexpr std::array<Handler, RealFields.size()> FieldHandlers = {
        &Toptmono::NDeditChange, &Toptmono::ABEditChange, &Toptmono::ihmChange,
        &Toptmono::ihChange,     &Toptmono::idChange,     &Toptmono::iffChange,
        &Toptmono::inminChange,  &Toptmono::inmaxChange,
    };
    const char separator = window.decimalSeparator();

    const auto setInteger = [&](const IntegerInput& input) {
        const int value = d.*input.member;
        if (auto* spin = window.findChild<SpinEdit*>(QString::fromLatin1(input.control))) {
            spin->setValue(value);
            return;
        }
        auto* bar = control<TrackBar>(window, input.control);
        // A bar left where it stands signals nothing, yet its label may not
        // show its ratio yet (the start captions do not): the handler writes
        // it.
        if (bar->value() == std::clamp(value, bar->minimum(), bar->maximum())) {
            if (qstrcmp(input.control, "KsfBar") == 0)
                window.KsfBarChange(bar);
            else
                window.KxrBarChange(bar);
        } else {
            bar->setValue(value);
        }
    };
    const auto setField = [&](RealFieldId id) {
        const auto i = static_cast<std::size_t>(id);
        QLineEdit* field = control<QLineEdit>(window, RealFields[i].name);
        const QString text = designFieldText(id, realValue(d, id), separator);
        // The same text would signal nothing, yet a check against another
        // field (the edge against the height) may now correct the value.
        if (field->text() == text)
            (window.*FieldHandlers[i])(field);
        else
            field->setText(text);
    };
    const auto check = [&](const char* name, const char* fallback) {
        auto* button = control<QRadioButton>(window, name);
        // A disabled choice cannot be made; the group keeps its first one.
        if (!button->isEnabled())
            button = control<QRadioButton>(window, fallback);
        button->setChecked(true);
    };
    const auto filterButton = [](LightFilter f, const auto& buttons) {
        const auto i = static_cast<std::size_t>(f);
        return i < std::size(buttons) ? buttons[i] : buttons[0];
    };

    window.setInputsAsOneAction([&] {
        // The design tab, then the forecast tab, each in the order a user
        // fills it in: the height before the edge that is held below it.
        for (const IntegerInput& input : IntegerInputs)
            if (qstrcmp(input.section, "design") == 0)
                setInteger(input);
        setField(RealFieldId::NDedit);
        setField(RealFieldId::ABEdit);
        check(d.correction == Correction::Anastigmat ? "RB2" : "RB1", "RB1");
        check(filterButton(d.designFilter, DesignFilterButtons), "Sf1");

        for (RealFieldId id : {RealFieldId::ihm, RealFieldId::ih, RealFieldId::id,
                               RealFieldId::iff, RealFieldId::inmin, RealFieldId::inmax})
            setField(id);
        for (const IntegerInput& input : IntegerInputs)
            if (qstrcmp(input.section, "forecast") == 0)
                setInteger(input);
        check(filterButton(d.forecastFilter, ForecastFilterButtons), "sfp1");
    });
    // Named once nd and Vd are the file's.
    window.rememberGlass(d.glass);
}

} // namespace monocl
