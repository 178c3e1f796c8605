// Design files, exports and the report, driven through the real window.
#include "ui/app/design_document.h"
#include "ui/files/design_file.h"
#include "ui/files/output_files.h"
#include "ui/report/report.h"
#include "ui/report/text_heights.h"
#include "ui/app/startup.h"
#include "ui/outputs/drawing_data.h"
#include "ui/outputs/output_contents.h"
#include "ui/outputs/table_export.h"
#include "ui/widgets/track_bar.h"
#include "ui/report/workshop_drawing.h"

#include "format/number_text.h"

#include "window_fixture.h"
#include "qt_print.h"
#include "window_snapshot.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <sys/stat.h>

#include <bit>
#include <cerrno>
#include <csignal>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

using namespace monocl;
using namespace monocl::testing;

namespace {

class DesignFiles : public FormFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        FormFixture::SetUp();
        document = std::make_unique<DesignDocument>(*window, state);
    }

    void click(const char* name) const { QTest::mouseClick(find<QRadioButton>(name), Qt::LeftButton); }
    // A whole text pasted into a field.
    void type(const char* name, const char* text) const { edit(name)->setText(num(text)); }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A design file of the start values with members replaced:
    // "section.key" -> value.
    static QByteArray designWith(const QList<std::pair<const char*, QJsonValue>>& changes)
    {
        QJsonObject root = QJsonDocument::fromJson(designFileBytes(DesignData{})).object();
        for (const auto& [where, value] : changes) {
            const QStringList names = QString::fromLatin1(where).split(QLatin1Char('.'));
            if (names.size() == 1) {
                root[names[0]] = value;
                continue;
            }
            QJsonObject section = root[names[0]].toObject();
            if (value.isUndefined())
                section.remove(names[1]);
            else
                section[names[1]] = value;
            root[names[0]] = section;
        }
        return QJsonDocument(root).toJson();
    }

    WindowSnapshot snapshot() const { return snapshotOf(*window); }

    QTemporaryDir dir;
    std::unique_ptr<DesignDocument> document;
};

} // namespace

// ---- Saving and opening ---------------------------------------------------------------

TEST_F(DesignFiles, SaveChangeOpenGivesTheSavedWindow)
{
    // Every input moved from the start by the user, the fields typed in the
    // window's own texts, one with more decimals than it shows.
    const auto userState = [&] {
        spin("FSpin")->setText(QStringLiteral("60"));
        spin("ASpin")->setText(QStringLiteral("40"));
        spin("OtSpin")->setText(QStringLiteral("6"));
        find<TrackBar>("KsfBar")->setValue(40);
        find<TrackBar>("KxrBar")->setValue(80);
        type("NDedit", "1,5230");
        type("ABEdit", "58,125");
        click("RB2");
        type("ihm", "5,00");
        type("ih", "2,50");
        type("id", "24,00");
        type("iff", "80,00");
        type("inmin", "1,55");
        type("inmax", "1,65");
        spin("VminSP")->setText(QStringLiteral("45"));
        spin("VmaxSP")->setText(QStringLiteral("65"));
        spin("NSpin")->setText(QStringLiteral("11"));
        click("sfp3");
    };
    const auto otherState = [&] {
        spin("FSpin")->setText(QStringLiteral("75"));
        spin("ASpin")->setText(QStringLiteral("30"));
        spin("OtSpin")->setText(QStringLiteral("8"));
        find<TrackBar>("KsfBar")->setValue(20);
        find<TrackBar>("KxrBar")->setValue(50);
        type("NDedit", "1,6");
        type("ABEdit", "60");
        click("RB1");
        type("ihm", "6");
        type("ih", "3");
        type("id", "30");
        type("iff", "90");
        type("inmin", "1,45");
        type("inmax", "1,75");
        spin("VminSP")->setText(QStringLiteral("50"));
        spin("VmaxSP")->setText(QStringLiteral("60"));
        spin("NSpin")->setText(QStringLiteral("16"));
        click("Sfp4");
    };
    // The start state too, its glass range in the general text. Its
    // track bars' labels show their ratios only once a bar has moved (an
    // opened file always has them show).
    const auto startState = [&] {
        for (const char* name : {"KsfBar", "KxrBar"}) {
            auto* bar = find<TrackBar>(name);
            const int position = bar->value();
            bar->setValue(position - 1);
            bar->setValue(position);
        }
    };
    const std::pair<const char*, std::function<void()>> saved[] = {
        {"start", startState}, {"typed", userState}};
    for (const auto& [what, reach] : saved) {
        reach();
        const WindowSnapshot before = snapshot();
        const QString file = path("design.monocl");
        QString error;
        ASSERT_TRUE(saveDesign(window->document(), file, &error)) << error.toStdString();
        otherState();
        ASSERT_FALSE(snapshot() == before) << what;
        ASSERT_TRUE(document->load(file, &error)) << error.toStdString();
        EXPECT_EQ(snapshot(), before) << what << ": " << differences(snapshot(), before).join('\n').toStdString();
        EXPECT_EQ(captureDesign(window->document()), *readDesign(file).data) << what;
        EXPECT_FALSE(document->isModified());
    }
    EXPECT_EQ(boxes->messages, QStringList{});
}

