<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>ApertureTable</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Df, мм</source>
        <translation>Df, mm</translation>
    </message>
    <message>
        <source>Kсф, %</source>
        <translation>Ksph, %</translation>
    </message>
    <message>
        <source>Ось, мкм</source>
        <translation>Axis, µm</translation>
    </message>
    <message>
        <source>Край, мкм</source>
        <translation>Edge, µm</translation>
    </message>
    <message>
        <source>Эйри, мкм</source>
        <translation>Airy, µm</translation>
    </message>
    <message>
        <source>Мягкость по диафрагме: мениск, уточненный лучами</source>
        <translation>Softness by aperture: the meniscus refined by rays</translation>
    </message>
    <message>
        <source>Мягкость по диафрагме: мениск третьего порядка</source>
        <translation>Softness by aperture: the third-order meniscus</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Записать обе таблицы в CSV-файл ФАЙЛ.</source>
        <translation>Write both tables to the CSV file FILE.</translation>
    </message>
    <message>
        <source>Записать отчет в PDF-файл ФАЙЛ.</source>
        <translation>Write the report to the PDF file FILE.</translation>
    </message>
    <message>
        <source>Записать рабочий чертеж мениска в SVG-файл ФАЙЛ.</source>
        <translation>Write the workshop drawing of the meniscus to the SVG file FILE.</translation>
    </message>
    <message>
        <source>Сохранить исходные данные в файл проекта ФАЙЛ (.monocl).</source>
        <translation>Save the input data to the project file FILE (.monocl).</translation>
    </message>
    <message>
        <source>Справка: monocl --help
</source>
        <translation>Help: monocl --help
</translation>
    </message>
    <message>
        <source>Расчет монокля: мягкорисующего объектива из одного мениска с диафрагмой.
Без параметров вывода открывается окно программы. С ними программа
считает по файлу проекта (или по исходным значениям), записывает файлы
и завершается: 0 — готово, 1 — ошибка в параметрах или файле (ничего не
записано), 2 — арифметическая ошибка расчета или расчет без линзы
(файлы записаны с прочерками вместо прежних чисел).</source>
        <translation>Monocle design: a soft-focus lens of one meniscus with an aperture stop.
Without output options the program window opens. With them the program
computes from the project file (or from the default values), writes the
files and exits: 0 — done, 1 — error in the options or the file (nothing
written), 2 — arithmetic error in the design or a design without a lens
(files written with dashes in place of earlier numbers).</translation>
    </message>
    <message>
        <source>Вывести встроенный каталог стекол в CSV (maker, name, nd, vd).</source>
        <translation>Print the built-in glass catalogue as CSV (maker, name, nd, vd).</translation>
    </message>
    <message>
        <source>Язык окна и файлов: ru или en (вместо выбранного в меню).</source>
        <translation>Language of the window and files: ru or en (overrides the menu choice).</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>проект</source>
        <translation>project</translation>
    </message>
    <message>
        <source>Файл проекта .monocl; без него — исходные значения.</source>
        <translation>Project file .monocl; without it, the default values.</translation>
    </message>
    <message>
        <source>[проект]</source>
        <translation>[project]</translation>
    </message>
    <message>
        <source>у параметра --lang допустимы ru и en</source>
        <translation>--lang accepts only ru and en</translation>
    </message>
    <message>
        <source>--list-glasses не сочетается с --%1</source>
        <translation>--list-glasses cannot be combined with --%1</translation>
    </message>
    <message>
        <source>--list-glasses не читает файл проекта</source>
        <translation>--list-glasses does not read a project file</translation>
    </message>
    <message>
        <source>ожидается не больше одного файла проекта, а дано %1: %2</source>
        <translation>at most one project file expected, but %1 given: %2</translation>
    </message>
    <message>
        <source>параметр --%1 дан больше одного раза</source>
        <translation>option --%1 given more than once</translation>
    </message>
    <message>
        <source>у параметра --%1 пустое имя файла</source>
        <translation>option --%1 has an empty file name</translation>
    </message>
    <message>
        <source>файл «%1» назван для вывода дважды</source>
        <translation>file &quot;%1&quot; is named for output twice</translation>
    </message>
    <message>
        <source>стандартный вывод не записан: %1</source>
        <translation>standard output not written: %1</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Записать обе линзы (третьего порядка и уточненную лучами) в JSON-файл ФАЙЛ.</source>
        <translation>Write both lenses (the third-order one and the one refined by rays) to the JSON file FILE.</translation>
    </message>
    <message>
        <source>не назван ни один файл для вывода</source>
        <translation>no output file is named</translation>
    </message>
    <message>
        <source>Записать линзу чертежа в файл Zemax (.zmx) ФАЙЛ.</source>
        <translation>Write the drawing&apos;s lens to the Zemax file (.zmx) FILE.</translation>
    </message>
    <message>
        <source>Записать рецепт линзы чертежа (таблицу поверхностей) в текстовый файл ФАЙЛ.</source>
        <translation>Write the prescription of the drawing&apos;s lens (a table of its surfaces) to the text file FILE.</translation>
    </message>
    <message>
        <source>Линза чертежа и файлов обмена: refined (уточненная лучами) или third-order (третьего порядка); без параметра — уточненная, когда найдена.</source>
        <translation>The lens of the drawing and the exchange files: refined (refined by rays) or third-order; without it, the refined one when found.</translation>
    </message>
    <message>
        <source>у параметра --drawing-lens допустимы refined и third-order</source>
        <translation>--drawing-lens takes refined or third-order</translation>
    </message>
    <message>
        <source>Масштаб SVG-чертежа: 1:1 (по умолчанию, миллиметр файла — миллиметр линзы) или drawing (стандартный масштаб рабочего чертежа).</source>
        <translation>Scale of the SVG drawing: 1:1 (the default, a millimetre of the file is one of the lens) or drawing (the standard scale of the workshop drawing).</translation>
    </message>
    <message>
        <source>у параметра --svg-scale допустимы 1:1 и drawing</source>
        <translation>--svg-scale accepts only 1:1 and drawing</translation>
    </message>
    <message>
        <source>снимок не рассчитан: у расчета нет линзы.</source>
        <translation>photograph not simulated: the design has no lens.</translation>
    </message>
    <message>
        <source>снимок «%1» не прочитан: %2</source>
        <translation>picture “%1” not read: %2</translation>
    </message>
    <message>
        <source>Снять снимок СНИМОК (JPEG, PNG, TIFF) через линзу и записать в файл ВЫХОД (PNG или JPEG), названный следом: --simulate СНИМОК ВЫХОД.</source>
        <translation>Take the picture PICTURE (JPEG, PNG, TIFF) through the lens and write it to the file OUT (PNG or JPEG) named next: --simulate PICTURE OUT.</translation>
    </message>
    <message>
        <source>СНИМОК</source>
        <translation>PICTURE</translation>
    </message>
    <message>
        <source>Диафрагменное число для --simulate (от 1 до 64).</source>
        <translation>F-number for --simulate (1 to 64).</translation>
    </message>
    <message>
        <source>у параметра --simulate должны быть два файла: снимок и выход</source>
        <translation>--simulate needs two files: the picture and the output</translation>
    </message>
    <message>
        <source>у параметра --fnumber допустимо число от 1 до 64</source>
        <translation>--fnumber takes a number from 1 to 64</translation>
    </message>
    <message>
        <source>у параметра --focus должно быть число, мм</source>
        <translation>--focus takes a number, mm</translation>
    </message>
    <message>
        <source>сдвиг фокуса %1 мм больше половины фокусного расстояния</source>
        <translation>the focus shift of %1 mm is more than half the focal length</translation>
    </message>
    <message>
        <source>снимок не закодирован: %1</source>
        <translation>photograph not encoded: %1</translation>
    </message>
    <message>
        <source>Сдвиг фокуса для --simulate от параксиальной плоскости, мм; без него наилучший фокус.</source>
        <translation>Focus shift for --simulate from the paraxial image plane, mm; the best focus without it.</translation>
    </message>
    <message>
        <source>для --%1 нужна графическая часть программы</source>
        <translation>--%1 needs the program&apos;s graphical part</translation>
    </message>
    <message>
        <source>нет файла %1 рядом с программой и в %2</source>
        <translation>no file %1 beside the program or in %2</translation>
    </message>
    <message>
        <source>monocl: графическая часть программы не открыта: %1
