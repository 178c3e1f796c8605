// The program writes its texts on Qt Core alone; the window and what is
// painted come from its GUI part, which it opens beside itself.
#include "command_line_fixture.h"

#include <sys/resource.h>

namespace {

// A copy of the program in a folder without its GUI part.
QString programAlone(const QTemporaryDir& dir)
{
    const QString folder = dir.filePath(QStringLiteral("alone"));
    const QString program = folder + QStringLiteral("/monocl");
    if (!QDir().mkpath(folder) || !QFile::copy(QStringLiteral(MONOCL_PROGRAM), program))
        return {};
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    return program;
}

} // namespace

TEST_F(CommandLine, ProgramWithoutItsGuiPartWritesTextsAndTellsWhatIsMissing)
{
    const QString alone = programAlone(dir);
    ASSERT_FALSE(alone.isEmpty());
    const struct {
        QStringList args;
        int exitCode;
        const char* file; // written, the same as the whole program's
    } rows[] = {
        {{QStringLiteral("--csv"), QStringLiteral("t.csv")}, 0, "t.csv"},
        {{QStringLiteral("--lens"), QStringLiteral("t.json"), QStringLiteral("--save"), QStringLiteral("t.monocl")}, 0, "t.json"},
        {{QStringLiteral("--zmx"), QStringLiteral("t.zmx")}, 0, "t.zmx"},
        {{QStringLiteral("--version")}, 0, nullptr},
        {{}, 1, nullptr},                                               // the window
        {{QStringLiteral("--svg"), QStringLiteral("t.svg")}, 1, nullptr}, // painted
    };
    for (const auto& row : rows) {
        const std::string line = row.args.join(QLatin1Char(' ')).toStdString();
        const Outcome r = run(alone, row.args, "C");
        EXPECT_EQ(r.exitCode, row.exitCode) << line << ": " << r.err.toStdString();
        if (row.exitCode != 0) {
            EXPECT_TRUE(r.err.contains(QStringLiteral("графическая часть программы не открыта")))
                << line << ": " << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QStringLiteral(MONOCL_WINDOW_PART))) << line;
            EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("t.svg")))) << line;
            continue;
        }
        if (!row.file)
            continue;
        const QByteArray alonesBytes = readFile(QString::fromLatin1(row.file));
        ASSERT_TRUE(QFile::remove(path(QString::fromLatin1(row.file))));
        const Outcome whole = run(QStringLiteral(MONOCL_PROGRAM), row.args, "C");
        ASSERT_EQ(whole.exitCode, 0) << line << ": " << whole.err.toStdString();
        EXPECT_FALSE(alonesBytes.isEmpty()) << line;
        EXPECT_EQ(alonesBytes, readFile(QString::fromLatin1(row.file))) << line;
    }
}

// Where no thread can be started (here: each would ask for a stack larger
// than the machine's memory), the work meant for one is done on the main
// thread, and the outputs are those of a run that had threads.
TEST_F(CommandLine, OutputsAreTheSameWhereNoThreadCanStart)
{
    const struct {
        QStringList args;
        const char* file;
    } rows[] = {
        {{QStringLiteral("--csv"), QStringLiteral("t.csv")}, "t.csv"},
        {{QStringLiteral("--lens"), QStringLiteral("t.json")}, "t.json"},
        {{QStringLiteral("--svg"), QStringLiteral("t.svg")}, "t.svg"}, // the GUI part's start
    };
    for (const auto& row : rows) {
        const std::string line = row.args.join(QLatin1Char(' ')).toStdString();
        const Outcome threaded = monocl(row.args, "C");
        ASSERT_EQ(threaded.exitCode, 0) << line << ": " << threaded.err.toStdString();
        const QByteArray expected = readFile(QString::fromLatin1(row.file));
        ASSERT_TRUE(QFile::remove(path(QString::fromLatin1(row.file))));
        inChild = [] {
            const rlimit huge{rlim_t(1) << 46, rlim_t(1) << 46};
            setrlimit(RLIMIT_STACK, &huge);
        };
        const Outcome alone = monocl(row.args, "C");
        inChild = nullptr;
        EXPECT_EQ(alone.exitCode, 0) << line << ": " << alone.err.toStdString();
        EXPECT_FALSE(expected.isEmpty()) << line;
        EXPECT_EQ(readFile(QString::fromLatin1(row.file)), expected) << line;
    }
}
