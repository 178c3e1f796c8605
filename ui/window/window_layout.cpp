#include "window_layout.h"

#include "document/input_controls.h"
#include "texts/table_titles.h"

#include <QCoreApplication>

namespace monocl {

namespace {

using enum ControlKind;

// The inputs' start values, ranges and captions are the document's.
constexpr ControlValue spin(SpinId id)
{
    const SpinControl& s = Spins[indexOf(id)];
    return {s.start, s.minimum, s.maximum};
}

constexpr ControlValue bar(BarId id)
{
    return {Bars[indexOf(id)].start};
}

constexpr ControlRow radio(ChoiceId id, const char* parent, int x, int y)
{
    const ChoiceControl& c = Choices[indexOf(id)];
    return {Radio, c.name, parent, x, y, fit(), fit(), c.caption, {c.startChecked ? 1 : 0}, nullptr, c.enabled};
}

constexpr const char* startText(RealFieldId id)
{
    return FieldStartTexts[indexOf(id)];
}

// Controls on a line follow each other: a label is 4 pixels before what it
// captions, the next label 8 pixels after it, and 32 where a pair ends.
const ControlRow DesignTab[] = {
    {Title, "Label25", nullptr, 166, 4, fit(), fit(),
     QT_TRANSLATE_NOOP("Toptmono", "Прямая задача проектирования монокля - выбор конструктивных параметров мениска")},

    {GroupBox, "GroupBox1", nullptr, 2, 34, 1131, 65, QT_TRANSLATE_NOOP("Toptmono", "Внешние конструктивные параметры")},
    {Label, "", "GroupBox1", 10, 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Фокусное расстояние монокля, мм"), {}, "FSpin"},
    {SpinEdit, "FSpin", "GroupBox1", after(4), 28, 70, 21, "", spin(SpinId::FSpin)},
    {Label, "", "GroupBox1", after(32), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Поле зрения, угловые градусы (2b)"), {}, "ASpin"},
    {SpinEdit, "ASpin", "GroupBox1", after(4), 28, 60, 21, "", spin(SpinId::ASpin)},
    {Label, "", "GroupBox1", after(32), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Относительная толщина края"), {}, "OtSpin"},
    {SpinEdit, "OtSpin", "GroupBox1", after(4), 28, 60, 21, "", spin(SpinId::OtSpin)},
    {BoldLabel, "", "GroupBox1", after(8), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "б/р  5 )")},

    {GroupBox, "GroupBox3", nullptr, 2, 98, 737, 65, QT_TRANSLATE_NOOP("Toptmono", "Сорт оптического стекла")},
    {Label, "", "GroupBox3", 10, 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Показатель преломления (на линии d=0,5875 мкм)"), {}, "NDedit"},
    {LineEdit, "NDedit", "GroupBox3", after(4), 28, 90, 21, startText(RealFieldId::NDedit)},
    {Label, "", "GroupBox3", after(32), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Число Аббе"), {}, "ABEdit"},
    {LineEdit, "ABEdit", "GroupBox3", after(4), 28, 80, 21, startText(RealFieldId::ABEdit)},
    {Button, "glassButton", "GroupBox3", after(8), 27, 96, 23, QT_TRANSLATE_NOOP("Toptmono", "Каталог…")},
    {NoteLabel, "nearestGlass", "GroupBox3", 10, 49, 600, 14, ""},

    {GroupBox, "GroupBox2", nullptr, 2, 170, 737, 161, QT_TRANSLATE_NOOP("Toptmono", "Относительные аберрации")},
    {Label, "", "GroupBox2", 10, 22, fit(), 17,
     QT_TRANSLATE_NOOP("Toptmono", "Относительная сферическая аберрация %  (задается в диапазоне от 0,25% до 0,5%)"), {}, "KsfBar"},
    {TrackBar, "KsfBar", "GroupBox2", 6, 40, 560, 34, "", bar(BarId::KsfBar)},
    {BoldLabel, "Lksf", "GroupBox2", after(8), 42, fit(12), 17, QT_TRANSLATE_NOOP("Toptmono", "Kсф=0,37 ")},
    {BoldLabel, "", "GroupBox2", after(2), 42, fit(), 17, "%  1)"},
    {Label, "", "GroupBox2", 10, 88, fit(), 17,
     QT_TRANSLATE_NOOP("Toptmono", "Относительная хроматическая аберрация  (задается в диапазоне от 0,25 до 0,5 )"), {}, "KxrBar"},
    {TrackBar, "KxrBar", "GroupBox2", 6, 106, 560, 34, "", bar(BarId::KxrBar)},
    {BoldLabel, "LKxr", "GroupBox2", after(8), 108, fit(12), 17, QT_TRANSLATE_NOOP("Toptmono", "Kхр=0,37 ")},
    {BoldLabel, "", "GroupBox2", after(2), 108, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "б/р  2 )")},

    {GroupBox, "GroupBox13", nullptr, 740, 98, 143, 109, QT_TRANSLATE_NOOP("Toptmono", "Светофильтр")},
    radio(ChoiceId::Sf1, "GroupBox13", 12, 24),
    radio(ChoiceId::Sf2, "GroupBox13", 12, 50),
    radio(ChoiceId::Sf3, "GroupBox13", 12, 76),

    {GroupBox, "GroupBox14", nullptr, 886, 98, 247, 111, QT_TRANSLATE_NOOP("Toptmono", "Тип фотоматериала")},
    radio(ChoiceId::fp1, "GroupBox14", 12, 28),

    {GroupBox, "GroupBox6", nullptr, 742, 210, 391, 121, QT_TRANSLATE_NOOP("Toptmono", "Тип коррекции")},
    radio(ChoiceId::RB1, "GroupBox6", 12, 34),
    radio(ChoiceId::RB2, "GroupBox6", 12, 72),

    {GroupBox, "GroupBox7", nullptr, 2, 334, 245, 389, QT_TRANSLATE_NOOP("Toptmono", "Эскиз")},
    {Canvas, "esk", "GroupBox7", 4, 18, 235, 237, ""},

    {GroupBox, "GroupBox15", nullptr, 246, 334, 883, 391, DesignTableTitle},
    {Grid, "MonGrid", "GroupBox15", 4, 14, 875, 367, "", {2}},
};

const ControlRow ForecastTab[] = {
    {Title, "Label26", nullptr, 76, 2, fit(), fit(),
     QT_TRANSLATE_NOOP("Toptmono", "Обратная задача проектирования монокля - прогноз характеристик монокля из готового мениска")},
    {StretchedPicture, "Image2", nullptr, 6, 36, 609, 353, ":/measuring_scheme.png"},

    {GroupBox, "GroupBox8", nullptr, 628, 30, 499, 153, QT_TRANSLATE_NOOP("Toptmono", "Измеряемые параметры")},
    {Label, "", "GroupBox8", 12, 26, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Высота линзы, мм hm="), {}, "ihm"},
    {LineEdit, "ihm", "GroupBox8", 350, 24, 100, 21, startText(RealFieldId::ihm)},
    {Label, "", "GroupBox8", 12, 57, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Толщина края (фальцета) с фаской, мм h="), {}, "ih"},
    {LineEdit, "ih", "GroupBox8", 350, 55, 100, 21, startText(RealFieldId::ih)},
    {Label, "", "GroupBox8", 12, 88, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Диаметр линзы, мм d="), {}, "id"},
    {LineEdit, "id", "GroupBox8", 350, 86, 100, 21, startText(RealFieldId::id)},
    {Label, "", "GroupBox8", 12, 119, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Фокусное расстояние F, мм"), {}, "iff"},
    {LineEdit, "iff", "GroupBox8", 350, 117, 100, 21, startText(RealFieldId::iff)},

    {GroupBox, "GroupBox9", nullptr, 630, 190, 499, 97, QT_TRANSLATE_NOOP("Toptmono", "Диапазон параметров стекла")},
    {Label, "", "GroupBox9", 8, 28, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Показатель преломления (на линии d=0,5875 мкм)"), {}, "inmin inmax"},
    {Label, "", "GroupBox9", after(4), 28, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "от"), {}, "inmin"},
    {LineEdit, "inmin", "GroupBox9", after(4), 26, 44, 21, startText(RealFieldId::inmin)},
    {Label, "", "GroupBox9", after(8), 28, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "до"), {}, "inmax"},
    {LineEdit, "inmax", "GroupBox9", after(4), 26, 44, 21, startText(RealFieldId::inmax)},
    {Label, "", "GroupBox9", 8, 62, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Число Аббе"), {}, "VminSP VmaxSP"},
    {Label, "", "GroupBox9", after(232), 62, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "от"), {}, "VminSP"},
    {SpinEdit, "VminSP", "GroupBox9", after(4), 60, 60, 21, "", spin(SpinId::VminSP)},
    {Label, "", "GroupBox9", after(8), 62, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "до"), {}, "VmaxSP"},
    {SpinEdit, "VmaxSP", "GroupBox9", after(4), 60, 60, 21, "", spin(SpinId::VmaxSP)},

    {GroupBox, "GroupBox11", nullptr, 628, 288, 499, 99, QT_TRANSLATE_NOOP("Toptmono", "Задаваемые параметры")},
    {Label, "", "GroupBox11", 12, 26, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Относительное фокусное расстояние N="), {}, "NSpin"},
    {SpinEdit, "NSpin", "GroupBox11", after(4), 24, 60, 21, "", spin(SpinId::NSpin)},
    {ComboBox, "glassList", "GroupBox11", after(16), 23, 155, 23, ""},
    {Label, "", "GroupBox11", 12, 64, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Светофильтр")},
    radio(ChoiceId::sfp1, "GroupBox11", 120, 62),
    radio(ChoiceId::sfp2, "GroupBox11", 190, 62),
    radio(ChoiceId::sfp3, "GroupBox11", 280, 62),
    radio(ChoiceId::Sfp4, "GroupBox11", 360, 62),

    {GroupBox, "GroupBox10", nullptr, 0, 390, 655, 341, ForecastTableTitle},
    {Grid, "PrognozGrid", "GroupBox10", 0, 16, 647, 313, ""},

    // The memos keep their places; their widths stay inside their frames.
    {GroupBox, "GroupBox5", nullptr, 664, 389, 469, 165, QT_TRANSLATE_NOOP("Toptmono", "Выводы")},
    {Memo, "vvd", "GroupBox5", 6, 24, 457, 129, ""},
    {GroupBox, "GroupBox4", nullptr, 664, 560, 471, 165, QT_TRANSLATE_NOOP("Toptmono", "Рекомендации")},
    {Memo, "recom", "GroupBox4", 8, 26, 455, 129, ""},
};


const ControlRow NotesTab[] = {
    {GroupBox, "GroupBox12", nullptr, 4, 4, 1129, 711, QT_TRANSLATE_NOOP("Toptmono", "Примечания")},
    {Label, "", "GroupBox12", 16, 32, 1100, 17,
     QT_TRANSLATE_NOOP("Toptmono", "1)  отношение диаметра поперечной сферической аберрации для зоны 0,7 диаметра зрачка к "
     "фокусному расстоянию системы")},
    {Label, "", "GroupBox12", 16, 64, 1100, 17,
     QT_TRANSLATE_NOOP("Toptmono", "2)  отношение поперечной  хроматической аберрации к поперечной сферической аберрации")},
    {Label, "", "GroupBox12", 16, 96, 1100, 17,
     QT_TRANSLATE_NOOP("Toptmono", "3)  стандартный тип монокля - нулевая кома,  минимальный радиус средней фокальной поверхности ")},
    {Label, "", "GroupBox12", 16, 128, 1100, 17,
     QT_TRANSLATE_NOOP("Toptmono", "4)  нулевой астигматизм, средняя кривизна фокальной поверхности равна кривизне Петцваля")},
    {Label, "", "GroupBox12", 16, 160, 1100, 17,
     QT_TRANSLATE_NOOP("Toptmono", "5)  отношение диаметра к ширины фальцета (края) мениска  ")},
};

const ControlRow SchemeTab[] = {
    {Picture, "Image1", nullptr, 112, 24, 881, 681, ":/monocle_scheme.png"},
};

const ControlRow AboutTab[] = {
    {Memo, "Memo1", nullptr, 0, 0, 1057, 329, ""},
};

} // namespace

std::span<const ControlRow> designTabLayout() { return DesignTab; }
std::span<const ControlRow> forecastTabLayout() { return ForecastTab; }
// The ray tab is laid out by its view (ui/rays/ray_view.cpp).
std::span<const ControlRow> rayTabLayout() { return {}; }
std::span<const ControlRow> notesTabLayout() { return NotesTab; }
std::span<const ControlRow> schemeTabLayout() { return SchemeTab; }
std::span<const ControlRow> aboutTabLayout() { return AboutTab; }

} // namespace monocl
