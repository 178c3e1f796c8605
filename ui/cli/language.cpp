#include "language.h"

#include "core/glass_catalogue.h"
#include "texts/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

namespace monocl {

namespace {

std::optional<Language> languageOverride;
std::optional<Language> installedLanguage;

const QString SettingsKey = QStringLiteral("language");

Language desktopLanguage()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return Language::Russian;
    const QStringList languages = system.uiLanguages();
    const QString first = languages.isEmpty() ? system.name() : languages.constFirst();
    if (first.isEmpty() || first == QLatin1String("C") || first.startsWith(QLatin1String("ru")))
        return Language::Russian;
    return Language::English;
}

// The texts of the Qt-free layers, looked up in the installed translation.
std::string translateText(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

QTranslator* replaceTranslator(QTranslator* old, const QString& file, const QString& folder)
{
    if (old) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

std::optional<Language> languageNamed(const QString& name)
{
    if (name == QLatin1String("ru"))
        return Language::Russian;
    if (name == QLatin1String("en"))
        return Language::English;
    if (name == QLatin1String("system"))
        return Language::System;
    return std::nullopt;
}

QString languageName(Language language)
{
    switch (language) {
    case Language::Russian: return QStringLiteral("ru");
    case Language::English: return QStringLiteral("en");
    case Language::System: break;
    }
    return QStringLiteral("system");
}

void setLanguageOverride(std::optional<Language> language)
{
    languageOverride = language;
}

namespace {

// A choice not yet written to the settings. Writing waits until the choices
// have rested a while, so that a switch does not wait for the disk and a run
// of switches is written once; the program's end writes what still waits.
std::optional<Language> unwrittenLanguage;
constexpr int WriteDelayMs = 1000;

void writeLanguage()
{
    if (!unwrittenLanguage)
        return;
    QSettings settings;
    settings.setValue(SettingsKey, languageName(*unwrittenLanguage));
    unwrittenLanguage.reset();
}

QTimer* languageWriter()
{
    static QPointer<QTimer> timer;
    if (!timer && QCoreApplication::instance()) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(WriteDelayMs);
        QObject::connect(timer, &QTimer::timeout, writeLanguage);
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, writeLanguage);
        qAddPostRoutine(writeLanguage);
    }
    return timer;
}

} // namespace

Language rememberedLanguage()
{
    if (unwrittenLanguage)
        return *unwrittenLanguage;
    const QSettings settings;
    return languageNamed(settings.value(SettingsKey).toString()).value_or(Language::System);
}

void rememberLanguage(Language language)
{
    unwrittenLanguage = language;
    if (QTimer* writer = languageWriter())
        writer->start();
    else
        writeLanguage();
}

Language windowLanguage()
{
    Language language = languageOverride.value_or(rememberedLanguage());
    if (language == Language::System)
        language = desktopLanguage();
    return language;
}

void installTranslations()
{
    const Language language = windowLanguage();
    if (installedLanguage == language)
        return;
    installedLanguage = language;
    static QTranslator* program = nullptr;
    static QTranslator* qt = nullptr;
    const bool english = language == Language::English;
    // The Russian texts are the program's own: only English needs a file.
    program = replaceTranslator(program, english ? QStringLiteral("monocl_en") : QString(),
                                QStringLiteral(":/i18n"));
    qt = replaceTranslator(qt, english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_ru"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    setTextTranslator(english ? translateText : nullptr);
    setGlassNamesInLatin(english);
}

bool speaksEnglish()
{
    return installedLanguage == Language::English;
}

} // namespace monocl
