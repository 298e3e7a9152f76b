#pragma once

#include "wuxoerror.h"

#include <QDateTime>
#include <QString>

// Tells the user about a failed handler and keeps a line of it in the error
// log "ErrorLog.txt" in the data folder. `source` names the handler
// ("Main.Preview"); an empty one is reported as "Unknown". Errors 0 and 20 are
// never reported. The box is shown before the log is touched, and a log that
// cannot be written is passed over: the user has already been told.
void ReportError(const QString &source, const WuxoError &error);

namespace ErrorReport {
// The pieces of a report, exposed so the wording can be checked exactly.
QString title(const QString &source, const WuxoError &error);
QString message(const WuxoError &error);
QString logLine(const QString &source, const WuxoError &error, const QDateTime &when);
QString logFilePath();
} // namespace ErrorReport
