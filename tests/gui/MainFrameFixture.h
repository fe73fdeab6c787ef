#pragma once
// One main window shared by the tests of a program (a new window takes a
// while to appear), shown and with its OpenGL context made.
#include <QtTest>

#include "shell/CMainFrame.h"
#include "shell/CRubikDoc.h"
#include "view/CRubikView.h"

struct MainFrameFixture {
  shell::CRubikDoc* doc = nullptr;
  shell::CMainFrame* frame = nullptr;

  bool Open() {
    doc = new shell::CRubikDoc;
    frame = new shell::CMainFrame(*doc);
    frame->show();
    return QTest::qWaitForWindowExposed(frame) && QTest::qWaitFor([this] { return frame->View()->HasContext(); });
  }
  void Close() {
    delete frame;
    delete doc;
  }
};
