#include "systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringDecoder>

namespace {

// Where browsers say which page a copy came from.
constexpr const char *sourceUrlFormats[] = {
    "text/x-moz-url-priv",   // Firefox
    "chromium/x-source-url", // Chromium and the browsers built on it
};
constexpr const char *windowsHtmlFormat = "application/x-qt-windows-mime;value=\"HTML Format\"";

QClipboard *systemClipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        ? QGuiApplication::clipboard()
        : nullptr;
}

QUrl webAddress(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    return url.isValid() && !url.isRelative() ? url : QUrl();
}

} // namespace

SystemClipboard::SystemClipboard()
{
    if (QClipboard *clipboard = systemClipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &Clipboard::changed);
}

const QMimeData *SystemClipboard::mimeData() const
{
    QClipboard *clipboard = systemClipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

QString SystemClipboard::text() const
{
    const QMimeData *data = mimeData();
    return data && data->hasText() ? data->text() : QString();
}

bool SystemClipboard::hasText() const
{
    const QMimeData *data = mimeData();
    return data && data->hasText();
}

QString SystemClipboard::html() const
{
    const QMimeData *data = mimeData();
    return data && data->hasHtml() ? data->html() : QString();
}

QUrl SystemClipboard::sourceUrl() const
{
    const QMimeData *data = mimeData();
    if (!data)
        return {};
    for (const char *format : sourceUrlFormats) {
        const QString name = QString::fromLatin1(format);
        if (data->hasFormat(name)) {
            const QUrl url = sourceUrlFrom(data->data(name));
            if (!url.isEmpty())
                return url;
        }
    }
    const QString windowsHtml = QString::fromLatin1(windowsHtmlFormat);
    if (data->hasFormat(windowsHtml))
        return sourceUrlFromHtmlFormat(data->data(windowsHtml));
    return {};
}

void SystemClipboard::clear()
{
    if (QClipboard *clipboard = systemClipboard())
        clipboard->clear();
}

void SystemClipboard::writeText(const QString &text)
{
    if (QClipboard *clipboard = systemClipboard())
        clipboard->setText(text);
}

bool SystemClipboard::seesOtherPrograms() const
{
    return platformSeesOtherPrograms(QGuiApplication::platformName());
}

bool SystemClipboard::platformSeesOtherPrograms(const QString &platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

QUrl SystemClipboard::sourceUrlFrom(const QByteArray &data)
{
    QString text;
    const bool utf16 = data.startsWith("\xff\xfe") || data.startsWith("\xfe\xff")
        || (data.size() >= 2 && data.at(0) != '\0' && data.at(1) == '\0');
    if (utf16) {
        QStringDecoder decoder(data.startsWith("\xfe\xff") ? QStringDecoder::Utf16BE
                                                           : QStringDecoder::Utf16LE);
        text = decoder.decode(data);
        if (text.startsWith(QChar(0xfeff)))
            text.remove(0, 1);
    } else {
        text = QString::fromUtf8(data);
    }
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n'
           && text.at(end) != u'\0')
        ++end;
    return webAddress(text.left(end));
}

QUrl SystemClipboard::sourceUrlFromHtmlFormat(const QByteArray &data)
{
    // The header is lines of "Key:value" before the HTML itself begins.
    for (const QByteArray &line : data.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('<'))
            break;
        if (trimmed.startsWith("SourceURL:"))
            return webAddress(QString::fromUtf8(trimmed.mid(10)));
    }
    return {};
}
