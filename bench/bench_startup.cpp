// Start-up of the main window, two ways, each run a fresh process and every
// figure a median:
// - where a user sees it: the real program on a private X server (Xvfb, with
//   Mesa's OpenGL as on a desktop without a GPU driver), from starting the
//   process until its main window is mapped, and the proportional memory (PSS)
//   it holds two seconds later. Nothing of the web engine or of OpenGL may be
//   loaded by then. Targets: 200 ms, 70 MB.
//   Another build of the program may be named on the command line, to compare.
// - offscreen, in a process of this benchmark: until the window's first frame,
//   and the resident memory by then. Targets: 250 ms, 60 MB.
// Both ways share the process, X server and memory plumbing below.
#include "app/ui/frmmain.h"
#include "foundation/datafolder.h"

#include "benchtiming.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <xcb/xcb.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr double targetMappedMs = 200.0;
constexpr double targetPssMb = 70.0;
constexpr double targetOffscreenMs = 250.0;
constexpr double targetOffscreenMb = 60.0;
constexpr int runs = 11;
constexpr int startTimeoutMs = 20000;
constexpr char mainWindowTitle[] = "Quorvel Wuxo";

// What a program holds in memory, from the kernel's summary of its mappings.
struct Memory
{
    double pssMb = 0;
    double rssMb = 0;
};

double kilobytesField(const QByteArray &text, const QByteArray &field)
{
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

Memory memoryOf(const QString &pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = rollup.readAll();
    return {kilobytesField(text, "Pss:") / 1024.0, kilobytesField(text, "Rss:") / 1024.0};
}

// The libraries of a running program whose names hold any of `names`.
QStringList mappedLibraries(qint64 pid, const QStringList &names)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    QStringList found;
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read the maps)")};
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        const QString file = path.section(u'/', -1);
        for (const QString &name : names) {
            if (line.contains('/') && file.contains(name) && !found.contains(file))
                found.append(file);
        }
    }
    return found;
}

// Reports once the window has painted its first frame.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [] {
                std::printf("shown %.1f\n", memoryOf(QStringLiteral("self")).rssMb);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int runOffscreenChild(int argc, char *argv[], const QString &programFolder)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    DataFolder::setProgramFolder(programFolder);
    frmMain window;
    FirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    window.show();
    return app.exec();
}

bool measureOffscreen(const QString &programFolder)
{
    std::vector<double> times;
    std::vector<double> memory;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), programFolder});
        double shownMs = -1;
        double megabytes = 0;
        QByteArray output;
        while (child.waitForReadyRead(10000)) {
            output += child.readAllStandardOutput();
            if (output.contains('\n')) {
                shownMs = double(timer.nsecsElapsed()) / 1e6;
                megabytes = output.trimmed().split(' ').value(1).toDouble();
                break;
            }
        }
        child.waitForFinished(10000);
        if (shownMs < 0) {
            std::printf("offscreen run %d showed no window: %s\n", run,
                        child.readAllStandardError().constData());
            return false;
        }
        // The first run warms the disk cache; it is not counted.
        if (run > 0) {
            times.push_back(shownMs);
            memory.push_back(megabytes);
        }
    }
    const double ms = median(times);
    const double mb = median(memory);
    std::printf(
        "offscreen, to the first frame:  median %6.1f ms (target %.0f ms), resident %5.1f MB "
        "(target %.0f MB)\n",
        ms, targetOffscreenMs, mb, targetOffscreenMb);
    return ms <= targetOffscreenMs && mb <= targetOffscreenMb;
}

// A private X server and D-Bus session for the runs, ended with the benchmark.
class PrivateDesktop
{
public:
    ~PrivateDesktop()
    {
        if (m_x)
            xcb_disconnect(m_x);
        for (QProcess *process : {&m_bus, &m_server}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
    }

    // Returns an empty string when all went well, else what failed.
    QString start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return QStringLiteral("no pipe");
        // Xvfb picks a free display itself and writes its number to the pipe.
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QString::number(fds[1]),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"), QStringLiteral("-noreset")});
        ::close(fds[1]);
        QByteArray number;
        pollfd wait{fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, startTimeoutMs) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (number.isEmpty())
            return QStringLiteral("Xvfb did not start: ")
                + QString::fromLocal8Bit(m_server.readAllStandardError());
        m_display = u':' + QString::fromLatin1(number);

        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address")});
        if (!m_bus.waitForReadyRead(startTimeoutMs))
            return QStringLiteral("dbus-daemon did not start");
        m_busAddress = QString::fromLatin1(m_bus.readLine().trimmed());

        m_x = xcb_connect(m_display.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(m_x))
            return QStringLiteral("cannot connect to ") + m_display;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_x, m_root, XCB_CW_EVENT_MASK, &mask);
        m_pidAtom = atom("_NET_WM_PID");
        xcb_flush(m_x);
        return {};
    }

    QString display() const { return m_display; }
    QString busAddress() const { return m_busAddress; }

    void forgetEvents()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_x))
            free(event);
    }

    // Waits until a window of the process `pid` is mapped as a top-level window.
    bool waitForMappedWindow(qint64 pid, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_x)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window
                    = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                free(event);
                // The main window, not a box saying the program runs already.
                if (mapped && pidOf(window) == pid && nameOf(window).contains(mainWindowTitle))
                    return true;
            }
            pollfd wait{xcb_get_file_descriptor(m_x), POLLIN, 0};
            poll(&wait, 1, int(std::max<qint64>(1, timeoutMs - timer.elapsed())));
            if (xcb_connection_has_error(m_x))
                return false;
        }
        return false;
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_x, xcb_intern_atom(m_x, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return result;
    }

    QByteArray nameOf(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_x, xcb_get_property(m_x, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256), nullptr);
        QByteArray name;
        if (reply)
            name = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                              xcb_get_property_value_length(reply));
        free(reply);
        return name;
    }

    qint64 pidOf(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_x, xcb_get_property(m_x, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        qint64 pid = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = *static_cast<const uint32_t *>(xcb_get_property_value(reply));
        free(reply);
        return pid;
    }

    QProcess m_server;
    QProcess m_bus;
    QString m_display;
    QString m_busAddress;
    xcb_connection_t *m_x = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
};

