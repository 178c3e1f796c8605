// The command line's outputs that must be refused, disks and streams that
// fail, and the lens file.
#include "command_line_fixture.h"
#include "test_pictures.h"

#include <QBuffer>
#include <QImage>

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

// The exchange files carry the lens the drawing is made from; a design that
// gives none writes only why, and ends with 2.
TEST_F(CommandLine, ExchangeFilesCarryTheDrawnLensOrOnlyTheFailure)
{
    const auto curvatures = [](const QByteArray& zmx) {
        QList<double> c;
        for (const QByteArray& line : zmx.split('\n'))
            if (line.trimmed().startsWith("CURV "))
                c << line.trimmed().mid(5).toDouble();
        return c;
    };
    const auto lensR1 = [&](const char* which) {
        const QJsonObject root = QJsonDocument::fromJson(readFile(QStringLiteral("l.json"))).object();
        return root[QLatin1String(which)].toObject()[QStringLiteral("R1")].toDouble();
    };
    for (const char* choice : {"refined", "third-order"}) {
        const Outcome r = monocl({QStringLiteral("--zmx"), QStringLiteral("l.zmx"), QStringLiteral("--prescription"),
                                  QStringLiteral("l.txt"), QStringLiteral("--lens"), QStringLiteral("l.json"),
                                  QStringLiteral("--drawing-lens"), QLatin1String(choice)}, "C");
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QList<double> c = curvatures(readFile(QStringLiteral("l.zmx")));
        ASSERT_EQ(c.size(), 5) << choice;
        const double R1 = lensR1(*choice == 'r' ? "refined" : "thirdOrder");
        EXPECT_NEAR(1 / c[2], R1, 1e-12 * std::abs(R1)) << choice;
        EXPECT_TRUE(readFile(QStringLiteral("l.txt")).contains("STO")) << choice;
    }
    writeFile(QStringLiteral("d.monocl"), design(startWith([](monocl::DesignData& d) {
                  d.sphericalBar = 100;
                  d.abbe = 100;
              })));
    const Outcome failed = monocl({QStringLiteral("--zmx"), QStringLiteral("f.zmx"), QStringLiteral("--prescription"),
                                   QStringLiteral("f.txt"), QStringLiteral("d.monocl")}, "C");
    EXPECT_EQ(failed.exitCode, 2) << failed.err.toStdString();
    for (const auto& [name, comment] : {std::pair{"f.zmx", "! "}, std::pair{"f.txt", "# "}}) {
        const QByteArray bytes = readFile(QLatin1String(name));
        EXPECT_TRUE(bytes.startsWith(comment)) << bytes.toStdString();
        EXPECT_EQ(bytes.count('\n'), 1) << bytes.toStdString();
        EXPECT_TRUE(bytes.contains("не найден")) << bytes.toStdString();
    }
    const Outcome bad = monocl({QStringLiteral("--zmx"), QStringLiteral("b.zmx"), QStringLiteral("--drawing-lens"),
                                QStringLiteral("best")}, "C");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("--drawing-lens"))) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("b.zmx"))));
}

// The SVG is 1:1 in millimetres unless the drawing's own scale is asked
// for: the start lens's 14,53 mm are drawn at 5:1 (72,65 mm, within the
// 60–120 mm a sheet wants), so the drawing grows and names its scale.
TEST_F(CommandLine, SvgAtTheDrawingsScaleWhenAsked)
{
    const auto heightOf = [](const QByteArray& svg) {
        static const QRegularExpression height(QStringLiteral("height=\"([0-9.]+)mm\""));
        return height.match(QString::fromUtf8(svg)).captured(1).toDouble();
    };
    ASSERT_EQ(monocl({QStringLiteral("--svg"), QStringLiteral("one.svg")}, "C").exitCode, 0);
    const Outcome scaled = monocl({QStringLiteral("--svg"), QStringLiteral("five.svg"), QStringLiteral("--svg-scale"),
                                   QStringLiteral("drawing")}, "C");
    ASSERT_EQ(scaled.exitCode, 0) << scaled.err.toStdString();
    const QByteArray one = readFile(QStringLiteral("one.svg"));
    const QByteArray five = readFile(QStringLiteral("five.svg"));
    EXPECT_TRUE(one.contains("масштаб 1:1"));
    EXPECT_TRUE(five.contains("масштаб 5:1"));
    // The section grows by some 4 × the lens's 14,53 mm (its labels keep
    // their size); 2:1 would add one diameter.
    EXPECT_GT(heightOf(five) - heightOf(one), 3 * 14.53);

    const Outcome bad = monocl({QStringLiteral("--svg"), QStringLiteral("b.svg"), QStringLiteral("--svg-scale"),
                                QStringLiteral("3:1")}, "C");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("--svg-scale"))) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("b.svg"))));
}

