#pragma once

#include "platform.h"

#include <QByteArray>

class QMimeData;

// The clipboard of the desktop the program runs on, through QClipboard. Make it
// after the QGuiApplication: without one the clipboard reads as empty.
class SystemClipboard : public Clipboard
{
    Q_OBJECT
public:
    SystemClipboard();

    QString text() const override;
    bool hasText() const override;
    QString html() const override;
    QUrl sourceUrl() const override;
    void clear() override;
    bool seesOtherPrograms() const override;

    // Whether a program on this Qt platform (QGuiApplication::platformName())
    // hears of copies made in other programs while it is in the background.
    static bool platformSeesOtherPrograms(const QString &platformName);
    // The page address in one of the browsers' source formats: the first line
    // of UTF-8 or UTF-16 text.
    static QUrl sourceUrlFrom(const QByteArray &data);
    // The page address in the header of Windows' "HTML Format".
    static QUrl sourceUrlFromHtmlFormat(const QByteArray &data);

protected:
    void writeText(const QString &text) override;

private:
    const QMimeData *mimeData() const;
};
