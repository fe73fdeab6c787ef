#include "shell/Panes.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/COpLogForm.h"

namespace shell {

namespace {
QWidget* Placeholder(QWidget* parent, const char* objectName, const QString& title) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(objectName);
  frame->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(frame);
  auto* label = new QLabel(title, frame);
  label->setAlignment(Qt::AlignCenter);
  label->setEnabled(false);
  layout->addWidget(label);
  return frame;
}
}  // namespace

COpLogForm* CreateMoveLogPane(QWidget* parent, view::CRubikView& view) {
  return new COpLogForm(view, parent);
}

QWidget* CreateSolverPane(QWidget* parent) {
  return Placeholder(parent, "solverPane", QStringLiteral("求解"));
}

}  // namespace shell