namespace {

QByteArray smallPng()
{
    QImage image(90, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int x = 10; x < 80; x += 10)
        image.setPixel(x, 30, qRgb(255, 255, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

TEST_F(CommandLine, SimulateWritesThePhotographAtTheSizeOfThePicture)
{
    writeFile(QStringLiteral("in.png"), smallPng());
    const Outcome r = monocl({QStringLiteral("--simulate"), QStringLiteral("in.png"), QStringLiteral("out.png"),
                              QStringLiteral("--fnumber"), QStringLiteral("6"), QStringLiteral("--focus"),
                              QStringLiteral("0.1")}, "C");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage out(path(QStringLiteral("out.png")));
    ASSERT_EQ(out.size(), QSize(90, 60));
    // The points of light spread: their neighbours are no longer black.
    EXPECT_GT(qGray(out.pixel(11, 30)) + qGray(out.pixel(10, 31)), 0);
}

// Without --focus the film is at the best focus, as in the image tab, not
// on the paraxial image plane.
TEST_F(CommandLine, SimulateFocusesAtTheBestFocusUnlessTold)
{
    writeFile(QStringLiteral("in.png"), smallPng());
    const auto run = [this](const QStringList& focus) {
        QFile::remove(path(QStringLiteral("out.png")));
        const Outcome r = monocl(QStringList{QStringLiteral("--simulate"), QStringLiteral("in.png"),
                                             QStringLiteral("out.png")} + focus, "C");
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QImage(path(QStringLiteral("out.png")));
    };
    const QImage best = run({});
    const QImage paraxial = run({QStringLiteral("--focus"), QStringLiteral("0")});
    ASSERT_FALSE(best.isNull());
    ASSERT_EQ(best.size(), paraxial.size());
    EXPECT_NE(best, paraxial);
}

TEST_F(CommandLine, SimulateRefusesWhatItCannotUseAndWritesNothing)
{
    writeFile(QStringLiteral("bad.png"), "not a picture");
    writeFile(QStringLiteral("huge.png"), hugePng());
    writeFile(QStringLiteral("in.png"), smallPng());
    const struct {
        QStringList args;
        const char* says;
    } cases[] = {
        {{QStringLiteral("--simulate"), QStringLiteral("missing.png"), QStringLiteral("out.png")}, "missing.png"},
        {{QStringLiteral("--simulate"), QStringLiteral("bad.png"), QStringLiteral("out.png")}, "bad.png"},
        {{QStringLiteral("--simulate"), QStringLiteral("huge.png"), QStringLiteral("out.png")}, "30000 × 30000"},
        {{QStringLiteral("--simulate"), QStringLiteral("in.png")}, "--simulate"},
        {{QStringLiteral("--simulate"), QStringLiteral("in.png"), QStringLiteral("out.png"), QStringLiteral("--fnumber"),
          QStringLiteral("65")}, "--fnumber"},
        {{QStringLiteral("--simulate"), QStringLiteral("in.png"), QStringLiteral("out.png"), QStringLiteral("--focus"),
          QStringLiteral("40")}, "40"},
    };
    for (const auto& c : cases) {
        const Outcome r = monocl(c.args, "C");
        EXPECT_EQ(r.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.png")))) << c.args.join(' ').toStdString();
    }
}

TEST_F(CommandLine, SimulateOfAFailedDesignExitsTwoAndWritesNothing)
{
    writeFile(QStringLiteral("in.png"), smallPng());
    writeFile(QStringLiteral("d.monocl"), design(startWith([](monocl::DesignData& d) {
        d.sphericalBar = 100;
        d.abbe = 100;
    })));
    const Outcome r = monocl({QStringLiteral("--simulate"), QStringLiteral("in.png"), QStringLiteral("out.png"),
                              QStringLiteral("d.monocl")}, "C");
    EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.png"))));
}
