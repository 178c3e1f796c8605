// Building the window: its tabs from their layout tables, the controls the
// handlers address, the fixed contents, the focus order and the wiring.
#include "monoclForm.h"

#include "ui/glass/glass_views.h"
#include "ui/widgets/canvas_image.h"
#include "ui/files/decimal_separator.h"
#include "ui/widgets/memo.h"
#include "ui/image/image_view.h"
#include "ui/rays/ray_view.h"

#include "core/ray_trace.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"
#include "fault_display.h"
#include "window_layout.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>

// The pictures live in a resource of this static library, which a linker
// may drop unless it is referenced; this pulls it in.
static void initPictures()
{
    Q_INIT_RESOURCE(monocl);
}

using namespace monocl;

namespace {

template <class W>
void bindControl(const QWidget* root, W*& member, const char* name)
{
    member = root->findChild<W*>(QString::fromLatin1(name));
    Q_ASSERT_X(member, "bindControl", name);
}

} // namespace

// Each member is found by its own name.
#define BIND(member) bindControl(this, member, #member)

Toptmono::Toptmono(MonoclState& state, QWidget* parent, HiddenTabs hiddenTabs)
    : QWidget(parent)
    , m_state(state)
    , m_separator(systemDecimalSeparator())
    , m_document(state, m_separator)
    , m_forecastViewsWait(hiddenTabs == HiddenTabs::BuiltWhenShown)
{
    initPictures();
    setObjectName(QStringLiteral("optmono"));
    setWindowTitle(titleText());
    resize(1151, 766);

    // The layout is in fixed pixels, in a 13-pixel font of its own whatever
    // the desktop's text size. Liberation Sans has the widths the layout was
    // made for; DejaVu Sans stands in where it is missing.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(13);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    palette.setColor(QPalette::Button, QColor(240, 240, 240));
    // Black text while enabled; disabled controls keep the style's grey.
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    createTabs();
    m_rayView = new RayView(m_separator, m_rayTab);
    bindControls();
    // The image view is the costliest of the hidden tabs to build: its
    // spin boxes, lists and the scene it draws at once; the about page's
    // two type sizes of its own each load a font.
    if (hiddenTabs == HiddenTabs::BuiltAtOnce)
        buildHiddenTabs();
    vvd->setFontColor(Qt::red);
    setNoteTips();
    // A lone radio button in a group of its own stays checked when clicked.
    auto* film = new QButtonGroup(this);
    film->addButton(fp1);
    setFocusOrder();
    createFaultLines();
    connectHandlers();
    watchDocument();

    FormCreate(this);
}

Toptmono::~Toptmono() = default;

void Toptmono::createTabs()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 1145, 761);
    const struct {
        QWidget** page;
        const char* name;
        const char* title;
        std::span<const ControlRow> (*layout)();
    } tabs[] = {
        {&TabSheet1, "TabSheet1", QT_TRANSLATE_NOOP("Toptmono", "Расчет"), designTabLayout},
        {&TabSheet5, "TabSheet5", QT_TRANSLATE_NOOP("Toptmono", "Прогноз"), forecastTabLayout},
        {&m_rayTab, "rayTab", QT_TRANSLATE_NOOP("Toptmono", "Проверка лучами"), rayTabLayout},
        // Like the ray check's, its controls are its view's own: none from the tables.
        {&m_imageTab, "imageTab", QT_TRANSLATE_NOOP("Toptmono", "Изображение"), rayTabLayout},
        {&TabSheet2, "TabSheet2", QT_TRANSLATE_NOOP("Toptmono", "Справка"), notesTabLayout},
        {&TabSheet4, "TabSheet4", QT_TRANSLATE_NOOP("Toptmono", "Схема монокля"), schemeTabLayout},
        {&TabSheet3, "TabSheet3", QT_TRANSLATE_NOOP("Toptmono", "О программе"), aboutTabLayout},
    };
    for (const auto& tab : tabs) {
        *tab.page = new QWidget;
        (*tab.page)->setObjectName(QString::fromLatin1(tab.name));
        PageControl1->addTab(*tab.page, QCoreApplication::translate("Toptmono", tab.title));
        m_builtTabs.push_back(
            {*tab.page, tab.title, tab.layout(), buildControls(*tab.page, tab.layout(), m_separator)});
    }
}

