#include "monoclForm.h"

#include "canvas_image.h"
#include "texts/conclusions.h"
#include "texts/design_table.h"
#include "texts/forecast_table.h"
#include "memo.h"
#include "sketch.h"
#include "spin_edit.h"
#include "string_grid.h"
#include "track_bar.h"

#include "errors/errors.h"
#include "format/number_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
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

const QColor TitleColour(0, 0, 128);

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

QFont withWeight(QFont font, bool bold)
{
    font.setBold(bold);
    return font;
}

// The locale's decimal separator, when it is a single ASCII character.
char systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

QColor fromColourValue(std::uint32_t value)
{
    // Colour values hold blue, green and red from the high byte down.
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

template <class W>
W* place(W* widget, const char* name, int x, int y, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, int x, int y,
                    int width, int height)
{
    auto* box = place(new QGroupBox(title, parent), name, x, y, width, height);
    box->setFont(withWeight(parent->font(), true));
    return box;
}

// Places labels and controls from left to right along one line of a group,
// each label as wide as its text, so that no caption is clipped whatever the
// font.
class RowPlacer
{
public:
    RowPlacer(QWidget* parent, int x, int y) : m_parent(parent), m_x(x), m_y(y) {}

    QLabel* label(const QString& text, bool bold = false, const char* name = nullptr)
    {
        auto* l = new QLabel(text, m_parent);
        l->setFont(withWeight(m_parent->font(), bold));
        if (name)
            l->setObjectName(QString::fromLatin1(name));
        const int width = l->fontMetrics().horizontalAdvance(text) + 2;
        l->setGeometry(m_x, m_y + 2, width, 17);
        m_x += width + 4;
        return l;
    }

    template <class W>
    W* control(W* widget, const char* name, int width, int height = 21)
    {
        widget->setParent(m_parent);
        place(widget, name, m_x, m_y, width, height);
        m_x += width + 8;
        return widget;
    }

    void skip(int pixels) { m_x += pixels; }

private:
    QWidget* m_parent;
    int m_x;
    int m_y;
};

QLabel* titleLabel(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* title = new QLabel(text, parent);
    title->setObjectName(QString::fromLatin1(name));
    QFont font = withWeight(parent->font(), true);
    font.setPixelSize(19);
    title->setFont(font);
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, TitleColour);
    title->setPalette(palette);
    title->move(x, y);
    title->adjustSize();
    return title;
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& text, int x, int y,
                    bool checked = false)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(withWeight(parent->font(), false));
    button->setChecked(checked);
    button->move(x, y);
    button->adjustSize();
    return button;
}

SpinEdit* spinEdit(int minimum, int maximum, int value, char separator)
{
    auto* spin = new SpinEdit;
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setDecimalSeparator(QChar::fromLatin1(separator));
    return spin;
}

// Screen readers meet a spin edit's inner field when it has the focus, so it
// carries the name too.
void setAccessibleNameOf(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (auto* spin = qobject_cast<SpinEdit*>(control))
        spin->lineEdit()->setAccessibleName(name);
}

} // namespace

