// The image tab: its controls, and the computation started whenever an
// input changes while the tab is shown.
#include "image_view.h"

#include "focus_mtf_plot.h"
#include "image_job.h"
#include "image_worker.h"
#include "mtf_plot.h"
#include "photo_compare.h"
#include "psf_picture.h"

#include "core/lens_psf.h"
#include "core/through_focus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace monocl {

namespace {

const char* const SceneNames[] = {
    QT_TRANSLATE_NOOP("ImageView", "Штрихи и буквы"),
    QT_TRANSLATE_NOOP("ImageView", "Точки света на темном"),
    QT_TRANSLATE_NOOP("ImageView", "Градиент со светлым ободом"),
    QT_TRANSLATE_NOOP("ImageView", "Открытый снимок"),
};

// In the order of LightKind.
const char* const LightNames[] = {
    QT_TRANSLATE_NOOP("ImageView", "Панхроматический, без светофильтра"),
    QT_TRANSLATE_NOOP("ImageView", "Светофильтр Ж 1,4x"),
    QT_TRANSLATE_NOOP("ImageView", "Светофильтр Ж 2x"),
    QT_TRANSLATE_NOOP("ImageView", "Светофильтр О 2,8x"),
    QT_TRANSLATE_NOOP("ImageView", "Только линия d"),
};

// The frequency of the through-focus MTF until one is picked, lp/mm.
constexpr double DefaultFocusFrequency = 10;

bool sameLens(const RayLens& a, const RayLens& b)
{
    return a.R1 == b.R1 && a.R2 == b.R2 && a.thickness == b.thickness && a.diameter == b.diameter
        && a.nd == b.nd && a.abbe == b.abbe && a.stopZ == b.stopZ && a.stopDiameter == b.stopDiameter
        && a.halfField == b.halfField;
}

// Either none, or both the same lens.
bool sameLens(const RayLens* a, const RayLens* b)
{
    return (a == nullptr) == (b == nullptr) && (!a || sameLens(*a, *b));
}

const RayLens* foundLens(const std::optional<RefinedLens>& refined)
{
    return refined && refined->found ? &refined->lens : nullptr;
}

QLocale localeFor(char separator)
{
    QLocale locale = separator == ',' ? QLocale(QLocale::Russian) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

ImageView::ImageView(char separator, QWidget* parent)
    : QWidget(parent)
    , m_separator(separator)
    , m_worker(new ImageWorker([this](const std::optional<ImageResults>& r) { showResults(r); }, this))
{
    setObjectName(QStringLiteral("imageView"));
    createControls();
    createPictures();
    m_progressTimer.setInterval(50);
    connect(&m_progressTimer, &QTimer::timeout, this, &ImageView::showProgress);
    parent->installEventFilter(this);
    fitParent();
    retranslate();
    clearResults();
}

ImageView::~ImageView() = default;

QLabel* ImageView::label(const char* text, const QRect& place)
{
    auto* l = new QLabel(this);
    l->setGeometry(place);
    m_captions.push_back({l, text});
    return l;
}

void ImageView::createControls()
{
    label(QT_TRANSLATE_NOOP("ImageView", "Линза:"), QRect(6, 6, 60, 20));
    m_showDesign = new QRadioButton(this);
    m_showDesign->setObjectName(QStringLiteral("imageShowDesign"));
    m_showDesign->setGeometry(70, 6, 160, 20);
    m_captions.push_back({m_showDesign, QT_TRANSLATE_NOOP("RayTable", "Третий порядок"), "RayTable"});
    m_showRefined = new QRadioButton(this);
    m_showRefined->setObjectName(QStringLiteral("imageShowRefined"));
    m_showRefined->setGeometry(236, 6, 200, 20);
    m_captions.push_back({m_showRefined, QT_TRANSLATE_NOOP("RayTable", "Уточнено лучами"), "RayTable"});
    m_showRefined->setChecked(true);
    connect(m_showRefined, &QRadioButton::toggled, this, &ImageView::inputsChanged);

    label(QT_TRANSLATE_NOOP("ImageView", "Диафрагменное число N:"), QRect(450, 6, 170, 20));
    m_fNumber = new QDoubleSpinBox(this);
    m_fNumber->setObjectName(QStringLiteral("imageFNumber"));
    m_fNumber->setGeometry(624, 4, 80, 24);
    m_fNumber->setRange(1, 64);
    m_fNumber->setDecimals(1);
    m_fNumber->setSingleStep(0.5);
    label(QT_TRANSLATE_NOOP("ImageView", "Сдвиг фокуса, мм:"), QRect(724, 6, 140, 20));
    m_focus = new QDoubleSpinBox(this);
    m_focus->setObjectName(QStringLiteral("imageFocus"));
    m_focus->setGeometry(868, 4, 90, 24);
    m_focus->setDecimals(2);
    m_focus->setSingleStep(0.05);
    for (QDoubleSpinBox* spin : {m_fNumber, m_focus}) {
        spin->setLocale(localeFor(m_separator));
        connect(spin, &QDoubleSpinBox::valueChanged, this, &ImageView::inputsChanged);
    }

    label(QT_TRANSLATE_NOOP("ImageView", "Сцена:"), QRect(6, 36, 60, 20));
    m_scene = new QComboBox(this);
    m_scene->setObjectName(QStringLiteral("imageScene"));
    m_scene->setGeometry(70, 34, 260, 24);
    for (int i = 0; i < 3; ++i)
        m_scene->addItem(QString());
    connect(m_scene, &QComboBox::currentIndexChanged, this, &ImageView::inputsChanged);
    m_open = new QPushButton(this);
    m_open->setObjectName(QStringLiteral("imageOpen"));
    m_open->setGeometry(340, 33, 150, 26);
    m_captions.push_back({m_open, QT_TRANSLATE_NOOP("ImageView", "Открыть снимок…")});
    connect(m_open, &QPushButton::clicked, this, &ImageView::chooseAndOpen);
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("imageSave"));
    m_save->setGeometry(496, 33, 130, 26);
    m_captions.push_back({m_save, QT_TRANSLATE_NOOP("ImageView", "Сохранить…")});
    connect(m_save, &QPushButton::clicked, this, &ImageView::chooseAndSave);

    label(QT_TRANSLATE_NOOP("ImageView", "Свет:"), QRect(640, 36, 44, 20));
    m_light = new QComboBox(this);
    m_light->setObjectName(QStringLiteral("imageLight"));
    m_light->setGeometry(686, 34, 260, 24);
    for (std::size_t i = 0; i < std::size(LightNames); ++i)
        m_light->addItem(QString());
    connect(m_light, &QComboBox::currentIndexChanged, this, &ImageView::inputsChanged);
}

void ImageView::createPictures()
{
    m_logScale = new QCheckBox(this);
    m_logScale->setObjectName(QStringLiteral("imageLogScale"));
    m_logScale->setGeometry(6, 66, 300, 20);
    m_captions.push_back({m_logScale, QT_TRANSLATE_NOOP("ImageView", "ФРТ на оси в логарифмической шкале")});
    m_psf = new PsfPicture(this);
    m_psf->setObjectName(QStringLiteral("psfPicture"));
    connect(m_logScale, &QCheckBox::toggled, m_psf, &PsfPicture::setLogScale);
    m_mtf = new MtfPlot(m_separator, this);
    m_mtf->setObjectName(QStringLiteral("mtfPlot"));
    m_focusMtf = new FocusMtfPlot(m_separator, this);
    m_focusMtf->setObjectName(QStringLiteral("focusMtfPlot"));
    label(QT_TRANSLATE_NOOP("ImageView", "Частота МПФ по фокусу, лин/мм:"), QRect(316, 66, 230, 20));
    m_frequency = new QDoubleSpinBox(this);
    m_frequency->setObjectName(QStringLiteral("imageFrequency"));
    m_frequency->setGeometry(550, 64, 70, 24);
    m_frequency->setRange(1, 200);
    m_frequency->setDecimals(0);
    m_frequency->setSingleStep(5);
    m_frequency->setValue(DefaultFocusFrequency);
    m_frequency->setLocale(localeFor(m_separator));
    // The curves come from the kept line spreads: nothing is computed again.
    connect(m_frequency, &QDoubleSpinBox::valueChanged, m_focusMtf, &FocusMtfPlot::setFrequency);
    m_photo = new PhotoCompare(this);
    m_photo->setObjectName(QStringLiteral("photoCompare"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("imageProgress"));
    m_progress->setGeometry(956, 36, 180, 20);
    m_progress->setRange(0, 100);
    m_progress->hide();
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("imageStatus"));
    m_status->setGeometry(634, 66, 560, 20);
}

bool ImageView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitParent();
    return QWidget::eventFilter(watched, event);
}