QString Toptmono::titleText()
{
    return QCoreApplication::translate("Toptmono", "Выбор наилучших конструктивных параметров монокля ");
}

QString Toptmono::sphericalBarPrefix()
{
    return QCoreApplication::translate("Toptmono", "Kсф=");
}

QString Toptmono::chromaticBarPrefix()
{
    return QCoreApplication::translate("Toptmono", "Kхр=");
}

void Toptmono::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void Toptmono::retranslate()
{
    setWindowTitle(titleText());
    // The bars' labels carry their ratio after the prefix, in either language.
    const auto ratioOf = [](const QLabel* label) {
        return label->text().mid(label->text().indexOf(QLatin1Char('=')) + 1);
    };
    const QString sphericalRatio = ratioOf(Lksf);
    const QString chromaticRatio = ratioOf(LKxr);
    for (int i = 0; i < static_cast<int>(m_builtTabs.size()); ++i) {
        const BuiltTab& tab = m_builtTabs[static_cast<std::size_t>(i)];
        PageControl1->setTabText(i, QCoreApplication::translate("Toptmono", tab.title));
        recaptionControls(tab.rows, tab.controls);
    }
    Lksf->setText(sphericalBarPrefix() + sphericalRatio);
    LKxr->setText(chromaticBarPrefix() + chromaticRatio);
    // A page filled later speaks the language of its time.
    if (m_aboutVersion)
        writeAboutTexts();
    setNoteTips();
    // The tables, memos and glass lines are written by the recompute; a
    // fault it meets was told already.
    m_glassViews->forgetShown();
    m_silentFaults = true;
    m_document.recompute();
    m_silentFaults = false;
    // A recompute that faulted left its tables' words in the old language
    // beside the values it kept.
    m_document.rewriteTableLabels(m_document.designFault().has_value(),
                                  m_document.forecastFault().has_value());
    showOutputs();
    m_rayView->retranslate();
    // A view built later speaks the language of its time.
    if (m_imageView)
        m_imageView->retranslate();
}

void Toptmono::createFaultLines()
{
    // On the design results' frame, right of its title.
    auto* results = findChild<QGroupBox*>(QStringLiteral("GroupBox15"));
    m_designFaultLine = createFaultLine(results, QRect(190, 0, results->width() - 200, 16), "designFaultLine");
    // Over the free foot of the measuring scheme.
    m_forecastWarning = createFaultLine(TabSheet5, QRect(12, 336, 600, 52), "forecastWarning");
    m_forecastWarning->setAutoFillBackground(false);
    QFont regular = m_forecastWarning->font();
    regular.setBold(false);
    m_forecastWarning->setFont(regular);
}

void Toptmono::bindControls()
{
    BIND(FSpin), BIND(ASpin), BIND(OtSpin), BIND(NDedit), BIND(ABEdit), BIND(KsfBar);
    BIND(KxrBar), BIND(Lksf), BIND(LKxr), BIND(Sf1), BIND(Sf2), BIND(Sf3), BIND(fp1);
    BIND(RB1), BIND(RB2), BIND(esk), BIND(MonGrid);
    BIND(Image2), BIND(ihm), BIND(ih), BIND(id), BIND(iff), BIND(inmin), BIND(inmax);
    BIND(VminSP), BIND(VmaxSP), BIND(NSpin), BIND(sfp1), BIND(sfp2), BIND(sfp3), BIND(Sfp4);
    BIND(PrognozGrid), BIND(vvd), BIND(recom);
    BIND(Image1), BIND(Memo1);
    QPushButton* glassButton = nullptr;
    QLabel* nearestGlass = nullptr;
    QComboBox* glassList = nullptr;
    BIND(glassButton), BIND(nearestGlass), BIND(glassList);
    m_glassViews = new GlassViews(glassButton, nearestGlass, glassList, m_separator, this);
    for (std::size_t i = 0; i < RealFields.size(); ++i)
        bindControl(this, m_realEdits[i], RealFields[i].name);
}