TEST_F(DesignFiles, FieldsShowTheValuesTheyStore)
{
    // What a file keeps is the store; after any edit it is what each field
    // shows, so the file holds what the user sees.
    type("ABEdit", "63,845");
    type("ABEdit", "-");         // restored, rounded to the shown decimals
    edit("ih")->setText(num("9")); // above the height: held to it
    type("ihm", "3");            // the edge is left above the new height
    type("inmin", "2");          // held to 1,80
    type("iff", "x");            // restored
    edit("id")->setText(num("12,345678"));
    for (const RealField& f : RealFields) {
        double shown = 0;
        ASSERT_TRUE(parseReal(edit(f.name)->text().toStdString(), sep, shown)) << f.name;
        EXPECT_EQ(shown, state.*f.stored) << f.name;
    }
}

TEST_F(DesignFiles, RefusedFileChangesNothing)
{
    const QByteArray good = designFileBytes(DesignData{});
    QByteArray huge = good;
    huge.append(QByteArray(2 * 1024 * 1024, ' '));
    QByteArray infinite = good;
    infinite.replace("\"fieldOfView\": 45", "\"fieldOfView\": 1e400");
    ASSERT_NE(infinite, good);
    // QJsonDocument keeps the last of two equal keys and lets a NUL through.
    const auto twice = [&](const char* member, const char* again) {
        return QByteArray(good).replace(member, QByteArray(member) + ",\n        " + again);
    };
    QByteArray rawNul = good;
    rawNul.replace("\"aplanat\"", QByteArray("\"apla\0nat\"", 10));
    const struct {
        const char* what;
        QByteArray bytes; // empty: no file at all
        const char* says;
    } cases[] = {
        {"broken JSON", good.left(good.size() / 2), "это не JSON"},
        {"an array", "[1, 2]", "не объект JSON"},
        {"another format", designWith({{"format", QStringLiteral("monocl-glass")}}), "не проект монокля"},
        {"a later version", designWith({{"version", 2}}), "версия 2 не поддерживается"},
        {"a string for a number", designWith({{"design.nd", QStringLiteral("1.5")}}),
         "«design.nd» должно быть числом, а не «строка»"},
        {"a fraction for a spin edit", designWith({{"forecast.fNumber", 8.5}}),
         "«forecast.fNumber» должно быть целым"},
        {"a number for a choice", designWith({{"design.correction", 1}}), "«design.correction» должно быть строкой"},
        {"an unknown choice", designWith({{"forecast.filter", QStringLiteral("red")}}), "\"red\""},
        {"the orange filter on the design tab", designWith({{"design.filter", QStringLiteral("orange2.8")}}),
         "«design.filter»"},
        // The design tab's yellow filters are disabled.
        {"a yellow filter on the design tab", designWith({{"design.filter", QStringLiteral("yellow1.4")}}),
         "в поле «design.filter» значение \"yellow1.4\""},
        {"a yellow 2x filter on the design tab", designWith({{"design.filter", QStringLiteral("yellow2")}}),
         "в поле «design.filter» значение \"yellow2\""},
        {"a key twice", twice("\"abbe\": 63.84", "\"abbe\": 50"), "поле «design.abbe» встречается дважды"},
        {"a key twice, once escaped", twice("\"abbe\": 63.84", "\"ab\\u0062e\": 50"),
         "поле «design.abbe» встречается дважды"},
        {"a section twice", twice("\"version\": 1", "\"design\": {}"), "поле «design» встречается дважды"},
        {"an escaped NUL in an ignored member", designWith({{"note", QStringLiteral("a") + QChar(0)}}),
         "в поле «note» строка с символом NUL"},
        {"a raw NUL in a choice", rawNul, "в поле «design.correction» строка с символом NUL"},
        {"a NUL in a key", designWith({{"glass", QJsonObject{{QStringLiteral("maker") + QChar(0), 1}}}}),
         "в поле «glass.maker\\u0000» строка с символом NUL"},
        {"a missing member", designWith({{"forecast.edge", QJsonValue(QJsonValue::Undefined)}}),
         "нет поля «forecast.edge»"},
        {"a section that is no object", designWith({{"forecast", 5}}), "«forecast» должно быть объектом"},
        {"a glass without a name", designWith({{"glass", QJsonObject{{"maker", QStringLiteral("SCHOTT")}}}}),
         "нет поля «glass.name»"},
        {"a value of 1e400", infinite, "это не JSON"},
        {"a file of 2 MiB", huge, "больше 1 МиБ"},
        {"no file", QByteArray(), "такого файла нет"},
    };
    const WindowSnapshot before = snapshot();
    const long runs = window->recomputeRuns();
    int i = 0;
    for (const auto& c : cases) {
        const QString file = path("bad") + QString::number(i++) + QStringLiteral(".monocl");
        if (!c.bytes.isEmpty())
            writeFile(file, c.bytes);
        boxes->messages.clear();
        EXPECT_FALSE(document->openFile(file, window.get())) << c.what;
        ASSERT_EQ(boxes->messages.size(), 1) << c.what;
        const QString message = boxes->messages[0];
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file))) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.says))) << c.what << ": " << message.toStdString();
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(window->recomputeRuns(), runs) << "nothing was set";
    EXPECT_TRUE(document->filePath().isEmpty());
    EXPECT_TRUE(boxes->allLookRight);

    // A directory is no design file either.
    const DesignReadResult folder = readDesign(dir.path());
    EXPECT_FALSE(folder);
    EXPECT_TRUE(folder.error.contains(QStringLiteral("не обычный файл")));
}