// The PSF, the MTF and the MTF through focus on the left, one above the
// other; the photograph takes the rest.
void ImageView::fitParent()
{
    setGeometry(parentWidget()->rect());
    const int top = 90, column = 320, gap = 4;
    const int free = std::max(540, height() - top - 4);
    const int psf = free * 36 / 100, mtf = (free - psf) / 2;
    m_psf->setGeometry(6, top, column, psf);
    m_mtf->setGeometry(6, top + psf + gap, column, mtf - gap);
    m_focusMtf->setGeometry(6, top + psf + mtf + gap, column, free - psf - mtf - gap);
    m_photo->setGeometry(column + 14, top, std::max(200, width() - column - 20), std::max(300, free));
    m_status->setGeometry(634, 66, std::max(200, width() - 640), 20);
}

void ImageView::retranslate()
{
    for (const Caption& c : m_captions) {
        const QString text = QCoreApplication::translate(c.context, c.text);
        if (auto* l = qobject_cast<QLabel*>(c.widget))
            l->setText(text);
        else if (auto* b = qobject_cast<QAbstractButton*>(c.widget))
            b->setText(text);
    }
    for (int i = 0; i < m_scene->count(); ++i)
        m_scene->setItemText(i, QCoreApplication::translate("ImageView", SceneNames[i]));
    for (int i = 0; i < m_light->count(); ++i)
        m_light->setItemText(i, QCoreApplication::translate("ImageView", LightNames[i]));
    // The plots' words are drawn as they paint.
    m_mtf->update();
    m_focusMtf->update();
}

