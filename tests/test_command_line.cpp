// The monocl program run from the command line, as a user runs it, over
// real files. No display: the program takes the offscreen platform itself.
#include "command_line_fixture.h"

TEST_F(CommandLine, HelpAndVersion)
{
    const Outcome help = monocl({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    for (const char* option : {"--csv", "--report", "--svg", "--save", "--version"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
    const Outcome version = monocl({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("monocl 1.0.0\n"));
}

TEST_F(CommandLine, LangChoosesTheLanguageOfTheOutputsNotTheirNumbers)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const Outcome english = monocl({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--csv"),
                                    QStringLiteral("en.csv")});
    ASSERT_EQ(english.exitCode, 0) << english.err.toStdString();
    const QString en = QString::fromUtf8(readFile(QStringLiteral("en.csv")));
    EXPECT_FALSE(en.contains(cyrillic)) << en.toStdString();
    EXPECT_TRUE(en.contains(QStringLiteral("Design parameter;Value"))) << "a comma locale's CSV";
    ASSERT_EQ(monocl({QStringLiteral("--lang=ru"), QStringLiteral("--csv"), QStringLiteral("ru.csv")}).exitCode, 0);
    const QString ru = QString::fromUtf8(readFile(QStringLiteral("ru.csv")));
    EXPECT_TRUE(ru.contains(QStringLiteral("Конструктивный параметр;Значение")));
    // Row by row, the same values; the header rows are words.
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    const auto values = [](const QString& csv) {
        QStringList found;
        for (const QString& line : csv.split(QStringLiteral("\r\n")))
            if (const QString value = line.section(QLatin1Char(';'), 1); !value.contains(letter))
                found << value;
        return found;
    };
    EXPECT_EQ(values(en), values(ru));

    const Outcome wrong = monocl({QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--csv"),
                                  QStringLiteral("de.csv")});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("de.csv"))));
    EXPECT_TRUE(monocl({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--help")})
                    .out.contains(QStringLiteral("Write both tables")));
}

TEST_F(CommandLine, WritesEachOutputAlone)
{
    const struct {
        const char* option;
        const char* file;
        QByteArray starts;
    } outputs[] = {
        {"--csv", "tables.csv", "Расчетные параметры\r\nКонструктивный параметр;Значение\r\n"},
        {"--report", "report.pdf", "%PDF-"},
        {"--svg", "drawing.svg", "<?xml"},
        {"--save", "design.monocl", "{"},
    };
    for (const auto& o : outputs) {
        const QString name = QString::fromLatin1(o.file);
        const Outcome r = monocl({QString::fromLatin1(o.option), name});
        EXPECT_EQ(r.exitCode, 0) << o.option << " " << r.err.toStdString();
        EXPECT_TRUE(readFile(name).startsWith(o.starts)) << o.option;
        QFile::remove(path(name));
        EXPECT_EQ(files(), QStringList{}) << o.option;
    }
    // From the start values the saved file is a design of the start values.
    ASSERT_EQ(monocl({QStringLiteral("--save"), QStringLiteral("start.monocl")}).exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("start.monocl")), design(monocl::DesignData{}));
}

TEST_F(CommandLine, OutputsFollowTheFileAndTheLocale)
{
    monocl::DesignData data = startWith([](monocl::DesignData& d) {
        d.focalLength = 60;
        d.correction = monocl::Correction::Anastigmat;
        d.edgeRatio = 6;
        d.lensHeight = 5;
        d.edge = 2;
        d.sphericalBar = 20;
        d.glass = monocl::GlassChoice{QStringLiteral("ЛЗОС"), QStringLiteral("К8")};
    });
    writeFile(QStringLiteral("lens.monocl"), design(data));
    for (const char* locale : {"ru_RU.UTF-8", "C"}) {
        const QChar decimal = qstrcmp(locale, "C") == 0 ? QLatin1Char('.') : QLatin1Char(',');
        const Outcome r = monocl({QStringLiteral("--csv"), QStringLiteral("t.csv"), QStringLiteral("--report"),
                              QStringLiteral("r.pdf"), QStringLiteral("--svg"), QStringLiteral("d.svg"),
                              QStringLiteral("--save"), QStringLiteral("again.monocl"),
                              QStringLiteral("lens.monocl")},
                             locale);
        ASSERT_EQ(r.exitCode, 0) << locale << r.err.toStdString();

        // The same design, glass and all, comes back.
        EXPECT_EQ(readFile(QStringLiteral("again.monocl")), design(data)) << locale;

        // The tables, the separator following the decimal separator.
        const QStringList csv = QString::fromUtf8(readFile(QStringLiteral("t.csv"))).split(QStringLiteral("\r\n"));
        const QChar separator = decimal == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
        ASSERT_GT(csv.size(), 4);
        EXPECT_EQ(csv[1], QStringLiteral("Конструктивный параметр") + separator + QStringLiteral("Значение"));
        // Row 1: the f-number, one decimal in the locale's separator.
        static const QRegularExpression fNumber(QStringLiteral("^\"?Относительное фокусное расстояние  N,  б/р\"?[;,](\\d+)([.,])\\d$"));
        const QRegularExpressionMatch m = fNumber.match(csv[2]);
        ASSERT_TRUE(m.hasMatch()) << csv[2].toStdString();
        EXPECT_EQ(m.captured(2), QString(decimal)) << locale;

        // The report: A4 pages of text.
        const Outcome info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                         QStringLiteral("-l"), QStringLiteral("99"),
                                                         QStringLiteral("r.pdf")});
        ASSERT_EQ(info.exitCode, 0) << "pdfinfo (poppler-utils) is needed: " << info.err.toStdString();
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out).captured(1).toInt();
        // Inputs and tables, the lens data, the tolerances and the ray
        // check's table, its pictures, and the drawing on a page of its own.
        EXPECT_EQ(pages, 5);
        const Outcome last = run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(pages),
                                                           QStringLiteral("-l"), QString::number(pages),
                                                           QStringLiteral("r.pdf"), QStringLiteral("-")});
        EXPECT_TRUE(last.out.startsWith(QStringLiteral("Рабочий чертеж мениска, масштаб"))) << last.out.toStdString();
        EXPECT_TRUE(last.out.contains(QStringLiteral("Линза мениск монокля"))) << "the title block";
        EXPECT_FALSE(last.out.contains(QStringLiteral("Результаты трассировки лучей")));
        EXPECT_EQ(info.out.count(QRegularExpression(QStringLiteral("Page +\\d+ size: +595(\\.\\d+)? x 842(\\.\\d+)? pts \\(A4\\)"))), pages)
            << info.out.toStdString();
        const Outcome text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("r.pdf"), QStringLiteral("-")});
        ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
        const QString pdf = text.out.simplified();
        for (const QString& expected :
             {QStringLiteral("monocl 1.0.0 — Выбор наилучших конструктивных параметров монокля"),
              QStringLiteral("Файл: lens.monocl"), QStringLiteral("Дата: "),
              QStringLiteral("Прямая задача (вкладка «Расчет»)"), QStringLiteral("Тип коррекции анастигмат"),
              QStringLiteral("Высота линзы hm, мм 5") + decimal + QStringLiteral("00"),
              // The ratios the bars stand for at the file's positions 20
              // and 100: 20 × 0,25 / 100 + 0,25 and 0,5.
              QStringLiteral("Относительная сферическая аберрация, % 0") + decimal + QStringLiteral("30"),
              QStringLiteral("Относительная хроматическая аберрация 0") + decimal + QStringLiteral("50"),
              QStringLiteral("Расчетные параметры"), QStringLiteral("Прогнозируемые параметры монокля"),
              QStringLiteral("Радиус r2, мм"), QStringLiteral("Выводы"), QStringLiteral("Рекомендации"),
              QStringLiteral("Рабочий чертеж мениска, масштаб 5:1"), QStringLiteral("Данные линзы"),
              QStringLiteral("Допуски по оптике"), QStringLiteral("Монте-Карло, 2000 линз"),
              QStringLiteral("Результаты трассировки лучей"), QStringLiteral("Диаметр кружка Эйри, мкм"),
              QStringLiteral("Пятна в плоскости наилучшей фокусировки")})
            EXPECT_TRUE(pdf.contains(expected)) << locale << ": " << expected.toStdString();
        // Every value of both tables, as the CSV has it.
        for (const QString& line : csv) {
            const QStringList cells = line.split(separator);
            if (cells.size() == 2 && !cells[1].contains(QLatin1String("Значение"))) {
                EXPECT_TRUE(pdf.contains(cells[1].trimmed())) << cells[1].toStdString();
            }
        }

        // The drawing in millimetres.
        const QString svg = QString::fromUtf8(readFile(QStringLiteral("d.svg")));
        EXPECT_TRUE(svg.contains(QRegularExpression(QStringLiteral("<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""))));
        EXPECT_TRUE(svg.contains(QStringLiteral("Масштаб 1:1.")));

        // The pages render as pictures of A4 at 60 dpi.
        const Outcome png = run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                         QStringLiteral("60"), QStringLiteral("r.pdf"),
                                                         QStringLiteral("page")});
        EXPECT_EQ(png.exitCode, 0) << png.err.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("page*.png")}).size(), pages);
    }
}

