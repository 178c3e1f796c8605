#include "glass_table.h"

#include <QFile>

namespace monocl {

const std::vector<Glass>& glassCatalogue()
{
    static const std::vector<Glass> glasses = [] {
        QFile file(QStringLiteral(":/glasses.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return std::vector<Glass>{};
        const QByteArray text = file.readAll();
        return parseGlassTable(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }();
    return glasses;
}

} // namespace monocl
