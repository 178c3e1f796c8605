#include "json_checker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace monocl {

QString jsonTypeName(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return QCoreApplication::translate("DesignFile", "логическое значение");
    case QJsonValue::Double: return QCoreApplication::translate("DesignFile", "число");
    case QJsonValue::String: return QCoreApplication::translate("DesignFile", "строка");
    case QJsonValue::Array: return QCoreApplication::translate("DesignFile", "массив");
    case QJsonValue::Object: return QCoreApplication::translate("DesignFile", "объект");
    case QJsonValue::Undefined: break;
    }
    return QCoreApplication::translate("DesignFile", "нет значения");
}

void JsonChecker::fail(const QString& problem)
{
    if (m_problem.isEmpty())
        m_problem = problem;
}

std::optional<QJsonValue> JsonChecker::member(const char* section, const char* key)
{
    if (!ok())
        return std::nullopt;
    const QString path = pathOf(section, key);
    QJsonValue value;
    if (section) {
        const QJsonValue sectionValue = m_root.value(QLatin1String(section));
        if (!sectionValue.isObject()) {
            fail(sectionValue.isUndefined()
                     ? QCoreApplication::translate("DesignFile", "нет поля «%1»").arg(QLatin1String(section))
                     : QCoreApplication::translate("DesignFile", "поле «%1» должно быть объектом, а не «%2»")
                           .arg(QLatin1String(section), jsonTypeName(sectionValue)));
            return std::nullopt;
        }
        value = sectionValue.toObject().value(QLatin1String(key));
    } else {
        value = m_root.value(QLatin1String(key));
    }
    if (value.isUndefined()) {
        fail(QCoreApplication::translate("DesignFile", "нет поля «%1»").arg(path));
        return std::nullopt;
    }
    return value;
}

std::optional<double> JsonChecker::number(const char* section, const char* key)
{
    const std::optional<QJsonValue> value = member(section, key);
    if (!value)
        return std::nullopt;
    if (!value->isDouble()) {
        fail(QCoreApplication::translate("DesignFile", "поле «%1» должно быть числом, а не «%2»")
                 .arg(pathOf(section, key), jsonTypeName(*value)));
        return std::nullopt;
    }
    const double v = value->toDouble();
    if (!std::isfinite(v)) {
        fail(QCoreApplication::translate("DesignFile", "число в поле «%1» не конечно").arg(pathOf(section, key)));
        return std::nullopt;
    }
    return v;
}

std::optional<int> JsonChecker::integer(const char* section, const char* key)
{
    const std::optional<double> v = number(section, key);
    if (!v)
        return std::nullopt;
    if (std::trunc(*v) != *v) {
        fail(QCoreApplication::translate("DesignFile", "поле «%1» должно быть целым числом").arg(pathOf(section, key)));
        return std::nullopt;
    }
    return static_cast<int>(std::clamp(*v, double(INT_MIN), double(INT_MAX)));
}

std::optional<QString> JsonChecker::string(const char* section, const char* key)
{
    const std::optional<QJsonValue> value = member(section, key);
    if (!value)
        return std::nullopt;
    if (!value->isString()) {
        fail(QCoreApplication::translate("DesignFile", "поле «%1» должно быть строкой, а не «%2»")
                 .arg(pathOf(section, key), jsonTypeName(*value)));
        return std::nullopt;
    }
    return value->toString();
}

void JsonChecker::failChoice(const char* section, const char* key, const QString& text,
                             const QStringList& known)
{
    fail(QCoreApplication::translate("DesignFile", "в поле «%1» значение \"%2\", а допустимы %3")
             .arg(pathOf(section, key), text, known.join(QStringLiteral(", "))));
}

QString JsonChecker::pathOf(const char* section, const char* key)
{
    return section ? QStringLiteral("%1.%2").arg(QLatin1String(section), QLatin1String(key))
                   : QString::fromLatin1(key);
}


// ---- What the text itself shows ---------------------------------------------------

namespace {

// An object or array the scan is inside.
struct OpenValue
{
    bool isObject = false;
    QString path;        // as the messages name members: design.nd
    QSet<QString> keys;  // an object's keys so far
    bool keyNext = false; // whether the next string of an object is a key
    QString lastKey;
};

QString joinedPath(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

// A path as a message shows it: a NUL in a key as its escape.
QString shownPath(QString path)
{
    return path.replace(QChar(0), QLatin1String("\\u0000"));
}

// Walks the text token by token, keeping the objects and arrays it is in.
// Only strings, brackets and commas matter: numbers, literals, colons and
// blanks carry no keys.
class HiddenProblemScan
{
public:
    explicit HiddenProblemScan(const QByteArray& json) : m_json(json) {}

    QString run()
    {
        for (qsizetype i = 0; i < m_json.size() && m_problem.isEmpty(); ++i) {
            const char c = m_json[i];
            if (c == '{' || c == '[')
                m_open.push_back({c == '{', valuePath(), {}, c == '{', {}});
            else if ((c == '}' || c == ']') && !m_open.empty())
                m_open.pop_back();
            else if (c == ',' && !m_open.empty())
                m_open.back().keyNext = m_open.back().isObject;
            else if (c == '"')
                i = string(i);
        }
        return m_problem;
    }

private:
    // The path of a value starting here: the member's, or the array's.
    QString valuePath() const
    {
        if (m_open.empty())
            return QString();
        const OpenValue& in = m_open.back();
        return in.isObject ? joinedPath(in.path, in.lastKey) : in.path;
    }

    // Checks the string that opens at start; gives the index of its closing quote.
    qsizetype string(qsizetype start)
    {
        qsizetype end = start + 1;
        while (end < m_json.size() && m_json[end] != '"')
            end += m_json[end] == '\\' ? 2 : 1;
        end = std::min(end, m_json.size() - 1);
        const QString text = decoded(m_json.sliced(start, end - start + 1));
        if (m_open.empty())
            return end;
        OpenValue& in = m_open.back();
        const bool isKey = in.isObject && in.keyNext;
        const QString path = isKey ? joinedPath(in.path, text) : valuePath();
        if (text.contains(QChar(0)))
            m_problem = QCoreApplication::translate("DesignFile", "в поле «%1» строка с символом NUL (U+0000)")
                            .arg(shownPath(path));
        else if (isKey && in.keys.contains(text))
            m_problem = QCoreApplication::translate("DesignFile", "поле «%1» встречается дважды").arg(shownPath(path));
        if (isKey) {
            in.keys.insert(text);
            in.lastKey = text;
            in.keyNext = false;
        }
        return end;
    }

    // A string token's text. Its escapes are left to QJsonDocument, which
    // has read the whole text already, so that "a" and "\u0061" are one key.
    static QString decoded(const QByteArray& token)
    {
        if (token.size() < 2) // a quote at the very end, of no JSON text
            return QString();
        if (!token.contains('\\'))
            return QString::fromUtf8(token.sliced(1, token.size() - 2));
        const QJsonArray array = QJsonDocument::fromJson('[' + token + ']').array();
        return array.isEmpty() ? QString() : array.first().toString();
    }

    const QByteArray& m_json;
    std::vector<OpenValue> m_open;
    QString m_problem;
};

} // namespace

QString hiddenJsonProblem(const QByteArray& json)
{
    return HiddenProblemScan(json).run();
}

} // namespace monocl
