// The window's glass catalogue: the chooser, the nearest glass under the
// design's glass fields and the glasses inside the forecast's range.
#include "ui/window/monoclForm.h"

#include "glass_chooser.h"
#include "glass_table.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace monocl;

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// The catalogue's glass of this maker and name, the maker as in the table or
// as shown, the name in Latin or Cyrillic.
std::optional<std::size_t> findGlass(const QString& maker, const QString& name)
{
    const std::string m = maker.toStdString();
    const std::string n = name.toStdString();
    const std::vector<Glass>& glasses = glassCatalogue();
    for (std::size_t i = 0; i < glasses.size(); ++i) {
        const Glass& g = glasses[i];
        if ((g.maker == m || makerDisplayName(g.maker) == m)
            && (g.name == n || (!g.cyrillicName.empty() && g.cyrillicName == n)))
            return i;
    }
    return std::nullopt;
}

// A chosen glass as the catalogue shows it, or as its file spells it.
QString chosenGlassText(const GlassChoice& chosen)
{
    const std::optional<std::size_t> index = findGlass(chosen.maker, chosen.name);
    if (!index)
        return QCoreApplication::translate("Toptmono", "Стекло: %1 (%2)").arg(chosen.name, chosen.maker);
    const Glass& glass = glassCatalogue()[*index];
    return QCoreApplication::translate("Toptmono", "Стекло: %1 (%2)")
        .arg(qs(glassDisplayName(glass)), qs(makerDisplayName(glass.maker)));
}

} // namespace

bool Toptmono::chooseGlass(const QString& maker, const QString& name)
{
    const std::optional<std::size_t> index = findGlass(maker, name);
    if (!index)
        return false;
    const Glass& glass = glassCatalogue()[*index];
    runAsOneAction([&] {
        setFieldText(NDedit, qs(fixedText(glass.nd, 8, 4, m_separator)));
        setFieldText(ABEdit, qs(fixedText(glass.vd, 8, 2, m_separator)));
    });
    rememberGlass(GlassChoice{qs(glass.maker), qs(glass.name)});
    return true;
}

std::optional<GlassChoice> Toptmono::chosenGlass() const
{
    if (const std::optional<GlassName> glass = m_document.chosenGlass())
        return GlassChoice{qs(glass->maker), qs(glass->name)};
    return std::nullopt;
}

void Toptmono::rememberGlass(const std::optional<GlassChoice>& glass)
{
    std::optional<GlassName> name;
    if (glass)
        name = GlassName{glass->maker.toStdString(), glass->name.toStdString()};
    m_document.rememberGlass(name);
    m_nearestShownFor.reset();
    showNearestGlass();
}

void Toptmono::openGlassChooser()
{
    GlassChooser chooser(glassCatalogue(), m_state.Nd, m_state.Abbe, m_separator, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    if (const std::optional<std::size_t> index = chooser.chosenGlass()) {
        const Glass& glass = glassCatalogue()[*index];
        chooseGlass(QString::fromStdString(glass.maker), QString::fromStdString(glass.name));
    }
}

void Toptmono::showGlassViews()
{
    showNearestGlass();
    showGlassesInRange();
}

void Toptmono::showNearestGlass()
{
    const std::pair<double, double> wanted{m_state.Nd, m_state.Abbe};
    if (m_nearestShownFor == wanted)
        return;
    m_nearestShownFor = wanted;
    const std::vector<Glass>& glasses = glassCatalogue();
    if (const std::optional<GlassChoice> chosen = chosenGlass()) {
        m_nearestGlass->setText(chosenGlassText(*chosen));
        return;
    }
    const std::optional<std::size_t> nearest = nearestGlass(glasses, wanted.first, wanted.second);
    m_nearestGlass->setText(
        nearest ? qs(nearestGlassText(glasses[*nearest], wanted.first, wanted.second, m_separator))
                : QString());
}

void Toptmono::showGlassesInRange()
{
    const std::array<double, 4> range{m_state.NdMin, m_state.NdMax, m_state.AbbeMin,
                                      m_state.AbbeMax};
    if (m_rangeShownFor == range)
        return;
    m_rangeShownFor = range;
    const std::vector<Glass>& glasses = glassCatalogue();
    const std::vector<std::size_t> inRange =
        glassesInRange(glasses, range[0], range[1], range[2], range[3]);
    QStringList items;
    items.reserve(static_cast<qsizetype>(inRange.size()) + 1);
    items << QCoreApplication::translate("Toptmono", "Стёкла каталога: %1").arg(inRange.size());
    for (std::size_t i : inRange) {
        const Glass& g = glasses[i];
        items << qs(glassDisplayName(g) + " (" + makerDisplayName(g.maker) + ")  "
                    + fixedText(g.nd, 8, 4, m_separator) + "  " + fixedText(g.vd, 8, 2, m_separator));
    }
    m_glassList->clear();
    m_glassList->addItems(items);
    m_glassList->setToolTip(QCoreApplication::translate("Toptmono", "Стёкла каталога, из которых может быть сделана "
                                           "измеренная линза: nd и Vd в заданном диапазоне"));
}