void Toptmono::fillAboutPage()
{
    if (m_aboutVersion)
        return;
    QFont font = TabSheet3->font();
    font.setBold(true);
    font.setPixelSize(17);
    Memo1->setFont(font);

    // Below the program's own lines, in small type.
    m_aboutVersion = new QLabel(TabSheet3);
    m_aboutVersion->setObjectName(QStringLiteral("aboutVersion"));
    QFont small = TabSheet3->font();
    small.setPixelSize(11);
    m_aboutVersion->setFont(small);
    writeAboutTexts();
    // A child made after its page was shown is hidden until shown itself.
    m_aboutVersion->show();
}

void Toptmono::writeAboutTexts()
{
    Memo1->clearLines();
    for (const char* line : {"", "",
                             QT_TRANSLATE_NOOP("Toptmono", "Программа предназначена для расчета конструктивных параметров "),
                             QT_TRANSLATE_NOOP("Toptmono", "оптической системы типа \"монокль\" для пикториальной фотографии."),
                             QT_TRANSLATE_NOOP("Toptmono", "Расчет проводится методом теории аберраций третьего порядка Зейделя.")})
        Memo1->appendLine(*line ? QCoreApplication::translate("Toptmono", line) : QString());
    m_aboutVersion->setText(QCoreApplication::translate("Toptmono", "Версия %1 · лицензия MIT · Qt %2\n"
                                    "Каталог оптических стёкол: база данных refractiveindex.info "
                                    "(github.com/polyanskiy/refractiveindex.info-database), "
                                    "общественное достояние (CC0 1.0)")
                         .arg(QStringLiteral(MONOCL_VERSION), QString::fromLatin1(qVersion())));
    m_aboutVersion->move(4, Memo1->geometry().bottom() + 8);
    m_aboutVersion->adjustSize();
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// The marker a caption ends in, "1)" to "5)" (a blank may stand before the
// bracket: "3 )"), as the note starts; empty for a caption without one.
QString noteMarkerOf(const QString& caption)
{
    qsizetype end = caption.size();
    while (end > 0 && isBlank(caption[end - 1]))
        --end;
    if (end < 1 || caption[end - 1] != u')')
        return {};
    --end;
    if (end > 0 && caption[end - 1] == u' ')
        --end;
    if (end < 1 || caption[end - 1] < u'1' || caption[end - 1] > u'5')
        return {};
    return QString(caption[end - 1]) + u')';
}

} // namespace

// The captions that end in a note's marker, 1) to 5), show that note.
void Toptmono::setNoteTips()
{
    QStringList notes;
    for (const QLabel* note : TabSheet2->findChildren<QLabel*>())
        notes << note->text();
    const auto tipFor = [&](const QString& caption) {
        const QString prefix = noteMarkerOf(caption);
        if (prefix.isEmpty())
            return QString();
        for (const QString& note : notes)
            if (note.startsWith(prefix))
                return note.mid(prefix.size()).trimmed();
        return QString();
    };
    for (QLabel* label : TabSheet1->findChildren<QLabel*>())
        label->setToolTip(tipFor(label->text()));
    for (QRadioButton* button : TabSheet1->findChildren<QRadioButton*>())
        button->setToolTip(tipFor(button->text()));
}