TEST_F(DesignFiles, OutOfRangeValuesComeInCorrected)
{
    const QString file = path("wide.monocl");
    writeFile(file, designWith({
                        {"design.focalLength", 5000},
                        {"design.fieldOfView", 700},
                        {"design.edgeRatio", 0},
                        {"design.sphericalBar", 150},
                        {"design.chromaticBar", -20},
                        {"forecast.lensHeight", 4},
                        {"forecast.edge", 9},
                        {"forecast.ndMin", 3},
                        {"forecast.ndMax", 1.2},
                        {"forecast.abbeMin", 1e12},
                        {"forecast.abbeMax", -7},
                        {"forecast.fNumber", 1000},
                    }));
    ASSERT_TRUE(document->openFile(file, window.get()));
    EXPECT_EQ(spin("FSpin")->text(), QStringLiteral("1000"));
    EXPECT_EQ(find<QLabel>("Lksf")->text(), QStringLiteral("Kсф=") + num("0,50"));
    EXPECT_EQ(find<QLabel>("LKxr")->text(), QStringLiteral("Kхр=") + num("0,25"));
    EXPECT_EQ(spin("ASpin")->text(), QStringLiteral("70"));
    EXPECT_EQ(spin("OtSpin")->text(), QStringLiteral("1"));
    EXPECT_EQ(find<TrackBar>("KsfBar")->value(), 100);
    EXPECT_EQ(find<TrackBar>("KxrBar")->value(), 0);
    EXPECT_TRUE(find<QRadioButton>("Sf1")->isChecked());
    EXPECT_EQ(edit("ih")->text(), num("4,00"));
    EXPECT_EQ(state.MeasuredEdge, 4.0);
    EXPECT_EQ(edit("inmin")->text(), num("1,80"));
    EXPECT_EQ(state.NdMin, 1.8);
    EXPECT_EQ(edit("inmax")->text(), num("1,40"));
    EXPECT_EQ(state.NdMax, 1.4);
    EXPECT_EQ(spin("VminSP")->text(), QStringLiteral("80"));
    EXPECT_EQ(spin("VmaxSP")->text(), QStringLiteral("40"));
    EXPECT_EQ(spin("NSpin")->text(), QStringLiteral("64"));
    EXPECT_EQ(boxes->messages, QStringList{});
    // What the window made of the file is the document's state.
    EXPECT_FALSE(document->isModified());
}

TEST_F(DesignFiles, OneBoxAtMostForAFile)
{
    // Both tabs fault: still one box.
    const QString faulting = path("faulting.monocl");
    writeFile(faulting, designWith({{"design.correction", QStringLiteral("anastigmat")},
                                    {"design.fieldOfView", 70},
                                    {"forecast.focalLength", 0}}));
    EXPECT_TRUE(document->openFile(faulting, window.get()));
    EXPECT_EQ(boxes->messages, QStringList{"Invalid floating point operation."});
    EXPECT_TRUE(boxes->allLookRight);

    // From an anastigmat at 45 degrees to an aplanat at 70 the field of
    // view is set first, a state that faults on the way; the state reached
    // does not, so no box.
    click("RB2");
    spin("ASpin")->setText(QStringLiteral("45"));
    type("iff", "75");
    boxes->messages.clear();
    const QString fine = path("fine.monocl");
    writeFile(fine, designWith({{"design.fieldOfView", 70}}));
    EXPECT_TRUE(document->openFile(fine, window.get()));
    EXPECT_TRUE(find<QRadioButton>("RB1")->isChecked());
    EXPECT_EQ(spin("ASpin")->text(), QStringLiteral("70"));
    EXPECT_EQ(boxes->messages, QStringList{});
}