</source>
        <translation>monocl: the program&apos;s graphical part did not open: %1
</translation>
    </message>
    <message>
        <source>папка программы не найдена</source>
        <translation>the program's folder was not found</translation>
    </message>
</context>
<context>
    <name>Conclusions</name>
    <message>
        <source>Мениск можно применять без светофильтра</source>
        <translation>The meniscus can be used without a light filter</translation>
    </message>
    <message>
        <source>Применять желтый светофильтр Ж 1.4х</source>
        <translation>Use a yellow filter Y 1.4×</translation>
    </message>
    <message>
        <source>Применять желтый светофильтр Ж 2х</source>
        <translation>Use a yellow filter Y 2×</translation>
    </message>
    <message>
        <source>Применять светофильтр О 2,8</source>
        <translation>Use an O 2.8 filter</translation>
    </message>
    <message>
        <source>Сферическая аберрация больше  0,5% фокуса</source>
        <translation>Spherical aberration exceeds 0.5 % of the focal length</translation>
    </message>
    <message>
        <source>Сферическая аберрация меньше 0,25% фокуса</source>
        <translation>Spherical aberration is below 0.25 % of the focal length</translation>
    </message>
    <message>
        <source>Хроматическая аберрация в %1 раза больше допустимой</source>
        <translation>Chromatic aberration is %1 times the permissible value</translation>
    </message>
    <message>
        <source>Хроматическая аберрация меньше 0,25 сферической</source>
        <translation>Chromatic aberration is below 0.25 of the spherical</translation>
    </message>
    <message>
        <source>оптическая система удовлетворяет условиям мягкого рисунка !</source>
        <translation>the optical system meets the soft-focus conditions!</translation>
    </message>
    <message>
        <source>Рекомендуемое относительное отверстие от %1 до %2</source>
        <translation>Recommended relative aperture from %1 to %2</translation>
    </message>