Toptmono::Toptmono(MonoclState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_separator(systemDecimalSeparator())
{
    initPictures();
    setObjectName(QStringLiteral("optmono"));
    setWindowTitle(QStringLiteral("Выбор наилучших конструктивных параметров монокля "));
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
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    PageControl1 = place(new QTabWidget(this), "PageControl1", 0, 0, 1145, 761);
    const std::pair<QWidget**, std::pair<const char*, const char*>> tabs[] = {
        {&TabSheet1, {"TabSheet1", "Расчет"}},
        {&TabSheet5, {"TabSheet5", "Прогноз"}},
        {&TabSheet2, {"TabSheet2", "Справка"}},
        {&TabSheet4, {"TabSheet4", "Схема монокля"}},
        {&TabSheet3, {"TabSheet3", "О программе"}},
    };
    for (const auto& [page, names] : tabs) {
        *page = new QWidget;
        (*page)->setObjectName(QString::fromLatin1(names.first));
        PageControl1->addTab(*page, QString::fromUtf8(names.second));
    }

    createDesignTab(TabSheet1);
    createForecastTab(TabSheet5);
    createNotesTab(TabSheet2);
    createSchemeTab(TabSheet4);
    createAboutTab(TabSheet3);
    setFocusOrder();
    connectHandlers();

    FormCreate(this);
}

Toptmono::~Toptmono() = default;

void Toptmono::createDesignTab(QWidget* page)
{
    titleLabel(page, "Label25",
               QStringLiteral("Прямая задача проектирования монокля - выбор конструктивных "
                              "параметров мениска"),
               166, 4);

    QGroupBox* outer = groupBox(page, "GroupBox1", QStringLiteral("Внешние конструктивные параметры"),
                                2, 34, 1131, 65);
    RowPlacer row1(outer, 10, 28);
    row1.label(QStringLiteral("Фокусное расстояние монокля, мм"));
    FSpin = row1.control(spinEdit(0, 1000, 52, m_separator), "FSpin", 70);
    row1.skip(24);
    row1.label(QStringLiteral("Поле зрения, угловые градусы (2b)"));
    ASpin = row1.control(spinEdit(0, 70, 45, m_separator), "ASpin", 60);
    row1.skip(24);
    row1.label(QStringLiteral("Относительная толщина края"));
    OtSpin = row1.control(spinEdit(1, 100, 5, m_separator), "OtSpin", 60);
    row1.label(QStringLiteral("б/р  5 )"), true);

    QGroupBox* glass = groupBox(page, "GroupBox3", QStringLiteral("Сорт оптического стекла"), 2, 98,
                                737, 65);
    RowPlacer row2(glass, 10, 28);
    row2.label(QStringLiteral("Показатель преломления (на линии d=0,5875 мкм)"));
    NDedit = row2.control(new QLineEdit(QStringLiteral("1.5182")), "NDedit", 90);
    row2.skip(24);
    row2.label(QStringLiteral("Число Аббе"));
    ABEdit = row2.control(new QLineEdit(QStringLiteral("64")), "ABEdit", 80);

    QGroupBox* aberrations = groupBox(page, "GroupBox2", QStringLiteral("Относительные аберрации"), 2,
                                      170, 737, 161);
    RowPlacer caption1(aberrations, 10, 20);
    caption1.label(QStringLiteral(
        "Относительная сферическая аберрация %  (задается в диапазоне от 0,25% до 0,5%)"));
    RowPlacer bar1(aberrations, 6, 40);
    KsfBar = bar1.control(new TrackBar, "KsfBar", 560, 34);
    KsfBar->setValue(60);
    Lksf = bar1.label(QStringLiteral("Kсф=0,37 "), true, "Lksf");
    Lksf->resize(Lksf->width() + 12, Lksf->height());
    bar1.skip(10);
    bar1.label(QStringLiteral("%  1)"), true);
    RowPlacer caption2(aberrations, 10, 86);
    caption2.label(QStringLiteral(
        "Относительная хроматическая аберрация  (задается в диапазоне от 0,25 до 0,5 )"));
    RowPlacer bar2(aberrations, 6, 106);
    KxrBar = bar2.control(new TrackBar, "KxrBar", 560, 34);
    KxrBar->setValue(100);
    LKxr = bar2.label(QStringLiteral("Kхр=0,37 "), true, "LKxr");
    LKxr->resize(LKxr->width() + 12, LKxr->height());
    bar2.skip(10);
    bar2.label(QStringLiteral("б/р  2 )"), true);

    QGroupBox* filter = groupBox(page, "GroupBox13", QStringLiteral("Светофильтр"), 740, 98, 143, 109);
    Sf1 = radio(filter, "Sf1", QStringLiteral("Нет"), 12, 24, true);
    Sf2 = radio(filter, "Sf2", QStringLiteral("Ж 1,4х"), 12, 50);
    Sf3 = radio(filter, "Sf3", QStringLiteral("Ж 2х"), 12, 76);
    Sf2->setEnabled(false);
    Sf3->setEnabled(false);

    QGroupBox* film = groupBox(page, "GroupBox14", QStringLiteral("Тип фотоматериала"), 886, 98, 247, 111);
    fp1 = radio(film, "fp1", QStringLiteral("панхроматический"), 12, 28, true);

    QGroupBox* correction = groupBox(page, "GroupBox6", QStringLiteral("Тип коррекции"), 742, 210, 391, 121);
    RB1 = radio(correction, "RB1", QStringLiteral("апланат - квазианастигмат   3)"), 12, 34, true);
    RB2 = radio(correction, "RB2", QStringLiteral("анастигмат  4)"), 12, 72);

    QGroupBox* sketch = groupBox(page, "GroupBox7", QStringLiteral("Эскиз"), 2, 334, 245, 389);
    esk = place(new CanvasImage(sketch), "esk", 4, 18, 235, 237);

    QGroupBox* results = groupBox(page, "GroupBox15", QStringLiteral("Расчетные параметры"), 246, 334,
                                  883, 391);
    MonGrid = place(new StringGrid(results), "MonGrid", 4, 14, 875, 367);
    MonGrid->setColCount(2);

    for (auto [control, name] : {std::pair<QWidget*, const char*>{FSpin, "Фокусное расстояние монокля, мм"},
                                 {ASpin, "Поле зрения, угловые градусы (2b)"},
                                 {OtSpin, "Относительная толщина края"},
                                 {NDedit, "Показатель преломления (на линии d=0,5875 мкм)"},
                                 {ABEdit, "Число Аббе"},
                                 {KsfBar, "Относительная сферическая аберрация %"},
                                 {KxrBar, "Относительная хроматическая аберрация"},
                                 {MonGrid, "Расчетные параметры"}})
        setAccessibleNameOf(control, QString::fromUtf8(name));
}

void Toptmono::createForecastTab(QWidget* page)
{
    titleLabel(page, "Label26",
               QStringLiteral("Обратная задача проектирования монокля - прогноз характеристик "
                              "монокля из готового мениска"),
               76, 2);
    Image2 = place(new QLabel(page), "Image2", 6, 36, 609, 353);
    Image2->setPixmap(QPixmap(QStringLiteral(":/measuring_scheme.png")));
    Image2->setScaledContents(true);

    QGroupBox* measured = groupBox(page, "GroupBox8", QStringLiteral("Измеряемые параметры"), 628, 30,
                                   499, 153);
    const struct {
        QLineEdit** edit;
        const char* name;
        const char* caption;
        const char* text;
    } fields[] = {
        {&ihm, "ihm", "Высота линзы, мм hm=", "5"},
        {&ih, "ih", "Толщина края (фальцета) с фаской, мм h=", "2"},
        {&id, "id", "Диаметр линзы, мм d=", "20"},
        {&iff, "iff", "Фокусное расстояние F, мм", "75"},
    };
    int y = 24;
    for (const auto& f : fields) {
        auto* caption = new QLabel(QString::fromUtf8(f.caption), measured);
        caption->setFont(withWeight(measured->font(), false));
        caption->setGeometry(12, y + 2, 330, 17);
        *f.edit = place(new QLineEdit(QString::fromUtf8(f.text)), f.name, 350, y, 100, 21);
        (*f.edit)->setParent(measured);
        (*f.edit)->setAccessibleName(QString::fromUtf8(f.caption));
        y += 31;
    }

    QGroupBox* range = groupBox(page, "GroupBox9", QStringLiteral("Диапазон параметров стекла"), 630,
                                190, 499, 97);
    RowPlacer index(range, 8, 26);
    index.label(QStringLiteral("Показатель преломления (на линии d=0,5875 мкм)"));
    index.label(QStringLiteral("от"));
    inmin = index.control(new QLineEdit(QStringLiteral("2")), "inmin", 44);
    index.label(QStringLiteral("до"));
    inmax = index.control(new QLineEdit(QStringLiteral("2")), "inmax", 44);
    RowPlacer abbe(range, 8, 60);
    abbe.label(QStringLiteral("Число Аббе"));
    abbe.skip(228);
    abbe.label(QStringLiteral("от"));
    VminSP = abbe.control(spinEdit(40, 80, 40, m_separator), "VminSP", 60);
    abbe.label(QStringLiteral("до"));
    VmaxSP = abbe.control(spinEdit(40, 80, 70, m_separator), "VmaxSP", 60);

    QGroupBox* given = groupBox(page, "GroupBox11", QStringLiteral("Задаваемые параметры"), 628, 288,
                                499, 99);
    RowPlacer fnumber(given, 12, 24);
    fnumber.label(QStringLiteral("Относительное фокусное расстояние N="));
    NSpin = fnumber.control(spinEdit(4, 64, 8, m_separator), "NSpin", 60);
    RowPlacer filters(given, 12, 62);
    filters.label(QStringLiteral("Светофильтр"));
    sfp1 = radio(given, "sfp1", QStringLiteral("Нет"), 120, 62, true);
    sfp2 = radio(given, "sfp2", QStringLiteral("Ж 1,4х"), 190, 62);
    sfp3 = radio(given, "sfp3", QStringLiteral("Ж 2х"), 280, 62);
    Sfp4 = radio(given, "Sfp4", QStringLiteral("О 2,8х"), 360, 62);

    QGroupBox* forecast = groupBox(page, "GroupBox10",
                                   QStringLiteral("Прогнозируемые параметры монокля"), 0, 390, 655, 341);
    PrognozGrid = place(new StringGrid(forecast), "PrognozGrid", 0, 16, 647, 313);

    // The memos keep their places; their widths stay inside their frames.
    QGroupBox* verdicts = groupBox(page, "GroupBox5", QStringLiteral("Выводы"), 664, 389, 469, 165);
    vvd = place(new Memo(verdicts), "vvd", 6, 24, 469 - 12, 129);
    vvd->setFontColor(Qt::red);
    QGroupBox* advice = groupBox(page, "GroupBox4", QStringLiteral("Рекомендации"), 664, 560, 471, 165);
    recom = place(new Memo(advice), "recom", 8, 26, 471 - 16, 129);

    for (auto [control, name] : {std::pair<QWidget*, const char*>{inmin, "Показатель преломления от"},
                                 {inmax, "Показатель преломления до"},
                                 {VminSP, "Число Аббе от"},
                                 {VmaxSP, "Число Аббе до"},
                                 {NSpin, "Относительное фокусное расстояние N="},
                                 {PrognozGrid, "Прогнозируемые параметры монокля"},
                                 {vvd, "Выводы"},
                                 {recom, "Рекомендации"}})
        setAccessibleNameOf(control, QString::fromUtf8(name));
}

void Toptmono::createNotesTab(QWidget* page)
{
    QGroupBox* notes = groupBox(page, "GroupBox12", QStringLiteral("Примечания"), 4, 4, 1129, 711);
    const char* lines[] = {
        "1)  отношение диаметра поперечной сферической аберрации для зоны 0,7 диаметра зрачка к "
        "фокусному расстоянию системы",
        "2)  отношение поперечной  хроматической аберрации к поперечной сферической аберрации",
        "3)  стандартный тип монокля - нулевая кома,  минимальный радиус средней фокальной "
        "поверхности ",
        "4)  нулевой астигматизм, средняя кривизна фокальной поверхности равна кривизне Петцваля",
        "5)  отношение диаметра к ширины фальцета (края) мениска  ",
    };
    int y = 32;
    for (const char* line : lines) {
        auto* label = new QLabel(QString::fromUtf8(line), notes);
        label->setFont(withWeight(notes->font(), false));
        label->setGeometry(16, y, 1100, 17);
        y += 32;
    }
}

void Toptmono::createSchemeTab(QWidget* page)
{
    Image1 = place(new QLabel(page), "Image1", 112, 24, 881, 681);
    Image1->setPixmap(QPixmap(QStringLiteral(":/monocle_scheme.png")));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Toptmono::createAboutTab(QWidget* page)
{
    Memo1 = place(new Memo(page), "Memo1", 0, 0, 1057, 329);
    QFont font = withWeight(page->font(), true);
    font.setPixelSize(17);
    Memo1->setFont(font);
    Memo1->clearLines();
    for (const char* line : {"", "", "Программа предназначена для расчета конструктивных параметров ",
                             "оптической системы типа \"монокль\" для пикториальной фотографии.",
                             "Расчет проводится методом теории аберраций третьего порядка Зейделя."})
        Memo1->appendLine(QString::fromUtf8(line));
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
    chain({FSpin, ASpin, OtSpin, KsfBar, KxrBar, NDedit, ABEdit, RB1, RB2, Sf1, Sf2, Sf3, fp1,
           MonGrid});
    chain({ihm, ih, iff, id, inmin, inmax, VminSP, VmaxSP, PrognozGrid, NSpin, sfp1, sfp2, sfp3,
           Sfp4, recom, vvd});
}

void Toptmono::connectHandlers()
{
    const auto onSpin = [this](SpinEdit* spin, void (Toptmono::*handler)(QObject*)) {
        connect(spin, &SpinEdit::changed, this, [this, spin, handler] { (this->*handler)(spin); });
    };
    onSpin(FSpin, &Toptmono::FSpinChange);
    onSpin(ASpin, &Toptmono::ASpinChange);
    onSpin(OtSpin, &Toptmono::OtSpinChange);
    onSpin(VminSP, &Toptmono::VminSPChange);
    onSpin(VmaxSP, &Toptmono::VmaxSPChange);
    onSpin(NSpin, &Toptmono::NSpinChange);

    const auto onEdit = [this](QLineEdit* edit, void (Toptmono::*handler)(QObject*)) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit, handler] { (this->*handler)(edit); });
    };
    onEdit(NDedit, &Toptmono::NDeditChange);
    onEdit(ABEdit, &Toptmono::ABEditChange);
    onEdit(ihm, &Toptmono::ihmChange);
    onEdit(ih, &Toptmono::ihChange);
    onEdit(id, &Toptmono::idChange);
    onEdit(iff, &Toptmono::iffChange);
    onEdit(inmin, &Toptmono::inminChange);
    onEdit(inmax, &Toptmono::inmaxChange);

    connect(KsfBar, &QAbstractSlider::valueChanged, this, [this] { KsfBarChange(KsfBar); });
    connect(KxrBar, &QAbstractSlider::valueChanged, this, [this] { KxrBarChange(KxrBar); });

    // A radio button's handler runs when it becomes checked, not when it is
    // clicked again or unchecked.
    const auto onRadio = [this](QRadioButton* button, void (Toptmono::*handler)(QObject*)) {
        connect(button, &QAbstractButton::toggled, this, [this, button, handler](bool checked) {
            if (checked)
                (this->*handler)(button);
        });
    };
    onRadio(Sf1, &Toptmono::Sf1Click);
    onRadio(Sf2, &Toptmono::Sf2Click);
    onRadio(Sf3, &Toptmono::Sf3Click);
    onRadio(fp1, &Toptmono::fp1Click);
    onRadio(RB1, &Toptmono::RB1Click);
    onRadio(RB2, &Toptmono::RB2Click);
    onRadio(sfp1, &Toptmono::sfp1Click);
    onRadio(sfp2, &Toptmono::sfp2Click);
    onRadio(sfp3, &Toptmono::sfp3Click);
    onRadio(Sfp4, &Toptmono::sfp3Click);

    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { PageControl1Change(PageControl1); });
}

