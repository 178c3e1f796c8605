#include "window_layout.h"

#include <QCoreApplication>

namespace monocl {

namespace {

using enum ControlKind;

// Controls on a line follow each other: a label is 4 pixels before what it
// captions, the next label 8 pixels after it, and 32 where a pair ends.
const ControlSpec DesignTab[] = {
    {Title, "Label25", nullptr, 166, 4, fit(), fit(),
     QT_TRANSLATE_NOOP("Toptmono", "Прямая задача проектирования монокля - выбор конструктивных параметров мениска")},

    {GroupBox, "GroupBox1", nullptr, 2, 34, 1131, 65, QT_TRANSLATE_NOOP("Toptmono", "Внешние конструктивные параметры")},
    {Label, "", "GroupBox1", 10, 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Фокусное расстояние монокля, мм"), {}, "FSpin"},
    {SpinEdit, "FSpin", "GroupBox1", after(4), 28, 70, 21, "", {52, 0, 1000}},
    {Label, "", "GroupBox1", after(32), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Поле зрения, угловые градусы (2b)"), {}, "ASpin"},
    {SpinEdit, "ASpin", "GroupBox1", after(4), 28, 60, 21, "", {45, 0, 70}},
    {Label, "", "GroupBox1", after(32), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Относительная толщина края"), {}, "OtSpin"},
    {SpinEdit, "OtSpin", "GroupBox1", after(4), 28, 60, 21, "", {5, 1, 100}},
    {BoldLabel, "", "GroupBox1", after(8), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "б/р  5 )")},

    {GroupBox, "GroupBox3", nullptr, 2, 98, 737, 65, QT_TRANSLATE_NOOP("Toptmono", "Сорт оптического стекла")},
    {Label, "", "GroupBox3", 10, 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Показатель преломления (на линии d=0,5875 мкм)"), {}, "NDedit"},
    {LineEdit, "NDedit", "GroupBox3", after(4), 28, 90, 21, "1.5182"},
    {Label, "", "GroupBox3", after(32), 30, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Число Аббе"), {}, "ABEdit"},
    {LineEdit, "ABEdit", "GroupBox3", after(4), 28, 80, 21, "64"},
    {Button, "glassButton", "GroupBox3", after(8), 27, 96, 23, QT_TRANSLATE_NOOP("Toptmono", "Каталог…")},
    {NoteLabel, "nearestGlass", "GroupBox3", 10, 49, 600, 14, ""},

    {GroupBox, "GroupBox2", nullptr, 2, 170, 737, 161, QT_TRANSLATE_NOOP("Toptmono", "Относительные аберрации")},
    {Label, "", "GroupBox2", 10, 22, fit(), 17,
     QT_TRANSLATE_NOOP("Toptmono", "Относительная сферическая аберрация %  (задается в диапазоне от 0,25% до 0,5%)"), {}, "KsfBar"},
    {TrackBar, "KsfBar", "GroupBox2", 6, 40, 560, 34, "", {60}},
    {BoldLabel, "Lksf", "GroupBox2", after(8), 42, fit(12), 17, QT_TRANSLATE_NOOP("Toptmono", "Kсф=0,37 ")},
    {BoldLabel, "", "GroupBox2", after(2), 42, fit(), 17, "%  1)"},
    {Label, "", "GroupBox2", 10, 88, fit(), 17,
     QT_TRANSLATE_NOOP("Toptmono", "Относительная хроматическая аберрация  (задается в диапазоне от 0,25 до 0,5 )"), {}, "KxrBar"},
    {TrackBar, "KxrBar", "GroupBox2", 6, 106, 560, 34, "", {100}},
    {BoldLabel, "LKxr", "GroupBox2", after(8), 108, fit(12), 17, QT_TRANSLATE_NOOP("Toptmono", "Kхр=0,37 ")},
    {BoldLabel, "", "GroupBox2", after(2), 108, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "б/р  2 )")},

    {GroupBox, "GroupBox13", nullptr, 740, 98, 143, 109, QT_TRANSLATE_NOOP("Toptmono", "Светофильтр")},
    {Radio, "Sf1", "GroupBox13", 12, 24, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "Нет"), {1}},
    {Radio, "Sf2", "GroupBox13", 12, 50, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "Ж 1,4х"), {}, nullptr, false},
    {Radio, "Sf3", "GroupBox13", 12, 76, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "Ж 2х"), {}, nullptr, false},

    {GroupBox, "GroupBox14", nullptr, 886, 98, 247, 111, QT_TRANSLATE_NOOP("Toptmono", "Тип фотоматериала")},
    {Radio, "fp1", "GroupBox14", 12, 28, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "панхроматический"), {1}},

    {GroupBox, "GroupBox6", nullptr, 742, 210, 391, 121, QT_TRANSLATE_NOOP("Toptmono", "Тип коррекции")},
    {Radio, "RB1", "GroupBox6", 12, 34, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "апланат - квазианастигмат   3)"), {1}},
    {Radio, "RB2", "GroupBox6", 12, 72, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "анастигмат  4)")},

    {GroupBox, "GroupBox7", nullptr, 2, 334, 245, 389, QT_TRANSLATE_NOOP("Toptmono", "Эскиз")},
    {Canvas, "esk", "GroupBox7", 4, 18, 235, 237, ""},

    {GroupBox, "GroupBox15", nullptr, 246, 334, 883, 391, QT_TRANSLATE_NOOP("Toptmono", "Расчетные параметры")},
    {Grid, "MonGrid", "GroupBox15", 4, 14, 875, 367, "", {2}},
};

