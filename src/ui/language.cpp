#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>

#include "chart/chart_series.h"

namespace {

constexpr std::array<WindowLanguage, 3> kLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
}};

// The translators installed now; replaced when the language changes.
std::unique_ptr<QTranslator>& Installed(int which)
{
    static std::array<std::unique_ptr<QTranslator>, 2> translators;
    return translators[static_cast<size_t>(which)];
}

void Install(int which, std::unique_ptr<QTranslator> translator)
{
    std::unique_ptr<QTranslator>& slot = Installed(which);
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(translator);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

std::unique_ptr<QTranslator> Loaded(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    return translator;
}

}  // namespace

const WindowLanguage* WindowLanguages(int* count)
{
    *count = static_cast<int>(kLanguages.size());
    return kLanguages.data();
}

QString ChosenLanguage(const std::string& setting, const QLocale& system)
{
    for (const WindowLanguage& language : kLanguages)
        if (setting == language.code)
            return QString::fromLatin1(language.code);
    const QString spoken = QLocale::languageToCode(system.language());
    for (const WindowLanguage& language : kLanguages)
        if (spoken == QLatin1String(language.code))
            return QString::fromLatin1(language.code);
    return QStringLiteral("en");
}

void UseLanguage(const QString& code)
{
    // English needs Nivra's file too: it gives the plural forms ("1 flight", "2 flights").
    Install(0, Loaded(QStringLiteral("nivra_") + code, QStringLiteral(":/i18n")));
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Install(1, code == QLatin1String("en") ? nullptr : Loaded(QStringLiteral("qtbase_") + code, qtFolder));
    // Numbers in English keep the point; the United States' forms are the English default.
    QLocale::setDefault(code == QLatin1String("en") ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(code));
    SetChartDecimalPoint(QLocale().decimalPoint().front());
}

QString LocalNumbers(const QString& text)
{
    // The chart's decimal point is the language's (UseLanguage sets both).
    return ChartNumbers(text);
}

QString TypedNumber(const QString& typed)
{
    QString text = typed.trimmed();
    text.replace(ChartDecimalPoint(), u'.');
    return text;
}

QString LocalNumbers(const std::string& text)
{
    return LocalNumbers(QString::fromStdString(text));
}