</context>
<context>
    <name>DesignDocument</name>
    <message>
        <source>Проект монокля (*.monocl)</source>
        <translation>Monocle project (*.monocl)</translation>
    </message>
    <message>
        <source>Открыть проект</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>;;Все файлы (*)</source>
        <translation>;;All files (*)</translation>
    </message>
    <message>
        <source>Сохранить проект</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Таблицы в CSV</source>
        <translation>Tables as CSV</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Чертеж в SVG</source>
        <translation>Drawing as SVG</translation>
    </message>
    <message>
        <source>Чертеж SVG (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Отчет в PDF</source>
        <translation>Report as PDF</translation>
    </message>
    <message>
        <source>Отчет PDF (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
    </message>
    <message>
        <source>Линза в Zemax</source>
        <translation>Lens to Zemax</translation>
    </message>
    <message>
        <source>Файл линзы Zemax (*.zmx)</source>
        <translation>Zemax lens file (*.zmx)</translation>
    </message>
    <message>
        <source>Рецепт линзы</source>
        <translation>Lens prescription</translation>
    </message>
    <message>
        <source>Рецепт линзы (*.txt)</source>
        <translation>Lens prescription (*.txt)</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>Файл «%1» не открыт: %2.</source>
        <translation>File &quot;%1&quot; could not be opened: %2.</translation>
    </message>
    <message>
        <source>это не JSON (ошибка «%1» у символа %2)</source>
        <translation>it is not JSON (error &quot;%1&quot; at character %2)</translation>
    </message>
    <message>
        <source>в нем не объект JSON</source>
        <translation>it holds no JSON object</translation>
    </message>
    <message>
        <source>это не проект монокля (format &quot;%1&quot; вместо &quot;%2&quot;)</source>
        <translation>it is not a monocle project (format &quot;%1&quot; instead of &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>версия %1 не поддерживается, ожидается %2</source>
        <translation>version %1 is not supported, %2 expected</translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>он больше 1 МиБ (%1 байт)</source>
        <translation>it is larger than 1 MiB (%1 bytes)</translation>
    </message>
    <message>
        <source>его не удается прочитать (%1)</source>
        <translation>it cannot be read (%1)</translation>
    </message>
    <message>
        <source>он больше 1 МиБ</source>
        <translation>it is larger than 1 MiB</translation>
    </message>
    <message>
        <source>логическое значение</source>
        <translation>boolean</translation>
    </message>
    <message>
        <source>число</source>
        <translation>number</translation>
    </message>
    <message>
        <source>строка</source>
        <translation>string</translation>
    </message>
    <message>
        <source>массив</source>
        <translation>array</translation>
    </message>
    <message>
        <source>объект</source>
        <translation>object</translation>
    </message>
    <message>
        <source>нет значения</source>
        <translation>null</translation>
    </message>
    <message>
        <source>нет поля «%1»</source>
        <translation>no field &quot;%1&quot;</translation>
    </message>
    <message>
        <source>поле «%1» должно быть объектом, а не «%2»</source>
        <translation>field &quot;%1&quot; must be an object, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>поле «%1» должно быть числом, а не «%2»</source>
        <translation>field &quot;%1&quot; must be a number, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>число в поле «%1» не конечно</source>
        <translation>the number in field &quot;%1&quot; is not finite</translation>
    </message>
    <message>
        <source>поле «%1» должно быть целым числом</source>
        <translation>field &quot;%1&quot; must be an integer</translation>
    </message>
    <message>
        <source>поле «%1» должно быть строкой, а не «%2»</source>
        <translation>field &quot;%1&quot; must be a string, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>в поле «%1» значение &quot;%2&quot;, а допустимы %3</source>
        <translation>field &quot;%1&quot; has value &quot;%2&quot;, allowed: %3</translation>
    </message>
    <message>
        <source>в поле «%1» строка с символом NUL (U+0000)</source>
        <translation>field &quot;%1&quot; holds a string with a NUL character (U+0000)</translation>
    </message>
    <message>
        <source>поле «%1» встречается дважды</source>
        <translation>field &quot;%1&quot; is given twice</translation>
    </message>
    <message>
        <source>в разделе &quot;drawing&quot;: %1</source>
        <translation>in the section &quot;drawing&quot;: %1</translation>
    </message>
</context>
<context>
    <name>DesignTable</name>
    <message>
        <source>Относительное фокусное расстояние  N,  б/р</source>
        <translation>F-number N, dimensionless</translation>
    </message>
    <message>
        <source>Диаметр диафрагмы                 Df, мм</source>
        <translation>Stop diameter Df, mm</translation>
    </message>
    <message>
        <source>Радиус первой поверхности         R1, мм</source>
        <translation>Front surface radius R1, mm</translation>
    </message>
    <message>
        <source>Радиус второй поверхности         R2, мм</source>
        <translation>Rear surface radius R2, mm</translation>
    </message>
    <message>
        <source>Отношение радиусов         R1/R2, мм</source>
        <translation>Radius ratio R1/R2, mm</translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от вершины передней поверхности мениска X1 , мм</source>
        <translation>Stop distance from the front vertex of the meniscus X1, mm</translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от вершины задней поверхности  мениска X2 , мм</source>
        <translation>Stop distance from the rear vertex of the meniscus X2, mm</translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от переднего края мениска Xk , мм</source>
        <translation>Stop distance from the front edge of the meniscus Xk, mm</translation>
    </message>
    <message>
        <source>Диаметр мениска                 Dm, мм</source>
        <translation>Meniscus diameter Dm, mm</translation>
    </message>
    <message>
        <source>Толщина мениска по центру            dh, мм</source>
        <translation>Centre thickness dh, mm</translation>
    </message>
    <message>
        <source>Ширина края мениска           h, мм</source>
        <translation>Edge width h, mm</translation>
    </message>
    <message>
        <source>Задний фокальный отрезок sf, мм</source>
        <translation>Back focal distance sf, mm</translation>
    </message>
    <message>
        <source>Радиус кривизны фокальной поверхности Петцваля  Rp, мм</source>
        <translation>Petzval surface radius Rp, mm</translation>
    </message>
    <message>
        <source>Радиус  кривизны средней фокальной поверхности   Rs, мм</source>
        <translation>Medial focal surface radius Rs, mm</translation>
    </message>
    <message>
        <source>Радиус  кривизны меридиональной фокальной поверхности   Rm, мм</source>
        <translation>Meridional focal surface radius Rm, mm</translation>
    </message>
    <message>
        <source>Радиус  кривизны тангенциальной фокальной поверхности   Rt, мм</source>
        <translation>Tangential focal surface radius Rt, mm</translation>
    </message>
    <message>
        <source>Диаметр пятна сферической аберрации для зоны 0,7  dS, мм</source>
        <translation>Spherical aberration spot diameter, 0.7 zone, dS, mm</translation>
    </message>
    <message>
        <source>Диаметр пятна астигматизма в средней плоскости для края поля зрения dA, мм </source>
        <translation>Astigmatic spot diameter in the medial plane at the field edge dA, mm </translation>
    </message>
    <message>
        <source>Радиус пятна комы  для края поля зрения rK, мм</source>
        <translation>Coma spot radius at the field edge rK, mm</translation>
    </message>
    <message>
        <source>Линейная дисторсия на краю поля зрения  dl, мм</source>
        <translation>Linear distortion at the field edge dl, mm</translation>
    </message>
    <message>
        <source>Относительная дисторсия на краю поля зрения  kd, %</source>
        <translation>Relative distortion at the field edge kd, %</translation>
    </message>
    <message>
        <source>Оценка разрешения в центре поля зрения v1,  лин/мм</source>
        <translation>Estimated resolution at the field centre v1, lp/mm</translation>
    </message>
    <message>
        <source>Оценка разрешения на краю поля зрения  v2,  лин/мм</source>
        <translation>Estimated resolution at the field edge v2, lp/mm</translation>
    </message>
    <message>
        <source>Перефокусировка для компенсации хроматической разности (для объекта в бесконечности), мм</source>
        <translation>Refocusing to compensate the chromatic focal difference (object at infinity), mm</translation>
    </message>
    <message>
        <source>Конструктивный параметр</source>
        <translation>Design parameter</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>DrawingSettings</name>
    <message>
        <source>Фаска × 45°, мм</source>
        <translation>Bevel × 45°, mm</translation>
    </message>
    <message>
        <source>Кольцо сферометра, мм (пусто: 0,8 Dm)</source>
        <translation>Spherometer ring, mm (empty: 0.8 Dm)</translation>
    </message>
    <message>
        <source>Допуск F&apos;, ±%</source>
        <translation>Tolerance of F&apos;, ±%</translation>
    </message>
    <message>
        <source>Допуск sf, ±мм</source>
        <translation>Tolerance of sf, ±mm</translation>
    </message>
    <message>
        <source>Допуск Kсф, ±%</source>
        <translation>Tolerance of Ksph, ±%</translation>
    </message>
    <message>
        <source>0/ двулучепреломление, нм/см</source>
        <translation>0/ stress birefringence, nm/cm</translation>
    </message>
    <message>
        <source>1/ пузыри: число</source>
        <translation>1/ bubbles: number</translation>
    </message>
    <message>
        <source>1/ пузыри: размер, мм</source>
        <translation>1/ bubbles: size, mm</translation>
    </message>
    <message>
        <source>2/ класс неоднородности</source>
        <translation>2/ inhomogeneity class</translation>
    </message>
    <message>
        <source>2/ класс свилей</source>
        <translation>2/ striae class</translation>
    </message>
    <message>
        <source>3/ ошибка стрелки, колец</source>
        <translation>3/ sagitta error, fringes</translation>
    </message>
    <message>
        <source>3/ местная ошибка, колец</source>
        <translation>3/ irregularity, fringes</translation>
    </message>
    <message>
        <source>4/ клин, угл. мин</source>
        <translation>4/ wedge, arc minutes</translation>
    </message>
    <message>
        <source>5/ дефекты: число</source>
        <translation>5/ imperfections: number</translation>
    </message>
    <message>
        <source>5/ дефекты: размер, мм</source>
        <translation>5/ imperfections: size, mm</translation>
    </message>
    <message>
        <source>Параметры чертежа</source>
        <translation>Drawing settings</translation>
    </message>
    <message>
        <source>«%1» — не число, которое это поле принимает</source>
        <translation>“%1” is not a number this field takes</translation>
    </message>
    <message>
        <source>Допуск на F&apos;, sf и Kсф должен быть больше нуля</source>
        <translation>The tolerances of F&apos;, sf and Ksph must be above zero</translation>
    </message>
    <message>
        <source>Фаска не может быть отрицательной</source>
        <translation>A bevel cannot be negative</translation>
    </message>
    <message>
        <source>Диаметр кольца сферометра должен быть больше нуля</source>
        <translation>The spherometer ring&apos;s diameter must be above zero</translation>
    </message>
    <message>
        <source>Код ISO 10110 вне допустимых значений</source>
        <translation>An ISO 10110 code is out of its range</translation>
    </message>
    <message>
        <source>Кольцо сферометра (%1 мм) больше диаметра линзы (%2 мм)</source>
        <translation>The spherometer ring (%1 mm) is larger than the lens&apos;s diameter (%2 mm)</translation>
    </message>
    <message>
        <source>Фаска (%1 мм) шире края линзы (%2 мм)</source>
        <translation>The bevels (%1 mm) are wider than the lens&apos;s rim (%2 mm)</translation>
    </message>
</context>
<context>
    <name>ElementDrawing</name>
    <message>
        <source>≈ %1, ближайшее в каталоге</source>
        <translation>≈ %1, nearest in the catalogue</translation>
    </message>
</context>
<context>
    <name>ExchangeFile</name>
    <message>
        <source>У линзы нет параксиального фокуса: файл обмена не записан.</source>
        <translation>The lens has no paraxial focus: no exchange file is written.</translation>
    </message>
</context>
<context>
    <name>ForecastTable</name>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Мин.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Макс.</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Стрелка кривизны dr2, мм</source>
        <translation>Surface sag dr2, mm</translation>
    </message>
    <message>
        <source>Стрелка кривизны dr1, мм</source>
        <translation>Surface sag dr1, mm</translation>
    </message>
    <message>
        <source>Радиус r1, мм</source>
        <translation>Radius r1, mm</translation>
    </message>
    <message>
        <source>Радиус r2, мм</source>
        <translation>Radius r2, mm</translation>
    </message>
    <message>
        <source>Отношение радиусов r1/r2, б/р</source>
        <translation>Radius ratio r1/r2, dimensionless</translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от вершины второй поверхности X2, мм</source>
        <translation>Stop distance from the rear surface vertex X2, mm</translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от переднего края мениска Xk, мм</source>
        <translation>Stop distance from the front edge of the meniscus Xk, mm</translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация %</source>
        <translation>Relative spherical aberration %</translation>
    </message>
    <message>
        <source>Относительная хроматическая аберрация б/р</source>
        <translation>Relative chromatic aberration, dimensionless</translation>
    </message>
    <message>
        <source>Толщина мениска по центру dm, мм</source>
        <translation>Meniscus centre thickness dm, mm</translation>
    </message>
    <message>
        <source>Такую линзу не сделать: толщина по центру dm от %1 до %2 мм, не больше нуля</source>
        <translation>No such lens can be made: centre thickness dm from %1 to %2 mm, not above zero</translation>
    </message>
    <message>
        <source>Такую линзу не сделать: стрелка dr1 до %1 мм, не меньше половины диаметра (%2 мм)</source>
        <translation>No such lens can be made: sag dr1 up to %1 mm, not below half the diameter (%2 mm)</translation>
    </message>
    <message>
        <source>Такую линзу не сделать: стрелка dr2 %1 мм, не меньше половины диаметра (%2 мм)</source>
        <translation>No such lens can be made: sag dr2 %1 mm, not below half the diameter (%2 mm)</translation>
    </message>
</context>
<context>
    <name>GlassChooser</name>
    <message>
        <source>Выбор стекла</source>
        <translation>Choose Glass</translation>
    </message>
    <message>
        <source>Марка или производитель: К8, N-BK7, Schott…</source>
        <translation>Glass or maker: K8, N-BK7, Schott…</translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>заданное</source>
        <translation>specified</translation>
    </message>
    <message>
        <source>ближайшие</source>
        <translation>nearest</translation>
    </message>
    <message>
        <source>выбранное</source>
        <translation>selected</translation>
    </message>
    <message>
        <source>Производитель</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>Марка</source>
        <translation>Glass</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>Штрихи и буквы</source>
        <translation>Lines and letters</translation>
    </message>
    <message>
        <source>Точки света на темном</source>
        <translation>Points of light on dark</translation>
    </message>
    <message>
        <source>Градиент со светлым ободом</source>
        <translation>Gradient with a bright rim</translation>
    </message>
    <message>
        <source>Открытый снимок</source>
        <translation>Opened picture</translation>
    </message>
    <message>
        <source>Панхроматический, без светофильтра</source>
        <translation>Panchromatic, no filter</translation>
    </message>
    <message>
        <source>Светофильтр Ж 1,4x</source>
        <translation>Yellow filter 1.4x</translation>
    </message>
    <message>
        <source>Светофильтр Ж 2x</source>
        <translation>Yellow filter 2x</translation>
    </message>
    <message>
        <source>Светофильтр О 2,8x</source>
        <translation>Orange filter 2.8x</translation>
    </message>
    <message>
        <source>Только линия d</source>
        <translation>The d line only</translation>
    </message>
    <message>
        <source>Линза:</source>
        <translation>Lens:</translation>
    </message>
    <message>
        <source>Диафрагменное число N:</source>
        <translation>F-number N:</translation>
    </message>
    <message>
        <source>Сдвиг фокуса, мм:</source>
        <translation>Focus shift, mm:</translation>
    </message>
    <message>
        <source>Сцена:</source>
        <translation>Scene:</translation>
    </message>
    <message>
        <source>Открыть снимок…</source>
        <translation>Open picture…</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Свет:</source>
        <translation>Light:</translation>
    </message>
    <message>
        <source>ФРТ на оси в логарифмической шкале</source>
        <translation>PSF on the axis on a log scale</translation>
    </message>
    <message>
        <source>Снимок «%1» не прочитан: %2</source>
        <translation>Picture “%1” not read: %2</translation>
    </message>
    <message>
        <source>размер %1 × %2 не подходит</source>
        <translation>its size %1 × %2 does not fit</translation>
    </message>
    <message>
        <source>пустой снимок</source>
        <translation>empty picture</translation>
    </message>
    <message>
        <source>снимок еще не рассчитан</source>
        <translation>the photograph is not computed yet</translation>
    </message>
    <message>
        <source>Открыть снимок</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>Снимки (*.jpg *.jpeg *.png *.tif *.tiff)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.tif *.tiff)</translation>
    </message>
    <message>
        <source>Сохранить снимок</source>
        <translation>Save photograph</translation>
    </message>
    <message>
        <source>PNG (*.png);;JPEG (*.jpg *.jpeg)</source>
        <translation>PNG (*.png);;JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Нет линзы: мениск не найден.</source>
        <translation>No lens: no meniscus was found.</translation>
    </message>
    <message>
        <source>Расчет…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>Изображение не получено: линза не строит его при этих N и сдвиге фокуса.</source>
        <translation>No image: the lens does not form one at this N and focus shift.</translation>
    </message>
    <message>
        <source>Частота МПФ по фокусу, лин/мм:</source>
        <translation>Through-focus MTF frequency, lp/mm:</translation>
    </message>
</context>
<context>
    <name>LensData</name>
    <message>
        <source>уточнено по лучам</source>
        <translation>refined by rays</translation>
    </message>
    <message>
        <source>расчет третьего порядка</source>
        <translation>third-order design</translation>
    </message>
    <message>
        <source> (шагов: %1)</source>
        <translation> (steps: %1)</translation>
    </message>
    <message>
        <source>Линза</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Радиус R1, мм</source>
        <translation>Radius R1, mm</translation>
    </message>
    <message>
        <source>Радиус R2, мм</source>
        <translation>Radius R2, mm</translation>
    </message>
    <message>
        <source>Толщина по оси dh, мм</source>
        <translation>Centre thickness dh, mm</translation>
    </message>
    <message>
        <source>Диаметр Dm, мм</source>
        <translation>Diameter Dm, mm</translation>
    </message>
    <message>
        <source>Толщина края, мм</source>
        <translation>Edge thickness, mm</translation>
    </message>
    <message>
        <source>Расстояние диафрагмы X1, мм</source>
        <translation>Stop distance X1, mm</translation>
    </message>
    <message>
        <source>Диаметр диафрагмы Df, мм</source>
        <translation>Stop diameter Df, mm</translation>
    </message>
    <message>
        <source>Световой диаметр поверхности 1, мм</source>
        <translation>Clear aperture of surface 1, mm</translation>
    </message>
    <message>
        <source>Световой диаметр поверхности 2, мм</source>
        <translation>Clear aperture of surface 2, mm</translation>
    </message>
    <message>
        <source>Стрелка поверхности 1 на Dm, мм</source>
        <translation>Sag of surface 1 at Dm, mm</translation>
    </message>
    <message>
        <source>Стрелка поверхности 2 на Dm, мм</source>
        <translation>Sag of surface 2 at Dm, mm</translation>
    </message>
    <message>
        <source>Диаметр кольца сферометра, мм</source>
        <translation>Spherometer ring diameter, mm</translation>
    </message>
    <message>
        <source>Стрелка поверхности 1 на кольце, мм</source>
        <translation>Sag of surface 1 at the ring, mm</translation>
    </message>
    <message>
        <source>Стрелка поверхности 2 на кольце, мм</source>
        <translation>Sag of surface 2 at the ring, mm</translation>
    </message>
    <message>
        <source>Стекло</source>
        <translation>Glass</translation>
    </message>
    <message>
        <source>Показатель преломления nd</source>
        <translation>Refractive index nd</translation>
    </message>
    <message>
        <source>Число Аббе νd</source>
        <translation>Abbe number νd</translation>
    </message>
    <message>
        <source>Данные линзы</source>
        <translation>Lens data</translation>
    </message>
</context>
<context>
    <name>LensTable</name>
    <message>
        <source>Радиус первой поверхности R1, мм</source>
        <translation>Radius of the first surface R1, mm</translation>
    </message>
    <message>
        <source>Радиус второй поверхности R2, мм</source>
        <translation>Radius of the second surface R2, mm</translation>
    </message>
    <message>
        <source>Толщина по центру dh, мм</source>
        <translation>Centre thickness dh, mm</translation>
    </message>
    <message>
        <source>Диафрагма от вершины передней поверхности X1, мм</source>
        <translation>Stop from the front surface&apos;s vertex X1, mm</translation>
    </message>
    <message>
        <source>Диафрагма от переднего края Xk, мм</source>
        <translation>Stop from the front rim Xk, mm</translation>
    </message>
    <message>
        <source>Диаметр мениска Dm, мм</source>
        <translation>Meniscus diameter Dm, mm</translation>
    </message>
    <message>
        <source>Диаметр диафрагмы Df, мм</source>
        <translation>Stop diameter Df, mm</translation>
    </message>
    <message>
        <source>Ширина края мениска, мм</source>
        <translation>Meniscus rim width, mm</translation>
    </message>
    <message>
        <source>Стрелка первой поверхности на Dm/2, мм</source>
        <translation>Sag of the first surface at Dm/2, mm</translation>
    </message>
    <message>
        <source>Стрелка второй поверхности на Dm/2, мм</source>
        <translation>Sag of the second surface at Dm/2, mm</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>размеры линзы непригодны для трассировки</source>
        <translation>the lens&apos;s dimensions cannot be traced</translation>
    </message>
    <message>
        <source>нужный луч не проходит через мениск</source>
        <translation>a ray it needs does not pass the meniscus</translation>
    </message>
    <message>
        <source>метод Ньютона не сошелся</source>
        <translation>Newton&apos;s method did not converge</translation>
    </message>
    <message>
        <source>заданная ширина края не положительна</source>
        <translation>the rim width asked for is not positive</translation>
    </message>
    <message>
        <source>толщина по центру стала бы нулевой или отрицательной</source>
        <translation>the centre thickness would become zero or negative</translation>
    </message>
    <message>
        <source>поверхность достигла полусферы над Dm</source>
        <translation>a surface reached a hemisphere over Dm</translation>
    </message>
    <message>
        <source>диафрагма оказалась бы за краем передней поверхности</source>
        <translation>the stop would stand behind the front surface&apos;s rim</translation>
    </message>
    <message>
        <source>арифметическая ошибка при расчете</source>
        <translation>an arithmetic fault in the computation</translation>
    </message>
    <message>
        <source>Уточнение лучами: нет расчета третьего порядка</source>
        <translation>Refinement by rays: no third-order design</translation>
    </message>
    <message>
        <source>Уточнение лучами сошлось, шагов метода Ньютона: %1</source>
        <translation>Refinement by rays converged in %1 Newton steps</translation>
    </message>
    <message>
        <source>Уточнение лучами не сошлось (шагов: %1): %2</source>
        <translation>Refinement by rays did not converge (%1 steps): %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Сохранить изменения в проекте?</source>
        <translation>Save changes to the project?</translation>
    </message>
    <message>
        <source>Сохранить изменения в проекте «%1»?</source>
        <translation>Save changes to the project &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Отчёт в PDF…</source>
        <translation>Report as PDF…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Экспорт таблиц в CSV…</source>
        <translation>Export tables as CSV…</translation>
    </message>
    <message>
        <source>Экспорт чертежа в SVG…</source>
        <translation>Export drawing as SVG…</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Язык / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Примечания</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Проверять ввод</source>
        <translation>Check input</translation>
    </message>
    <message>
        <source>при каждом нажатии (как всегда)</source>
        <translation>at every key (as always)</translation>
    </message>
    <message>
        <source>по Enter и при уходе из поля</source>
        <translation>on Enter and on leaving the field</translation>
    </message>
    <message>
        <source>Экспорт</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Zemax (.zmx)…</source>
        <translation>Zemax (.zmx)…</translation>
    </message>
    <message>
        <source>Рецепт линзы (.txt)…</source>
        <translation>Lens prescription (.txt)…</translation>
    </message>
    <message>
        <source>Чертеж</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Линза чертежа</source>
        <translation>Lens of the drawing</translation>
    </message>
    <message>
        <source>уточненная лучами, когда найдена</source>
        <translation>refined by rays, when found</translation>
    </message>
    <message>
        <source>уточненная лучами</source>
        <translation>refined by rays</translation>
    </message>
    <message>
        <source>третьего порядка</source>
        <translation>third order</translation>
    </message>
    <message>
        <source>Параметры чертежа…</source>
        <translation>Drawing settings…</translation>
    </message>
</context>
<context>
    <name>MtfPlot</name>
    <message>
        <source>ось</source>
        <translation>axis</translation>
    </message>
    <message>
        <source>край</source>
        <translation>edge</translation>
    </message>
    <message>
        <source>частота, лин/мм</source>
        <translation>frequency, lp/mm</translation>
    </message>
    <message>
        <source>— сагитт., - - танг.</source>
        <translation>— sagittal, - - tangential</translation>
    </message>
    <message>
        <source>МПФ на %1 лин/мм по фокусу</source>
        <translation>MTF at %1 lp/mm through focus</translation>
    </message>
    <message>
        <source>сдвиг фокуса, мм</source>
        <translation>focus shift, mm</translation>
    </message>
    <message>
        <source>%1 поля</source>
        <translation>%1 field</translation>
    </message>
</context>
<context>
    <name>OutputFiles</name>
    <message>
        <source>Файл «%1» не записан: %2</source>
        <translation>File &quot;%1&quot; not written: %2</translation>
    </message>
    <message>
        <source>это папка</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>это не обычный файл (устройство, канал или сокет)</source>
        <translation>it is not a regular file (a device, a pipe or a socket)</translation>
    </message>
    <message>
        <source>на диске нет места (%1)</source>
        <translation>the disk is full (%1)</translation>
    </message>
</context>
<context>
    <name>PsfPicture</name>
    <message>
        <source>поле %1 мкм</source>
        <translation>field %1 µm</translation>
    </message>
</context>
<context>
    <name>RayPlots</name>
    <message>
        <source>Проверка лучами невозможна: нет расчета</source>
        <translation>Ray check not possible: no design</translation>
    </message>
    <message>
        <source>ось</source>
        <translation>axis</translation>
    </message>
    <message>
        <source>0,7 поля</source>
        <translation>0.7 field</translation>
    </message>
    <message>
        <source>край поля</source>
        <translation>field edge</translation>
    </message>
    <message>
        <source>S — сагиттальный</source>
        <translation>S — sagittal</translation>
    </message>
    <message>
        <source>T — меридиональный</source>
        <translation>T — tangential</translation>
    </message>
    <message>
        <source>Ход лучей: диафрагма, мениск, изображение</source>
        <translation>Ray paths: stop, meniscus, image</translation>
    </message>
    <message>
        <source>Уточненный лучами мениск не найден: рисовать нечего</source>
        <translation>No meniscus refined by rays was found: nothing to draw</translation>
    </message>
    <message>
        <source>Пятна в плоскости наилучшей фокусировки, мкм (пунктир: кружок Эйри)</source>
        <translation>Spots in the best-focus plane, µm (dashed: the Airy disk)</translation>
    </message>
    <message>
        <source>Продольная сферическая аберрация</source>
        <translation>Longitudinal spherical aberration</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>h/hmax</source>
        <translation>h/hmax</translation>
    </message>
    <message>
        <source>Радиус пятна (ср. кв.) при расфокусировке</source>
        <translation>RMS spot radius through focus</translation>
    </message>
    <message>
        <source>мм от наилучшего фокуса</source>
        <translation>mm from the best focus</translation>
    </message>
    <message>
        <source>мкм</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>Астигматизм: фокусы S и T</source>
        <translation>Astigmatism: foci S and T</translation>
    </message>
    <message>
        <source>ω, °</source>
        <translation>ω, °</translation>
    </message>
</context>
<context>
    <name>RayTable</name>
    <message>
        <source>Фокусное расстояние (параксиальное) F&apos;, мм</source>
        <translation>Focal length (paraxial) F&apos;, mm</translation>
    </message>
    <message>
        <source>Задний фокальный отрезок (параксиальный) sf, мм</source>
        <translation>Back focal distance (paraxial) sf, mm</translation>
    </message>
    <message>
        <source>Продольная сферическая аберрация, край зрачка, мм</source>
        <translation>Longitudinal spherical aberration, pupil edge, mm</translation>
    </message>
    <message>
        <source>Продольная сферическая аберрация, зона 0,7, мм</source>
        <translation>Longitudinal spherical aberration, 0.7 zone, mm</translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация Kсф по лучам, %</source>
        <translation>Relative spherical aberration Ksph, traced, %</translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация Kсф заданная, %</source>
        <translation>Relative spherical aberration Ksph, specified, %</translation>
    </message>
    <message>
        <source>Смещение плоскости наилучшей фокусировки, мм</source>
        <translation>Best-focus plane shift, mm</translation>
    </message>
    <message>
        <source>Радиус пятна (ср. кв.) на оси, мкм</source>
        <translation>RMS spot radius, on axis, µm</translation>
    </message>
    <message>
        <source>Радиус пятна (ср. кв.), 0,7 поля, мкм</source>
        <translation>RMS spot radius, 0.7 field, µm</translation>
    </message>
    <message>
        <source>Радиус пятна (ср. кв.), край поля, мкм</source>
        <translation>RMS spot radius, field edge, µm</translation>
    </message>
    <message>
        <source>Диаметр кружка Эйри, мкм</source>
        <translation>Airy disk diameter, µm</translation>
    </message>
    <message>
        <source>Сагиттальный фокус, край поля, мм</source>
        <translation>Sagittal focus, field edge, mm</translation>
    </message>
    <message>
        <source>Меридиональный фокус, край поля, мм</source>
        <translation>Tangential focus, field edge, mm</translation>
    </message>
    <message>
        <source>Дисторсия, край поля, %</source>
        <translation>Distortion, field edge, %</translation>
    </message>
    <message>
        <source>Продольный хроматизм (F – C), мм</source>
        <translation>Longitudinal chromatic aberration (F – C), mm</translation>
    </message>
    <message>
        <source>Виньетирование, край поля, %</source>
        <translation>Vignetting, field edge, %</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Третий порядок</source>
        <translation>Third order</translation>
    </message>
    <message>
        <source>Уточнено лучами</source>
        <translation>Refined by rays</translation>
    </message>
</context>
<context>
    <name>RayView</name>
    <message>
        <source>Проверка расчета точной трассировкой лучей через мениск и диафрагму</source>
        <translation>Checking the design by exact ray tracing through the meniscus and stop</translation>
    </message>
    <message>
        <source>Результаты трассировки лучей</source>
        <translation>Ray tracing results</translation>
    </message>
    <message>
        <source>Мениск: третий порядок и уточненный лучами</source>
        <translation>Meniscus: third order and refined by rays</translation>
    </message>
    <message>
        <source>Любое N:</source>
        <translation>Any N:</translation>
    </message>
    <message>
        <source>Радиусы: пятна рассеяния (ср. кв.) на оси и на краю поля в плоскости наилучшей фокусировки, кружка Эйри. Жирным: N самого мениска. Последняя строка: N из этого поля (от 1 до 64).</source>
        <translation>Radii: the RMS spots on the axis and at the field&apos;s edge in the best-focus plane, the Airy disk. In bold: the meniscus&apos;s own N. Last row: the N of this field (1 to 64).</translation>
    </message>
    <message>
        <source>Рисунки:</source>
        <translation>Pictures:</translation>
    </message>
</context>
<context>
    <name>RayWarnings</name>
    <message>
        <source>Диафрагма пересекает мениск</source>
        <translation>The stop cuts into the meniscus</translation>
    </message>
    <message>
        <source>Острый край мениска</source>
        <translation>Sharp meniscus rim</translation>
    </message>
    <message>
        <source>Поверхность близка к полусфере</source>
        <translation>A surface close to a hemisphere</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>monocl %1 — Выбор наилучших конструктивных параметров монокля</source>
        <translation>monocl %1 — Choosing the best design parameters of a monocle</translation>
    </message>
    <message>
        <source>monocl — страница %1 из %2</source>
        <translation>monocl — page %1 of %2</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>не сохранен</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Прямая задача (вкладка «Расчет»)</source>
        <translation>Direct problem (&quot;Design&quot; tab)</translation>
    </message>
    <message>
        <source>Обратная задача (вкладка «Прогноз»)</source>
        <translation>Inverse problem (&quot;Forecast&quot; tab)</translation>
    </message>
    <message>
        <source>Выводы</source>
        <translation>Conclusions</translation>
    </message>
    <message>
        <source>Рекомендации</source>
        <translation>Recommendations</translation>
    </message>
    <message>
        <source>Рабочий чертеж мениска</source>
        <translation>Workshop drawing of the meniscus</translation>
    </message>
    <message>
        <source>Расчет монокля</source>
        <translation>Monocle design</translation>
    </message>
    <message>
        <source>Печать отчета</source>
        <translation>Print Report</translation>
    </message>
    <message>
        <source>от %1 до %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Фокусное расстояние монокля, мм</source>
        <translation>Monocle focal length, mm</translation>
    </message>
    <message>
        <source>Поле зрения, угловые градусы (2b)</source>
        <translation>Field of view, degrees (2b)</translation>
    </message>
    <message>
        <source>Относительная толщина края</source>
        <translation>Relative edge thickness</translation>
    </message>
    <message>
        <source>Показатель преломления (на линии d=0,5875 мкм)</source>
        <translation>Refractive index (at line d = 0.5875 µm)</translation>
    </message>
    <message>
        <source>Число Аббе</source>
        <translation>Abbe number</translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация, %</source>
        <translation>Relative spherical aberration, %</translation>
    </message>
    <message>
        <source>Относительная хроматическая аберрация</source>
        <translation>Relative chromatic aberration</translation>
    </message>
    <message>
        <source>Светофильтр</source>
        <translation>Light filter</translation>
    </message>
    <message>
        <source>Тип фотоматериала</source>
        <translation>Film type</translation>
    </message>
    <message>
        <source>Тип коррекции</source>
        <translation>Correction type</translation>
    </message>
    <message>
        <source>Высота линзы hm, мм</source>
        <translation>Lens height hm, mm</translation>
    </message>
    <message>
        <source>Толщина края (фальцета) с фаской h, мм</source>
        <translation>Edge thickness with bevel h, mm</translation>
    </message>
    <message>
        <source>Диаметр линзы d, мм</source>
        <translation>Lens diameter d, mm</translation>
    </message>
    <message>
        <source>Фокусное расстояние F, мм</source>
        <translation>Focal length F, mm</translation>
    </message>
    <message>
        <source>Относительное фокусное расстояние N</source>
        <translation>F-number N</translation>
    </message>
    <message>
        <source>Расчет прерван ошибкой: %1</source>
        <translation>Design aborted by an error: %1</translation>
    </message>
    <message>
        <source>Рисунки проверки лучами: %1</source>
        <translation>Ray check pictures: %1</translation>
    </message>
    <message>
        <source>Допуски по оптике</source>
        <translation>Tolerances from the optics</translation>
    </message>
    <message>
        <source>Рабочий чертеж мениска, масштаб %1</source>
        <translation>Workshop drawing of the meniscus, scale %1</translation>
    </message>
</context>
<context>
    <name>ToleranceTable</name>
    <message>
        <source>Размер</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>Номинал, мм</source>
        <translation>Nominal, mm</translation>
    </message>
    <message>
        <source>Допуск ±</source>
        <translation>Tolerance ±</translation>
    </message>
    <message>
        <source>dF&apos;/dx</source>
        <translation>dF&apos;/dx</translation>
    </message>
    <message>
        <source>dsf/dx</source>
        <translation>dsf/dx</translation>
    </message>
    <message>
        <source>dKсф/dx, %/мм</source>
        <translation>dKsph/dx, %/mm</translation>
    </message>
    <message>
        <source>Доля бюджета, %</source>
        <translation>Share of the budget, %</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>%1 колец (%2)</source>
        <translation>%1 fringes (%2)</translation>
    </message>
    <message>
        <source>Бюджет: F&apos; ±%1 % (±%2 мм), sf ±%3 мм, Kсф ±%4 % (±%5 %). Допуски поделены поровну по сумме квадратов и округлены вниз до шага мастерской.</source>
        <translation>Budget: F&apos; ±%1 % (±%2 mm), sf ±%3 mm, Ksph ±%4 % (±%5 %). The tolerances share it evenly by root sum square, rounded down to the workshop&apos;s step.</translation>
    </message>
    <message>
        <source>Монте-Карло, %1 линз в пределах допусков: в бюджете %2 % (цель — не менее %3 %).</source>
        <translation>Monte Carlo, %1 lenses within the tolerances: %2 % within the budget (the goal is at least %3 %).</translation>
    </message>
    <message>
        <source>Для этого ужесточены допуски, отмеченные *, всего на %1 шаг(ов) у наибольших вкладов.</source>
        <translation>For this the tolerances marked * were tightened, by %1 step(s) in all, at the largest contributors.</translation>
    </message>
    <message>
        <source>Цель не достигнута и на самых узких допусках: бюджет для этой линзы слишком тесен.</source>
        <translation>The goal is not met even at the finest tolerances: the budget is too tight for this lens.</translation>
    </message>
</context>
<context>
    <name>Toptmono</name>
    <message>
        <source>Стекло: %1 (%2)</source>
        <translation>Glass: %1 (%2)</translation>
    </message>
    <message>
        <source>Стёкла каталога: %1</source>
        <translation>Catalogue glasses: %1</translation>
    </message>
    <message>
        <source>Стёкла каталога, из которых может быть сделана измеренная линза: nd и Vd в заданном диапазоне</source>
        <translation>Catalogue glasses the measured lens may be made of: nd and Vd within the given range</translation>
    </message>
    <message>
        <source>Kсф=</source>
        <translation>Ksph=</translation>
    </message>
    <message>
        <source>Kхр=</source>
        <translation>Kchr=</translation>
    </message>
    <message>
        <source>Выбор наилучших конструктивных параметров монокля </source>
        <translation>Choosing the best design parameters of a monocle </translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <source>Проверка лучами</source>
        <translation>Ray check</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Схема монокля</source>
        <translation>Monocle layout</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Программа предназначена для расчета конструктивных параметров </source>
        <translation>The program calculates the design parameters </translation>
    </message>
    <message>
        <source>оптической системы типа &quot;монокль&quot; для пикториальной фотографии.</source>
        <translation>of a &quot;monocle&quot; type optical system for pictorial photography.</translation>
    </message>
    <message>
        <source>Расчет проводится методом теории аберраций третьего порядка Зейделя.</source>
        <translation>The calculation uses Seidel third-order aberration theory.</translation>
    </message>
    <message>
        <source>Версия %1 · лицензия MIT · Qt %2
Каталог оптических стёкол: база данных refractiveindex.info (github.com/polyanskiy/refractiveindex.info-database), общественное достояние (CC0 1.0)</source>
        <translation>Version %1 · MIT licence · Qt %2
Optical glass catalogue: refractiveindex.info database (github.com/polyanskiy/refractiveindex.info-database), public domain (CC0 1.0)</translation>
    </message>
    <message>
        <source>Прямая задача проектирования монокля - выбор конструктивных параметров мениска</source>
        <translation>Direct monocle design problem – choosing the meniscus design parameters</translation>
    </message>
    <message>
        <source>Внешние конструктивные параметры</source>
        <translation>External design parameters</translation>
    </message>
    <message>
        <source>Фокусное расстояние монокля, мм</source>
        <translation>Monocle focal length, mm</translation>
    </message>
    <message>
        <source>Поле зрения, угловые градусы (2b)</source>
        <translation>Field of view, degrees (2b)</translation>
    </message>
    <message>
        <source>Относительная толщина края</source>
        <translation>Relative edge thickness</translation>
    </message>
    <message>
        <source>б/р  5 )</source>
        <translation>dimensionless  5 )</translation>
    </message>
    <message>
        <source>Сорт оптического стекла</source>
        <translation>Optical glass</translation>
    </message>
    <message>
        <source>Показатель преломления (на линии d=0,5875 мкм)</source>
        <translation>Refractive index (at line d = 0.5875 µm)</translation>
    </message>
    <message>
        <source>Число Аббе</source>
        <translation>Abbe number</translation>
    </message>
    <message>
        <source>Каталог…</source>
        <translation>Catalogue…</translation>
    </message>
    <message>
        <source>Относительные аберрации</source>
        <translation>Relative aberrations</translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация %  (задается в диапазоне от 0,25% до 0,5%)</source>
        <translation>Relative spherical aberration %  (set between 0.25 % and 0.5 %)</translation>
    </message>
    <message>
        <source>Kсф=0,37 </source>
        <translation>Ksph=0.37 </translation>
    </message>
    <message>
        <source>Относительная хроматическая аберрация  (задается в диапазоне от 0,25 до 0,5 )</source>
        <translation>Relative chromatic aberration  (set between 0.25 and 0.5 )</translation>
    </message>
    <message>
        <source>Kхр=0,37 </source>
        <translation>Kchr=0.37 </translation>
    </message>
    <message>
        <source>б/р  2 )</source>
        <translation>2 )</translation>
    </message>
    <message>
        <source>Светофильтр</source>
        <translation>Light filter</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Ж 1,4х</source>
        <translation>Y 1.4×</translation>
    </message>
    <message>
        <source>Ж 2х</source>
        <translation>Y 2×</translation>
    </message>
    <message>
        <source>Тип фотоматериала</source>
        <translation>Film type</translation>
    </message>
    <message>
        <source>панхроматический</source>
        <translation>Panchromatic</translation>
    </message>
    <message>
        <source>Тип коррекции</source>
        <translation>Correction type</translation>
    </message>
    <message>
        <source>апланат - квазианастигмат   3)</source>
        <translation>aplanat – quasi-anastigmat   3)</translation>
    </message>
    <message>
        <source>анастигмат  4)</source>
        <translation>anastigmat  4)</translation>
    </message>
    <message>
        <source>Эскиз</source>
        <translation>Sketch</translation>
    </message>
    <message>
        <source>Расчетные параметры</source>
        <translation>Design results</translation>
    </message>
    <message>
        <source>Обратная задача проектирования монокля - прогноз характеристик монокля из готового мениска</source>
        <translation>Inverse monocle design problem – forecasting a monocle from a finished meniscus</translation>
    </message>
    <message>
        <source>Измеряемые параметры</source>
        <translation>Measured parameters</translation>
    </message>
    <message>
        <source>Высота линзы, мм hm=</source>
        <translation>Lens height, mm hm=</translation>
    </message>
    <message>
        <source>Толщина края (фальцета) с фаской, мм h=</source>
        <translation>Edge thickness with bevel, mm h=</translation>
    </message>
    <message>
        <source>Диаметр линзы, мм d=</source>
        <translation>Lens diameter, mm d=</translation>
    </message>
    <message>
        <source>Фокусное расстояние F, мм</source>
        <translation>Focal length F, mm</translation>
    </message>
    <message>
        <source>Диапазон параметров стекла</source>
        <translation>Glass range</translation>
    </message>
    <message>
        <source>от</source>
        <translation>from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Задаваемые параметры</source>
        <translation>Specified parameters</translation>
    </message>
    <message>
        <source>Относительное фокусное расстояние N=</source>
        <translation>F-number N=</translation>
    </message>
    <message>
        <source>О 2,8х</source>
        <translation>O 2.8×</translation>
    </message>
    <message>
        <source>Прогнозируемые параметры монокля</source>
        <translation>Forecast monocle parameters</translation>
    </message>
    <message>
        <source>Выводы</source>
        <translation>Conclusions</translation>
    </message>
    <message>
        <source>Рекомендации</source>
        <translation>Recommendations</translation>
    </message>
    <message>
        <source>Примечания</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>1)  отношение диаметра поперечной сферической аберрации для зоны 0,7 диаметра зрачка к фокусному расстоянию системы</source>
        <translation>1)  ratio of the transverse spherical aberration diameter for the 0.7 pupil zone to the system focal length</translation>
    </message>
    <message>
        <source>2)  отношение поперечной  хроматической аберрации к поперечной сферической аберрации</source>
        <translation>2)  ratio of the transverse chromatic aberration to the transverse spherical aberration</translation>
    </message>
    <message>
        <source>3)  стандартный тип монокля - нулевая кома,  минимальный радиус средней фокальной поверхности </source>
        <translation>3)  standard monocle type – zero coma, minimum radius of the medial focal surface </translation>
    </message>
    <message>
        <source>4)  нулевой астигматизм, средняя кривизна фокальной поверхности равна кривизне Петцваля</source>
        <translation>4)  zero astigmatism, the medial focal surface curvature equals the Petzval curvature</translation>
    </message>
    <message>
        <source>5)  отношение диаметра к ширины фальцета (края) мениска  </source>
        <translation>5)  ratio of the diameter to the edge (land) width of the meniscus  </translation>
    </message>
    <message>
        <source>Показан предыдущий расчет.</source>
        <translation>The previous design is shown.</translation>
    </message>
    <message>
        <source>Не число: по Enter или при уходе из поля вернется %1</source>
        <translation>Not a number: Enter or leaving the field brings back %1</translation>
    </message>
    <message>
        <source>Вне допустимых значений: по Enter или при уходе из поля будет %1</source>
        <translation>Out of range: Enter or leaving the field makes it %1</translation>
    </message>
    <message>
        <source>Изображение</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>WorkshopDrawing</name>
    <message>
        <source>Рабочий чертеж мениска</source>
        <translation>Workshop drawing of the meniscus</translation>
    </message>
    <message>
        <source>Расчет прерван ошибкой: чертеж не построен.</source>
        <translation>Design aborted by an error: no drawing.</translation>
    </message>
    <message>
        <source>Мениск для этих требований не найден: чертеж не построен.</source>
        <translation>No meniscus meets these requirements: no drawing.</translation>
    </message>
    <message>
        <source>Поверхности мениска не сходятся по его диаметру: чертеж не построен.</source>
        <translation>The meniscus surfaces do not form an edge at its diameter: no drawing.</translation>
    </message>
    <message>
        <source>Мениск для этих требований не найден</source>
        <translation>No meniscus meets these requirements</translation>
    </message>
    <message>
        <source>Поверхности мениска не сходятся по его диаметру</source>
        <translation>The meniscus surfaces do not form an edge at its diameter</translation>
    </message>
    <message>
        <source>%1 Чертеж не построен.</source>
        <translation>%1 No drawing.</translation>
    </message>
    <message>
        <source>Уточненная лучами линза не найдена: чертеж не построен.</source>
        <translation>No lens refined by rays was found: no drawing.</translation>
    </message>
    <message>
        <source>Стрелки поверхностей: на диаметре Ø%1 и на кольце сферометра Ø%2.</source>
        <translation>Surface sags: at the diameter Ø%1 and at the spherometer ring Ø%2.</translation>
    </message>
    <message>
        <source>стекло nd %1, νd %2</source>
        <translation>glass nd %1, νd %2</translation>
    </message>
    <message>
        <source>Уточненная лучами линза не найдена: %1</source>
        <translation>No lens refined by rays was found: %1</translation>
    </message>
    <message>
        <source>Фаски защитные %1×45°.</source>
        <translation>Protective bevels %1×45°.</translation>
    </message>
    <message>
        <source>Допуски не рассчитаны: линза не трассируется.</source>
        <translation>No tolerances: the lens cannot be traced.</translation>
    </message>
    <message>
        <source>Радиус, мм</source>
        <translation>Radius, mm</translation>
    </message>
    <message>
        <source>Световой диаметр</source>
        <translation>Clear aperture</translation>
    </message>
    <message>
        <source>Стрелка на Dm</source>
        <translation>Sag at Dm</translation>
    </message>
    <message>
        <source>Стрелка на кольце</source>
        <translation>Sag at the ring</translation>
    </message>
    <message>
        <source>3/ форма</source>
        <translation>3/ form</translation>
    </message>
    <message>
        <source>4/ центрирование</source>
        <translation>4/ centring</translation>
    </message>
    <message>
        <source>5/ дефекты поверхности</source>
        <translation>5/ surface imperfections</translation>
    </message>
    <message>
        <source>Покрытие</source>
        <translation>Coating</translation>
    </message>
    <message>
        <source>Поверхность 1</source>
        <translation>Surface 1</translation>
    </message>
    <message>
        <source>Поверхность 2</source>
        <translation>Surface 2</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>не сохранен</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>Линза мениск монокля</source>
        <translation>Monocle meniscus lens</translation>
    </message>
    <message>
        <source>Материал: %1</source>
        <translation>Material: %1</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Линза: %1</source>
        <translation>Lens: %1</translation>
    </message>
    <message>
        <source>Масштаб %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>Размеры в мм</source>
        <translation>Dimensions in mm</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Размеры в миллиметрах. Масштаб %1.</source>
        <translation>Dimensions in millimetres. Scale %1.</translation>
    </message>
    <message>
        <source>Поверхности по ISO 10110: CX — выпуклая, CC — вогнутая, если смотреть снаружи линзы.</source>
        <translation>Surfaces after ISO 10110: CX convex, CC concave, as seen from outside the lens.</translation>
    </message>
    <message>
        <source>X1 — расстояние диафрагмы от вершины передней поверхности, минус — перед мениском.</source>
        <translation>X1 is the stop&apos;s distance from the front vertex, negative in front of the meniscus.</translation>
    </message>
    <message>
        <source>В скобках — справочный размер.</source>
        <translation>A dimension in brackets is for reference.</translation>
    </message>
    <message>
        <source>monocl, масштаб %1</source>
        <translation>monocl, scale %1</translation>
    </message>
</context>
</TS>