TEST_F(CommandLine, RefusedFileExitsOneAndWritesNothing)
{
    const QByteArray good = design(monocl::DesignData{});
    QByteArray large = good;
    large.append(QByteArray(2 * 1024 * 1024, '\n'));
    const struct {
        const char* what;
        QByteArray bytes; // none: no file
        const char* says;
    } cases[] = {
        {"broken JSON", good.left(40), "это не JSON"},
        {"a wrong version", QByteArray(good).replace("\"version\": 1", "\"version\": 7"), "версия 7"},
        {"a string for a number", QByteArray(good).replace("\"abbe\": 63.84", "\"abbe\": \"63.84\""),
         "«design.abbe» должно быть числом"},
        {"a number for a choice", QByteArray(good).replace("\"aplanat\"", "true"),
         "«design.correction» должно быть строкой"},
        {"a value of 1e400", QByteArray(good).replace("\"lensHeight\": 4", "\"lensHeight\": 1e400"),
         "это не JSON"},
        {"a file of 2 MiB", large, "больше 1 МиБ"},
        {"no file", QByteArray(), "такого файла нет"},
    };
    for (const auto& c : cases) {
        QFile::remove(path(QStringLiteral("in.monocl")));
        if (!c.bytes.isEmpty()) {
            ASSERT_NE(c.bytes, good) << c.what;
            writeFile(QStringLiteral("in.monocl"), c.bytes);
        }
        const QStringList before = files();
        const Outcome r = monocl({QStringLiteral("--csv"), QStringLiteral("o.csv"), QStringLiteral("--report"),
                              QStringLiteral("o.pdf"), QStringLiteral("--svg"), QStringLiteral("o.svg"),
                              QStringLiteral("--save"), QStringLiteral("o.monocl"), QStringLiteral("in.monocl")});
        EXPECT_EQ(r.exitCode, 1) << c.what;
        EXPECT_TRUE(r.err.contains(QStringLiteral("in.monocl"))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << c.what << ": " << r.err.toStdString();
        EXPECT_EQ(files(), before) << c.what;
    }
}

TEST_F(CommandLine, UsageErrorExitsOneAndWritesNothing)
{
    writeFile(QStringLiteral("a.monocl"), design(monocl::DesignData{}));
    const QStringList cases[] = {
        {QStringLiteral("--bogus")},
        {QStringLiteral("--csv")},
        {QStringLiteral("--csv="), QStringLiteral("a.monocl")},
        {QStringLiteral("--csv"), QStringLiteral("o.csv"), QStringLiteral("a.monocl"), QStringLiteral("a.monocl")},
        {QStringLiteral("--csv"), QStringLiteral("same"), QStringLiteral("--svg"), QStringLiteral("same")},
        {QStringLiteral("--csv"), QStringLiteral("o.csv"), QStringLiteral("--svg"), QStringLiteral("missing/o.svg")},
    };
    for (const QStringList& args : cases) {
        const Outcome r = monocl(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("monocl: "))) << r.err.toStdString();
        EXPECT_EQ(files(), QStringList{QStringLiteral("a.monocl")}) << args.join(' ').toStdString();
    }
}