void Toptmono::setFocusOrder()
{
    // Chained through the widgets that really take the focus: given a spin
    // edit, whose field is its focus proxy, setTabOrder misplaces what follows.
    const auto chain = [](std::initializer_list<QWidget*> order) {
        QWidget* previous = nullptr;
        for (QWidget* w : order) {
            QWidget* target = w->focusProxy() ? w->focusProxy() : w;
            if (previous)
                setTabOrder(previous, target);
            previous = target;
        }
    };
    chain({FSpin, ASpin, OtSpin, KsfBar, KxrBar, NDedit, ABEdit, m_glassViews->chooserButton(), RB1, RB2, Sf1, Sf2,
           Sf3, fp1, MonGrid});
    chain({ihm, ih, iff, id, inmin, inmax, VminSP, VmaxSP, PrognozGrid, NSpin, m_glassViews->rangeList(), sfp1,
           sfp2, sfp3, Sfp4, recom, vvd});
}

void Toptmono::connectHandlers()
{
    const auto onSpin = [this](SpinEdit* spin, SpinId id) {
        connect(spin, &SpinEdit::changed, this,
                [this, spin, id] { m_document.setSpinText(id, spin->text().toStdString()); });
    };
    onSpin(FSpin, SpinId::FSpin);
    onSpin(ASpin, SpinId::ASpin);
    onSpin(OtSpin, SpinId::OtSpin);
    onSpin(VminSP, SpinId::VminSP);
    onSpin(VmaxSP, SpinId::VmaxSP);
    onSpin(NSpin, SpinId::NSpin);

    const auto onEdit = [this](QLineEdit* edit, void (Toptmono::*handler)(QObject*)) {
        const auto id = static_cast<RealFieldId>(
            std::find(m_realEdits.begin(), m_realEdits.end(), edit) - m_realEdits.begin());
        connect(edit, &QLineEdit::textChanged, this, [this, edit, handler, id] {
            if (checksOnCommit())
                realFieldTyped(id);
            else
                (this->*handler)(edit);
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, id] { realFieldCommitted(id); });
    };
    onEdit(NDedit, &Toptmono::NDeditChange);
    onEdit(ABEdit, &Toptmono::ABEditChange);
    onEdit(ihm, &Toptmono::ihmChange);
    onEdit(ih, &Toptmono::ihChange);
    onEdit(id, &Toptmono::idChange);
    onEdit(iff, &Toptmono::iffChange);
    onEdit(inmin, &Toptmono::inminChange);
    onEdit(inmax, &Toptmono::inmaxChange);

    connect(KsfBar, &QAbstractSlider::valueChanged, this,
            [this](int value) { m_document.setBarValue(BarId::KsfBar, value); });
    connect(KxrBar, &QAbstractSlider::valueChanged, this,
            [this](int value) { m_document.setBarValue(BarId::KxrBar, value); });

    // A radio button's handler runs when it becomes checked, not when it is
    // clicked again or unchecked.
    QRadioButton* const choices[] = {Sf1, Sf2, Sf3, fp1, RB1, RB2, sfp1, sfp2, sfp3, Sfp4};
    for (std::size_t i = 0; i < std::size(choices); ++i) {
        connect(choices[i], &QAbstractButton::toggled, this, [this, i](bool checked) {
            if (checked)
                m_document.check(static_cast<ChoiceId>(i));
        });
    }

    // The image view is there before the tab's handler recomputes.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (PageControl1->currentWidget() == m_imageTab)
            buildImageView();
        else if (PageControl1->currentWidget() == TabSheet3)
            fillAboutPage();
        else if (PageControl1->currentWidget() == TabSheet5)
            showForecastTab();
    });
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { PageControl1Change(PageControl1); });
    connect(m_glassViews, &GlassViews::glassPicked, this,
            [this](const QString& maker, const QString& name) { chooseGlass(maker, name); });
    PageControl1->tabBar()->installEventFilter(this);
    PageControl1->installEventFilter(this);
}
