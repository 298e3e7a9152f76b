#include "app/frmmain.h"
#include "foundation/platform.h"
#include "widgets/appicon.h"
#include "widgets/widgetprompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The preview's web view shares its drawing context with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationName(QStringLiteral("Wuxo"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(AppIcon::icon());

    WidgetPrompts prompts;
    Platform::setDefaultPrompts(&prompts);

    frmMain window;
    if (window.refusedSecondInstance())
        return 0;
    window.show();
    return app.exec();
}