TEST_F(CommandLine, ArithmeticFaultExitsTwoAndWritesWhatTheWindowShows)
{
    writeFile(QStringLiteral("wide.monocl"), design(startWith([](monocl::DesignData& d) {
                  d.correction = monocl::Correction::Anastigmat;
                  d.fieldOfView = 70;
              })));
    const Outcome r = monocl({QStringLiteral("--report"), QStringLiteral("r.pdf"), QStringLiteral("--save"),
                          QStringLiteral("s.monocl"), QStringLiteral("wide.monocl")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("monocl: Invalid floating point operation.\n"))) << r.err.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("s.monocl")), readFile(QStringLiteral("wide.monocl")));
    const Outcome text = run(QStringLiteral("pdftotext"), {QStringLiteral("r.pdf"), QStringLiteral("-")});
    EXPECT_TRUE(text.out.contains(QStringLiteral("Расчет прерван ошибкой"))) << text.out.toStdString();
}

// The program keeps its settings in monocl/monocl.conf; the file that
// earlier versions left under Qt's default organisation is read once and
// moved there, without overriding a setting made since.
TEST_F(CommandLine, SettingsLiveInTheProgramsFolderAndOldOnesMoveThere)
{
    const QString oldFile = configFolder() + QStringLiteral("/Unknown Organization/monocl.conf");
    const QString newFile = configFolder() + QStringLiteral("/monocl/monocl.conf");
    const struct {
        const char* oldLanguage;
        const char* newLanguage; // none: no new file yet
        const char* expectedHeader;
        const char* kept;
    } rows[] = {
        {"en", nullptr, "Design parameter;Value", "language=en"},
        {"ru", nullptr, "Конструктивный параметр;Значение", "language=ru"},
        {"en", "ru", "Конструктивный параметр;Значение", "language=ru"},
        {nullptr, "en", "Design parameter;Value", "language=en"},
    };
    for (const auto& row : rows) {
        const auto plant = [](const QString& file, const char* language) {
            QFile::remove(file);
            if (!language)
                return;
            QDir().mkpath(QFileInfo(file).absolutePath());
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("[General]\nlanguage=") + language + "\n");
        };
        plant(oldFile, row.oldLanguage);
        plant(newFile, row.newLanguage);
        const Outcome r = monocl({QStringLiteral("--csv"), QStringLiteral("t.csv")});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QString csv = QString::fromUtf8(readFile(QStringLiteral("t.csv")));
        EXPECT_TRUE(csv.contains(QString::fromUtf8(row.expectedHeader))) << row.kept;
        EXPECT_FALSE(QFile::exists(oldFile)) << row.kept;
        QFile kept(newFile);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << row.kept;
        EXPECT_TRUE(kept.readAll().contains(row.kept)) << row.kept;
    }
}

