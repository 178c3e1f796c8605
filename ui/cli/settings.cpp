#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace monocl {

namespace {

const QString ProgramName = QStringLiteral("monocl");
// What Qt names the organisation of a program that names none.
const QString UnnamedOrganization = QStringLiteral("Unknown Organization");

// Each old setting not yet set anew is copied; the old file goes only once
// the new one is written, so a failure loses nothing.
void moveOldSettings()
{
    QSettings old(UnnamedOrganization, ProgramName);
    const QStringList keys = old.allKeys();
    if (keys.isEmpty())
        return;
    QSettings settings;
    for (const QString& key : keys) {
        if (!settings.contains(key))
            settings.setValue(key, old.value(key));
    }
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return;
    const QString oldFile = old.fileName();
    old.clear();
    old.sync();
    if (QFile::remove(oldFile))
        QDir().rmdir(QFileInfo(oldFile).absolutePath());
}

} // namespace

void nameProgram()
{
    QCoreApplication::setOrganizationName(ProgramName);
    QCoreApplication::setApplicationName(ProgramName);
    moveOldSettings();
}

} // namespace monocl