TEST_F(DesignFiles, GlassIsKeptAndWrittenBack)
{
    const QString file = path("glass.monocl");
    writeFile(file, designWith({{"glass", QJsonObject{{"maker", QStringLiteral("ЛЗОС")},
                                                      {"name", QStringLiteral("К8")}}}}));
    ASSERT_TRUE(document->openFile(file, window.get()));
    ASSERT_TRUE(document->glass().has_value());
    EXPECT_EQ(*document->glass(), (GlassChoice{QStringLiteral("ЛЗОС"), QStringLiteral("К8")}));
    EXPECT_EQ(find<QLabel>("nearestGlass")->text(), QStringLiteral("Стекло: К8 (ЛЗОС)"));
    const QString again = path("again.monocl");
    QString error;
    ASSERT_TRUE(document->saveTo(again, &error));
    EXPECT_EQ(readDesign(again).data->glass, document->glass());
    EXPECT_EQ(document->filePath(), again);

    // Quotes, backslashes and brackets inside strings make no keys or objects.
    const GlassChoice odd{QStringLiteral("a\"}, \"name\": {\"x"), QStringLiteral("\\\"[{")};
    writeFile(file, designWith({{"glass", QJsonObject{{"maker", odd.maker}, {"name", odd.name}}}}));
    ASSERT_TRUE(document->openFile(file, window.get())) << boxes->messages.join('\n').toStdString();
    EXPECT_EQ(document->glass(), odd);
}

TEST_F(DesignFiles, FailedSaveLeavesTheOldFile)
{
    const QByteArray old = "the old design\n";
    const struct {
        const char* what;
        QString target;
        bool limitFileSize;
        QString says;
    } cases[] = {
        {"the target is a folder", path("folder.monocl"), false, QStringLiteral("это папка")},
        {"the target is a pipe", path("pipe.monocl"), false, QStringLiteral("это не обычный файл")},
        {"its folder does not exist", path("missing/design.monocl"), false, QString()},
        // Qt keeps no error for a write cut short; the system's reason is told.
        {"the writing stops half-way", path("design.monocl"), true, QString::fromLocal8Bit(std::strerror(EFBIG))},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.monocl")));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.monocl")).constData(), 0600), 0);
    writeFile(path("design.monocl"), old);
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const auto& c : cases) {
        // A file may grow no larger than the old one: even root is held to
        // that, and the write fails with the temporary file half written.
        rlimit saved{};
        if (c.limitFileSize) {
            std::signal(SIGXFSZ, SIG_IGN);
            ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
            rlimit small = saved;
            small.rlim_cur = static_cast<rlim_t>(old.size());
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        QString error;
        const bool ok = saveDesign(window->document(), c.target, &error);
        if (c.limitFileSize) {
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
        }
        EXPECT_FALSE(ok) << c.what;
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(c.target))) << error.toStdString();
        EXPECT_TRUE(error.contains(c.says)) << c.what << ": " << error.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries)
            << c.what << ": nothing left behind";
        EXPECT_EQ(readFile(path("design.monocl")), old) << c.what;
    }
    EXPECT_FALSE(QFileInfo(path("pipe.monocl")).isFile()) << "the pipe is still a pipe";
}

TEST(WriteFailure, FullDiskSaysSoInTheSystemsWords)
{
    const QString full = writeFailureReason(ENOSPC, QStringLiteral("Unknown error"));
    EXPECT_TRUE(full.contains(QStringLiteral("на диске нет места"))) << full.toStdString();
    EXPECT_TRUE(full.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << full.toStdString();
    EXPECT_EQ(writeFailureReason(EACCES, QStringLiteral("Unknown error")), QString::fromLocal8Bit(std::strerror(EACCES)));
    // With no errno, Qt's reason is all there is.
    EXPECT_EQ(writeFailureReason(0, QStringLiteral("Rename failed")), QStringLiteral("Rename failed"));
}

TEST_F(DesignFiles, RealValuesComeBackBitForBit)
{
    // Values the window takes as they are, whose texts need all 17 digits,
    // are subnormal or tiny.
    DesignData data;
    data.nd = 1.2345678901234567;
    data.abbe = 0.1;
    data.lensHeight = 1e-300;
    data.edge = 5e-324;
    data.diameter = 123456.78901234567;
    data.focal = 0.30000000000000004;
    data.ndMin = 1.4000000000000001;
    data.ndMax = 1.7999999999999998;
    const QString file = path("exact.monocl");
    writeFile(file, designFileBytes(data));
    ASSERT_TRUE(document->openFile(file, window.get()));
    const DesignData back = captureDesign(window->document());
    for (double DesignData::*real : {&DesignData::nd, &DesignData::abbe, &DesignData::lensHeight, &DesignData::edge,
                                     &DesignData::diameter, &DesignData::focal, &DesignData::ndMin, &DesignData::ndMax})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(back.*real), std::bit_cast<std::uint64_t>(data.*real))
            << QString::number(back.*real, 'g', 17).toStdString() << " for " << QString::number(data.*real, 'g', 17).toStdString();
}

// ---- Exports ----------------------------------------------------------------------------------

