#pragma once

#include <QMainWindow>

namespace quorvelle::shell {

// The main window: a composition of the per-subsystem controllers.
class TMainFm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainFm(QWidget* parent = nullptr);

signals:
    void exitRequested();

private:
    void Exit1Click();
};

} // namespace quorvelle::shell
