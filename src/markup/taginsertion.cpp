#include "taginsertion.h"

namespace {

const QString crlf = QStringLiteral("\r\n");

} // namespace

namespace TagInsertion {

TagEdit InsertTag(const QString &name, const QString &value, int selStart,
                  const QString &selectedText)
{
    const QString opening
        = value.isEmpty() ? u'[' + name + u']' : u'[' + name + u'=' + value + u']';
    TagEdit edit;
    edit.replacement = opening + selectedText + QStringLiteral("[/") + name + u']';
    const int caret = selStart + int(edit.replacement.size());
    const int remembered = int(selectedText.size());
    edit.selStart = caret - (int(name.size()) + 3) - remembered;
    edit.selLength = remembered;
    return edit;
}

std::optional<TagEdit> url(const QString &answer, int selStart, const QString &selectedText)
{
    if (answer.isEmpty())
        return std::nullopt;
    TagEdit edit;
    edit.replacement
        = QStringLiteral("[URL=") + answer + u']' + selectedText + QStringLiteral("[/URL]");
    edit.selStart = selStart + int(edit.replacement.size()) - 6;
    return edit;
}

std::optional<TagEdit> list(const QStringList &items, int selStart)
{
    QString itemText;
    for (const QString &item : items) {
        if (item.isEmpty())
            break;
        itemText += crlf + QStringLiteral("[*]") + item;
    }
    if (itemText.isEmpty())
        return std::nullopt;
    TagEdit edit;
    edit.replacement = QStringLiteral("[LIST]") + itemText + crlf + QStringLiteral("[/LIST]");
    edit.selStart = selStart + int(edit.replacement.size()) - 7;
    return edit;
}

QString fontValue(int index)
{
    return index > 0 && index < fontItems().size() ? fontItems().at(index) : QString();
}

QString colorValue(int index)
{
    return index > 0 && index < colorItems().size() ? colorItems().at(index).toLower() : QString();
}

QString sizeValue(const QString &itemText)
{
    if (itemText == u"Small")
        return QStringLiteral("1");
    if (itemText == u"Large")
        return QStringLiteral("7");
    if (itemText == u"Largest")
        return QStringLiteral("14");
    return QString();
}

const QStringList &fontItems()
{
    static const QStringList items{QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Font")),
                                   QStringLiteral("Arial"),
                                   QStringLiteral("Times"),
                                   QStringLiteral("Courier"),
                                   QStringLiteral("Impact"),
                                   QStringLiteral("Geneva"),
                                   QStringLiteral("Optima")};
    return items;
}

const QStringList &sizeItems()
{
    static const QStringList items{QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Size")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Small")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Large")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Largest"))};
    return items;
}

const QStringList &colorItems()
{
    static const QStringList items{QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Color")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Blue")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Red")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Purple")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Orange")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Yellow")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Gray")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("TagInsertion", "Green"))};
    return items;
}

} // namespace TagInsertion
