// The window's glass catalogue: the chooser, the nearest glass under the
// design's glass fields and the glasses inside the forecast's range.
#include "glass_views.h"

#include "glass_chooser.h"

#include "core/glass_search.h"
#include "format/number_text.h"
#include "ui/widgets/kept_background.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace monocl {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// A chosen glass as the catalogue shows it, or as its file spells it.
QString chosenGlassText(const GlassChoice& chosen)
{
    const std::optional<std::size_t> index = GlassViews::findGlass(chosen.maker, chosen.name);
    if (!index)
        return QCoreApplication::translate("Toptmono", "Стекло: %1 (%2)").arg(chosen.name, chosen.maker);
    const Glass& glass = glassCatalogue()[*index];
    return QCoreApplication::translate("Toptmono", "Стекло: %1 (%2)")
        .arg(qs(glassDisplayName(glass)), qs(makerDisplayName(glass.maker)));
}

} // namespace

GlassViews::GlassViews(QPushButton* chooserButton, QLabel* nearestLine, QComboBox* rangeList,
                       char separator, QWidget* dialogParent)
    : QObject(dialogParent)
    , m_chooserButton(chooserButton)
    , m_nearestLine(nearestLine)
    , m_rangeList(rangeList)
    , m_separator(separator)
    , m_dialogParent(dialogParent)
    // The line is see-through; its text changes at nearly every keystroke
    // into the glass fields, which would repaint the group box behind it.
    , m_lineBackground(new KeptBackground(nearestLine))
{
    connect(m_chooserButton, &QPushButton::clicked, this, &GlassViews::openChooser);
}

GlassViews::~GlassViews() = default;

std::optional<std::size_t> GlassViews::findGlass(const QString& maker, const QString& name)
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

std::optional<GlassChoice> GlassViews::chosenGlass(double nd, double vd) const
{
    if (m_chosen && m_chosenAt == std::pair{nd, vd})
        return m_chosen;
    return std::nullopt;
}

void GlassViews::rememberGlass(const std::optional<GlassChoice>& glass, double nd, double vd)
{
    m_chosen = glass;
    m_chosenAt = {nd, vd};
    m_lineShownFor.reset();
    showDesignGlass(nd, vd);
}

void GlassViews::forgetShown()
{
    m_lineShownFor.reset();
    m_rangeShownFor.reset();
}

void GlassViews::prepareChooser() const
{
    const auto [nd, vd] = m_designGlass;
    GlassChooser chooser(glassCatalogue(), nd, vd, m_separator, m_dialogParent);
}

void GlassViews::openChooser()
{
    const auto [nd, vd] = m_designGlass;
    GlassChooser chooser(glassCatalogue(), nd, vd, m_separator, m_dialogParent);
    if (chooser.exec() != QDialog::Accepted)
        return;
    if (const std::optional<std::size_t> index = chooser.chosenGlass()) {
        const Glass& glass = glassCatalogue()[*index];
        emit glassPicked(qs(glass.maker), qs(glass.name));
    }
}

void GlassViews::showDesignGlass(double nd, double vd)
{
    m_designGlass = {nd, vd};
    if (m_lineShownFor == m_designGlass)
        return;
    m_lineShownFor = m_designGlass;
    writeNearestLine();
}

void GlassViews::writeNearestLine()
{
    const auto [nd, vd] = m_designGlass;
    if (const std::optional<GlassChoice> chosen = chosenGlass(nd, vd)) {
        m_nearestLine->setText(chosenGlassText(*chosen));
        return;
    }
    const std::vector<Glass>& glasses = glassCatalogue();
    const std::optional<std::size_t> nearest = nearestGlass(glasses, nd, vd);
    m_nearestLine->setText(
        nearest ? qs(nearestGlassText(glasses[*nearest], nd, vd, m_separator)) : QString());
}

void GlassViews::showRange(const std::array<double, 4>& range)
{
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
    m_rangeList->clear();
    m_rangeList->addItems(items);
    m_rangeList->setToolTip(QCoreApplication::translate("Toptmono", "Стёкла каталога, из которых может быть сделана "
                                           "измеренная линза: nd и Vd в заданном диапазоне"));
}

} // namespace monocl
