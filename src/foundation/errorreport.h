#pragma once

#include "wuxoerror.h"

#include <QDateTime>
#include <QString>

#include <functional>

// Tells the user about a failed handler and keeps a line of it in the error
// log "ErrorLog.txt" in the data folder. `source` names the handler
// ("Main.Preview"); an empty one is reported as "Unknown". Errors 0 and 20 are
// never reported. The box is shown before the log is touched, and a log that
// cannot be written is passed over: the user has already been told.
void ReportError(const QString &source, const WuxoError &error);

// Runs a handler's work under its error trap: a WuxoError the work throws is
// reported through ReportError with the handler's label, and so is running out
// of memory, as error 7. Answers whether the work finished; `reported`, when
// given, receives the number of the error reported (0 when the work finished).
bool runTrapped(const QString &label, const std::function<void()> &work, int *reported = nullptr);

namespace ErrorReport {
// The pieces of a report, exposed so the wording can be checked exactly.
QString title(const QString &source, const WuxoError &error);
QString message(const WuxoError &error);
QString logLine(const QString &source, const WuxoError &error, const QDateTime &when);
QString logFilePath();
} // namespace ErrorReport