bool measureOnX(const QString &program, const QString &plugin, const QTemporaryDir &work)
{
    PrivateDesktop desktop;
    const QString problem = desktop.start();
    if (!problem.isEmpty()) {
        std::printf("on Xvfb: cannot measure here (%s)\n", qPrintable(problem));
        return false;
    }
    // A program folder of its own, as a user unpacks it: the program and the
    // web engine plugin where it looks for it; the data folder it makes itself.
    const QDir programFolder(work.filePath(QStringLiteral("program")));
    const QString copy = programFolder.filePath(QStringLiteral("wuxo"));
    const QString pluginCopy = QDir::cleanPath(
        programFolder.filePath(QFileInfo(program).dir().relativeFilePath(plugin)));
    QDir().mkpath(programFolder.path());
    QDir().mkpath(QFileInfo(pluginCopy).path());
    if (!QFile::copy(program, copy)
        || (QFile::exists(plugin) && !QFile::copy(plugin, pluginCopy))) {
        std::printf("on Xvfb: cannot copy %s and %s\n", qPrintable(program), qPrintable(plugin));
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), desktop.display());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), desktop.busAddress());
    environment.insert(QStringLiteral("HOME"), work.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), work.filePath(QStringLiteral("runtime")));
    QDir().mkpath(work.filePath(QStringLiteral("home")));
    QDir().mkpath(work.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(work.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    std::vector<double> times;
    std::vector<double> pss;
    std::vector<double> rss;
    QStringList loaded;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        desktop.forgetEvents();
        QElapsedTimer timer;
        timer.start();
        child.start(copy, {});
        if (!child.waitForStarted(startTimeoutMs)
            || !desktop.waitForMappedWindow(child.processId(), startTimeoutMs)) {
            std::printf("on Xvfb: run %d mapped no window\n", run);
            child.kill();
            child.waitForFinished(5000);
            return false;
        }
        const double mappedMs = double(timer.nsecsElapsed()) / 1e6;
        QThread::msleep(2000);
        const Memory memory = memoryOf(QString::number(child.processId()));
        for (const QString &library :
             mappedLibraries(child.processId(),
                             {QStringLiteral("WebEngine"), QStringLiteral("libGLX_mesa"),
                              QStringLiteral("swrast"), QStringLiteral("libLLVM")})) {
            if (!loaded.contains(library))
                loaded.append(library);
        }
        child.terminate();
        if (!child.waitForFinished(5000)) {
            child.kill();
            child.waitForFinished(5000);
        }
        // The first run warms the disk cache; it is not counted.
        if (run > 0) {
            times.push_back(mappedMs);
            pss.push_back(memory.pssMb);
            rss.push_back(memory.rssMb);
        }
    }
    const double ms = median(times);
    const double pssMb = median(pss);
    std::printf("on Xvfb, to the window mapped:  median %6.1f ms (target %.0f ms; fastest %.1f, "
                "slowest %.1f)\n",
                ms, targetMappedMs, *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    std::printf(
        "on Xvfb, 2 s later:             PSS %5.1f MB (target %.0f MB), resident %5.1f MB\n", pssMb,
        targetPssMb, median(rss));
    std::printf("web engine or OpenGL libraries loaded at start: %s\n",
                loaded.isEmpty() ? "none" : qPrintable(loaded.join(QStringLiteral(", "))));
    return ms <= targetMappedMs && pssMb <= targetPssMb && loaded.isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runOffscreenChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    QDir().mkpath(work.filePath(QStringLiteral("offscreen")));
    if (!DataFolder::createAndSeed(work.filePath(QStringLiteral("offscreen/data")))) {
        std::fprintf(stderr, "cannot make the data folder\n");
        return 2;
    }
    // Another build of the program may be named, to compare.
    const QString program
        = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(WUXO_PROGRAM);
    const bool onX = measureOnX(program, QStringLiteral(WUXO_PREVIEW_PLUGIN), work);
    const bool offscreen = measureOffscreen(work.filePath(QStringLiteral("offscreen")));
    return onX && offscreen ? 0 : 1;
}
