#include "app/ui/application.h"
#include "app/ui/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Application::setUpBeforeApplication();
    QApplication app(argc, argv);
    Application::setUpApplication();

    frmMain window;
    if (window.refusedSecondInstance())
        return 0;
    window.show();
    return app.exec();
}
