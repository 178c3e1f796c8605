#include "glass_chooser.h"

#include "glass_map.h"
#include "ui/files/glass_table.h"

#include "core/glass_search.h"
#include "format/number_text.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace monocl {

namespace {

// How many glasses the map rings as the nearest to the wanted values.
constexpr int NearCount = 10;

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

// --- GlassChooser -----------------------------------------------------------

GlassChooser::GlassChooser(const std::vector<Glass>& glasses, double wantedNd, double wantedVd,
    char separator, QWidget* parent)
    : QDialog(parent)
    , m_glasses(glasses)
    , m_fromCatalogue(&glasses == &glassCatalogue())
    , m_separator(separator)
{
    setWindowTitle(QCoreApplication::translate("GlassChooser", "Выбор стекла"));

    m_model = new GlassTableModel(m_glasses, m_separator, this);
    m_proxy = new GlassFilterModel(this);
    m_proxy->setSourceModel(m_model);

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("glassFilter"));
    m_filter->setPlaceholderText(
        QCoreApplication::translate("GlassChooser", "Марка или производитель: К8, N-BK7, Schott…"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("glassTable"));
    m_table->setModel(m_proxy);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setCornerButtonEnabled(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Table order until a header is clicked.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    setColumnWidths();

    m_map = new GlassMap;
    m_map->setObjectName(QStringLiteral("glassMap"));
    m_map->setDecimalSeparator(m_separator);
    m_map->setGlasses(&m_glasses);
    m_map->setWanted(wantedNd, wantedVd);

    const bool wantedKnown = std::isfinite(wantedNd) && std::isfinite(wantedVd);
    std::vector<std::size_t> near;
    if (wantedKnown)
        near = nearestGlasses(m_glasses, wantedNd, wantedVd, NearCount);
    m_map->setNear(near);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_table);
    splitter->addWidget(m_map);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    m_nearestLine = new QLabel(this);
    m_nearestLine->setObjectName(QStringLiteral("nearestGlass"));
    m_nearestLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!near.empty()) {
        m_nearestLine->setText(QStringLiteral("nd %1, Vd %2 ")
                                   .arg(qs(fixedText(wantedNd, 8, 4, m_separator)),
                                       qs(fixedText(wantedVd, 8, 2, m_separator)))
            + qs(nearestGlassText(m_glasses[near.front()], wantedNd, wantedVd, m_separator)));
    } else {
        m_nearestLine->hide();
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("glassButtons"));
    m_chooseButton = buttons->button(QDialogButtonBox::Ok);
    m_chooseButton->setText(QCoreApplication::translate("GlassChooser", "Выбрать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("GlassChooser", "Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_nearestLine);
    layout->addWidget(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &GlassChooser::applyFilter);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &GlassChooser::currentRowChanged);
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            accept();
    });
    connect(m_map, &GlassMap::glassClicked, this, &GlassChooser::selectGlass);
    // A header click moves the rows; the current glass stays in sight.
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &GlassChooser::keepCurrentInView);

    if (!near.empty())
        selectGlass(near.front());
    currentRowChanged();

    m_filter->setFocus();
    resize(880, 540);
}

std::optional<std::size_t> GlassChooser::currentGlass() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    const QModelIndex source = m_proxy->mapToSource(current);
    if (!source.isValid())
        return std::nullopt;
    return static_cast<std::size_t>(source.row());
}