const RayLens* ImageView::chosenLens() const
{
    if (m_showRefined->isChecked() && m_refined && m_refined->found)
        return &m_refined->lens;
    return m_design ? &*m_design : nullptr;
}

void ImageView::setLenses(const std::optional<RayLens>& design, const std::optional<RefinedLens>& refined,
                          char separator)
{
    if (separator != m_separator) {
        m_separator = separator;
        m_fNumber->setLocale(localeFor(separator));
        m_focus->setLocale(localeFor(separator));
        m_frequency->setLocale(localeFor(separator));
        m_mtf->setSeparator(separator);
        m_focusMtf->setSeparator(separator);
    }
    const bool designChanged = !sameLens(design ? &*design : nullptr, m_design ? &*m_design : nullptr);
    if (!designChanged && sameLens(foundLens(refined), foundLens(m_refined)))
        return;
    m_design = design;
    m_refined = refined;
    if (designChanged)
        resetStopAndFocus();
    inputsChanged();
}

// The design's own N, and the focus at the best focus on the axis of the
// lens shown, at that N (on the paraxial image plane where it has none),
// within +-F'/2.
void ImageView::resetStopAndFocus()
{
    const QSignalBlocker blockN(m_fNumber), blockFocus(m_focus);
    const std::optional<double> focal = m_design ? paraxialFocal(*m_design) : std::nullopt;
    if (focal && m_design->stopDiameter > 0)
        m_fNumber->setValue(std::abs(*focal) / m_design->stopDiameter);
    const double reach = focal ? std::abs(*focal) / 2 : 1.0;
    m_focus->setRange(-reach, reach);
    const RayLens* lens = chosenLens();
    m_focus->setValue(lens ? bestFocusAt(*lens, m_fNumber->value()) : 0.0);
}

} // namespace monocl
