#include "base/tr_text.h"

#include <QCoreApplication>
#include <QStringList>

std::string TrText(const char* context, const char* text, std::initializer_list<std::string> args)
{
    const QString translated = QCoreApplication::translate(context, text);
    QStringList a;
    for (const std::string& arg : args)
        a << QString::fromStdString(arg);
    switch (a.size()) {
    case 0: return translated.toStdString();
    case 1: return translated.arg(a[0]).toStdString();
    case 2: return translated.arg(a[0], a[1]).toStdString();
    default: return translated.arg(a[0], a[1], a[2]).toStdString();
    }
}