void GlassChooser::selectGlass(std::size_t index)
{
    if (index >= m_glasses.size())
        return;
    const QModelIndex source = m_model->index(static_cast<int>(index), 0);
    QModelIndex row = m_proxy->mapFromSource(source);
    if (!row.isValid()) {
        m_filter->clear();
        row = m_proxy->mapFromSource(source);
    }
    if (!row.isValid())
        return;
    m_table->selectionModel()->setCurrentIndex(
        row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(row);
}

void GlassChooser::applyFilter(const QString& text)
{
    m_proxy->setRanking(rankGlasses(m_glasses, text.toStdString()));
    // The best match becomes the current row, so that Enter chooses it; a
    // current row that matches as well stays, as does the glass the user
    // was on when the filter is cleared.
    const QModelIndex best = m_proxy->bestMatch();
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    if (best.isValid() && (!current.isValid() || m_proxy->matchOf(best) < m_proxy->matchOf(current)))
        m_table->selectionModel()->setCurrentIndex(
            best, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    keepCurrentInView();
    currentRowChanged();
}

void GlassChooser::keepCurrentInView()
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    if (current.isValid())
        m_table->scrollTo(current);
}

void GlassChooser::currentRowChanged()
{
    const std::optional<std::size_t> current = currentGlass();
    m_map->setSelected(current);
    m_chooseButton->setEnabled(current.has_value());
}

// The widest text of each column and its header with the sort arrow, for
// this font, separator and language; measured once in the program's run, as
// the texts do not change, and each distinct text once (a column of makers
// has seven).
std::array<int, GlassTableModel::ColumnCount> GlassChooser::measureColumns() const
{
    const QFontMetrics fm = m_table->fontMetrics();
    const QFontMetrics header = m_table->horizontalHeader()->fontMetrics();
    std::array<int, GlassTableModel::ColumnCount> widths{};
    for (int column = 0; column < GlassTableModel::ColumnCount; ++column) {
        int& width = widths[static_cast<std::size_t>(column)];
        width = header.horizontalAdvance(
                             m_model->headerData(column, Qt::Horizontal).toString())
            + 28;
        QSet<QString> measured;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QString text = m_model->index(row, column).data().toString();
            if (measured.contains(text))
                continue;
            measured.insert(text);
            width = std::max(width, fm.horizontalAdvance(text) + 12);
        }
    }
    return widths;
}

void GlassChooser::setColumnWidths()
{
    // The catalogue's widths are kept for the next opening; they depend on
    // the fonts, the separator and the language (the headers, and the names
    // in Latin or Cyrillic).
    struct Measured
    {
        QString key;
        std::array<int, GlassTableModel::ColumnCount> widths;
    };
    static std::optional<Measured> last;
    const QString key = m_table->font().key() + QLatin1Char('|')
        + m_table->horizontalHeader()->font().key() + QLatin1Char('|') + QLatin1Char(m_separator)
        + m_model->headerData(0, Qt::Horizontal).toString() + m_model->index(0, 1).data().toString();
    std::array<int, GlassTableModel::ColumnCount> widths;
    if (m_fromCatalogue && last && last->key == key) {
        widths = last->widths;
    } else {
        widths = measureColumns();
        if (m_fromCatalogue)
            last = Measured{key, widths};
    }
    int total = 0;
    for (int column = 0; column < GlassTableModel::ColumnCount; ++column) {
        m_table->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
        total += widths[static_cast<std::size_t>(column)];
    }
    // The table is as wide as its columns and the scroll bar; the map takes
    // the rest of the dialog's width.
    const int width = total + m_table->verticalScrollBar()->sizeHint().width()
        + 2 * m_table->frameWidth() + 2;
    m_table->setMinimumWidth(width);
    m_table->setMaximumWidth(width);
}

void GlassChooser::done(int result)
{
    if (result == QDialog::Accepted) {
        const std::optional<std::size_t> current = currentGlass();
        if (!current)
            return;
        m_chosen = current;
    } else {
        m_chosen.reset();
    }
    QDialog::done(result);
}

bool GlassChooser::eventFilter(QObject* watched, QEvent* event)
{
    // Up, Down and the page keys in the filter field move through the table,
    // so one can type a part of the name and pick the glass without the mouse.
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
            || key == Qt::Key_PageDown) {
            QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QCoreApplication::sendEvent(m_table, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GlassChooser::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The view knows its height only now; put the current glass mid-table.
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    if (current.isValid())
        m_table->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

} // namespace monocl
