#include "application.h"

#include "foundation/platform.h"
#include "widgets/appicon.h"
#include "widgets/widgetprompts.h"

#include <QApplication>

namespace Application {

void setUpBeforeApplication()
{
    // The preview's web view shares its drawing context with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void setUpApplication()
{
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationName(QStringLiteral("Wuxo"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(AppIcon::icon());
    static WidgetPrompts prompts;
    Platform::setDefaultPrompts(&prompts);
}

} // namespace Application
