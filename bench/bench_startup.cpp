// Start-up of the main window: from starting the program to the first frame
// of the window (offscreen), with the shipped data files, and the memory the
// process holds by then. Each run is a fresh process; the figures are medians.
// Targets: 250 ms, 60 MB resident.
#include "app/ui/frmmain.h"
#include "foundation/datafolder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double targetMs = 250.0;
constexpr double targetMb = 60.0;
constexpr int runs = 11;

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
                std::printf("shown %.1f\n", residentMegabytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int runChild(int argc, char *argv[], const QString &programFolder)
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QTemporaryDir programFolder;
    if (!DataFolder::createAndSeed(programFolder.filePath(QStringLiteral("data")))) {
        std::fprintf(stderr, "cannot make the data folder\n");
        return 2;
    }

    std::vector<double> times;
    std::vector<double> memory;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), programFolder.path()});
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
            std::fprintf(stderr, "run %d showed no window: %s\n", run,
                         child.readAllStandardError().constData());
            return 2;
        }
        // The first run warms the disk cache; it is not counted.
        if (run > 0) {
            times.push_back(shownMs);
            memory.push_back(megabytes);
        }
    }

    const double ms = median(times);
    const double mb = median(memory);
    std::printf("start-up to the first frame: median %.1f ms (target %.0f ms)\n", ms, targetMs);
    std::printf("resident memory by then:     median %.1f MB (target %.0f MB)\n", mb, targetMb);
    return ms <= targetMs && mb <= targetMb ? 0 : 1;
}
