// The interface language, chosen as the program chooses it: each case starts
// this program again as a child with the environment and arguments of the
// case; the child sets up the application as the program does and prints the
// main window's title, the 操作 menu's title, the 撤消 item and Qt's own
// "Yes" button.
#include <QFile>
#include <QMenu>
#include <QXmlStreamReader>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <cstdio>

#include "GuiTestMain.h"
#include "shell/AppSetup.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"

namespace {

constexpr const char* kChildFlag = "--language-child";

int RunChild(int argc, char** argv) {
  view::SetDefaultGlFormat();
  QApplication app(argc, argv);
  shell::SetUpApplication(app);
  shell::CRubikDoc doc;
  shell::CMainFrame frame(doc);
  QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
  // Without a display name of its own the application shows its name, whatever that is.
  QCoreApplication::setApplicationName(QStringLiteral("no display name"));
  const QStringList lines = {frame.windowTitle(), frame.Menu("操作")->title(),
                             frame.Action(cmd::kEditUndo)->text(), box.button(QMessageBox::Yes)->text(),
                             QGuiApplication::applicationDisplayName()};
  std::fputs(lines.join('\n').toUtf8().constData(), stdout);
  return 0;
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void titleAndMenuFollowTheChosenLanguage_data() {
    QTest::addColumn<QStringList>("environment");  // NAME=value, on top of a clean locale environment
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("english");
    const QStringList none;
    QTest::newRow("LANG English") << QStringList{"LANG=en_US.UTF-8"} << none << true;
    QTest::newRow("LANG Chinese") << QStringList{"LANG=zh_CN.UTF-8"} << none << false;
    QTest::newRow("LANG German") << QStringList{"LANG=de_DE.UTF-8"} << none << false;
    QTest::newRow("LANG C") << QStringList{"LANG=C"} << none << false;
    QTest::newRow("nothing set") << QStringList{} << none << false;
    QTest::newRow("LC_ALL over LANG") << QStringList{"LANG=zh_CN.UTF-8", "LC_ALL=en_GB.UTF-8"} << none << true;
    QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LANG=zh_CN.UTF-8", "LC_MESSAGES=en_US.UTF-8"} << none
                                           << true;
    QTest::newRow("LANGUAGE first") << QStringList{"LANG=zh_CN.UTF-8", "LANGUAGE=en_US:zh_CN"} << none << true;
    QTest::newRow("LANGUAGE Chinese first") << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=zh_CN:en"} << none
                                            << false;
    QTest::newRow("--lang zh over English") << QStringList{"LANG=en_US.UTF-8"} << QStringList{"--lang", "zh"}
                                            << false;
    QTest::newRow("--lang en over Chinese") << QStringList{"LANG=zh_CN.UTF-8"} << QStringList{"--lang", "en"}
                                            << true;
    QTest::newRow("--lang=en over C") << QStringList{"LANG=C"} << QStringList{"--lang=en"} << true;
    QTest::newRow("--lang fr is no choice") << QStringList{"LANG=en_US.UTF-8"} << QStringList{"--lang", "fr"}
                                            << true;
  }
  void titleAndMenuFollowTheChosenLanguage() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(bool, english);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LC_NUMERIC"})
      env.remove(name);
    for (const QString& pair : environment) env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList{kChildFlag} + arguments);
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
    QCOMPARE(lines.size(), 5);
    if (english) {
      QCOMPARE(lines[0], QString("Cube - Rovan Cube Solver"));
      QCOMPARE(lines[1], QString("Turns"));
      QCOMPARE(lines[2], QString("Undo"));
      QCOMPARE(lines[3], QString("&Yes"));
    } else {
      QCOMPARE(lines[0], QString("魔方 - Rovan魔方求解"));
      QCOMPARE(lines[1], QString("操作"));
      QCOMPARE(lines[2], QString("撤消"));
      // Qt's own buttons speak Chinese too.
      QVERIFY2(lines[3].contains(QString("是")), qPrintable(lines[3]));
    }
    // No display name that Qt would append to every window title.
    QCOMPARE(lines[4], QString("no display name"));
  }

  // Every text of the English catalogue has its English: an unfinished one
  // would show Chinese in the English interface.
  void englishCatalogueIsComplete() {
    QFile ts(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../translations/rovan_en.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == QLatin1String("source")) {
        source = xml.readElementText();
      } else if (xml.name() == QLatin1String("translation")) {
        ++messages;
        QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable(source));
        QVERIFY2(!xml.readElementText().isEmpty(), qPrintable(source));
      }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(messages > 150);
  }
};

int main(int argc, char** argv) {
  if (argc > 1 && qstrcmp(argv[1], kChildFlag) == 0) return RunChild(argc, argv);
  QApplication app(argc, argv);
  LanguageTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "language.moc"
