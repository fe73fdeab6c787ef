#pragma once
// The two side panes of the main frame. Until the solving form exists it is a
// labelled placeholder; CMainFrame::CreatePanes is the one place that makes them.
class QWidget;

namespace view {
class CRubikView;
}

namespace shell {

class COpLogForm;

// The move-log form under the 3D view; it plays the log on the view's cube.
COpLogForm* CreateMoveLogPane(QWidget* parent, view::CRubikView& view);
// The solving form in the right-hand column.
QWidget* CreateSolverPane(QWidget* parent);

}  // namespace shell