// What a user takes away never shows an earlier state's numbers: a section
// whose last recompute faulted has dashes and says why; a design that gives
// no lens is a failure too.
TEST_F(CommandLine, FailedDesignsExitTwoAndShowNoEarlierNumbers)
{
    const struct {
        const char* name;
        std::function<void(monocl::DesignData&)> change;
        int exitCode;
        const char* told;     // on standard error
        bool designDashes;    // every value of the design table a dash
        bool faultLine;       // the CSV says the design's recompute faulted
    } rows[] = {
        {"start", [](monocl::DesignData&) {}, 0, nullptr, false, false},
        {"glass of index 1", [](monocl::DesignData& d) { d.nd = 1.0; d.focalLength = 80; }, 2,
         "monocl: Invalid floating point operation.", true, true},
        {"no meniscus", [](monocl::DesignData& d) { d.sphericalBar = 100; d.abbe = 100; }, 2,
         "monocl: Мениск для этих требований не найден\n", true, false},
        {"surfaces apart", [](monocl::DesignData& d) {
             d.focalLength = 10; d.fieldOfView = 45; d.edgeRatio = 100; d.nd = 1.45;
             d.correction = monocl::Correction::Anastigmat; d.sphericalBar = 100; }, 2,
         "monocl: Поверхности мениска не сходятся по его диаметру\n", false, false},
        {"field of no width", [](monocl::DesignData& d) { d.fieldOfView = 0; }, 0, nullptr, false, false},
    };
    for (const auto& row : rows) {
        writeFile(QStringLiteral("d.monocl"), design(startWith(row.change)));
        const Outcome r = monocl({QStringLiteral("--csv"), QStringLiteral("t.csv"), QStringLiteral("--svg"),
                                  QStringLiteral("t.svg"), QStringLiteral("d.monocl")}, "C");
        EXPECT_EQ(r.exitCode, row.exitCode) << row.name << ": " << r.err.toStdString();
        if (row.told) {
            EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.told))) << row.name << ": " << r.err.toStdString();
        }
        const QStringList csv = QString::fromUtf8(readFile(QStringLiteral("t.csv"))).split(QStringLiteral("\r\n"));
        ASSERT_GT(csv.size(), 31) << row.name;
        EXPECT_EQ(csv[1].startsWith(QStringLiteral("Расчет прерван ошибкой: ")), row.faultLine) << row.name;
        const qsizetype first = row.faultLine ? 3 : 2;
        int dashes = 0;
        for (qsizetype i = first; i < first + 29; ++i)
            dashes += csv[i].endsWith(QStringLiteral(", - ")) || csv[i].endsWith(QStringLiteral(", - \""));
        EXPECT_EQ(dashes, row.designDashes ? 29 : 0) << row.name << ": " << csv[first].toStdString();
        // The drawing's note, which the SVG writes in runs of words.
        const QByteArray svg = readFile(QStringLiteral("t.svg"));
        EXPECT_EQ(svg.contains("Расчет прерван ошибкой:") && svg.contains(">Invalid"), row.faultLine) << row.name;
        // The start design's R1, reached while the file was set, is gone.
        if (row.designDashes) {
            EXPECT_FALSE(csv.join(QLatin1Char('\n')).contains(QStringLiteral(",-20.40"))) << row.name;
        }
    }
}

