#include "ui/main_frame.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Nivra"));
    resize(1000, 700);
}
