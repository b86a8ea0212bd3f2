#include "shell/main_window.h"

#include "settings/program_info.h"

#include <QAction>
#include <QMenuBar>

namespace quorvelle::shell {

TMainFm::TMainFm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(settings::WindowCaption());
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* exit = file->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &TMainFm::Exit1Click);
    resize(536, 366);
}

void TMainFm::Exit1Click()
{
    emit exitRequested();
}

} // namespace quorvelle::shell
