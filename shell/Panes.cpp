#include "shell/Panes.h"

#include "shell/CCubeSolverForm.h"
#include "shell/COpLogForm.h"

namespace shell {

COpLogForm* CreateMoveLogPane(QWidget* parent, view::CRubikView& view) {
  return new COpLogForm(view, parent);
}

CCubeSolverForm* CreateSolverPane(QWidget* parent, CMainFrame& frame) {
  return new CCubeSolverForm(frame, parent);
}

}  // namespace shell
