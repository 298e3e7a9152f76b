#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class Clipboard;

// Writes HTML from the clipboard (a copied part of a web page or document) as a
// post in BBCode, with CR LF line breaks. Qt's HTML importer reads the page;
// this walks the resulting blocks, lists, character formats and anchors. The
// result always converts to a preview. Relative addresses are resolved against
// the page's address when it is known, and kept as written otherwise.
class HtmlToBBCode
{
public:
    explicit HtmlToBBCode(const QUrl &pageAddress = {});

    QString convert(const QString &html) const;

    // An address as a tag value: "[", "]", quotes, "<", ">" and spaces are
    // percent-encoded, so that it ends neither the tag nor the preview's attribute.
    static QString tagAddress(const QUrl &address);

    // What "Paste as BBCode" puts in place of the selection: the clipboard's
    // HTML written as BBCode, or its plain text as Paste takes it when there is
    // no HTML or the HTML holds nothing to write; nothing when it holds neither.
    static std::optional<QString> pasteText(const Clipboard &clipboard);

private:
    QUrl m_page;
};
