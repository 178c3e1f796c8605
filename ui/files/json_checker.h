#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <utility>

namespace monocl {

// Reads the members of a JSON object one by one, each of the type asked
// for; the first problem met is kept, in words for the user, and every read
// after it gives nothing.
class JsonChecker
{
public:
    explicit JsonChecker(const QJsonObject& root) : m_root(root) {}

    bool ok() const { return m_problem.isEmpty(); }
    const QString& problem() const { return m_problem; }

    void fail(const QString& problem);

    // A member of the root (section null) or of one of its objects.
    std::optional<QJsonValue> member(const char* section, const char* key);
    // A finite number.
    std::optional<double> number(const char* section, const char* key);
    // A whole number; beyond the range of int it is taken as the nearer end,
    // which every control then corrects into its own range anyway.
    std::optional<int> integer(const char* section, const char* key);
    std::optional<QString> string(const char* section, const char* key);

    // One of the first allowed names, as its value.
    template <class E, std::size_t N>
    std::optional<E> choice(const char* section, const char* key,
                            const std::pair<E, const char*> (&names)[N], std::size_t allowed = N)
    {
        const std::optional<QString> text = string(section, key);
        if (!text)
            return std::nullopt;
        QStringList known;
        for (std::size_t i = 0; i < allowed; ++i) {
            if (*text == QLatin1String(names[i].second))
                return names[i].first;
            known << QStringLiteral("\"%1\"").arg(QLatin1String(names[i].second));
        }
        failChoice(section, key, *text, known);
        return std::nullopt;
    }

private:
    void failChoice(const char* section, const char* key, const QString& text,
                    const QStringList& known);
    static QString pathOf(const char* section, const char* key);

    const QJsonObject& m_root;
    QString m_problem;
};

// The kind of a JSON value, in words.
QString jsonTypeName(const QJsonValue& value);

// What QJsonDocument lets pass without a word, found in the text itself: a
// key given twice in one object (QJsonDocument keeps the last) and a NUL
// inside a string. The text must be JSON that QJsonDocument has read as an
// object. Gives the first such problem in words, or an empty string.
QString hiddenJsonProblem(const QByteArray& json);

} // namespace monocl
