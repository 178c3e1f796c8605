#include "output_contents.h"

#include "core/aperture_series.h"
#include "document/monocl_document.h"
#include "format/number_text.h"
#include "texts/design_table.h"
#include "texts/element_texts.h"
#include "texts/lens_texts.h"
#include "texts/tolerance_table.h"
#include "ui/files/glass_table.h"
#include "drawing_data.h"
#include "texts/fault_text.h"
#include "texts/aperture_table.h"
#include "texts/lens_table.h"
#include "texts/ray_table.h"
#include "texts/ray_warnings.h"
#include "texts/table_titles.h"

#include <QCoreApplication>

#include <atomic>
#include <future>

namespace monocl {

namespace {

// The exact traces the report shows: plain values taken from the document
// and traced without it, so that two threads may share the tracing.
struct OutputTraces
{
    std::optional<RayLens> rayLens;     // none for a failed design
    std::optional<RayLens> refinedLens; // none for a refinement not found
    std::optional<RayCheck> rayCheck;
    std::optional<RayCheck> refinedCheck;
    std::vector<ApertureRow> apertures; // of the refined lens, else the design's
};

// Work for another thread, or, where none can be started, for the one that
// takes its result.
constexpr std::launch Meanwhile = std::launch::async | std::launch::deferred;

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Where the text before `end` stops, its trailing blanks left out.
qsizetype endWithoutBlanks(const QString& text, qsizetype end)
{
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return end;
}

// A caption without its note mark ("анастигмат  4)": blanks, a digit and a
// bracket at the end) and outer blanks. Read by hand: a regular expression
// compiled for it cost a command-line run a fifth of a millisecond.
QString withoutNoteMark(const QString& caption)
{
    const qsizetype end = endWithoutBlanks(caption, caption.size());
    if (end >= 3 && caption[end - 1] == u')' && caption[end - 2] >= u'0' && caption[end - 2] <= u'9'
        && isBlank(caption[end - 3]))
        return caption.left(endWithoutBlanks(caption, end - 3)).trimmed();
    return caption.trimmed();
}

// The caption of the checked choice of a group, as its button shows it.
QString checkedCaption(const InputControls& controls, int group)
{
    const ChoiceControl& choice = choiceControl(controls.checkedOf(group));
    return withoutNoteMark(QCoreApplication::translate("Toptmono", choice.caption));
}

// Every value cell of the table, below its header row, made a dash.
void dashValues(QList<QStringList>& table, const QString& dash)
{
    for (qsizetype row = 1; row < table.size(); ++row)
        for (qsizetype col = 1; col < table[row].size(); ++col)
            table[row][col] = dash;
}

QString fromTo(const QString& from, const QString& to)
{
    return QCoreApplication::translate("Report", "от %1 до %2").arg(from, to);
}

// The groups of the choices, as Choices numbers them.
constexpr int DesignFilterGroup = 0;
constexpr int FilmGroup = 1;
constexpr int CorrectionGroup = 2;
constexpr int ForecastFilterGroup = 3;

QStringList qLines(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << qs(line);
    return list;
}

// Both lenses' checks, their tables, the refinement, the warnings and the
// softness by aperture of the refined lens (the design's when none).
void writeRayCheck(OutputContents& c, const MonoclDocument& document, OutputTraces traces)
{
    c.rayLens = std::move(traces.rayLens);
    c.refinedLens = std::move(traces.refinedLens);
    c.rayCheck = std::move(traces.rayCheck);
    c.refinedCheck = std::move(traces.refinedCheck);
    if (c.rayLens)
        c.refinement = qs(refinementLine(document.refinedLens()));
    const RayLens* design = c.rayLens ? &*c.rayLens : nullptr;
    const RayLens* refinedLens = c.refinedLens ? &*c.refinedLens : nullptr;
    const char sep = c.decimalSeparator;
    c.rayTable = tableRows(rayTableRows(c.rayCheck ? &*c.rayCheck : nullptr,
                                        c.refinedCheck ? &*c.refinedCheck : nullptr, sep));
    c.lensTableTitle = QCoreApplication::translate("RayView", LensTableTitle);
    c.lensTable = tableRows(lensTableRows(design, refinedLens, sep));
    c.rayWarnings = qLines(rayWarnings(design, refinedLens));
    c.apertureTableTitle = qs(apertureTableTitle(refinedLens != nullptr));
    if (design || refinedLens)
        c.apertureTable = tableRows(apertureTableRows(traces.apertures, sep));
}

// The catalogue glass the document names, or the one within reach of its
// nd and Vd, as the drawing's material block names it.
std::string glassText(const MonoclDocument& document, const RayLens& lens)
{
    std::optional<Glass> named;
    if (const auto name = document.chosenGlass())
        for (const Glass& g : glassCatalogue())
            if (g.maker == name->maker && g.name == name->name)
                named = g;
    return materialName(named, lens.nd, lens.abbe, glassCatalogue()).value_or(std::string());
}

// The tolerances are analysed for the report's table of them; the tables'
// CSV has none, and the analysis is the longest part of the lens data.
enum class Tolerances { Analysed, Left };

void fillLensData(OutputContents& c, const MonoclDocument& document, Tolerances tolerances)
{
    c.lensDataTitle = QCoreApplication::translate("LensData", LensDataTitle);
    c.toleranceTitle = QCoreApplication::translate("Report", "Допуски по оптике");
    const auto drawn = document.drawnLens();
    if (!drawn) {
        c.lensDataFault = drawingOutcome(document).note;
        return;
    }
    LensDataValues v;
    v.lens = drawn->lens;
    v.refined = drawn->refined;
    v.steps = drawn->steps;
    v.ringDiameter = ringDiameterFor(document.drawingSettings(), drawn->lens.diameter);
    v.clearApertures = document.clearApertures();
    v.glass = glassText(document, drawn->lens);
    c.lensData = tableRows(lensDataRows(v, document.decimalSeparator()));
    if (tolerances == Tolerances::Left)
        return;
    if (const auto& analysis = document.tolerances()) {
        c.toleranceTable = tableRows(toleranceRows(*analysis, document.decimalSeparator()));
        for (const std::string& line :
             toleranceSummary(*analysis, document.drawingSettings().budget, document.decimalSeparator()))
            c.toleranceSummary << qs(line);
    }
}

// The inputs of both tabs as the window shows them.
void writeInputs(OutputContents& c, const MonoclDocument& document)
{
    const InputControls& in = document.controls();
    const auto spin = [&](SpinId id) { return qs(in.spinText(id)); };
    const auto field = [&](RealFieldId id) { return qs(in.field(id)); };
    const auto bar = [&](BarId id) { return qs(document.barRatioText(id)); };
    c.designInputs = {
        {QCoreApplication::translate("Report", "Фокусное расстояние монокля, мм"), spin(SpinId::FSpin)},
        {QCoreApplication::translate("Report", "Поле зрения, угловые градусы (2b)"), spin(SpinId::ASpin)},
        {QCoreApplication::translate("Report", "Относительная толщина края"), spin(SpinId::OtSpin)},
        {QCoreApplication::translate("Report", "Показатель преломления (на линии d=0,5875 мкм)"), field(RealFieldId::NDedit)},
        {QCoreApplication::translate("Report", "Число Аббе"), field(RealFieldId::ABEdit)},
        {QCoreApplication::translate("Report", "Относительная сферическая аберрация, %"), bar(BarId::KsfBar)},
        {QCoreApplication::translate("Report", "Относительная хроматическая аберрация"), bar(BarId::KxrBar)},
        {QCoreApplication::translate("Report", "Светофильтр"), checkedCaption(in, DesignFilterGroup)},
        {QCoreApplication::translate("Report", "Тип фотоматериала"), checkedCaption(in, FilmGroup)},
        {QCoreApplication::translate("Report", "Тип коррекции"), checkedCaption(in, CorrectionGroup)},
    };
    c.forecastInputs = {
        {QCoreApplication::translate("Report", "Высота линзы hm, мм"), field(RealFieldId::ihm)},
        {QCoreApplication::translate("Report", "Толщина края (фальцета) с фаской h, мм"), field(RealFieldId::ih)},
        {QCoreApplication::translate("Report", "Диаметр линзы d, мм"), field(RealFieldId::id)},
        {QCoreApplication::translate("Report", "Фокусное расстояние F, мм"), field(RealFieldId::iff)},
        {QCoreApplication::translate("Report", "Показатель преломления (на линии d=0,5875 мкм)"),
         fromTo(field(RealFieldId::inmin), field(RealFieldId::inmax))},
        {QCoreApplication::translate("Report", "Число Аббе"), fromTo(spin(SpinId::VminSP), spin(SpinId::VmaxSP))},
        {QCoreApplication::translate("Report", "Относительное фокусное расстояние N"), spin(SpinId::NSpin)},
        {QCoreApplication::translate("Report", "Светофильтр"), checkedCaption(in, ForecastFilterGroup)},
    };
}

// The design's and the forecast's tables and memos, a fault's line in place
// of a section that ended in one.
void writeTables(OutputContents& c, const MonoclDocument& document)
{
    const DocumentOutputs& out = document.outputs();
    c.designTableTitle = QCoreApplication::translate("Toptmono", DesignTableTitle);
    c.designTable = tableRows(out.designTable);
    c.forecastTableTitle = QCoreApplication::translate("Toptmono", ForecastTableTitle);
    c.forecastTable = tableRows(out.forecastTable);
    for (const std::string& line : out.conclusions)
        c.conclusions << qs(line);
    for (const std::string& line : out.recommendations)
        c.recommendations << qs(line);

    c.decimalSeparator = document.decimalSeparator();
    if (const auto& fault = document.designFault()) {
        c.designFault = faultLine(qs(*fault));
        dashValues(c.designTable, QString::fromLatin1(DesignFailedDash));
    }
    if (const auto& fault = document.forecastFault()) {
        c.forecastFault = faultLine(qs(*fault));
        dashValues(c.forecastTable, QString::fromLatin1(DesignFailedDash));
        c.conclusions.clear();
        c.recommendations.clear();
    }
}

// The pieces of the traces (the two checks and the aperture series) for
// threads to share out: each thread that calls run takes the next piece not
// yet taken until none is left, so a thread that comes free early does more.
// Every piece writes a value of its own.
class TraceShares
{
public:
    explicit TraceShares(OutputTraces lenses) : m_traces(std::move(lenses)) {}
    TraceShares(const TraceShares&) = delete;
    TraceShares& operator=(const TraceShares&) = delete;

