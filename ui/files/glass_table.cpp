#include "glass_table.h"

#include <QFile>

// The catalogue lives in a resource of a static library, which a linker may
// drop unless it is referenced; this pulls it in.
static void initCatalogue()
{
    Q_INIT_RESOURCE(monocl);
}

namespace monocl {

const std::vector<Glass>& glassCatalogue()
{
    static const std::vector<Glass> glasses = [] {
        initCatalogue();
        QFile file(QStringLiteral(":/glasses.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return std::vector<Glass>{};
        const QByteArray text = file.readAll();
        return parseGlassTable(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    }();
    return glasses;
}

} // namespace monocl
