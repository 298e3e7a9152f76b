#include "application.h"

#include "foundation/displayplatform.h"
#include "foundation/platform.h"
#include "translation/translations.h"
#include "widgets/appicon.h"
#include "widgets/widgetprompts.h"

#include <QApplication>
#include <QLocale>

namespace Application {

namespace {
bool choseDisplayPlatform = false;
}

void setUpBeforeApplication()
{
    const QString platform
        = DisplayPlatform::startPlatform(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());
        choseDisplayPlatform = true;
    }
    // The preview's browser sets up its drawing context itself, on the first
    // preview (see PreviewBrowser).
}

void setUpApplication()
{
    // The programs the shell opens for us make their own choice.
    if (choseDisplayPlatform)
        qunsetenv("QT_QPA_PLATFORM");
    QApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationName(QStringLiteral("Wuxo"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    Translations::install(QLocale::system().uiLanguages());
    QApplication::setWindowIcon(AppIcon::icon());
    static WidgetPrompts prompts;
    Platform::setDefaultPrompts(&prompts);
}

} // namespace Application