    void run();
    // Once every run has returned.
    OutputTraces take() { return std::move(m_traces); }

private:
    OutputTraces m_traces;
    std::atomic<int> m_next{0};
};

void TraceShares::run()
{
    enum Piece { RayCheckPiece, RefinedCheckPiece, AperturesPiece, PieceCount };
    for (int piece; (piece = m_next.fetch_add(1)) < PieceCount;) {
        if (!m_traces.rayLens)
            return;
        const RayLens& refinedOrDesign = m_traces.refinedLens ? *m_traces.refinedLens : *m_traces.rayLens;
        switch (piece) {
        case RayCheckPiece:
            m_traces.rayCheck = checkByRays(*m_traces.rayLens);
            break;
        case RefinedCheckPiece:
            if (m_traces.refinedLens)
                m_traces.refinedCheck = checkByRays(*m_traces.refinedLens);
            break;
        case AperturesPiece:
            m_traces.apertures = apertureSeries(refinedOrDesign, std::nullopt);
            break;
        }
    }
}

// The lenses to trace, untraced. On the document's thread: the refinement
// is found when it is first asked for.
OutputTraces lensesToTrace(const MonoclDocument& document)
{
    OutputTraces lenses;
    if (document.designFault())
        return lenses;
    lenses.rayLens = document.rayLens();
    if (!lenses.rayLens)
        return lenses;
    if (const std::optional<RefinedLens>& refined = document.refinedLens(); refined && refined->found)
        lenses.refinedLens = refined->lens;
    return lenses;
}

// Both checks and the aperture series, shared out between this thread and
// another.
OutputTraces traced(OutputTraces lenses)
{
    if (!lenses.rayLens)
        return lenses;
    TraceShares shares(std::move(lenses));
    std::future<void> helper = std::async(Meanwhile, [&shares] { shares.run(); });
    shares.run();
    helper.get();
    return shares.take();
}

OutputContents outputContents(const MonoclDocument& document, OutputTraces traces)
{
    OutputContents c;
    writeInputs(c, document);
    writeTables(c, document);
    c.rayTableTitle = QCoreApplication::translate("RayView", RayTableTitle);
    writeRayCheck(c, document, std::move(traces));
    fillLensData(c, document, Tolerances::Analysed);
    return c;
}

} // namespace

QString faultLine(const QString& message)
{
    return qs(monocl::faultLine(message.toStdString()));
}

QList<QStringList> tableRows(const std::vector<std::vector<std::string>>& table)
{
    QList<QStringList> rows;
    for (const auto& row : table) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << qs(cell);
        rows << cells;
    }
    return rows;
}

OutputContents outputContents(const MonoclDocument& document)
{
    return outputContents(document, traced(lensesToTrace(document)));
}

OutputContents tableContents(const MonoclDocument& document)
{
    OutputContents c;
    writeTables(c, document);
    fillLensData(c, document, Tolerances::Left);
    return c;
}

} // namespace monocl
