#pragma once
// The language of the user interface. The program's texts are written in
// Chinese; an English catalogue (translations/rovan_en.ts, built into the
// program) replaces them when English is chosen. Qt's own catalogue for the
// chosen language translates its standard dialogs and buttons.
#include <QStringList>

class QCoreApplication;

namespace shell {

enum class UiLanguage { Chinese, English };

// "--lang en" or "--lang zh" (also "--lang=en") decide; otherwise English when
// the first of the system's UI languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// is English, and Chinese for every other language, "C" included.
UiLanguage ChooseLanguage(const QStringList& arguments, const QStringList& systemUiLanguages);
UiLanguage ChooseLanguage(const QStringList& arguments);

// The arguments without the language option, for the document path.
QStringList WithoutLanguageOption(const QStringList& arguments);

// Installs the catalogues of `language` into the application (they live as
// long as it does). False when the program's own catalogue could not be loaded.
bool InstallTranslations(QCoreApplication& app, UiLanguage language);

}  // namespace shell
