#pragma once

// The monocl program run from the command line, as a user runs it, in a
// folder, a home and a locale of the test's own.
#include "ui/cli/command_line.h"
#include "ui/files/design_file.h"

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
#include <functional>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include <string>
#include <vector>

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
    // display and, unless one is named, without a chosen Qt platform.
    Outcome run(const QString& program, const QStringList& args, const char* locale = "ru_RU.UTF-8",
                const char* platform = nullptr) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (platform)
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        // The program's settings are this test's, never the user's.
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        if (inChild)
            process.setChildProcessModifier(inChild);
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
    // Run in the child before the program starts, when set.
    std::function<void()> inChild;
};

// The start values with a change.
inline monocl::DesignData startWith(const std::function<void(monocl::DesignData&)>& change)
{
    monocl::DesignData d;
    change(d);
    return d;
}