namespace {

// RFC 4180 records.
QList<QStringList> parseCsv(const QString& text, QChar separator)
{
    const auto at = [&](qsizetype i) { return i < text.size() ? text[i] : QChar(); };
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && at(i + 1) == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

} // namespace

TEST_F(DesignFiles, CsvHoldsBothTablesAsShown)
{
    // A failed design: its dashes are part of what the window shows.
    for (const bool failed : {false, true}) {
        if (failed) {
            find<TrackBar>("KsfBar")->setValue(100);
            edit("ABEdit")->setText(QStringLiteral("100"));
            ASSERT_EQ(find<StringGrid>("MonGrid")->cell(1, 5), QStringLiteral(" - "));
        }
        const QString file = path("tables.csv");
        QString error;
        ASSERT_TRUE(writeTablesCsv(window->document(), file, &error)) << error.toStdString();
        const QByteArray bytes = readFile(file);
        // Made without the traces and the tolerances, not a byte short.
        EXPECT_EQ(bytes, tablesCsv(outputContents(window->document()), sep)) << "failed design: " << failed;
        const QChar separator = sep == ',' ? QLatin1Char(';') : QLatin1Char(',');
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes), separator);

        QList<QStringList> expected;
        expected << QStringList{QStringLiteral("Расчетные параметры")};
        expected << gridRows(*find<StringGrid>("MonGrid"));
        expected << QStringList{QString()};
        expected << QStringList{QStringLiteral("Прогнозируемые параметры монокля")};
        expected << gridRows(*find<StringGrid>("PrognozGrid"));
        expected << QStringList{QString()} << QStringList{QStringLiteral("Данные линзы")};
        ASSERT_GT(rows.size(), expected.size());
        EXPECT_EQ(rows.mid(0, expected.size()), expected) << "failed design: " << failed;
        // The lens data: the lens at full precision, or only why there is none.
        const QList<QStringList> lensData = rows.mid(expected.size());
        const auto drawn = window->document().drawnLens();
        EXPECT_EQ(drawn.has_value(), !failed);
        if (failed) {
            ASSERT_EQ(lensData.size(), 1);
            EXPECT_TRUE(lensData[0].value(0).contains(QStringLiteral("не найден"))) << lensData[0].join('|').toStdString();
        } else {
            ASSERT_EQ(lensData.size(), 18);
            const auto shown = [&](double v, int decimals) {
                return QString::number(v, 'f', decimals).replace(QLatin1Char('.'), QChar::fromLatin1(sep));
            };
            EXPECT_EQ(lensData[0], (QStringList{QStringLiteral("Линза"), QStringLiteral("уточнено по лучам (шагов: %1)").arg(drawn->steps)}));
            EXPECT_EQ(lensData[1], (QStringList{QStringLiteral("Радиус R1, мм"), shown(drawn->lens.R1, 2)}));
            EXPECT_EQ(lensData[3], (QStringList{QStringLiteral("Толщина по оси dh, мм"), shown(drawn->lens.thickness, 2)}));
            EXPECT_EQ(lensData[6], (QStringList{QStringLiteral("Расстояние диафрагмы X1, мм"), shown(drawn->lens.stopZ, 2)}));
        }
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        // Labels with a comma are quoted where the comma separates.
        EXPECT_EQ(bytes.contains("\"Радиус r1, мм\""), sep == '.');
    }
}

namespace {

struct SvgFigure
{
    double widthMm = 0, heightMm = 0;
    QRectF viewBox;
    QStringList paths; // the d attributes
    QString text;      // every text element's content
};

SvgFigure parseSvg(const QByteArray& bytes)
{
    SvgFigure f;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg")) {
            const auto mm = [&](const char* name) {
                QString v = xml.attributes().value(QLatin1String(name)).toString();
                EXPECT_TRUE(v.endsWith(QLatin1String("mm"))) << name;
                v.chop(2);
                return v.toDouble();
            };
            f.widthMm = mm("width");
            f.heightMm = mm("height");
            const QStringList box = xml.attributes().value(QLatin1String("viewBox")).toString().split(' ');
            if (box.size() == 4)
                f.viewBox = QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
        } else if (xml.name() == QLatin1String("path")) {
            f.paths << xml.attributes().value(QLatin1String("d")).toString();
        } else if (xml.name() == QLatin1String("text")) {
            f.text += xml.readElementText() + QLatin1Char('\n');
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return f;
}

// The end points of a path's segments, in runs split where a line joins
// two curves: one run for each arc.
QList<QList<QPointF>> arcRuns(const QString& d)
{
    static const QRegularExpression token(QStringLiteral("[MLCZ]|-?[0-9.]+(?:e-?[0-9]+)?"));
    QStringList tokens;
    for (auto it = token.globalMatch(d); it.hasNext();)
        tokens << it.next().captured();
    QList<QList<QPointF>> runs;
    QList<QPointF> run;
    QPointF last;
    for (qsizetype i = 0; i < tokens.size();) {
        const QString command = tokens[i++];
        const auto point = [&](int index) {
            return QPointF(tokens.value(i + 2 * index).toDouble(), tokens.value(i + 2 * index + 1).toDouble());
        };
        if (command == QLatin1String("M") || command == QLatin1String("L")) {
            last = point(0);
            i += 2;
            if (run.size() > 1)
                runs << run;
            run = {last};
        } else if (command == QLatin1String("C")) {
            last = point(2);
            i += 6;
            run << last;
        } else {
            break;
        }
    }
    if (run.size() > 1)
        runs << run;
    return runs;
}

double circumradius(const QPointF& a, const QPointF& b, const QPointF& c)
{
    const double ab = std::hypot(a.x() - b.x(), a.y() - b.y());
    const double bc = std::hypot(b.x() - c.x(), b.y() - c.y());
    const double ca = std::hypot(c.x() - a.x(), c.y() - a.y());
    const double area2 = std::abs((b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y()));
    return ab * bc * ca / (2 * area2);
}

} // namespace

