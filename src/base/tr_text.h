#pragma once

#include <QtGlobal>  // QT_TRANSLATE_NOOP, which marks the texts

#include <initializer_list>
#include <string>

// A text of the core in the language Qt's installed translation gives it (the window installs
// one; nivra-tool installs none, so it gets the English source), its %1, %2 and %3 filled with
// the arguments in one pass: an argument's own "%2" stays as it is. The text must be marked for
// lupdate where it is written: TrText("LogFile", QT_TRANSLATE_NOOP("LogFile", "..."), {...}).
std::string TrText(const char* context, const char* text, std::initializer_list<std::string> args = {});
