#include "application.h"

#include "foundation/platform.h"
#include "widgets/appicon.h"
#include "widgets/widgetprompts.h"

#include <QApplication>

namespace Application {

void setUpBeforeApplication()
{
    // Nothing yet: the preview's browser sets up its drawing context itself, on
    // the first preview (see PreviewBrowser).
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