TEST_F(DesignFiles, SvgIsTrueToScaleWithTheDrawnLens)
{
    // The start design and a flatter, thicker one.
    for (const bool changed : {false, true}) {
        if (changed) {
            spin("OtSpin")->setText(QStringLiteral("2"));
            click("RB2");
        }
        const auto drawn = window->document().drawnLens();
        ASSERT_TRUE(drawn);
        const RayLens& lens = drawn->lens;
        const SvgFigure svg = parseSvg(workshopSvg(workshopDrawing(window->document())));
        ASSERT_GT(svg.widthMm, 0);
        const double unitsPerMm = svg.viewBox.width() / svg.widthMm;
        EXPECT_NEAR(unitsPerMm, svg.viewBox.height() / svg.heightMm, 1e-9);
        EXPECT_NEAR(unitsPerMm, 10, 1e-9);

        // The outline is the path of curves: the front arc, then the rear,
        // each ending where its bevel begins.
        QList<QList<QPointF>> runs;
        for (const QString& d : svg.paths)
            if (d.contains(QLatin1Char('C')))
                runs = arcRuns(d);
        ASSERT_EQ(runs.size(), 2);
        const auto radiusMm = [&](const QList<QPointF>& run) {
            return circumradius(run.front(), run[run.size() / 2], run.back()) / unitsPerMm;
        };
        EXPECT_NEAR(radiusMm(runs[0]), std::abs(lens.R1), 0.01) << changed;
        EXPECT_NEAR(radiusMm(runs[1]), std::abs(lens.R2), 0.01) << changed;
        const double bevel = window->document().drawingSettings().bevel;
        EXPECT_NEAR(std::abs(runs[0].back().y() - runs[0].front().y()) / unitsPerMm, lens.diameter - 2 * bevel, 0.01);
        const double frontVertex = runs[0][runs[0].size() / 2].x();
        const double rearVertex = runs[1][runs[1].size() / 2].x();
        EXPECT_NEAR((rearVertex - frontVertex) / unitsPerMm, lens.thickness, 0.01);
        EXPECT_TRUE(svg.text.contains(QStringLiteral("Масштаб 1:1")));
        EXPECT_TRUE(svg.text.contains(QStringLiteral("уточнено по лучам")));
    }
}

TEST_F(DesignFiles, FailedDesignDrawsANote)
{
    find<TrackBar>("KsfBar")->setValue(100);
    edit("ABEdit")->setText(QStringLiteral("100"));
    ASSERT_TRUE(window->lastDesign().failed);
    const SvgFigure svg = parseSvg(workshopSvg(workshopDrawing(window->document())));
    EXPECT_TRUE(svg.text.contains(QStringLiteral("не найден")));
    for (const QString& d : svg.paths)
        EXPECT_FALSE(d.contains(QLatin1Char('C')));
}

namespace {

// A PDF laid out as the report's, written to memory.
struct ReportPage
{
    ReportPage()
    {
        buffer.open(QIODevice::WriteOnly);
        pdf.setPageLayout(reportPageLayout());
        pdf.setResolution(600);
    }
    QBuffer buffer;
    QPdfWriter pdf{&buffer};
};

} // namespace

TEST_F(DesignFiles, ReportDrawsLargeLensesReduced)
{
    ReportPage page;
    QPdfWriter& pdf = page.pdf;
    // The start lens, 14,5 mm across, at 5:1 is 72 mm on the sheet.
    EXPECT_EQ(reportDrawingScale(workshopDrawing(window->document()), pdf), (DrawingScale{5, 1}));
    spin("FSpin")->setText(QStringLiteral("1000"));
    const WorkshopDrawing large = workshopDrawing(window->document());
    const DrawingScale scale = reportDrawingScale(large, pdf);
    // Nearest to 60..120 mm on the sheet: 1:5 draws it 56 mm large, 1:2 140.
    EXPECT_GT(large.diameter / 5, 50);
    EXPECT_LT(large.diameter / 5, 60);
    EXPECT_EQ(scale, (DrawingScale{1, 5})) << large.diameter;
    // At 1:5 it fits the printable area, at 1:1 it would not.
    const double k = pdf.logicalDpiY() / 25.4;
    EXPECT_LE(workshopDrawingSize(large, scale, &pdf).width(), pdf.width() / k);
    EXPECT_GT(workshopDrawingSize(large, DrawingScale{1, 1}, &pdf).width(), pdf.width() / k);
}