// ---- Running handlers --------------------------------------------------------

void Toptmono::runHandler(const std::function<void()>& body)
{
    ++m_handlerDepth;
    try {
        body();
    } catch (...) {
        if (!m_pendingFault)
            m_pendingFault = std::current_exception();
    }
    --m_handlerDepth;
    if (m_handlerDepth == 0 && m_pendingFault) {
        const std::exception_ptr fault = m_pendingFault;
        m_pendingFault = nullptr;
        // While the box is open its event loop may still deliver an armed
        // auto-repeat; those runs are no action of the user's and stay
        // silent, so one action shows one box.
        if (!m_showingFault) {
            m_showingFault = true;
            showFault(fault);
            m_showingFault = false;
        }
    }
}

void Toptmono::showFault(const std::exception_ptr& fault)
{
    QString message;
    try {
        std::rethrow_exception(fault);
    } catch (const std::exception& e) {
        message = QString::fromStdString(e.what());
    } catch (...) {
        message = QStringLiteral("Invalid floating point operation");
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("monocl"), message + QLatin1Char('.'),
                    QMessageBox::Ok, this);
    box.exec();
}

void Toptmono::setFieldText(QLineEdit* field, const QString& text)
{
    if (field->text() == text)
        return;
    const bool faultBefore = static_cast<bool>(m_pendingFault);
    field->setText(text);
    // A fault of the nested handler run ends this run as well.
    if (!faultBefore && m_pendingFault && m_handlerDepth > 0)
        std::rethrow_exception(m_pendingFault);
}