const ControlSpec ForecastTab[] = {
    {Title, "Label26", nullptr, 76, 2, fit(), fit(),
     QT_TRANSLATE_NOOP("Toptmono", "Обратная задача проектирования монокля - прогноз характеристик монокля из готового мениска")},
    {StretchedPicture, "Image2", nullptr, 6, 36, 609, 353, ":/measuring_scheme.png"},

    {GroupBox, "GroupBox8", nullptr, 628, 30, 499, 153, QT_TRANSLATE_NOOP("Toptmono", "Измеряемые параметры")},
    {Label, "", "GroupBox8", 12, 26, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Высота линзы, мм hm="), {}, "ihm"},
    {LineEdit, "ihm", "GroupBox8", 350, 24, 100, 21, "5"},
    {Label, "", "GroupBox8", 12, 57, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Толщина края (фальцета) с фаской, мм h="), {}, "ih"},
    {LineEdit, "ih", "GroupBox8", 350, 55, 100, 21, "2"},
    {Label, "", "GroupBox8", 12, 88, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Диаметр линзы, мм d="), {}, "id"},
    {LineEdit, "id", "GroupBox8", 350, 86, 100, 21, "20"},
    {Label, "", "GroupBox8", 12, 119, 330, 17, QT_TRANSLATE_NOOP("Toptmono", "Фокусное расстояние F, мм"), {}, "iff"},
    {LineEdit, "iff", "GroupBox8", 350, 117, 100, 21, "75"},

    {GroupBox, "GroupBox9", nullptr, 630, 190, 499, 97, QT_TRANSLATE_NOOP("Toptmono", "Диапазон параметров стекла")},
    {Label, "", "GroupBox9", 8, 28, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Показатель преломления (на линии d=0,5875 мкм)"), {}, "inmin inmax"},
    {Label, "", "GroupBox9", after(4), 28, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "от"), {}, "inmin"},
    {LineEdit, "inmin", "GroupBox9", after(4), 26, 44, 21, "2"},
    {Label, "", "GroupBox9", after(8), 28, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "до"), {}, "inmax"},
    {LineEdit, "inmax", "GroupBox9", after(4), 26, 44, 21, "2"},
    {Label, "", "GroupBox9", 8, 62, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Число Аббе"), {}, "VminSP VmaxSP"},
    {Label, "", "GroupBox9", after(232), 62, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "от"), {}, "VminSP"},
    {SpinEdit, "VminSP", "GroupBox9", after(4), 60, 60, 21, "", {40, 40, 80}},
    {Label, "", "GroupBox9", after(8), 62, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "до"), {}, "VmaxSP"},
    {SpinEdit, "VmaxSP", "GroupBox9", after(4), 60, 60, 21, "", {70, 40, 80}},

    {GroupBox, "GroupBox11", nullptr, 628, 288, 499, 99, QT_TRANSLATE_NOOP("Toptmono", "Задаваемые параметры")},
    {Label, "", "GroupBox11", 12, 26, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Относительное фокусное расстояние N="), {}, "NSpin"},
    {SpinEdit, "NSpin", "GroupBox11", after(4), 24, 60, 21, "", {8, 4, 64}},
    {ComboBox, "glassList", "GroupBox11", after(16), 23, 155, 23, ""},
    {Label, "", "GroupBox11", 12, 64, fit(), 17, QT_TRANSLATE_NOOP("Toptmono", "Светофильтр")},
    {Radio, "sfp1", "GroupBox11", 120, 62, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "Нет"), {1}},
    {Radio, "sfp2", "GroupBox11", 190, 62, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "Ж 1,4х")},
    {Radio, "sfp3", "GroupBox11", 280, 62, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "Ж 2х")},
    {Radio, "Sfp4", "GroupBox11", 360, 62, fit(), fit(), QT_TRANSLATE_NOOP("Toptmono", "О 2,8х")},

    {GroupBox, "GroupBox10", nullptr, 0, 390, 655, 341, QT_TRANSLATE_NOOP("Toptmono", "Прогнозируемые параметры монокля")},
    {Grid, "PrognozGrid", "GroupBox10", 0, 16, 647, 313, ""},

    // The memos keep their places; their widths stay inside their frames.
    {GroupBox, "GroupBox5", nullptr, 664, 389, 469, 165, QT_TRANSLATE_NOOP("Toptmono", "Выводы")},
    {Memo, "vvd", "GroupBox5", 6, 24, 457, 129, ""},
    {GroupBox, "GroupBox4", nullptr, 664, 560, 471, 165, QT_TRANSLATE_NOOP("Toptmono", "Рекомендации")},
    {Memo, "recom", "GroupBox4", 8, 26, 455, 129, ""},
};


const ControlSpec NotesTab[] = {
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

const ControlSpec SchemeTab[] = {
    {Picture, "Image1", nullptr, 112, 24, 881, 681, ":/monocle_scheme.png"},
};

const ControlSpec AboutTab[] = {
    {Memo, "Memo1", nullptr, 0, 0, 1057, 329, ""},
};

} // namespace

std::span<const ControlSpec> designTabLayout() { return DesignTab; }
std::span<const ControlSpec> forecastTabLayout() { return ForecastTab; }
// The ray tab is laid out by its view (ui/rays/ray_view.cpp).
std::span<const ControlSpec> rayTabLayout() { return {}; }
std::span<const ControlSpec> notesTabLayout() { return NotesTab; }
std::span<const ControlSpec> schemeTabLayout() { return SchemeTab; }
std::span<const ControlSpec> aboutTabLayout() { return AboutTab; }

} // namespace monocl
