#pragma once

#include "core/real_fields.h"
#include "document/drawing_settings.h"
#include "ui/files/glass_table.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace monocl {

class MonoclDocument;

enum class Correction { Aplanat, Anastigmat };
// No filter, yellow 1.4x, yellow 2x, orange 2.8x.
enum class LightFilter { None, Yellow14, Yellow2, Orange28 };

// Every input of both tabs, as numbers and choices. The edit fields' values
// are those the window has accepted (its store), the spin edits' and track
// bars' their integers. Lengths in millimetres.
struct DesignData
{
    // The design tab.
    int focalLength = 52;   // FSpin
    int fieldOfView = 45;   // ASpin, degrees (2b)
    int edgeRatio = 5;      // OtSpin
    int sphericalBar = 60;  // KsfBar position
    int chromaticBar = 100; // KxrBar position
    double nd = 1.5182;     // NDedit
    double abbe = 63.84;    // ABEdit
    Correction correction = Correction::Aplanat;
    LightFilter designFilter = LightFilter::None;

    // The forecast tab.
    double lensHeight = 4;     // ihm
    double edge = 3.8;         // ih
    double diameter = 20;      // id
    double focal = 75;         // iff
    double ndMin = 1.5;        // inmin
    double ndMax = 1.7;        // inmax
    int abbeMin = 40;          // VminSP
    int abbeMax = 70;          // VmaxSP
    int fNumber = 8;           // NSpin
    LightFilter forecastFilter = LightFilter::None;

    // The glass the design names, shown beside nd and Vd while they are its.
    std::optional<GlassChoice> glass;

    // The element drawing's choices and requirements ("drawing", optional).
    DrawingSettings drawing;

    bool operator==(const DesignData&) const = default;
};

// The design file: a JSON object {"format": "monocl-design", "version": 1,
// "design": {...}, "forecast": {...}} and an optional "glass": {"maker",
// "name"}, in UTF-8. Every member of "design" and "forecast" is required;
// members of no meaning to this version are ignored.
inline constexpr const char* DesignFormatName = "monocl-design";
inline constexpr int DesignFormatVersion = 1;
// Larger files are refused before they are read.
inline constexpr qint64 DesignFileLimit = 1024 * 1024;
inline constexpr const char* DesignFileSuffix = "monocl";

// The inputs the document holds now, with the glass it names, if any.
DesignData captureDesign(const MonoclDocument& document);

QByteArray designFileBytes(const DesignData& data);

// A parsed file, or the message that names the file and what is wrong.
struct DesignReadResult
{
    std::optional<DesignData> data;
    QString error;
    explicit operator bool() const { return data.has_value(); }
};

// The file's bytes checked member by member; fileName goes into the message.
DesignReadResult parseDesign(const QByteArray& bytes, const QString& fileName);
// Reads and checks the whole file; nothing else happens.
DesignReadResult readDesign(const QString& path);

// Writes the document's inputs (and its glass, if any) to path atomically:
// on failure the old file, if there was one, is left as it was, nothing else
// is left behind, and *error says why.
bool saveDesign(const MonoclDocument& document, const QString& path, QString* error);

// Sets the document's controls to the data, each through its own handler as
// typing or clicking would, so the usual restores and range corrections
// apply; all of it is one action, telling at most one fault.
void applyDesign(MonoclDocument& document, const DesignData& data);

// The text an opened file puts into a real-number field: as the window
// writes the field's values (4,00; 1,5182; for the glass range 1,5), or the
// general text where those decimals would change the value, or the shortest
// text that reads back as the very same double where even that would.
QString designFieldText(RealFieldId field, double value, char separator);

} // namespace monocl