// Only output options and options the program does not know keep the window
// away; --lang and Qt's own options open it on the display as usual.
TEST(CommandLineWindow, OnlyOutputsAndUnknownOptionsAskForNoWindow)
{
    const struct {
        std::vector<const char*> args;
        bool noWindow;
    } rows[] = {
        {{}, false},
        {{"design.monocl"}, false},
        {{"--lang", "en"}, false},
        {{"--lang=ru", "design.monocl"}, false},
        {{"-lang", "en", "-style", "fusion"}, false},
        {{"--platform", "xcb", "--display", ":1"}, false},
        {{"--", "--csv"}, false},
        {{"--csv", "o.csv"}, true},
        {{"--lang", "en", "--report=r.pdf"}, true},
        {{"design.monocl", "--save", "s.monocl"}, true},
        {{"--bogus"}, true},
        {{"-x"}, true},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv = {"monocl"};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        std::string line;
        for (const char* a : row.args)
            line += std::string(a) + ' ';
        EXPECT_EQ(monocl::asksForNoWindow(int(argv.size()), argv.data()), row.noWindow) << line;
    }
}

TEST_F(CommandLine, ChosenPlatformIsKept)
{
    // With QT_QPA_PLATFORM set the program takes it as it is.
    const Outcome r = run(QStringLiteral(MONOCL_PROGRAM), {QStringLiteral("--svg"), QStringLiteral("d.svg")},
                      "C", "offscreen");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(readFile(QStringLiteral("d.svg")).startsWith("<?xml"));
}

// The texts are written without any Qt platform: with one named that does
// not exist, which a GUI application could not start on, they still are.
// What paints needs one.
TEST_F(CommandLine, TextOutputsNeedNoPlatform)
{
    const struct {
        const char* option;
        const char* file;
        bool written;
    } rows[] = {
        {"--csv", "t.csv", true},
        {"--save", "t.monocl", true},
        {"--lens", "t.json", true},
        {"--svg", "t.svg", false},
    };
    for (const auto& row : rows) {
        const Outcome r = run(QStringLiteral(MONOCL_PROGRAM),
                              {QString::fromLatin1(row.option), QString::fromLatin1(row.file)}, "C", "nowhere");
        EXPECT_EQ(r.exitCode == 0, row.written) << row.option << ": " << r.err.toStdString();
        EXPECT_EQ(QFileInfo::exists(path(QString::fromLatin1(row.file))), row.written) << row.option;
    }
}

// ---- Outputs that cannot be written ------------------------------------------

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