// The report measures each wrapped text once and keeps its height: what it
// gives is the text's own measure, for one text at two widths, in two
// weights and at two sizes, and again once kept.
TEST_F(DesignFiles, ReportKeepsEachTextsOwnHeight)
{
    ReportPage page;
    QPdfWriter& pdf = page.pdf;
    const QString text = QStringLiteral("Относительная сферическая аберрация задается в диапазоне от 0,25 до 0,5 %");
    const double k = pdf.logicalDpiY() / 25.4;
    struct Row {
        double points;
        bool bold;
        double widthMm;
    };
    const Row rows[] = {{9, false, 30}, {9, false, 170}, {9, true, 30}, {13, true, 30}, {9, false, 30}};
    report::TextHeights heights(pdf);
    double narrow = 0, wide = 0;
    for (const Row& row : rows) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(row.points);
        font.setBold(row.bold);
        const QFontMetricsF metrics(font, &pdf);
        const double own = std::max(metrics.boundingRect(QRectF(0, 0, row.widthMm * k, 1e9),
                                                         Qt::TextWordWrap | Qt::AlignLeft, text).height(),
                                    metrics.height());
        const double kept = heights.height(text, font, row.widthMm * k);
        EXPECT_EQ(kept, own) << row.points << " pt, bold " << row.bold << ", " << row.widthMm << " mm";
        if (row.points == 9 && !row.bold)
            (row.widthMm < 100 ? narrow : wide) = kept;
    }
    // The rows can tell a width from another: the text wraps in the narrow one.
    EXPECT_GT(narrow, 1.5 * wide);
}

TEST_F(DesignFiles, PrintOpensThePreviewOfTheReport)
{
    int pages = 0;
    bool seen = false;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(w);
            if (!preview || !preview->isVisible())
                continue;
            if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) {
                widget->updatePreview();
                pages = widget->pageCount();
            }
            seen = true;
            preview->reject();
        }
    });
    timer.start();
    document->print(window.get());
    EXPECT_TRUE(seen);
    EXPECT_EQ(pages, 5) << "as the PDF";
}

// Every number of the drawing is the drawn lens's own, to the digits shown:
// radii to 0,01 mm (0,001 under 10 mm), lengths to 0,01 mm, whatever the
// design table rounds them to.
TEST_F(DesignFiles, DrawingLabelsAreTheLensValuesToTheDigitsShown)
{
    const struct {
        const char* focal;
        const char* field;
        bool anastigmat;
        const char* edgeRatio;
    } rows[] = {{"52", "45", false, "5"}, {"100", "40", false, "6"}, {"120", "60", true, "5"},
                {"300", "20", false, "10"}, {"20", "30", true, "4"}};
    const QString decimal = QChar::fromLatin1(sep);
    const auto shown = [&](double v, int decimals) {
        return QString::number(std::abs(v), 'f', decimals).replace(QLatin1Char('.'), decimal);
    };
    const auto sag = [](double R, double h) { return R - std::copysign(std::sqrt(R * R - h * h), R); };
    for (const auto& row : rows) {
        spin("FSpin")->setText(QString::fromLatin1(row.focal));
        spin("ASpin")->setText(QString::fromLatin1(row.field));
        spin("OtSpin")->setText(QString::fromLatin1(row.edgeRatio));
        click(row.anastigmat ? "RB2" : "RB1");
        const auto drawn = window->document().drawnLens();
        ASSERT_TRUE(drawn) << row.focal;
        const RayLens& l = drawn->lens;
        const WorkshopDrawing d = workshopDrawing(window->document());
        ASSERT_TRUE(d.hasLens) << row.focal;
        const auto radius = [&](double R) { return shown(R, std::abs(R) < 10 ? 3 : 2); };
        EXPECT_TRUE(d.r1Text.startsWith(QStringLiteral("R1 ") + radius(l.R1) + QLatin1Char(' '))) << d.r1Text.toStdString();
        EXPECT_TRUE(d.r2Text.startsWith(QStringLiteral("R2 ") + radius(l.R2) + QLatin1Char(' '))) << d.r2Text.toStdString();
        EXPECT_TRUE(d.r1Text.endsWith(l.R1 > 0 ? QStringLiteral(" CX") : QStringLiteral(" CC"))) << d.r1Text.toStdString();
        EXPECT_TRUE(d.r2Text.endsWith(l.R2 < 0 ? QStringLiteral(" CX") : QStringLiteral(" CC"))) << d.r2Text.toStdString();
        EXPECT_TRUE(d.thicknessText.startsWith(shown(l.thickness, 2) + QStringLiteral(" ±"))) << d.thicknessText.toStdString();
        EXPECT_TRUE(d.diameterText.startsWith(QStringLiteral("Ø") + shown(l.diameter, 2) + QStringLiteral(" ±")));
        EXPECT_EQ(d.stopDiameterText, QStringLiteral("Ø") + shown(l.stopDiameter, 2));
        EXPECT_TRUE(d.stopDistanceText.startsWith(QStringLiteral("X1 = -") + shown(l.stopZ, 2))) << d.stopDistanceText.toStdString();
        const double h = l.diameter / 2;
        EXPECT_EQ(d.edgeText, QStringLiteral("(") + shown(l.thickness + sag(l.R2, h) - sag(l.R1, h), 2) + QStringLiteral(")"));
        // The sags at Dm and at the ring of 0,8 Dm, to the micrometre.
        EXPECT_EQ(d.surfaces[0].sagRim, shown(sag(l.R1, h), 3));
        EXPECT_EQ(d.surfaces[1].sagRim, shown(sag(l.R2, h), 3));
        EXPECT_EQ(d.surfaces[0].sagRing, shown(sag(l.R1, 0.4 * l.diameter), 3));
        EXPECT_EQ(d.surfaces[1].sagRing, shown(sag(l.R2, 0.4 * l.diameter), 3));
        EXPECT_EQ(d.lensSource, QStringLiteral("уточнено по лучам"));
    }
}

