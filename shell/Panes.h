#pragma once
// The two side panes of the main frame. Until their forms exist these are
// labelled placeholders; CMainFrame::CreatePanes is the one place that makes them.
class QWidget;

namespace shell {

// The move-log form under the 3D view.
QWidget* CreateMoveLogPane(QWidget* parent);
// The solving form in the right-hand column.
QWidget* CreateSolverPane(QWidget* parent);

}  // namespace shell
