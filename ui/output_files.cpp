#include "output_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <vector>

namespace monocl {

QString notWrittenMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("OutputFiles", "Файл «%1» не записан: %2").arg(QDir::toNativeSeparators(path), reason);
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
        if (QFileInfo(output.path).isDir())
            return fail(output.path, QCoreApplication::translate("OutputFiles", "это папка"));
        auto file = std::make_unique<QSaveFile>(output.path);
        if (!file->open(QIODevice::WriteOnly))
            return fail(output.path, file->errorString());
        if (file->write(output.bytes) != output.bytes.size() || !file->flush())
            return fail(output.path, file->errorString());
        files.push_back(std::move(file));
    }
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
