#include "json_checker.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cmath>

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

} // namespace monocl
