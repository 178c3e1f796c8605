#pragma once

#include "document/drawing_settings.h"

#include <QJsonObject>

namespace monocl {

class JsonChecker;

// The drawing's settings in the design file: the optional object
// "drawing", each of whose members is optional too, so that a file written
// before them, or by a hand that gives only a few, still loads:
// "lens" ("automatic", "refined", "thirdOrder"), "bevel", "ringDiameter"
// (absent: 0.8 Dm), "focalBudget" (%), "backFocusBudget" (mm),
// "sphericalBudget" (%), and the ISO 10110 codes "stress", "bubbleCount",
// "bubbleSize", "inhomogeneityClass", "striaeClass", "sagittaFringes",
// "irregularityFringes", "wedgeMinutes", "imperfectionCount",
// "imperfectionSize".
QJsonObject drawingSettingsJson(const DrawingSettings& settings);

// Reads the members root["drawing"] holds over the defaults; a member of
// the wrong type, or values no drawing takes, fail the checker.
DrawingSettings readDrawingSettings(JsonChecker& check, const QJsonObject& root, char separator);

// The command line's and the file's names of the lens choice.
const char* drawingLensName(DrawingLens lens);
std::optional<DrawingLens> drawingLensNamed(const QString& name);

} // namespace monocl
