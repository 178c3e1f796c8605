#pragma once

#include "core/ray_trace.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace monocl {

class MonoclDocument;

// One input as a report lists it: what it is and the text the window shows.
struct InputLine
{
    QString label;
    QString value;
};

// What the outputs show of a document: the inputs of both tabs, both tables
// cell by cell and the two memos, every number in the window's own text.
struct OutputContents
{
    QList<InputLine> designInputs;
    QList<InputLine> forecastInputs;
    QString designTableTitle;
    QList<QStringList> designTable; // rows of cells, the header row first
    QString forecastTableTitle;
    QList<QStringList> forecastTable;
    QStringList conclusions;
    QStringList recommendations;
    // The ray check of both lenses, as its tab shows it (traced here, since
    // the tab traces only while it is shown): the design's lens and the one
    // refined by rays, none for a failed design or a refinement not found.
    QString rayTableTitle;
    QList<QStringList> rayTable; // the header row, then both lenses' columns
    QString lensTableTitle;
    QList<QStringList> lensTable;
    QString refinement;           // whether the refinement converged, or why not
    QStringList rayWarnings;      // what makes either lens hard to build
    QString apertureTableTitle;
    QList<QStringList> apertureTable; // the softness by aperture
    std::optional<RayLens> rayLens;
    std::optional<RayCheck> rayCheck;
    std::optional<RayLens> refinedLens;
    std::optional<RayCheck> refinedCheck;
    char decimalSeparator = ',';
    // When the last recompute's design or forecast steps ended in a fault,
    // the line that says so; that section's values are dashes, its memos
    // empty and its ray check absent, never an earlier state's numbers.
    QString designFault;
    QString forecastFault;
    // The lens a workshop makes, as the drawing gives it, at full
    // precision: rows of what and its value. Without a lens, no rows and
    // the line that says why.
    QString lensDataTitle;
    QList<QStringList> lensData;
    QString lensDataFault;
    // The tolerances of that lens from its optics, and the lines under them;
    // no rows where there is no lens or it cannot be analysed.
    QString toleranceTitle;
    QList<QStringList> toleranceTable;
    QStringList toleranceSummary;
};

// "Расчет прерван ошибкой: " and the error box's message.
QString faultLine(const QString& message);

OutputContents outputContents(const MonoclDocument& document);
// Only what the tables' CSV writes: the design's and the forecast's tables
// and the lens data. Neither the traces nor the tolerances, which take the
// longest, are made.
OutputContents tableContents(const MonoclDocument& document);

// The table's cells as rows of texts.
QList<QStringList> tableRows(const std::vector<std::vector<std::string>>& table);

} // namespace monocl