// ---- Start-up ------------------------------------------------------------------

void Toptmono::FormCreate(QObject* Sender)
{
    runHandler([&] {
        setFieldText(NDedit, qs(fixedText(m_state.NdEntry, 8, 4, m_separator)));
        setFieldText(ABEdit, qs(fixedText(m_state.AbbeEntry, 8, 2, m_separator)));
        RB1->setChecked(true);
        setFieldText(ihm, qs(fixedText(m_state.MeasuredHeight * 1000, 8, 2, m_separator)));
        setFieldText(ih, qs(fixedText(m_state.CenterThickness * 1000, 8, 2, m_separator)));
        setFieldText(iff, qs(fixedText(m_state.MeasuredFocal * 1000, 8, 2, m_separator)));
        setFieldText(id, qs(fixedText(m_state.MeasuredDiameter * 1000, 8, 2, m_separator)));
        setFieldText(inmin, qs(fixedText(1.5, 8, 2, m_separator)));
        setFieldText(inmax, qs(fixedText(1.7, 8, 2, m_separator)));
        PageControl1Change(Sender);
    });
}

// ---- Handlers ---------------------------------------------------------------------

void Toptmono::showValue(QLineEdit* field, double value, int decimals)
{
    setFieldText(field, qs(fixedText(value, 8, decimals, m_separator)));
}

