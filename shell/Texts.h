#pragma once
// Translating texts that are marked rather than wrapped in tr(): constants
// marked QT_TR_NOOP at namespace level in shell (context "shell"), and the
// core's texts marked ROVAN_TR_NOOP (context: their namespace).
#include <QCoreApplication>
#include <QString>
#include <string>

namespace shell {

inline QString ShellText(const char* source) { return QCoreApplication::translate("shell", source); }

inline QString CoreText(const char* context, const std::string& source) {
  return QCoreApplication::translate(context, source.c_str());
}

}  // namespace shell
