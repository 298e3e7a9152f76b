#include "copypost.h"

#include "foundation/platform.h"

namespace CopyPost {

QString removeBreakRuns(const QString &text, int n)
{
    if (n <= 0)
        return text;
    const QString run = QStringLiteral("\r\n").repeated(n);
    QString result = text;
    result.replace(run, QStringLiteral("\r\n\r\n"), Qt::CaseSensitive);
    return result;
}

QStringList tidyPasses(const QString &text)
{
    QStringList passes;
    QString current = text;
    for (const int n : {6, 5, 4, 3}) {
        current = removeBreakRuns(current, n);
        passes.append(current);
    }
    return passes;
}

bool longEnough(const QString &text)
{
    return text.size() >= 2;
}

bool copy(Editor &editor, bool tidy, Clipboard &clipboard)
{
    QString text = editor.text();
    if (!longEnough(text))
        return false;
    if (tidy) {
        for (const QString &pass : tidyPasses(text)) {
            editor.write(pass);
            text = pass;
        }
    }
    clipboard.clear();
    const bool typed = editor.runEvents();
    clipboard.setText(typed ? editor.text() : text);
    return true;
}

} // namespace CopyPost
