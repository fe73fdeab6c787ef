// The about box and the help window, and the menu commands that open them and the options dialog.
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

#include "GuiTestMain.h"
#include "appinfo/BuildDate.h"
#include "shell/CAboutDlg.h"
#include "shell/CButtonST.h"
#include "shell/CDlgHelp.h"
#include "shell/CMainFrame.h"
#include "shell/CPreferencesDlg.h"
#include "shell/CReadOnlyEdit.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/SettingsStore.h"

using shell::CAboutDlg;
using shell::CDlgHelp;

namespace {

// Saves a picture of the window when ROVAN_SCREENSHOT_DIR names a folder (for looking at the layout).
void MaybeScreenshot(QWidget& window, const QString& name) {
  const QString dir = qEnvironmentVariable("ROVAN_SCREENSHOT_DIR");
  if (!dir.isEmpty()) window.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The class name of the modal window a command opens, which is then closed.
QString ModalOpenedBy(shell::CMainFrame& frame, int id) {
  QString opened;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      opened = QString::fromLatin1(modal->metaObject()->className());
      MaybeScreenshot(*modal, opened.section(QStringLiteral("::"), -1));
      modal->reject();
    }
  });
  poll.start(20);
  frame.RunCommand(id);
  return opened;
}

}  // namespace

class HelpAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { shell::RegisterSettingsLocation(); }

  void aboutShowsVersionAndBuildDate() {
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Rovan魔方求解"));
    QCOMPARE(about.VersionText(), QStringLiteral("Rovan魔方 V2.2.7.8"));
    const QString date = about.BuildDateText();
    static const QRegularExpression shape(
        QStringLiteral("^创建时间 20\\d\\d/([1-9]|1[0-2])/([1-9]|[12]\\d|3[01]) \\d\\d:\\d\\d:\\d\\d$"));
    QVERIFY2(shape.match(date).hasMatch(), qPrintable(date));
    QCOMPARE(date, QString::fromStdString(
                       appinfo::AboutBuildText(appinfo::ProgramBuildDate(), appinfo::ProgramBuildTime())));
    QVERIFY(!about.windowIcon().isNull());
  }

  void helpShowsTheDecipheredText() {
    CDlgHelp help;
    QCOMPARE(help.windowTitle(), QStringLiteral("RVSOLVER "));
    QVERIFY(help.Edit() && help.Button() && help.DateLine());
    const QString text = help.Edit()->toPlainText();
    QVERIFY2(text.startsWith(QStringLiteral("Rovan魔方 使用说明")), qPrintable(text.left(40)));
    // Readable throughout: no byte-order mark, no undecodable characters, the main topics present.
    QVERIFY(!text.contains(QChar(0xFEFF)));
    QVERIFY(!text.contains(QChar(0xFFFD)));
    for (const char* topic : {"鼠标", "键盘", "F8", "求解", "选项"}) {
      QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
    }
    QVERIFY(help.Edit()->isReadOnly());
    QCOMPARE(help.Edit()->BackColor(), QColor(224, 255, 255));
    QCOMPARE(help.Edit()->TextColor(), QColor(192, 10, 0));
    QCOMPARE(help.Edit()->palette().color(QPalette::Base), QColor(224, 255, 255));
    QCOMPARE(help.Edit()->geometry(), QRect(8, 40, 774, 522));
  }

  void helpButtonAndDateLine() {
    CDlgHelp help;
    QVERIFY(help.Button()->text().startsWith(QStringLiteral("Rovan魔方 使用说明")));
    QCOMPARE(help.Button()->geometry(), QRect(400, 4, 358, 32));
    const QString date = QString::fromStdString(appinfo::ShortBuildDate(appinfo::ProgramBuildDate()));
    QVERIFY(help.DateLine()->text().endsWith(date));
    QVERIFY(help.DateLine()->text().startsWith(QStringLiteral("Rovan魔方 V2.2.7.8")));
    QVERIFY(!help.windowIcon().isNull());
    // The button only takes the focus; the window stays open.
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::mouseClick(help.Button(), Qt::LeftButton);
    QVERIFY(help.isVisible());
    QCOMPARE(help.focusWidget(), static_cast<QWidget*>(help.Button()));
  }

  void menuCommandsOpenTheirDialogs() {
    shell::CRubikDoc doc;
    shell::CMainFrame frame(doc);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(!frame.windowIcon().isNull());
    QCOMPARE(ModalOpenedBy(frame, cmd::kOptions), QStringLiteral("shell::CPreferencesDlg"));
    QCOMPARE(ModalOpenedBy(frame, cmd::kAppAbout), QStringLiteral("shell::CAboutDlg"));
    QCOMPARE(ModalOpenedBy(frame, cmd::kHelp), QStringLiteral("shell::CDlgHelp"));
  }
};

ROVAN_GUI_TEST_MAIN(HelpAboutTest)
#include "helpabout.moc"
