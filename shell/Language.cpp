#include "shell/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace shell {

namespace {

constexpr const char* kOption = "--lang";

// The value of "--lang X" or "--lang=X"; empty when absent.
QString LanguageOption(const QStringList& arguments) {
  QString value;
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == kOption && i + 1 < arguments.size())
      value = arguments[i + 1];
    else if (arguments[i].startsWith(QLatin1String(kOption) + '='))
      value = arguments[i].mid(int(qstrlen(kOption)) + 1);
  }
  return value;
}

bool IsEnglish(const QString& name) {
  const QString n = name.toLower();
  return n == "en" || n.startsWith("en-") || n.startsWith("en_");
}

}  // namespace

UiLanguage ChooseLanguage(const QStringList& arguments, const QStringList& systemUiLanguages) {
  const QString option = LanguageOption(arguments).toLower();
  if (option.startsWith("en")) return UiLanguage::English;
  if (option.startsWith("zh")) return UiLanguage::Chinese;
  return !systemUiLanguages.isEmpty() && IsEnglish(systemUiLanguages.first()) ? UiLanguage::English
                                                                                : UiLanguage::Chinese;
}

UiLanguage ChooseLanguage(const QStringList& arguments) {
  // Qt reads the "C" and "POSIX" locales as American English; here they are no choice of language.
  const QLocale system = QLocale::system();
  const QStringList languages =
      system.language() == QLocale::C || system.name() == "C" ? QStringList() : system.uiLanguages();
  return ChooseLanguage(arguments, languages);
}

QStringList WithoutLanguageOption(const QStringList& arguments) {
  QStringList rest;
  for (int i = 0; i < arguments.size(); ++i) {
    if (i > 0 && arguments[i] == kOption) {
      ++i;
      continue;
    }
    if (i > 0 && arguments[i].startsWith(QLatin1String(kOption) + '=')) continue;
    rest << arguments[i];
  }
  return rest;
}

bool InstallTranslations(QCoreApplication& app, UiLanguage language) {
  const QLocale locale = language == UiLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                         : QLocale(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(locale);
  // Qt's own texts (standard buttons, file dialogs); Qt's source texts are English already.
  if (language == UiLanguage::Chinese) {
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, "qt", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(qt);
    else
      delete qt;
    return true;
  }
  auto* own = new QTranslator(&app);
  if (!own->load(QStringLiteral(":/i18n/rovan_en.qm"))) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  return true;
}

}  // namespace shell
