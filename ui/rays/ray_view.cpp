// The ray check on its tab. The tables' words are decided in texts/; here
// they are written into the widgets.
#include "ray_view.h"

#include "ray_plots.h"
#include "ui/widgets/string_grid.h"

#include "format/number_text.h"
#include "texts/aperture_table.h"
#include "texts/lens_table.h"
#include "texts/ray_table.h"
#include "texts/ray_warnings.h"
#include "texts/table_titles.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace monocl {

namespace {

constexpr int GridRowHeight = 19;
constexpr int LabelWidth = 356;
constexpr int ValueWidth = 102;
const QColor TitleColour(0, 0, 128);
const QColor WarningColour(176, 0, 0);

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

QFont withWeight(QFont font, bool bold)
{
    font.setBold(bold);
    return font;
}

void setColour(QWidget* w, const QColor& colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
}

// Rows of texts into a grid, row 0 the header.
void writeRows(StringGrid& grid, const std::vector<std::vector<std::string>>& rows)
{
    grid.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.setCell(static_cast<int>(c), static_cast<int>(r), fromStd(rows[r][c]));
}

} // namespace

RayView::RayView(char separator, QWidget* parent)
    : QWidget(parent)
    , m_separator(separator)
{
    setObjectName(QStringLiteral("rayView"));

    QLabel* title = label("rayTitle",
        QT_TRANSLATE_NOOP("RayView", "Проверка расчета точной трассировкой лучей через мениск и диафрагму"),
        QRect(150, 2, 840, 24), this);
    QFont titleFont = withWeight(font(), true);
    titleFont.setPixelSize(19);
    title->setFont(titleFont);
    setColour(title, TitleColour);

    // Left: the ray table and the lens data of both lenses, and what the
    // refinement and the lenses' shapes come to.
    QGroupBox* rays = box("rayTableBox", RayTableTitle,
                          QRect(2, 30, 574, 364));
    m_rayGrid = grid("RayGrid", rays, QRect(4, 16, 566, 344), {LabelWidth, ValueWidth, ValueWidth});
    QGroupBox* lenses = box("lensTableBox", LensTableTitle,
                            QRect(2, 398, 574, 248));
    m_lensGrid = grid("LensGrid", lenses, QRect(4, 16, 566, 224), {LabelWidth, ValueWidth, ValueWidth});
    m_refinement = label("rayRefinement", "", QRect(6, 650, 566, 17), this);
    m_warnings = label("RayWarnings", "", QRect(6, 669, 566, 56), this);
    m_warnings->setWordWrap(true);
    m_warnings->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(m_warnings, WarningColour);
    m_faultLine = label("rayFaultLine", "", QRect(6, 669, 566, 56), this);
    m_faultLine->setFont(withWeight(font(), true));
    m_faultLine->setWordWrap(true);
    m_faultLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(m_faultLine, WarningColour);
    m_faultLine->hide();

    // Right: the softness by aperture, then the pictures.
    m_apertureBox = box("apertureBox", "", QRect(580, 30, 557, 268));
    m_apertureGrid = grid("ApertureGrid", m_apertureBox, QRect(4, 16, 394, 244), {44, 56, 62, 72, 76, 74});
    label("", QT_TRANSLATE_NOOP("RayView", "Любое N:"), QRect(404, 20, 150, 17), m_apertureBox);
    m_fNumber = new QLineEdit(m_apertureBox);
    m_fNumber->setObjectName(QStringLiteral("apertureNumber"));
    m_fNumber->setFont(withWeight(font(), false));
    m_fNumber->setGeometry(404, 40, 80, 22);
    m_fNumber->setAccessibleName(QCoreApplication::translate("RayView", "Любое N:"));
    QLabel* note = label("apertureNote",
        QT_TRANSLATE_NOOP("RayView", "Радиусы: пятна рассеяния (ср. кв.) на оси и на краю поля в плоскости наилучшей фокусировки, кружка Эйри. Жирным: N самого мениска. Последняя строка: N из этого поля (от 1 до 64)."),
        QRect(404, 68, 150, 194), m_apertureBox);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = withWeight(font(), false);
    small.setPixelSize(11);
    note->setFont(small);
    connect(m_fNumber, &QLineEdit::textChanged, this, [this] { writeApertureTable(); });

    label("", QT_TRANSLATE_NOOP("RayView", "Рисунки:"), QRect(584, 302, 80, 18), this);
    m_showDesign = new QRadioButton(this);
    m_showDesign->setObjectName(QStringLiteral("rayShowDesign"));
    m_showDesign->setGeometry(668, 301, 200, 20);
    m_captions.push_back({m_showDesign, QT_TRANSLATE_NOOP("RayTable", "Третий порядок")});
    m_showRefined = new QRadioButton(this);
    m_showRefined->setObjectName(QStringLiteral("rayShowRefined"));
    m_showRefined->setGeometry(874, 301, 260, 20);
    m_captions.push_back({m_showRefined, QT_TRANSLATE_NOOP("RayTable", "Уточнено лучами")});
    m_showRefined->setChecked(true);
    for (QRadioButton* b : {m_showDesign, m_showRefined}) {
        b->setFont(withWeight(font(), false));
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                writePictures();
        });
    }

    m_plots = new RayPlots(this);
    m_plots->setObjectName(QStringLiteral("rayPlots"));
    parent->installEventFilter(this);
    fitParent();
    retranslate();
}

