// The monocl program run from the command line, as a user runs it, over
// real files. No display: the program takes the offscreen platform itself.
#include "ui/command_line.h"
#include "ui/design_file.h"

#include "core/ray_trace.h"

#include "qt_print.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include <string>
#include <vector>

namespace {

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

class CommandLine : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid() && home.isValid()); }

    // Runs a program in the test's folder, in the locale given, without a
    // display and, unless asked, without a chosen Qt platform.
    Outcome run(const QString& program, const QStringList& args, const char* locale = "ru_RU.UTF-8",
            bool choosePlatform = false) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (choosePlatform)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        // The program's settings are this test's, never the user's.
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(program, args);
        Outcome r;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << program.toStdString() << " did not finish";
            return r;
        }
        r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.out = QString::fromUtf8(process.readAllStandardOutput());
        r.err = QString::fromUtf8(process.readAllStandardError());
        return r;
    }

    Outcome monocl(const QStringList& args, const char* locale = "ru_RU.UTF-8") const
    {
        return run(QStringLiteral(MONOCL_PROGRAM), args, locale);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString configFolder() const { return home.filePath(QStringLiteral(".config")); }

    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

    static QByteArray design(const monocl::DesignData& data) { return monocl::designFileBytes(data); }

    QTemporaryDir dir;
    QTemporaryDir home;
};

// The start values with a change.
monocl::DesignData startWith(const std::function<void(monocl::DesignData&)>& change)
{
    monocl::DesignData d;
    change(d);
    return d;
}

} // namespace

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
        // Inputs and tables, the drawing, the ray check's table, its pictures.
        EXPECT_EQ(pages, 4);
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
              QStringLiteral("Рабочий чертеж мениска, масштаб 1:1"),
              QStringLiteral("Результаты трассировки лучей"), QStringLiteral("Диаметр кружка Эйри, мкм"),
              QStringLiteral("Пятна рассеяния в плоскости наилучшей фокусировки")})
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
                      "C", true);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(readFile(QStringLiteral("d.svg")).startsWith("<?xml"));
}

// ---- Outputs that cannot be written ------------------------------------------

// A target that is no regular file, or one file named twice through links,
// is refused before anything is written.
TEST_F(CommandLine, UnfitTargetsAreRefusedAndNothingIsWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a")));
    writeFile(QStringLiteral("a/old.csv"), "old");
    for (const char* link : {"a b", "a/old.csv link.csv", "a/new.csv dangling.csv"}) {
        const QStringList names = QString::fromLatin1(link).split(QLatin1Char(' '));
        ASSERT_TRUE(QFile::link(path(names[0]), path(names[1]))) << link;
    }
    ASSERT_EQ(mkfifo(QFile::encodeName(path(QStringLiteral("pipe"))).constData(), 0600), 0);
    // A node of the null device, where the test may make one.
    const bool device = mknod(QFile::encodeName(path(QStringLiteral("null"))).constData(), S_IFCHR | 0600,
                              makedev(1, 3)) == 0;
    const struct {
        const char* args;
        const char* says;
    } cases[] = {
        {"--csv pipe", "Файл «pipe» не записан: это не обычный файл"},
        {"--svg null", device ? "Файл «null» не записан: это не обычный файл" : nullptr},
        {"--csv a/x.csv --report b/x.csv", "файл «b/x.csv» назван для вывода дважды"},
        {"--csv a/old.csv --save link.csv", "файл «link.csv» назван для вывода дважды"},
        {"--csv a/new.csv --svg dangling.csv", "файл «dangling.csv» назван для вывода дважды"},
    };
    const auto tree = [&] {
        QStringList found;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            found << QStringLiteral("%1 link %2 file %3 size %4")
                         .arg(entry.filePath()).arg(entry.isSymLink()).arg(entry.isFile()).arg(entry.size());
        }
        return found;
    };
    const QStringList before = tree();
    for (const auto& c : cases) {
        if (!c.says)
            continue;
        const Outcome r = monocl(QString::fromLatin1(c.args).split(QLatin1Char(' ')));
        EXPECT_EQ(r.exitCode, 1) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << c.args << ": " << r.err.toStdString();
        EXPECT_EQ(tree(), before) << c.args;
    }
    EXPECT_EQ(QFileInfo(path(QStringLiteral("pipe"))).isFile(), false);
    EXPECT_EQ(readFile(QStringLiteral("a/old.csv")), "old");
}