void Toptmono::realFieldChange(QObject* sender, QLineEdit* field, double& stored, int decimals,
                               const RealCheck& checks)
{
    runHandler([&] {
        double value = stored;
        std::int32_t failed = 0;
        TryParseFloat(field->text().toStdString(), value, failed, m_separator);
        if (failed) {
            showValue(field, stored, decimals);
        } else {
            if (checks)
                value = checks(value);
            stored = value;
        }
        PageControl1Change(sender);
    });
}

// The glass range's index is held to 1.4..1.8; the bound is stored at once.
double Toptmono::clampIndex(QLineEdit* field, double& stored, double value)
{
    if (value > 1.8) {
        value = 1.8;
        stored = 1.8;
        showValue(field, value, 2);
    }
    if (value < 1.4) {
        value = 1.4;
        stored = 1.4;
        showValue(field, value, 2);
    }
    return value;
}

void Toptmono::NDeditChange(QObject* Sender)
{
    realFieldChange(Sender, NDedit, m_state.NdEntry, 4, {});
}

void Toptmono::ABEditChange(QObject* Sender)
{
    realFieldChange(Sender, ABEdit, m_state.AbbeEntry, 2, {});
}

void Toptmono::ihmChange(QObject* Sender)
{
    realFieldChange(Sender, ihm, m_state.MeasuredHeight, 2, [this](double value) {
        if (!(value >= 0)) {
            value = 0;
            showValue(ihm, 0, 2);
        }
        return value;
    });
}