bool RayView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitParent();
    return QWidget::eventFilter(watched, event);
}

// The pictures take the height the tab has below the switch.
void RayView::fitParent()
{
    setGeometry(parentWidget()->rect());
    m_plots->setGeometry(580, 324, 557, std::max(200, height() - 326));
}

RayView::~RayView() = default;

QLabel* RayView::label(const char* name, const char* text, const QRect& place, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(withWeight(font(), false));
    l->setGeometry(place);
    if (*text)
        m_captions.push_back({l, text});
    return l;
}

QGroupBox* RayView::box(const char* name, const char* text, const QRect& place)
{
    auto* b = new QGroupBox(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(withWeight(font(), true));
    b->setGeometry(place);
    if (*text)
        m_captions.push_back({b, text});
    return b;
}

StringGrid* RayView::grid(const char* name, QWidget* parent, const QRect& place, std::initializer_list<int> widths)
{
    auto* g = new StringGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setFont(withWeight(font(), false));
    g->setGeometry(place);
    g->setRowHeight(GridRowHeight);
    // Every row and column is in view.
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setColCount(static_cast<int>(widths.size()));
    int col = 0;
    for (const int w : widths)
        g->setColWidth(col++, w);
    return g;
}

void RayView::retranslate()
{
    for (const Caption& c : m_captions) {
        const QString text = QCoreApplication::translate(
            qobject_cast<QRadioButton*>(c.widget) ? "RayTable" : "RayView", c.text);
        if (auto* b = qobject_cast<QGroupBox*>(c.widget))
            b->setTitle(text);
        else if (auto* l = qobject_cast<QLabel*>(c.widget))
            l->setText(text);
        else if (auto* r = qobject_cast<QRadioButton*>(c.widget))
            r->setText(text);
    }
    m_fNumber->setAccessibleName(QCoreApplication::translate("RayView", "Любое N:"));
    m_plots->update();
}

RayView::Shown RayView::shown() const
{
    return m_showDesign->isChecked() ? Shown::Design : Shown::Refined;
}

const RayLens* RayView::refinedLens() const
{
    return m_refined && m_refined->found ? &m_refined->lens : nullptr;
}

void RayView::show(const std::optional<RayLens>& design, const std::optional<RefinedLens>& refined,
                   char separator)
{
    m_separator = separator;
    m_design = design;
    m_refined = refined;
    m_designCheck.reset();
    m_refinedCheck.reset();
    m_spots = {};
    if (m_design)
        m_designCheck = checkByRays(*m_design);
    if (const RayLens* lens = refinedLens())
        m_refinedCheck = checkByRays(*lens);
    writeRayTable();
    writeLensTable();
    writeApertureTable();
    writePictures();
}

void RayView::writeRayTable()
{
    writeRows(*m_rayGrid, rayTableRows(m_designCheck ? &*m_designCheck : nullptr,
                                       m_refinedCheck ? &*m_refinedCheck : nullptr, m_separator));
}

void RayView::writeLensTable()
{
    const RayLens* design = m_design ? &*m_design : nullptr;
    writeRows(*m_lensGrid, lensTableRows(design, refinedLens(), m_separator));
    m_refinement->setText(fromStd(refinementLine(m_refined)));
    QStringList lines;
    for (const std::string& line : rayWarnings(design, refinedLens()))
        lines << fromStd(line);
    m_warnings->setText(lines.join(QLatin1Char('\n')));
}

std::optional<double> RayView::typedFNumber() const
{
    std::string text = m_fNumber->text().trimmed().toStdString();
    // Either separator is taken.
    for (char& c : text)
        if (c == '.' || c == ',')
            c = m_separator;
    double value = 0;
    if (text.empty() || !parseReal(text, m_separator, value))
        return std::nullopt;
    return value;
}

void RayView::writeApertureTable()
{
    const bool refined = refinedLens() != nullptr;
    m_apertureBox->setTitle(fromStd(apertureTableTitle(refined)));
    const RayLens* lens = refined ? refinedLens() : m_design ? &*m_design : nullptr;
    std::vector<ApertureRow> rows;
    if (lens) {
        rows = apertureSeries(*lens, typedFNumber());
    } else {
        for (const double n : StandardFNumbers) {
            ApertureRow row;
            row.fNumber = n;
            row.airyRadius = airyRadius(n);
            rows.push_back(row);
        }
    }
    const auto texts = apertureTableRows(rows, m_separator);
    writeRows(*m_apertureGrid, texts);
    for (int r = 1; r < m_apertureGrid->rowCount(); ++r)
        m_apertureGrid->setRowBold(r, rows[static_cast<std::size_t>(r - 1)].own);
}

void RayView::writePictures()
{
    const bool design = shown() == Shown::Design;
    const std::size_t which = design ? 0 : 1;
    const std::optional<RayCheck>& check = design ? m_designCheck : m_refinedCheck;
    const RayLens* lens = design ? (m_design ? &*m_design : nullptr) : refinedLens();
    if (lens && !m_spots[which])
        m_spots[which] = spotPictures(*lens);
    m_plots->setLens(check, lens ? std::optional<RayLens>(*lens) : std::nullopt, m_spots[which], m_separator,
                     design ? RayPlots::Note::None : m_design && !lens ? RayPlots::Note::NotRefined
                                                                       : RayPlots::Note::None);
}

} // namespace monocl
