// The session document in the window: save and open, refused files, the revert and
// save-changes questions, the modified mark, the recent-file list and the command line.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

#include <sys/stat.h>

#include <QFileInfo>
#include <chrono>

#include "GuiTestMain.h"
#include "document/SessionCube.h"
#include "model/FaceVisibility.h"
#include "model/MoveNotation.h"
#include "model/viewmath/ViewMath.h"
#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "shell/RecentFileMenu.h"
#include "shell/SettingsStore.h"
#include "tests/fixtures/Watchdog.h"
#include "view/CRubikView.h"

using shell::CMainFrame;

namespace {

// Everything a load may change, to compare before and after.
struct Snapshot {
  int order;
  std::string facelets, stickers;
  std::vector<model::TurnRecord> history;
  float zoom, tilt;
  std::array<float, 16> trackball;
  int trackballMoves;
  QString path;
  bool modified;
  bool operator==(const Snapshot&) const = default;
};

// A trackball turned away from its rest position: 40° about an oblique axis.
std::array<float, 16> TurnedTrackball() {
  const viewmath::Mat4 r = viewmath::Rotation(40, 0.3, 0.8, 0.5);
  std::array<float, 16> m;
  for (int i = 0; i < 16; ++i) m[i] = static_cast<float>(r[i]);
  return m;
}

}  // namespace

class SessionDocTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  shell::CRubikDoc* doc_ = nullptr;
  CMainFrame* frame_ = nullptr;
  QString nextFileName_;  // the answer of the next file dialog
  QList<QMessageBox::StandardButton> answers_;
  QStringList boxTexts_;  // every message box shown, in order
  QTimer boxWatcher_;

  view::CRubikView* View() { return frame_->View(); }
  QString PathOf(const QString& name) { return dir_.filePath(name); }

  Snapshot Take() {
    view::CRubikView* v = View();
    return {v->Cube().Order(),        v->Cube().ExportColours(), v->Cube().ExportStickerTurns(),
            v->Cube().history,        v->Camera().zoom,          v->Camera().tilt,
            v->Trackball().matrix,    v->Trackball().moveCount,  doc_->PathName(),
            doc_->IsModified()};
  }

  void AnswerBoxes() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    boxTexts_ << box->text();
    const QMessageBox::StandardButton answer = answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst();
    if (QAbstractButton* b = box->button(answer))
      b->click();
    else
      box->reject();
  }

  void Open(const QString& path) {
    nextFileName_ = path;
    frame_->RunCommand(cmd::kFileOpen);
  }
  void SaveAs(const QString& path) {
    nextFileName_ = path;
    frame_->RunCommand(cmd::kFileSaveAs);
  }
  void Wheel(int delta) {
    QWheelEvent wheel(QPointF(50, 50), View()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(View(), &wheel);
  }
  void RightDrag() {
    const QPointF from(100, 100), to(160, 130);
    QMouseEvent press(QEvent::MouseButtonPress, from, View()->mapToGlobal(from), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, View()->mapToGlobal(to), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, View()->mapToGlobal(to), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(View(), &press);
    QApplication::sendEvent(View(), &move);
    QApplication::sendEvent(View(), &release);
  }
  QStringList RecentMenuTexts() {
    QStringList texts;
    for (QAction* a : frame_->Menu("游戏")->actions())
      if (a->data().toInt() >= shell::kFirstRecentFileCommand &&
          a->data().toInt() < shell::kFirstRecentFileCommand + 4)
        texts << a->text();
    return texts;
  }
  // Writes a file made by the core from `cube` and `camera`, possibly altered.
  QString WriteFile(const QString& name, const std::vector<std::uint8_t>& bytes) {
    QFile f(PathOf(name));
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return f.fileName();
  }

 private slots:
  void initTestCase() {
    shell::RegisterSettingsLocation();
    QVERIFY(dir_.isValid());
    connect(&boxWatcher_, &QTimer::timeout, this, &SessionDocTest::AnswerBoxes);
    boxWatcher_.start(20);
  }
  void init() {
    QSettings().remove("Recent File List");
    answers_.clear();
    boxTexts_.clear();
    doc_ = new shell::CRubikDoc;
    doc_->askFileName = [this](bool, const QString&) { return nextFileName_; };
    frame_ = new CMainFrame(*doc_);
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_));
  }
  void cleanup() {
    delete frame_;
    delete doc_;
  }

  void saveThenOpenRestoresCubeHistoryAndCamera_data() {
    QTest::addColumn<int>("savedOrder");
    QTest::addColumn<int>("shownOrder");
    for (int saved = 2; saved <= 7; ++saved) {
      QTest::addRow("%d on %d", saved, saved) << saved << saved;
      QTest::addRow("%d on %d", saved, saved == 3 ? 5 : 3) << saved << (saved == 3 ? 5 : 3);
    }
  }
  void saveThenOpenRestoresCubeHistoryAndCamera() {
    QFETCH(int, savedOrder);
    QFETCH(int, shownOrder);
    frame_->RunCommand(cmd::NewGameCommand(savedOrder));
    View()->ApplyCommand("R", 0, 1, 0);
    View()->ApplyCommand("U'", 0, 1, 0);
    View()->ApplyCommand("NR", 0, 1, 0);
    View()->Camera().zoom = 1.5f;
    View()->Trackball().matrix = TurnedTrackball();
    View()->Trackball().moveCount = 7;
    const Snapshot saved = Take();
    const QString path = PathOf(QString("saved%1.rvs").arg(savedOrder));
    SaveAs(path);
    QCOMPARE(doc_->PathName(), path);
    QVERIFY(!doc_->IsModified());
    QVERIFY(frame_->windowTitle().startsWith(QString("saved%1.rvs - ").arg(savedOrder)));

    // Another cube, another camera, a new untitled document; then open the file.
    frame_->RunCommand(cmd::NewGameCommand(shownOrder));
    View()->ApplyCommand("F", 0, 1, 0);
    Wheel(120);
    answers_ = {QMessageBox::No};
    QTest::keyClick(frame_->windowHandle(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(doc_->PathName(), QString());
    Open(path);
    QCOMPARE(boxTexts_.filter("Unexpected").size(), 0);
    const Snapshot loaded = Take();
    QCOMPARE(loaded.order, saved.order);
    QCOMPARE(loaded.facelets, saved.facelets);
    QCOMPARE(loaded.stickers, saved.stickers);
    QVERIFY(loaded.history == saved.history);
    QCOMPARE(loaded.trackball, saved.trackball);
    QCOMPARE(loaded.trackballMoves, 7);
    QCOMPARE(loaded.path, path);
    QVERIFY(!loaded.modified);
    // A new order brings its camera preset; the same order keeps the file's zoom.
    const viewmath::Camera preset = viewmath::ShowViewPreset(savedOrder, frame_->ProjectionFlag());
    QCOMPARE(loaded.zoom, savedOrder == shownOrder ? 1.5f : preset.zoom);
    if (savedOrder != shownOrder) QCOMPARE(loaded.tilt, preset.tilt);

    // Undo works on the loaded history.
    frame_->RunCommand(cmd::kEditUndo);
    model::WCube reference;
    reference.Init(savedOrder);
    model::ApplySequence(reference, "R U' NR", 0, 1, 0);
    reference.UndoLast();
    QCOMPARE(View()->Cube().MoveCount(), static_cast<int>(saved.history.size()) - 1);
    QCOMPARE(View()->Cube().ExportColours(), reference.ExportColours());
  }

  void refusedFilesChangeNothing() {
    model::WCube cube;
    cube.Init(4);
    model::ApplySequence(cube, "R U", 0, 1, 0);
    const auto good = session::WriteSession(session::CaptureSession(cube, {}));
    auto truncated = good;
    truncated.resize(good.size() - 3);
    auto version3 = good;
    version3[50] = 3;
    auto badColour = good;
    badColour[128] = 7;  // the first cubie's +X colour
    auto badTurn = good;
    badTurn[good.size() - 8] = 9;  // the last record's layer
    const QString refused[] = {WriteFile("truncated.rvs", truncated), WriteFile("version3.rvs", version3),
                               WriteFile("colour.rvs", badColour), WriteFile("turn.rvs", badTurn)};

    const QString current = PathOf("current.rvs");
    frame_->RunCommand(cmd::kNewGame5);
    View()->ApplyCommand("L", 0, 1, 0);
    SaveAs(current);
    View()->ApplyCommand("D", 0, 1, 0);
    View()->Trackball().matrix = TurnedTrackball();
    const Snapshot before = Take();
    for (const QString& path : refused) {
      boxTexts_.clear();
      Open(path);
      QCOMPARE(boxTexts_, QStringList{"Unexpected file format."});
      QVERIFY(Take() == before);
    }
    boxTexts_.clear();
    Open(PathOf("missing.rvs"));
    QCOMPARE(boxTexts_.size(), 1);
    QVERIFY(boxTexts_[0].contains("missing.rvs"));
    QVERIFY(Take() == before);
    // A file of length 0 opens and changes nothing else.
    const QString empty = WriteFile("empty.rvs", {});
    boxTexts_.clear();
    Open(empty);
    QVERIFY(boxTexts_.isEmpty());
    Snapshot expected = before;
    expected.path = empty;
    QVERIFY(Take() == expected);
  }

  void revertQuestion() {
    const QString path = PathOf("revert.rvs");
    View()->ApplyCommand("R", 0, 1, 0);
    SaveAs(path);
    const Snapshot saved = Take();
    View()->ApplyCommand("U", 0, 1, 0);
    Wheel(-120);  // marks the document modified
    QVERIFY(doc_->IsModified());
    const Snapshot changed = Take();

    answers_ = {QMessageBox::No};
    Open(path);
    QCOMPARE(boxTexts_, QStringList{QString("Revert to saved cube session %1, losing your changes?").arg(path)});
    QVERIFY(Take() == changed);

    boxTexts_.clear();
    answers_ = {QMessageBox::Yes};
    Open(path);
    QCOMPARE(boxTexts_.size(), 1);
    QVERIFY(Take() == saved);

    // Unmodified, the open file is simply already open: no question, no reload.
    View()->ApplyCommand("F", 0, 1, 0);
    boxTexts_.clear();
    Open(path);
    QVERIFY(boxTexts_.isEmpty());
    QCOMPARE(View()->Cube().MoveCount(), 2);
  }

  void saveChangesQuestion() {
    const QString first = PathOf("first.rvs"), second = PathOf("second.rvs");
    SaveAs(second);
    View()->ApplyCommand("B", 0, 1, 0);
    SaveAs(first);
    Wheel(120);
    const Snapshot modified = Take();

    // Cancel keeps everything.
    answers_ = {QMessageBox::Cancel};
    Open(second);
    QCOMPARE(boxTexts_, QStringList{"Save changes to first.rvs?"});
    QVERIFY(Take() == modified);
    answers_ = {QMessageBox::Cancel};
    frame_->RunCommand(cmd::kFileNew);
    QVERIFY(Take() == modified);

    // Yes saves first, then opens the other file.
    answers_ = {QMessageBox::Yes};
    Open(second);
    QCOMPARE(doc_->PathName(), second);
    QCOMPARE(View()->Cube().MoveCount(), 0);
    Open(first);
    QCOMPARE(View()->Camera().zoom, modified.zoom);  // the zoom saved by "Yes"
    QCOMPARE(View()->Cube().MoveCount(), 1);

    // A new document keeps cube, history and camera and is untitled.
    Wheel(120);
    const Snapshot beforeNew = Take();
    boxTexts_.clear();
    answers_ = {QMessageBox::No};
    frame_->RunCommand(cmd::kFileNew);
    QCOMPARE(boxTexts_, QStringList{"Save changes to first.rvs?"});
    Snapshot expected = beforeNew;
    expected.path.clear();
    expected.modified = false;
    QVERIFY(Take() == expected);
    QVERIFY(frame_->windowTitle().startsWith("魔方 - "));
    // Saving the untitled document asks for a name.
    const QString third = PathOf("third.rvs");
    nextFileName_ = third;
    frame_->RunCommand(cmd::kFileSave);
    QCOMPARE(doc_->PathName(), third);
    QVERIFY(QFile::exists(third));
  }

  void modifiedMarkRules() {
    struct Step {
      const char* name;
      std::function<void()> act;
      bool modified;
    };
    const QString path = PathOf("marks.rvs");
    const std::vector<Step> steps = {
        {"turn key", [&] { QTest::keyClick(View(), Qt::Key_R); }, false},
        {"undo", [&] { frame_->RunCommand(cmd::kEditUndo); }, false},
        {"new game", [&] { frame_->RunCommand(cmd::kNewGame4); }, false},
        {"initial state", [&] { frame_->RunCommand(cmd::kInitialState); }, false},
        {"wheel zoom", [&] { Wheel(120); }, true},
        {"turn keeps the mark", [&] { QTest::keyClick(View(), Qt::Key_U); }, true},
        {"save", [&] { SaveAs(path); }, false},
        {"camera drag", [&] { RightDrag(); }, true},
        {"revert", [&] { answers_ = {QMessageBox::Yes}; Open(path); }, false},
        {"wheel again", [&] { Wheel(-120); }, true},
        {"save command", [&] { frame_->RunCommand(cmd::kFileSave); }, false},
    };
    for (const Step& step : steps) {
      step.act();
      QVERIFY2(doc_->IsModified() == step.modified, step.name);
    }
  }

  void recentFileList() {
    for (int i = 1; i <= 5; ++i) {
      View()->ApplyCommand("R", 0, 1, 0);
      SaveAs(PathOf(QString("recent%1.rvs").arg(i)));
    }
    QStringList expected;
    for (int i = 5; i >= 2; --i) expected << PathOf(QString("recent%1.rvs").arg(i));
    QCOMPARE(doc_->RecentFiles().Files(), expected);
    const QStringList texts = RecentMenuTexts();
    QCOMPARE(texts.size(), 4);
    QVERIFY(texts[0].startsWith("&1 ") && texts[0].endsWith("recent5.rvs"));
    QVERIFY(texts[3].startsWith("&4 ") && texts[3].endsWith("recent2.rvs"));
    // The list lives in the settings store: a new window shows it again.
    QSettings store;
    QCOMPARE(store.value("Recent File List/File1").toString(), expected[0]);
    delete frame_;
    frame_ = new CMainFrame(*doc_);
    QCOMPARE(RecentMenuTexts(), texts);

    // Opening entry 3 (recent3.rvs, three turns) moves it to the top.
    frame_->Menu("游戏")->findChild<QAction*>(QString("command%1").arg(shell::kFirstRecentFileCommand + 2))->trigger();
    QCOMPARE(doc_->PathName(), PathOf("recent3.rvs"));
    QCOMPARE(View()->Cube().MoveCount(), 3);
    QCoreApplication::processEvents();
    QVERIFY(RecentMenuTexts()[0].endsWith("recent3.rvs"));

    // An entry whose file is gone leaves the list after the failed open.
    QVERIFY(QFile::remove(PathOf("recent4.rvs")));
    const int gone = static_cast<int>(doc_->RecentFiles().Files().indexOf(PathOf("recent4.rvs")));
    boxTexts_.clear();
    doc_->OpenRecentFile(gone);
    QCOMPARE(boxTexts_.size(), 1);
    QVERIFY(!doc_->RecentFiles().Files().contains(PathOf("recent4.rvs")));
    QCoreApplication::processEvents();
    QCOMPARE(RecentMenuTexts().size(), 3);
    QCOMPARE(doc_->PathName(), PathOf("recent3.rvs"));
  }

  void loadedTrackballShowsItsFaces() {
    // Half a turn about the screen's vertical shows the cube from behind: the cube
    // leans towards the viewer there, so the bottom shows instead of the top.
    const viewmath::Mat4 half = viewmath::Rotation(180, 0, 1, 0);
    for (int i = 0; i < 16; ++i) View()->Trackball().matrix[i] = static_cast<float>(half[i]);
    const QString path = PathOf("turned.rvs");
    SaveAs(path);
    frame_->RunCommand(cmd::kFileNew);
    View()->Trackball().Reset();
    model::gFaceVisibility.Reset();
    Open(path);
    QCOMPARE(model::gFaceVisibility.visible, (std::array<bool, 6>{false, true, false, true, false, true}));
  }

  void commandLinePath() {
    frame_->RunCommand(cmd::kNewGame6);
    View()->ApplyCommand("R", 0, 1, 0);
    const QString path = PathOf("start.rvs");
    SaveAs(path);
    const Snapshot saved = Take();
    delete frame_;
    delete doc_;
    doc_ = new shell::CRubikDoc;
    frame_ = new CMainFrame(*doc_);
    QVERIFY(shell::ProcessShellCommand(*doc_, {"rovan"}));
    QCOMPARE(View()->Cube().Order(), 3);
    QVERIFY(shell::ProcessShellCommand(*doc_, {"rovan", path}));
    QCOMPARE(Take().facelets, saved.facelets);
    QCOMPARE(doc_->PathName(), path);
    QVERIFY(boxTexts_.isEmpty());
    // A file that cannot be opened ends start-up after its message.
    QVERIFY(!shell::ProcessShellCommand(*doc_, {"rovan", PathOf("nowhere.rvs")}));
    QCOMPARE(boxTexts_.size(), 1);
  }

  // Paths that are no readable regular file: the refusal, at once, and the window,
  // the cube and the document stay as they were; from the File menu and from the
  // command line alike.
  void specialFilesAreRefusedAtOnce() {
    const QString current = PathOf("current.rvs");
    View()->ApplyCommand("R", 0, 1, 0);
    SaveAs(current);
    View()->ApplyCommand("U", 0, 1, 0);
    const Snapshot before = Take();
    const QString fifo = PathOf("fifo.rvs");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString paths[] = {dir_.path(), fifo, "/dev/zero", "/proc/self/mem"};
    for (const QString& path : paths) {
      test_support::Watchdog watchdog("opening " + path.toStdString(), std::chrono::seconds(20));
      boxTexts_.clear();
      Open(path);
      QCOMPARE(boxTexts_, QStringList{QString("%1\nFailed to open document.").arg(path)});
      QVERIFY(Take() == before);
      boxTexts_.clear();
      QVERIFY(!shell::ProcessShellCommand(*doc_, {"rovan", path}));
      QCOMPARE(boxTexts_.size(), 1);
      QVERIFY(Take() == before);
    }
  }

  // Saving through a symbolic link writes the file it names, keeping its mode.
  void saveThroughALinkKeepsLinkAndMode() {
    const QString target = PathOf("target.rvs");
    SaveAs(target);
    const QByteArray targetName = QFile::encodeName(target);
    QCOMPARE(::chmod(targetName.constData(), 0640), 0);
    const QString link = PathOf("link.rvs");
    QVERIFY(QFile::link(target, link));
    View()->ApplyCommand("F", 0, 1, 0);
    SaveAs(link);
    QVERIFY(boxTexts_.isEmpty());
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    struct stat st {};
    QCOMPARE(::stat(targetName.constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, 0640u);
    std::vector<std::uint8_t> bytes;
    QVERIFY(session::ReadFileBytes(target.toStdString(), bytes));
    session::SessionData data;
    QCOMPARE(session::ParseSession(bytes, data), session::ParseResult::Loaded);
    QCOMPARE(static_cast<int>(data.history.size()), View()->Cube().MoveCount());
  }
};

ROVAN_GUI_TEST_MAIN(SessionDocTest)
#include "sessiondoc.moc"
