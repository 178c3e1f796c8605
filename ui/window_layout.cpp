#include "window_layout.h"

namespace monocl {

namespace {

using enum ControlKind;

// Controls on a line follow each other: a label is 4 pixels before what it
// captions, the next label 8 pixels after it, and 32 where a pair ends.
const ControlSpec DesignTab[] = {
    {Title, "Label25", nullptr, 166, 4, fit(), fit(),
     "Прямая задача проектирования монокля - выбор конструктивных параметров мениска"},

    {GroupBox, "GroupBox1", nullptr, 2, 34, 1131, 65, "Внешние конструктивные параметры"},
    {Label, "", "GroupBox1", 10, 30, fit(), 17, "Фокусное расстояние монокля, мм", {}, "FSpin"},
    {SpinEdit, "FSpin", "GroupBox1", after(4), 28, 70, 21, "", {52, 0, 1000}},
    {Label, "", "GroupBox1", after(32), 30, fit(), 17, "Поле зрения, угловые градусы (2b)", {}, "ASpin"},
    {SpinEdit, "ASpin", "GroupBox1", after(4), 28, 60, 21, "", {45, 0, 70}},
    {Label, "", "GroupBox1", after(32), 30, fit(), 17, "Относительная толщина края", {}, "OtSpin"},
    {SpinEdit, "OtSpin", "GroupBox1", after(4), 28, 60, 21, "", {5, 1, 100}},
    {BoldLabel, "", "GroupBox1", after(8), 30, fit(), 17, "б/р  5 )"},

    {GroupBox, "GroupBox3", nullptr, 2, 98, 737, 65, "Сорт оптического стекла"},
    {Label, "", "GroupBox3", 10, 30, fit(), 17, "Показатель преломления (на линии d=0,5875 мкм)", {}, "NDedit"},
    {LineEdit, "NDedit", "GroupBox3", after(4), 28, 90, 21, "1.5182"},
    {Label, "", "GroupBox3", after(32), 30, fit(), 17, "Число Аббе", {}, "ABEdit"},
    {LineEdit, "ABEdit", "GroupBox3", after(4), 28, 80, 21, "64"},
    {Button, "glassButton", "GroupBox3", after(8), 27, 96, 23, "Каталог…"},
    {NoteLabel, "nearestGlass", "GroupBox3", 10, 49, 600, 14, ""},

    {GroupBox, "GroupBox2", nullptr, 2, 170, 737, 161, "Относительные аберрации"},
    {Label, "", "GroupBox2", 10, 22, fit(), 17,
     "Относительная сферическая аберрация %  (задается в диапазоне от 0,25% до 0,5%)", {}, "KsfBar"},
    {TrackBar, "KsfBar", "GroupBox2", 6, 40, 560, 34, "", {60}},
    {BoldLabel, "Lksf", "GroupBox2", after(8), 42, fit(12), 17, "Kсф=0,37 "},
    {BoldLabel, "", "GroupBox2", after(2), 42, fit(), 17, "%  1)"},
    {Label, "", "GroupBox2", 10, 88, fit(), 17,
     "Относительная хроматическая аберрация  (задается в диапазоне от 0,25 до 0,5 )", {}, "KxrBar"},
    {TrackBar, "KxrBar", "GroupBox2", 6, 106, 560, 34, "", {100}},
    {BoldLabel, "LKxr", "GroupBox2", after(8), 108, fit(12), 17, "Kхр=0,37 "},
    {BoldLabel, "", "GroupBox2", after(2), 108, fit(), 17, "б/р  2 )"},

    {GroupBox, "GroupBox13", nullptr, 740, 98, 143, 109, "Светофильтр"},
    {Radio, "Sf1", "GroupBox13", 12, 24, fit(), fit(), "Нет", {1}},
    {Radio, "Sf2", "GroupBox13", 12, 50, fit(), fit(), "Ж 1,4х", {}, nullptr, false},
    {Radio, "Sf3", "GroupBox13", 12, 76, fit(), fit(), "Ж 2х", {}, nullptr, false},

    {GroupBox, "GroupBox14", nullptr, 886, 98, 247, 111, "Тип фотоматериала"},
    {Radio, "fp1", "GroupBox14", 12, 28, fit(), fit(), "панхроматический", {1}},

    {GroupBox, "GroupBox6", nullptr, 742, 210, 391, 121, "Тип коррекции"},
    {Radio, "RB1", "GroupBox6", 12, 34, fit(), fit(), "апланат - квазианастигмат   3)", {1}},
    {Radio, "RB2", "GroupBox6", 12, 72, fit(), fit(), "анастигмат  4)"},

    {GroupBox, "GroupBox7", nullptr, 2, 334, 245, 389, "Эскиз"},
    {Canvas, "esk", "GroupBox7", 4, 18, 235, 237, ""},

    {GroupBox, "GroupBox15", nullptr, 246, 334, 883, 391, "Расчетные параметры"},
    {Grid, "MonGrid", "GroupBox15", 4, 14, 875, 367, "", {2}},
};

const ControlSpec ForecastTab[] = {
    {Title, "Label26", nullptr, 76, 2, fit(), fit(),
     "Обратная задача проектирования монокля - прогноз характеристик монокля из готового мениска"},
    {StretchedPicture, "Image2", nullptr, 6, 36, 609, 353, ":/measuring_scheme.png"},

    {GroupBox, "GroupBox8", nullptr, 628, 30, 499, 153, "Измеряемые параметры"},
    {Label, "", "GroupBox8", 12, 26, 330, 17, "Высота линзы, мм hm=", {}, "ihm"},
    {LineEdit, "ihm", "GroupBox8", 350, 24, 100, 21, "5"},
    {Label, "", "GroupBox8", 12, 57, 330, 17, "Толщина края (фальцета) с фаской, мм h=", {}, "ih"},
    {LineEdit, "ih", "GroupBox8", 350, 55, 100, 21, "2"},
    {Label, "", "GroupBox8", 12, 88, 330, 17, "Диаметр линзы, мм d=", {}, "id"},
    {LineEdit, "id", "GroupBox8", 350, 86, 100, 21, "20"},
    {Label, "", "GroupBox8", 12, 119, 330, 17, "Фокусное расстояние F, мм", {}, "iff"},
    {LineEdit, "iff", "GroupBox8", 350, 117, 100, 21, "75"},

    {GroupBox, "GroupBox9", nullptr, 630, 190, 499, 97, "Диапазон параметров стекла"},
    {Label, "", "GroupBox9", 8, 28, fit(), 17, "Показатель преломления (на линии d=0,5875 мкм)", {}, "inmin inmax"},
    {Label, "", "GroupBox9", after(4), 28, fit(), 17, "от", {}, "inmin"},
    {LineEdit, "inmin", "GroupBox9", after(4), 26, 44, 21, "2"},
    {Label, "", "GroupBox9", after(8), 28, fit(), 17, "до", {}, "inmax"},
    {LineEdit, "inmax", "GroupBox9", after(4), 26, 44, 21, "2"},
    {Label, "", "GroupBox9", 8, 62, fit(), 17, "Число Аббе", {}, "VminSP VmaxSP"},
    {Label, "", "GroupBox9", after(232), 62, fit(), 17, "от", {}, "VminSP"},
    {SpinEdit, "VminSP", "GroupBox9", after(4), 60, 60, 21, "", {40, 40, 80}},
    {Label, "", "GroupBox9", after(8), 62, fit(), 17, "до", {}, "VmaxSP"},
    {SpinEdit, "VmaxSP", "GroupBox9", after(4), 60, 60, 21, "", {70, 40, 80}},

    {GroupBox, "GroupBox11", nullptr, 628, 288, 499, 99, "Задаваемые параметры"},
    {Label, "", "GroupBox11", 12, 26, fit(), 17, "Относительное фокусное расстояние N=", {}, "NSpin"},
    {SpinEdit, "NSpin", "GroupBox11", after(4), 24, 60, 21, "", {8, 4, 64}},
    {ComboBox, "glassList", "GroupBox11", after(16), 23, 155, 23, ""},
    {Label, "", "GroupBox11", 12, 64, fit(), 17, "Светофильтр"},
    {Radio, "sfp1", "GroupBox11", 120, 62, fit(), fit(), "Нет", {1}},
    {Radio, "sfp2", "GroupBox11", 190, 62, fit(), fit(), "Ж 1,4х"},
    {Radio, "sfp3", "GroupBox11", 280, 62, fit(), fit(), "Ж 2х"},
    {Radio, "Sfp4", "GroupBox11", 360, 62, fit(), fit(), "О 2,8х"},

    {GroupBox, "GroupBox10", nullptr, 0, 390, 655, 341, "Прогнозируемые параметры монокля"},
    {Grid, "PrognozGrid", "GroupBox10", 0, 16, 647, 313, ""},

    // The memos keep their places; their widths stay inside their frames.
    {GroupBox, "GroupBox5", nullptr, 664, 389, 469, 165, "Выводы"},
    {Memo, "vvd", "GroupBox5", 6, 24, 457, 129, ""},
    {GroupBox, "GroupBox4", nullptr, 664, 560, 471, 165, "Рекомендации"},
    {Memo, "recom", "GroupBox4", 8, 26, 455, 129, ""},
};

const ControlSpec RayTab[] = {
    {Title, "rayTitle", nullptr, 150, 2, fit(), fit(),
     "Проверка расчета точной трассировкой лучей через мениск и диафрагму"},
    {GroupBox, "rayTableBox", nullptr, 2, 30, 532, 462, "Результаты трассировки лучей"},
    {Grid, "RayGrid", "rayTableBox", 4, 16, 524, 438, "", {2}},
    {RayPlots, "rayPlots", nullptr, 540, 30, 595, 690, ""},
};

const ControlSpec NotesTab[] = {
    {GroupBox, "GroupBox12", nullptr, 4, 4, 1129, 711, "Примечания"},
    {Label, "", "GroupBox12", 16, 32, 1100, 17,
     "1)  отношение диаметра поперечной сферической аберрации для зоны 0,7 диаметра зрачка к "
     "фокусному расстоянию системы"},
    {Label, "", "GroupBox12", 16, 64, 1100, 17,
     "2)  отношение поперечной  хроматической аберрации к поперечной сферической аберрации"},
    {Label, "", "GroupBox12", 16, 96, 1100, 17,
     "3)  стандартный тип монокля - нулевая кома,  минимальный радиус средней фокальной поверхности "},
    {Label, "", "GroupBox12", 16, 128, 1100, 17,
     "4)  нулевой астигматизм, средняя кривизна фокальной поверхности равна кривизне Петцваля"},
    {Label, "", "GroupBox12", 16, 160, 1100, 17,
     "5)  отношение диаметра к ширины фальцета (края) мениска  "},
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
std::span<const ControlSpec> rayTabLayout() { return RayTab; }
std::span<const ControlSpec> notesTabLayout() { return NotesTab; }
std::span<const ControlSpec> schemeTabLayout() { return SchemeTab; }
std::span<const ControlSpec> aboutTabLayout() { return AboutTab; }

} // namespace monocl
