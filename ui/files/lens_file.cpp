#include "lens_file.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string>

namespace monocl {

namespace {

// The shortest text that reads back as the very same double; JSON numbers
// take std::to_chars's exponent form as it is (1e+20, 5e-324).
std::string numberText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string stringText(const QString& text)
{
    std::string out = "\"";
    for (const char c : text.toStdString()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A JSON object written member by member, indented as the design file is.
class ObjectWriter
{
public:
    explicit ObjectWriter(int depth) : m_depth(depth) {}

    ObjectWriter& raw(const char* key, const std::string& value)
    {
        m_text += m_members++ == 0 ? "{\n" : ",\n";
        m_text += std::string(4 * (m_depth + 1), ' ') + '"' + key + "\": " + value;
        return *this;
    }
    ObjectWriter& number(const char* key, double value) { return raw(key, numberText(value)); }
    ObjectWriter& integer(const char* key, int value) { return raw(key, std::to_string(value)); }
    ObjectWriter& string(const char* key, const QString& value) { return raw(key, stringText(value)); }
    ObjectWriter& boolean(const char* key, bool value) { return raw(key, value ? "true" : "false"); }

    std::string text() const
    {
        return m_members == 0 ? std::string("{}") : m_text + '\n' + std::string(4 * m_depth, ' ') + '}';
    }

private:
    int m_depth;
    int m_members = 0;
    std::string m_text;
};

bool finiteShape(const RayLens& lens)
{
    for (const double v : {lens.R1, lens.R2, lens.thickness, lens.diameter, lens.stopZ, lens.stopDiameter})
        if (!std::isfinite(v))
            return false;
    return true;
}

ObjectWriter& writeShape(ObjectWriter& object, const RayLens& lens)
{
    return object.number("R1", lens.R1)
        .number("R2", lens.R2)
        .number("thickness", lens.thickness)
        .number("diameter", lens.diameter)
        .number("stopDistance", lens.stopZ)
        .number("stopDiameter", lens.stopDiameter);
}

std::string refinedText(const RefinedLens& refined)
{
    ObjectWriter object(1);
    if (refined.found && finiteShape(refined.lens))
        return writeShape(object, refined.lens).boolean("converged", true).integer("steps", refined.steps).text();
    // A lens found with a value no JSON number holds is a faulted one.
    const RefineFailure reason = refined.found ? RefineFailure::ArithmeticFault : refined.reason;
    return object.boolean("converged", false).raw("reason", '"' + std::string(refineFailureName(reason)) + '"').text();
}

} // namespace

const char* refineFailureName(RefineFailure reason)
{
    switch (reason) {
    case RefineFailure::None: return "none";
    case RefineFailure::BadInput: return "badInput";
    case RefineFailure::RayBlocked: return "rayBlocked";
    case RefineFailure::NoConvergence: return "noConvergence";
    case RefineFailure::RimNotPositive: return "rimNotPositive";
    case RefineFailure::ThicknessNotPositive: return "thicknessNotPositive";
    case RefineFailure::Hemisphere: return "hemisphere";
    case RefineFailure::StopBehindRim: return "stopBehindRim";
    case RefineFailure::ArithmeticFault: return "arithmeticFault";
    }
    return "unknown";
}

QByteArray lensFileBytes(const DesignData& inputs, const std::optional<RayLens>& thirdOrder,
                         const std::optional<RefinedLens>& refined)
{
    ObjectWriter root(0);
    root.string("format", QString::fromLatin1(LensFormatName))
        .integer("version", LensFormatVersion)
        .integer("focalLength", inputs.focalLength)
        .integer("fieldOfView", inputs.fieldOfView)
        .string("correction", inputs.correction == Correction::Anastigmat ? QStringLiteral("anastigmat")
                                                                          : QStringLiteral("aplanat"))
        .number("nd", inputs.nd)
        .number("abbe", inputs.abbe);
    if (inputs.glass) {
        ObjectWriter glass(1);
        root.raw("glass", glass.string("maker", inputs.glass->maker).string("name", inputs.glass->name).text());
    } else {
        root.raw("glass", "null");
    }
    if (thirdOrder && finiteShape(*thirdOrder)) {
        ObjectWriter shape(1);
        root.raw("thirdOrder", writeShape(shape, *thirdOrder).text());
        root.raw("refined", refined ? refinedText(*refined) : std::string("null"));
    } else {
        root.raw("thirdOrder", "null").raw("refined", "null");
    }
    return QByteArray::fromStdString(root.text() + '\n');
}

} // namespace monocl
