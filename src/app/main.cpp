#include "app/frmmain.h"
#include "foundation/platform.h"
#include "widgets/widgetprompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationName(QStringLiteral("Wuxo"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    WidgetPrompts prompts;
    Platform::setDefaultPrompts(&prompts);

    frmMain window;
    if (window.refusedSecondInstance())
        return 0;
    window.show();
    return app.exec();
}
