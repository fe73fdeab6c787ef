#pragma once
// main() for the Qt Test programs: the OpenGL surface format must be set
// before the application object exists, which QTEST_MAIN cannot do.
#include <QApplication>
#include <QtTest>

#include "settings/Settings.h"
#include "shell/Language.h"
#include "view/GlFormat.h"

#define ROVAN_GUI_TEST_MAIN(TestClass)                                  \
  int main(int argc, char** argv) {                                     \
    view::SetDefaultGlFormat();                                         \
    QApplication app(argc, argv);                                       \
    /* The tests check the Chinese texts: pin the language. */          \
    shell::InstallTranslations(app, shell::UiLanguage::Chinese);        \
    /* Short animations keep the tests quick. */                        \
    settings::gSettings.rotationSteps = 3;                              \
    settings::gSettings.rotationDelay = 0;                              \
    TestClass test;                                                     \
    return QTest::qExec(&test, argc, argv);                             \
  }
