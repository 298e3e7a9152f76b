#include "foundation/displayplatform.h"

#include <QTest>

class TestDisplayPlatform : public QObject
{
    Q_OBJECT
private slots:
    void startPlatform_data();
    void startPlatform();
};

void TestDisplayPlatform::startPlatform_data()
{
    // Each variable as "NAME=value".
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("platform");
    QTest::newRow("X11 session") << QStringList{"XDG_SESSION_TYPE=x11", "DISPLAY=:0"} << "";
    QTest::newRow("Wayland with XWayland")
        << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"}
        << "xcb;wayland";
    QTest::newRow("Wayland display without a session type")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:1"} << "xcb;wayland";
    QTest::newRow("Wayland session type alone")
        << QStringList{"XDG_SESSION_TYPE=wayland", "DISPLAY=:1"} << "xcb;wayland";
    QTest::newRow("Wayland without XWayland")
        << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-0"} << "";
    QTest::newRow("empty DISPLAY is no X11")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY="} << "";
    QTest::newRow("the user's choice stands")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"} << "";
    QTest::newRow("an empty choice is none")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM="}
        << "xcb;wayland";
    QTest::newRow("nothing set") << QStringList{} << "";
}

void TestDisplayPlatform::startPlatform()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, platform);
    QProcessEnvironment environment;
    for (const QString &variable : variables) {
        const qsizetype equals = variable.indexOf(u'=');
        environment.insert(variable.left(equals), variable.mid(equals + 1));
    }
    QCOMPARE(DisplayPlatform::startPlatform(environment), platform);
}

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_displayplatform.moc"