void Toptmono::ihChange(QObject* Sender)
{
    realFieldChange(Sender, ih, m_state.MeasuredEdge, 2, [this](double value) {
        if (value >= m_state.MeasuredHeight) {
            value = m_state.MeasuredHeight;
            showValue(ih, value, 2);
        }
        if (value < 0) {
            value = 0;
            showValue(ih, 0, 2);
        }
        return value;
    });
}

void Toptmono::idChange(QObject* Sender)
{
    realFieldChange(Sender, id, m_state.MeasuredDiameter, 2, {});
}

void Toptmono::iffChange(QObject* Sender)
{
    realFieldChange(Sender, iff, m_state.MeasuredFocal, 2, {});
}

void Toptmono::inminChange(QObject* Sender)
{
    realFieldChange(Sender, inmin, m_state.NdMin, 2,
                    [this](double value) { return clampIndex(inmin, m_state.NdMin, value); });
}

void Toptmono::inmaxChange(QObject* Sender)
{
    realFieldChange(Sender, inmax, m_state.NdMax, 2,
                    [this](double value) { return clampIndex(inmax, m_state.NdMax, value); });
}

void Toptmono::trackBarChange(QObject* sender, TrackBar* bar, QLabel* label, const QString& prefix)
{
    runHandler([&] {
        label->setText(prefix + qs(fixedText(trackBarRatio(bar->value()), 8, 2, m_separator)));
        PageControl1Change(sender);
    });
}

