#pragma once
// The two side panes of the main frame; CMainFrame::CreatePanes is the one
// place that makes them.
class QWidget;

namespace view {
class CRubikView;
}

namespace shell {

class CCubeSolverForm;
class CMainFrame;
class COpLogForm;

// The move-log form under the 3D view; it plays the log on the view's cube.
COpLogForm* CreateMoveLogPane(QWidget* parent, view::CRubikView& view);
// The solving form in the right-hand column.
CCubeSolverForm* CreateSolverPane(QWidget* parent, CMainFrame& frame);

}  // namespace shell
