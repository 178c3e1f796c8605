#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace monocl {

// Files written whole or not at all. Each goes first to a temporary file
// beside its target; only when every one of them has been written are the
// targets replaced, each by a rename. A failure before that leaves every
// target as it was and no temporary file behind.
class OutputFiles
{
public:
    void add(const QString& path, const QByteArray& bytes);

    // False, with a message naming the file and the problem, when a file
    // could not be written.
    bool write(QString* error) const;

private:
    struct Output
    {
        QString path;
        QByteArray bytes;
    };
    QList<Output> m_outputs;
};

// One file, the same way.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// "Файл «path» не записан: reason", the message of a file not written.
QString notWrittenMessage(const QString& path, const QString& reason);

// The reason a write failed, in the system's words for errorNumber (an
// errno) and, for a full disk, saying so; Qt's own reason when there is no
// errno.
QString writeFailureReason(int errorNumber, const QString& qtReason);

// The file a write to path ends in, named so that two names of one file give
// one path: the links the target itself is resolved as QSaveFile follows
// them, then its folder's canonical path.
QString canonicalTarget(const QString& path);

} // namespace monocl
