<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Записать обе таблицы в CSV-файл ФАЙЛ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать отчет в PDF-файл ФАЙЛ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать рабочий чертеж мениска в SVG-файл ФАЙЛ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить исходные данные в файл проекта ФАЙЛ (.monocl).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка: monocl --help
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчет монокля: мягкорисующего объектива из одного мениска с диафрагмой.
Без параметров вывода открывается окно программы. С ними программа
считает по файлу проекта (или по исходным значениям), записывает файлы
и завершается: 0 — готово, 1 — ошибка в параметрах или файле (ничего не
записано), 2 — арифметическая ошибка расчета (файлы записаны так, как
их показало бы окно).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вывести встроенный каталог стекол в CSV (maker, name, nd, vd).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык окна и файлов: ru или en (вместо выбранного в меню).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>проект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл проекта .monocl; без него — исходные значения.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[проект]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у параметра --lang допустимы ru и en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list-glasses не сочетается с --%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list-glasses не читает файл проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ожидается не больше одного файла проекта, а дано %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>параметр --%1 дан больше одного раза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>у параметра --%1 пустое имя файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл «%1» назван для вывода дважды</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Conclusions</name>
    <message>
        <source>Мениск можно применять без светофильтра</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Применять желтый светофильтр Ж 1.4х</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Применять желтый светофильтр Ж 2х</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Применять светофильтр О 2,8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сферическая аберрация больше  0,5% фокуса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сферическая аберрация меньше 0,25% фокуса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хроматическая аберрация в %1 раза больше допустимой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хроматическая аберрация меньше 0,25 сферической</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>оптическая система удовлетворяет условиям мягкого рисунка !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рекомендуемое относительное отверстие от %1 до %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignDocument</name>
    <message>
        <source>Проект монокля (*.monocl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть проект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>;;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить проект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблицы в CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чертеж в SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чертеж SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчет в PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчет PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>Файл «%1» не открыт: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не JSON (ошибка «%1» у символа %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в нем не объект JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не проект монокля (format &quot;%1&quot; вместо &quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия %1 не поддерживается, ожидается %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>такого файла нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>он больше 1 МиБ (%1 байт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>его не удается прочитать (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>он больше 1 МиБ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>логическое значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>массив</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>объект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет значения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет поля «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле «%1» должно быть объектом, а не «%2»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле «%1» должно быть числом, а не «%2»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>число в поле «%1» не конечно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле «%1» должно быть целым числом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле «%1» должно быть строкой, а не «%2»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в поле «%1» значение &quot;%2&quot;, а допустимы %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignTable</name>
    <message>
        <source>Относительное фокусное расстояние  N,  б/р</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр диафрагмы                 Df, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус первой поверхности         R1, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус второй поверхности         R2, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отношение радиусов         R1/R2, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от вершины передней поверхности мениска X1 , мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от вершины задней поверхности  мениска X2 , мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от переднего края мениска Xk , мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр мениска                 Dm, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина мениска по центру            dh, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ширина края мениска           h, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задний фокальный отрезок sf, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус кривизны фокальной поверхности Петцваля  Rp, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус  кривизны средней фокальной поверхности   Rs, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус  кривизны меридиональной фокальной поверхности   Rm, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус  кривизны тангенциальной фокальной поверхности   Rt, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр пятна сферической аберрации для зоны 0,7  dS, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр пятна астигматизма в средней плоскости для края поля зрения dA, мм </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус пятна комы  для края поля зрения rK, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Линейная дисторсия на краю поля зрения  dl, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная дисторсия на краю поля зрения  kd, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка разрешения в центре поля зрения v1,  лин/мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Оценка разрешения на краю поля зрения  v2,  лин/мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перефокусировка для компенсации хроматической разности (для объекта в бесконечности), мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конструктивный параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForecastTable</name>
    <message>
        <source>Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стрелка кривизны dr2, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стрелка кривизны dr1, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус r1, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус r2, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отношение радиусов r1/r2, б/р</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от вершины второй поверхности X2, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расстояние диафрагмы от переднего края мениска Xk, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная хроматическая аберрация б/р</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина мениска по центру dm, мм</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlassChooser</name>
    <message>
        <source>Выбор стекла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Марка или производитель: К8, N-BK7, Schott…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заданное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ближайшие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выбранное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Производитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Марка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Сохранить изменения в проекте?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить изменения в проекте «%1»?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт в PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт таблиц в CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт чертежа в SVG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык / Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Русский</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примечания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFiles</name>
    <message>
        <source>Файл «%1» не записан: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RayPlots</name>
    <message>
        <source>Проверка лучами невозможна: нет расчета</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пятна рассеяния в плоскости наилучшей фокусировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ось</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,7 поля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>край поля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продольная сферическая аберрация, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Астигматизм: сагиттальный и меридиональный фокусы, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S — сагиттальный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T — меридиональный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход лучей: диафрагма, мениск, изображение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RayTable</name>
    <message>
        <source>Фокусное расстояние (параксиальное) F&apos;, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задний фокальный отрезок (параксиальный) sf, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продольная сферическая аберрация, край зрачка, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продольная сферическая аберрация, зона 0,7, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация Kсф по лучам, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация Kсф заданная, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение плоскости наилучшей фокусировки, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус пятна (ср. кв.) на оси, мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус пятна (ср. кв.), 0,7 поля, мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Радиус пятна (ср. кв.), край поля, мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр кружка Эйри, мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сагиттальный фокус, край поля, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меридиональный фокус, край поля, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дисторсия, край поля, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продольный хроматизм (F – C), мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виньетирование, край поля, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>monocl %1 — Выбор наилучших конструктивных параметров монокля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monocl — страница %1 из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочий чертеж мениска, масштаб 1:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не сохранен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямая задача (вкладка «Расчет»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратная задача (вкладка «Прогноз»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выводы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рекомендации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочий чертеж мениска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчет монокля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать отчета</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>от %1 до %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фокусное расстояние монокля, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле зрения, угловые градусы (2b)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная толщина края</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления (на линии d=0,5875 мкм)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число Аббе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная хроматическая аберрация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Светофильтр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип фотоматериала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип коррекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота линзы hm, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина края (фальцета) с фаской h, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр линзы d, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фокусное расстояние F, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительное фокусное расстояние N</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Toptmono</name>
    <message>
        <source>Стекло: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стёкла каталога: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стёкла каталога, из которых может быть сделана измеренная линза: nd и Vd в заданном диапазоне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kсф=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kхр=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбор наилучших конструктивных параметров монокля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка лучами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема монокля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программа предназначена для расчета конструктивных параметров </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>оптической системы типа &quot;монокль&quot; для пикториальной фотографии.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчет проводится методом теории аберраций третьего порядка Зейделя.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия %1 · лицензия MIT · Qt %2
Каталог оптических стёкол: база данных refractiveindex.info (github.com/polyanskiy/refractiveindex.info-database), общественное достояние (CC0 1.0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прямая задача проектирования монокля - выбор конструктивных параметров мениска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Внешние конструктивные параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фокусное расстояние монокля, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле зрения, угловые градусы (2b)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная толщина края</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>б/р  5 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сорт оптического стекла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления (на линии d=0,5875 мкм)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число Аббе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каталог…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительные аберрации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная сферическая аберрация %  (задается в диапазоне от 0,25% до 0,5%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kсф=0,37 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительная хроматическая аберрация  (задается в диапазоне от 0,25 до 0,5 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kхр=0,37 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>б/р  2 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Светофильтр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ж 1,4х</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ж 2х</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип фотоматериала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>панхроматический</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тип коррекции</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>апланат - квазианастигмат   3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>анастигмат  4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эскиз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчетные параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратная задача проектирования монокля - прогноз характеристик монокля из готового мениска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Измеряемые параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Высота линзы, мм hm=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Толщина края (фальцета) с фаской, мм h=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаметр линзы, мм d=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фокусное расстояние F, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диапазон параметров стекла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>от</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>до</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Задаваемые параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Относительное фокусное расстояние N=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О 2,8х</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прогнозируемые параметры монокля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выводы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рекомендации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка расчета точной трассировкой лучей через мениск и диафрагму</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результаты трассировки лучей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примечания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1)  отношение диаметра поперечной сферической аберрации для зоны 0,7 диаметра зрачка к фокусному расстоянию системы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2)  отношение поперечной  хроматической аберрации к поперечной сферической аберрации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3)  стандартный тип монокля - нулевая кома,  минимальный радиус средней фокальной поверхности </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4)  нулевой астигматизм, средняя кривизна фокальной поверхности равна кривизне Петцваля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5)  отношение диаметра к ширины фальцета (края) мениска  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkshopDrawing</name>
    <message>
        <source>Рабочий чертеж мениска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Размеры в миллиметрах. Масштаб 1:%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R1, R2 со знаком: центр кривизны лежит на оси на расстоянии R от вершины,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>при R &lt; 0 — со стороны диафрагмы. X1 — расстояние диафрагмы от вершины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>передней поверхности, минус — перед мениском. В скобках — справочный размер.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчет прерван ошибкой: чертеж не построен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мениск для этих требований не найден: чертеж не построен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поверхности мениска не сходятся по его диаметру: чертеж не построен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monocl, масштаб 1:1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
