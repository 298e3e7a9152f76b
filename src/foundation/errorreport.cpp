#include "errorreport.h"

#include "buildinfo.h"
#include "datafolder.h"
#include "platform.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

#include <new>
#include <optional>

namespace {

QString sourceOrUnknown(const QString &source)
{
    return source.isEmpty() ? QStringLiteral("Unknown") : source;
}

QString programBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// The locale's long time without a time-zone name: the log reads like a clock.
QString longTime(const QLocale &locale, const QTime &time)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return locale.toString(time, format.trimmed());
}

} // namespace

namespace ErrorReport {

QString title(const QString &source, const WuxoError &error)
{
    return QCoreApplication::translate("ErrorReport", "%1 Error %2 in %3")
        .arg(programBaseName(), QString::number(error.number()), sourceOrUnknown(source));
}

QString message(const WuxoError &error)
{
    return QCoreApplication::translate("ErrorReport",
                                       "The following error has occured:\r\n[ %1 ]\rPlease report "
                                       "errors to %2\r\n")
        .arg(error.description(), QString::fromUtf8(BuildInfo::supportEmail));
}

// The log's line format is data that tools read: it stays the same in every language.
QString logLine(const QString &source, const WuxoError &error, const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' + longTime(locale, when.time())
        + QStringLiteral(" Error ") + QString::number(error.number()) + QStringLiteral(" in ")
        + sourceOrUnknown(source) + QStringLiteral(" - ") + error.description()
        + QStringLiteral("\r\n");
}

QString logFilePath()
{
    return DataFolder::filePath(QStringLiteral("ErrorLog.txt"));
}

} // namespace ErrorReport

void ReportError(const QString &source, const WuxoError &error)
{
    if (error.number() == ErrorNumber::None || error.number() == ErrorNumber::ResumeWithoutError)
        return;
    Platform::prompts().messageBox(ErrorReport::message(error), ErrorReport::title(source, error),
                                   MessageIcon::Critical, MessageButtons::Ok);
    try {
        TextFile::append(ErrorReport::logFilePath(),
                         ErrorReport::logLine(source, error, QDateTime::currentDateTime()));
    } catch (const WuxoError &) {
    }
    while (qGuiApp && QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool runTrapped(const QString &label, const std::function<void()> &work, int *reported)
{
    std::optional<WuxoError> failure;
    try {
        work();
    } catch (const WuxoError &error) {
        failure = error;
    } catch (const std::bad_alloc &) {
        failure = WuxoError(ErrorNumber::OutOfMemory);
    }
    if (reported)
        *reported = failure ? failure->number() : ErrorNumber::None;
    if (!failure)
        return true;
    // Reported outside the handler: the report itself needs memory, and the
    // work's stack is unwound by now.
    ReportError(label, *failure);
    return false;
}
