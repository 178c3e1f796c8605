#include "table_export.h"

#include "output_contents.h"
#include "ui/files/output_files.h"

#include "document/monocl_document.h"

#include "texts/csv_text.h"

#include <string>
#include <vector>

namespace monocl {

QByteArray tablesCsv(const OutputContents& c, char decimalSeparator)
{
    std::vector<std::vector<std::string>> rows;
    const auto appendTable = [&](const QString& title, const QList<QStringList>& table,
                                 const QString& fault) {
        rows.push_back({title.toStdString()});
        if (!fault.isEmpty())
            rows.push_back({fault.toStdString()});
        for (const QStringList& cells : table) {
            std::vector<std::string> row;
            for (const QString& cell : cells)
                row.push_back(cell.toStdString());
            rows.push_back(std::move(row));
        }
    };
    appendTable(c.designTableTitle, c.designTable, c.designFault);
    rows.push_back({""});
    appendTable(c.forecastTableTitle, c.forecastTable, c.forecastFault);
    rows.push_back({""});
    appendTable(c.lensDataTitle, c.lensData, c.lensDataFault);
    return QByteArray::fromStdString(csvText(rows, csvFieldSeparator(decimalSeparator)));
}

bool writeTablesCsv(const MonoclDocument& document, const QString& path, QString* error)
{
    return writeFileAtomically(path, tablesCsv(tableContents(document), document.decimalSeparator()),
                               error);
}

} // namespace monocl