void Toptmono::KsfBarChange(QObject* Sender)
{
    trackBarChange(Sender, KsfBar, Lksf, QStringLiteral("Kсф="));
}

void Toptmono::KxrBarChange(QObject* Sender)
{
    trackBarChange(Sender, KxrBar, LKxr, QStringLiteral("Kхр="));
}

// The handlers of the spin edits and radio buttons only recompute: the
// recompute reads those controls itself.
void Toptmono::FSpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::ASpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::OtSpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::VminSPChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::VmaxSPChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::NSpinChange(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::Sf1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::Sf2Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::Sf3Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::fp1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::RB1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::RB2Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::sfp1Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::sfp2Click(QObject* Sender) { PageControl1Change(Sender); }
void Toptmono::sfp3Click(QObject* Sender) { PageControl1Change(Sender); }

// ---- The recompute -------------------------------------------------------------

void Toptmono::PageControl1Change(QObject* /*Sender*/)
{
    runHandler([&] {
        ++m_recomputeRuns;
        RecomputeLocals locals;
        // The forecast does not depend on the design, so a fault in the
        // design steps must not freeze it: both halves run, and the first
        // fault is reported.
        std::exception_ptr fault;
        try {
            recomputeDesign(locals);
        } catch (const MonoclError&) {
            fault = std::current_exception();
        }
        try {
            recomputeForecast(locals);
        } catch (const MonoclError&) {
            if (!fault)
                fault = std::current_exception();
        }
        if (fault)
            std::rethrow_exception(fault);
    });
}

DesignControls Toptmono::readDesignControls() const
{
    DesignControls c;
    c.OtSpin = OtSpin->value();
    c.KsfBar = KsfBar->value();
    c.KxrBar = KxrBar->value();
    c.NDedit = NDedit->text().toStdString();
    c.ABEdit = ABEdit->text().toStdString();
    c.FSpin = FSpin->value();
    c.ASpin = ASpin->value();
    c.RB1 = RB1->isChecked();
    c.RB2 = RB2->isChecked();
    c.Sf1 = Sf1->isChecked();
    c.Sf2 = Sf2->isChecked();
    c.Sf3 = Sf3->isChecked();
    c.decimalSeparator = m_separator;
    return c;
}

ForecastControls Toptmono::readForecastControls() const
{
    ForecastControls c;
    c.VminSP = VminSP->value();
    c.VmaxSP = VmaxSP->value();
    c.NSpin = NSpin->value();
    c.sfp1 = sfp1->isChecked();
    c.sfp2 = sfp2->isChecked();
    c.sfp3 = sfp3->isChecked();
    c.Sfp4 = Sfp4->isChecked();
    return c;
}

void Toptmono::recomputeDesign(RecomputeLocals& locals)
{
    ReadDesignInputs(readDesignControls(), m_state, locals);
    LayoutDesignTable();
    RunDesignPasses(m_state, locals);
    ComputeEdgeGeometry(m_state, locals);
    FillDesignTable(locals);
    // The sketch depends on nothing else: with the same values it would be
    // drawn pixel for pixel again, so it is left as it is.
    const SketchInputs sketch{m_state.R1,        m_state.R2,      m_state.Dm,
                              locals.FrontSag,  locals.RearSag, locals.RearShift,
                              locals.DesignFailed, esk->width()};
    if (m_lastSketch && *m_lastSketch == sketch)
        return;
    m_lastSketch.reset();
    DrawMeniscusSketch(*esk, m_state.R1, m_state.R2, m_state.Dm, locals.FrontSag, locals.RearSag,
                       locals.RearShift, locals.DesignFailed);
    m_lastSketch = sketch;
}

void Toptmono::recomputeForecast(RecomputeLocals& locals)
{
    locals.Forecast = ComputeForecast(readForecastControls(), m_state);
    FillForecastTable(locals.Forecast);
    WriteConclusions(locals.Forecast);
}

void Toptmono::LayoutDesignTable()
{
    MonGrid->setColWidth(0, DesignLabelWidth);
    MonGrid->setColWidth(1, DesignValueWidth);
    MonGrid->setRowCount(DesignTableRows);
}

void Toptmono::FillDesignTable(const RecomputeLocals& locals)
{
    if (locals.DesignFailed != 0) {
        for (int row = 1; row < MonGrid->rowCount(); ++row)
            MonGrid->setCell(1, row, QString::fromLatin1(DesignFailedDash));
        return;
    }
    MonGrid->setCell(0, 0, qs(designTableHeader(0)));
    MonGrid->setCell(1, 0, qs(designTableHeader(1)));
    for (int row = 1; row < DesignTableRows; ++row) {
        MonGrid->setCell(0, row, qs(designTableLabel(row)));
        MonGrid->setCell(1, row, qs(designTableValue(row, m_state, locals, m_separator)));
    }
}

void Toptmono::FillForecastTable(const ForecastValues& values)
{
    for (int col = 0; col < ForecastTableCols; ++col)
        PrognozGrid->setCell(col, 0, qs(forecastTableHeader(col)));
    PrognozGrid->setColWidth(0, ForecastColWidths[0]);
    PrognozGrid->setColWidth(1, ForecastColWidths[1]);
    PrognozGrid->setColWidth(2, ForecastColWidths[2]);
    PrognozGrid->setRowCount(ForecastTableRows);
    PrognozGrid->setColCount(ForecastTableCols);
    for (int row = 1; row < ForecastTableRows; ++row) {
        const ForecastRow r = forecastTableRow(row, m_state, values, m_separator);
        PrognozGrid->setCell(0, row, qs(r.label));
        PrognozGrid->setCell(1, row, qs(r.minText));
        if (r.maxText)
            PrognozGrid->setCell(2, row, qs(*r.maxText));
    }
}

void Toptmono::WriteConclusions(const ForecastValues& values)
{
    Conclusions c;
    try {
        c = decideConclusions(m_state, values, m_separator);
    } catch (...) {
        // Nothing is decided: both memos are left empty.
        vvd->clearLines();
        recom->clearLines();
        throw;
    }
    const auto toLines = [](const std::vector<std::string>& lines) {
        QStringList list;
        list.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines)
            list.append(qs(line));
        return list;
    };
    vvd->setLines(toLines(c.vvd));
    vvd->setFontColor(fromColourValue(c.colour));
    recom->setLines(toLines(c.recom));
}