// A run that draws nothing learns from the drawing's outcome what the whole
// drawing would say of its lens.
TEST_F(DesignFiles, DrawingOutcomeSaysWhatTheDrawingSays)
{
    struct Row
    {
        const char* name;
        std::function<void()> set;
        bool hasLens;
        const char* problem; // a part of it; empty for none
    };
    const Row rows[] = {
        {"a lens", [] {}, true, ""},
        {"no meniscus found", [&] { find<TrackBar>("KsfBar")->setValue(100); edit("ABEdit")->setText(QStringLiteral("100")); },
         false, "Мениск для этих требований не найден"},
        {"the refined lens asked for and not found",
         [&] {
             spin("OtSpin")->setText(QStringLiteral("1"));
             DrawingSettings s;
             s.lens = DrawingLens::Refined;
             ASSERT_FALSE(window->document().setDrawingSettings(s));
         },
         false, "Уточненная лучами линза не найдена"},
    };
    for (const Row& row : rows) {
        document.reset();
        SetUp();
        row.set();
        const WorkshopDrawing whole = workshopDrawing(window->document());
        const WorkshopDrawing outcome = drawingOutcome(window->document());
        EXPECT_EQ(outcome.hasLens, row.hasLens) << row.name;
        EXPECT_EQ(outcome.hasLens, whole.hasLens) << row.name;
        EXPECT_EQ(outcome.refinedMissing, whole.refinedMissing) << row.name;
        EXPECT_EQ(outcome.problem, whole.problem) << row.name;
        EXPECT_EQ(outcome.note, whole.note) << row.name;
        EXPECT_EQ(outcome.problem.isEmpty(), !*row.problem) << row.name;
        EXPECT_TRUE(outcome.problem.contains(QString::fromUtf8(row.problem))) << row.name << ": " << outcome.problem.toStdString();
    }
}

// The drawing's settings travel in the design file; a file without them
// loads with the defaults, one with a value no drawing takes is refused.
TEST_F(DesignFiles, DrawingSettingsAreKeptInTheFile)
{
    DrawingSettings s;
    s.lens = DrawingLens::ThirdOrder;
    s.bevel = 0.45;
    s.ringDiameter = 10.5;
    s.budget = {0.5, 0.3, 12.5};
    s.wedgeMinutes = 1.5;
    s.imperfectionCount = 4;
    ASSERT_FALSE(window->document().setDrawingSettings(s));
    const QByteArray bytes = designFileBytes(captureDesign(window->document()));
    const DesignReadResult back = parseDesign(bytes, QStringLiteral("x.monocl"));
    ASSERT_TRUE(back) << back.error.toStdString();
    EXPECT_EQ(back.data->drawing, s);

    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    root.remove(QStringLiteral("drawing"));
    const DesignReadResult older = parseDesign(QJsonDocument(root).toJson(), QStringLiteral("old.monocl"));
    ASSERT_TRUE(older) << older.error.toStdString();
    EXPECT_EQ(older.data->drawing, DrawingSettings{});

    for (const auto& [key, value] : {std::pair{"bevel", QJsonValue(-1)}, std::pair{"focalBudget", QJsonValue(0)},
                                     std::pair{"lens", QJsonValue(QStringLiteral("best"))},
                                     std::pair{"ringDiameter", QJsonValue(QStringLiteral("8"))}}) {
        QJsonObject bad = QJsonDocument::fromJson(bytes).object();
        QJsonObject drawing = bad[QStringLiteral("drawing")].toObject();
        drawing[QLatin1String(key)] = value;
        bad[QStringLiteral("drawing")] = drawing;
        const DesignReadResult refused = parseDesign(QJsonDocument(bad).toJson(), QStringLiteral("bad.monocl"));
        EXPECT_FALSE(refused) << key;
        EXPECT_TRUE(refused.error.contains(QStringLiteral("bad.monocl"))) << refused.error.toStdString();
    }
}
