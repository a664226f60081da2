#pragma once

#include <QLocale>
#include <QString>

#include <string>

// The languages the window speaks: the code "Language" stores and the name it is offered
// under, in its own language ("Deutsch", "Français"), as pilots look for it.
struct WindowLanguage {
    const char* code;
    const char* name;
};
// English, German and French, in the order Preferences offers them after "System".
const WindowLanguage* WindowLanguages(int* count);

// The language the window speaks for the setting: "en", "de" or "fr" as stored; for "" (or a
// code it does not know) the system's language when the window speaks it, else English.
QString ChosenLanguage(const std::string& setting, const QLocale& system = QLocale::system());

// Makes the window speak the language: Nivra's texts and Qt's own (its standard buttons and
// dialogs, where Debian's Qt translations are installed), and numbers and dates in the
// language's forms. Replaces what an earlier call installed. Files, CSV and settings keep
// their C forms: they never go through the default locale.
void UseLanguage(const QString& code);

// A text of C-form numbers ("1440.7 m", "2.32 m/s (climb 3)") with the decimal point of the
// language the window speaks ("1440,7 m" in German and French). Only a point between two
// digits changes.
QString LocalNumbers(const QString& text);
QString LocalNumbers(const std::string& text);
// A number as typed in the window, with the language's decimal point or a point, in the C form
// that QString::toDouble reads ("2,5" -> "2.5").
QString TypedNumber(const QString& typed);