// A full disk is told as such, in the system's words. The disk is a tiny
// tmpfs in a mount namespace of the test's own, where the system allows one.
TEST_F(CommandLine, FullDiskIsToldAndLeavesNothing)
{
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        GTEST_SKIP() << "no unshare";
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("full")));
    const QString script = QStringLiteral("mount -t tmpfs -o size=16k tmpfs full && echo mounted || exit; "
                                          "\"$0\" --report full/r.pdf; s=$?; ls -A full; exit $s");
    const Outcome r = run(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                                                      script, QStringLiteral(MONOCL_PROGRAM)}, "C");
    if (!r.out.startsWith(QLatin1String("mounted\n")))
        GTEST_SKIP() << "no tmpfs of our own here: " << r.err.toStdString();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("не записан: на диске нет места (") + QString::fromLocal8Bit(std::strerror(ENOSPC))))
        << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("mounted\n")) << "nothing left behind";
}

// An answer that standard output does not take is a failure.
TEST_F(CommandLine, AnswersIntoAFullStandardOutputExitOne)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    for (const char* option : {"--help", "--version", "--list-glasses"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
            env.insert(QString::fromLatin1(name), dir.path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(MONOCL_PROGRAM), {QString::fromLatin1(option)});
        ASSERT_TRUE(process.waitForFinished(60000)) << option;
        EXPECT_EQ(process.exitCode(), 1) << option;
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(err.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << option << ": " << err.toStdString();
    }
}

// ---- The lens file ------------------------------------------------------------

namespace {

const char* const LensShape[] = {"R1", "R2", "thickness", "diameter", "stopDistance", "stopDiameter"};

// The text a member's number has in the file, as written.
QByteArray numberTextOf(const QByteArray& file, const char* section, const char* key)
{
    const qsizetype start = file.indexOf(QByteArray("\"") + section + "\": {");
    if (start < 0)
        return {};
    const QRegularExpression member(QStringLiteral("\"%1\": ([^,\\n}]+)").arg(QLatin1String(key)));
    const QRegularExpressionMatch m = member.match(QString::fromUtf8(file), start);
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

// The value a CSV cell shows in the C locale, and how far the length it
// stands for may be from it: the table rounds to 3 significant digits, then
// writes the decimals (-12.35 shows as -12.40).
std::pair<double, double> cellValue(const QString& line)
{
    const QString cell = line.section(QLatin1Char(','), -1).trimmed();
    const qsizetype point = cell.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(cell.size() - point - 1);
    bool ok = false;
    const double value = cell.toDouble(&ok);
    if (!ok || value == 0)
        return {std::nan(""), 0};
    const double digit = std::pow(10.0, std::floor(std::log10(std::abs(value))) - 2);
    return {value, 0.5 * std::max(digit, std::pow(10.0, -decimals)) * (1 + 1e-9)};
}

} // namespace

TEST_F(CommandLine, LensFileHoldsBothLensesAtFullPrecision)
{
    const struct {
        const char* name;
        std::function<void(monocl::DesignData&)> change;
        const char* correction;
        const char* glassName; // none: no glass named
    } rows[] = {
        {"start", [](monocl::DesignData&) {}, "aplanat", nullptr},
        {"anastigmat of K8", [](monocl::DesignData& d) {
             d.correction = monocl::Correction::Anastigmat; d.focalLength = 60; d.fieldOfView = 30;
             d.glass = monocl::GlassChoice{QStringLiteral("ЛЗОС"), QStringLiteral("К8")}; },
         "anastigmat", "К8"},
        {"long and narrow", [](monocl::DesignData& d) { d.focalLength = 150; d.fieldOfView = 20; d.edgeRatio = 8; },
         "aplanat", nullptr},
    };
    for (const auto& row : rows) {
        const monocl::DesignData data = startWith(row.change);
        writeFile(QStringLiteral("d.monocl"), design(data));
        const Outcome r = monocl({QStringLiteral("--lens"), QStringLiteral("l.json"), QStringLiteral("--csv"),
                                  QStringLiteral("t.csv"), QStringLiteral("d.monocl")}, "C");
        ASSERT_EQ(r.exitCode, 0) << row.name << ": " << r.err.toStdString();
        const QByteArray bytes = readFile(QStringLiteral("l.json"));
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << row.name << ": " << bytes.toStdString();
        const QJsonObject root = doc.object();
        EXPECT_EQ(root.keys().size(), 10) << row.name;
        EXPECT_EQ(root[QStringLiteral("format")].toString(), QStringLiteral("monocl-lens"));
        EXPECT_EQ(root[QStringLiteral("version")].toInteger(-1), 1);
        EXPECT_EQ(root[QStringLiteral("focalLength")].toDouble(), data.focalLength) << row.name;
        EXPECT_EQ(root[QStringLiteral("fieldOfView")].toDouble(), data.fieldOfView) << row.name;
        EXPECT_EQ(root[QStringLiteral("correction")].toString(), QLatin1String(row.correction)) << row.name;
        EXPECT_EQ(root[QStringLiteral("nd")].toDouble(), data.nd) << row.name;
        EXPECT_EQ(root[QStringLiteral("abbe")].toDouble(), data.abbe) << row.name;
        ASSERT_TRUE(root.contains(QStringLiteral("glass"))) << row.name;
        if (row.glassName) {
            const QJsonObject glass = root[QStringLiteral("glass")].toObject();
            EXPECT_EQ(glass[QStringLiteral("maker")].toString(), QStringLiteral("ЛЗОС")) << row.name;
            EXPECT_EQ(glass[QStringLiteral("name")].toString(), QString::fromUtf8(row.glassName)) << row.name;
        } else {
            EXPECT_TRUE(root[QStringLiteral("glass")].isNull()) << row.name;
        }

        // The third-order lens is the design's: the table's rows of Df, R1,
        // R2, X1, Dm and dh as far as they show it.
        const QJsonObject third = root[QStringLiteral("thirdOrder")].toObject();
        EXPECT_EQ(third.keys().size(), 6) << row.name;
        const QStringList csv = QString::fromUtf8(readFile(QStringLiteral("t.csv"))).split(QStringLiteral("\r\n"));
        ASSERT_GT(csv.size(), 12) << row.name;
        const std::pair<const char*, int> tableRows[] = {{"stopDiameter", 3}, {"R1", 4}, {"R2", 5},
                                                         {"stopDistance", 7}, {"diameter", 10}, {"thickness", 11}};
        for (const auto& [key, line] : tableRows) {
            const auto [shown, within] = cellValue(csv[line]);
            EXPECT_NEAR(third[QLatin1String(key)].toDouble(std::nan("")), shown, within)
                << row.name << " " << key << ": " << csv[line].toStdString();
        }
        EXPECT_LT(third[QStringLiteral("stopDistance")].toDouble(), 0) << row.name << ": the stop in front";

        // The refined lens does what was asked: traced anew from the file's
        // numbers, its focal length is the one asked for.
        const QJsonObject refined = root[QStringLiteral("refined")].toObject();
        ASSERT_TRUE(refined[QStringLiteral("converged")].toBool(false)) << row.name << ": " << bytes.toStdString();
        EXPECT_EQ(refined.keys().size(), 8) << row.name;
        EXPECT_GT(refined[QStringLiteral("steps")].toInt(0), 0) << row.name;
        monocl::RayLens lens;
        double* const members[] = {&lens.R1, &lens.R2, &lens.thickness, &lens.diameter, &lens.stopZ,
                                   &lens.stopDiameter};
        for (std::size_t i = 0; i < std::size(LensShape); ++i)
            *members[i] = refined[QLatin1String(LensShape[i])].toDouble(std::nan(""));
        lens.nd = root[QStringLiteral("nd")].toDouble();
        lens.abbe = root[QStringLiteral("abbe")].toDouble();
        lens.halfField = root[QStringLiteral("fieldOfView")].toDouble() / 2 * std::numbers::pi / 180;
        const monocl::RayCheck check = monocl::checkByRays(lens);
        ASSERT_TRUE(check.focalLength.has_value()) << row.name;
        EXPECT_NEAR(*check.focalLength, data.focalLength, 1e-6 * data.focalLength) << row.name;
        EXPECT_NE(refined[QStringLiteral("R1")].toDouble(), third[QStringLiteral("R1")].toDouble()) << row.name;

        // Every number of both lenses reads back bit for bit: its text is
        // the value printed with 17 digits or a shorter one as good.
        for (const char* section : {"thirdOrder", "refined"}) {
            qsizetype longest = 0;
            for (const char* key : LensShape) {
                const QByteArray text = numberTextOf(bytes, section, key);
                double value = std::nan("");
                const auto [end, ec] = std::from_chars(text.constData(), text.constData() + text.size(), value);
                ASSERT_TRUE(ec == std::errc() && end == text.constData() + text.size())
                    << row.name << " " << section << "." << key << ": " << text.toStdString();
                char full[40];
                std::snprintf(full, sizeof full, "%.17g", value);
                EXPECT_EQ(std::bit_cast<quint64>(std::strtod(full, nullptr)), std::bit_cast<quint64>(value))
                    << text.toStdString();
                EXPECT_EQ(std::bit_cast<quint64>(root[QLatin1String(section)].toObject()[QLatin1String(key)].toDouble()),
                          std::bit_cast<quint64>(value)) << row.name << " " << section << "." << key;
                static const QRegularExpression digits(QStringLiteral("[1-9][0-9]*"));
                const QString mantissa = QString::fromLatin1(text).section(QLatin1Char('e'), 0, 0).remove(QLatin1Char('.'));
                const qsizetype count = digits.match(mantissa).captured(0).size();
                EXPECT_LE(count, 17) << text.toStdString();
                longest = std::max(longest, count);
            }
            // Computed lengths need 16 or 17 digits to read back, nearly all
            // of them; six that all do with fewer were cut short.
            EXPECT_GE(longest, 16) << row.name << " " << section << ": " << bytes.toStdString();
        }
    }
}

TEST_F(CommandLine, LensFileOfAFailedDesignHoldsNoLens)
{
    const struct {
        const char* name;
        std::function<void(monocl::DesignData&)> change;
    } rows[] = {
        {"no meniscus", [](monocl::DesignData& d) { d.sphericalBar = 100; d.abbe = 100; }},
        {"surfaces apart", [](monocl::DesignData& d) {
             d.focalLength = 10; d.fieldOfView = 45; d.edgeRatio = 100; d.nd = 1.45;
             d.correction = monocl::Correction::Anastigmat; d.sphericalBar = 100; }},
        {"glass of index 1", [](monocl::DesignData& d) { d.nd = 1.0; d.focalLength = 80; }},
    };
    for (const auto& row : rows) {
        writeFile(QStringLiteral("d.monocl"), design(startWith(row.change)));
        const Outcome r = monocl({QStringLiteral("--lens"), QStringLiteral("l.json"), QStringLiteral("d.monocl")}, "C");
        EXPECT_EQ(r.exitCode, 2) << row.name << ": " << r.err.toStdString();
        const QByteArray bytes = readFile(QStringLiteral("l.json"));
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(bytes, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << row.name << ": " << bytes.toStdString();
        EXPECT_EQ(root[QStringLiteral("format")].toString(), QStringLiteral("monocl-lens")) << row.name;
        EXPECT_EQ(root.keys().size(), 10) << row.name;
        for (const char* key : {"thirdOrder", "refined"}) {
            EXPECT_TRUE(root.contains(QLatin1String(key)) && root[QLatin1String(key)].isNull())
                << row.name << " " << key << ": " << bytes.toStdString();
        }
        QFile::remove(path(QStringLiteral("l.json")));
    }
}

TEST_F(CommandLine, LensOptionIsDescribedAndNamedOnce)
{
    const Outcome help = monocl({QStringLiteral("--help")});
    EXPECT_TRUE(help.out.contains(QStringLiteral("--lens <ФАЙЛ>"))) << help.out.toStdString();
    EXPECT_TRUE(monocl({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--help")})
                    .out.contains(QStringLiteral("Write both lenses")));
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{QStringLiteral("--lens"), QStringLiteral("a.json"), QStringLiteral("--lens"), QStringLiteral("b.json")},
         "параметр --lens дан больше одного раза"},
        {{QStringLiteral("--csv"), QStringLiteral("same"), QStringLiteral("--lens"), QStringLiteral("same")},
         "файл «same» назван для вывода дважды"},
        {{QStringLiteral("--lens=")}, "у параметра --lens пустое имя файла"},
    };
    for (const auto& c : cases) {
        const Outcome r = monocl(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_EQ(files(), QStringList{}) << c.args.join(' ').toStdString();
    }
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
