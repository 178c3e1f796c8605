#include "output_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace monocl {

namespace {

// Why path cannot be replaced by a regular file, or an empty string. The
// rename that replaces a target goes over whatever has its name, so a
// device or a pipe would be lost for a file.
QString unfitTarget(const QString& path)
{
    const QFileInfo info(path); // through its links
    if (info.isDir())
        return QCoreApplication::translate("OutputFiles", "это папка");
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("OutputFiles", "это не обычный файл (устройство, канал или сокет)");
    return QString();
}

// Writes all of bytes, or gives why not. A write cut short, some bytes in
// before the disk filled up, leaves Qt no error of its own ("Unknown
// error"), yet errno still holds the system's.
QString writeAll(QSaveFile& file, const QByteArray& bytes)
{
    errno = 0;
    if (file.write(bytes) == bytes.size() && file.flush())
        return QString();
    const int cause = errno;
    return writeFailureReason(cause, file.errorString());
}

} // namespace

QString notWrittenMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("OutputFiles", "Файл «%1» не записан: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString writeFailureReason(int errorNumber, const QString& qtReason)
{
    if (errorNumber == 0)
        return qtReason;
    const QString system = QString::fromLocal8Bit(std::strerror(errorNumber));
    if (errorNumber == ENOSPC)
        return QCoreApplication::translate("OutputFiles", "на диске нет места (%1)").arg(system);
    return system;
}

QString canonicalTarget(const QString& path)
{
    QFileInfo info(path);
    // QSaveFile writes where the links lead, following at most 128 of them.
    for (int links = 0; info.isSymLink() && links < 128; ++links)
        info.setFile(info.symLinkTarget());
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

void OutputFiles::add(const QString& path, const QByteArray& bytes)
{
    m_outputs.append({path, bytes});
}

bool OutputFiles::write(QString* error) const
{
    const auto fail = [error](const QString& path, const QString& reason) {
        if (error)
            *error = notWrittenMessage(path, reason);
        return false;
    };
    // A save file that is not committed removes its temporary file when it
    // is destroyed, so returning early leaves nothing behind.
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const Output& output : m_outputs) {
        if (const QString unfit = unfitTarget(output.path); !unfit.isEmpty())
            return fail(output.path, unfit);
        auto file = std::make_unique<QSaveFile>(output.path);
        if (!file->open(QIODevice::WriteOnly))
            return fail(output.path, file->errorString());
        if (const QString failure = writeAll(*file, output.bytes); !failure.isEmpty())
            return fail(output.path, failure);
        files.push_back(std::move(file));
    }
    // A failed rename keeps its reason in Qt's error.
    for (const std::unique_ptr<QSaveFile>& file : files) {
        if (!file->commit())
            return fail(file->fileName(), file->errorString());
    }
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    OutputFiles files;
    files.add(path, bytes);
    return files.write(error);
}

} // namespace monocl
