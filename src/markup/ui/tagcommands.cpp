#include "tagcommands.h"

#include "foundation/platform.h"
#include "markup/taginsertion.h"
#include "widgets/editortext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPlainTextEdit>

namespace {

QString shown(const QString &item)
{
    return QCoreApplication::translate("TagInsertion", item.toUtf8().constData());
}

} // namespace

TagCommands::TagCommands(QPlainTextEdit *editor, QObject *parent)
    : QObject(parent), m_editor(editor)
{
}

void TagCommands::attachLists(QComboBox *cmbFont, QComboBox *cmbSize, QComboBox *cmbColor)
{
    const auto fill = [](QComboBox *list, const QStringList &items) {
        list->clear();
        for (const QString &item : items)
            list->addItem(shown(item));
        // A screen reader names the list by its heading.
        list->setAccessibleName(list->itemText(0));
        list->setCurrentIndex(0);
    };
    fill(cmbFont, TagInsertion::fontItems());
    fill(cmbSize, TagInsertion::sizeItems());
    fill(cmbColor, TagInsertion::colorItems());
    // activated, not currentIndexChanged: choosing the item already shown applies it again.
    connect(cmbFont, &QComboBox::activated, this, &TagCommands::cmbFont_Click);
    connect(cmbSize, &QComboBox::textActivated, this, &TagCommands::cmbSize_Click);
    connect(cmbColor, &QComboBox::activated, this, &TagCommands::cmbColor_Click);
}

void TagCommands::cmdBold_Click()
{
    InsertTag(QStringLiteral("B"), QString());
}

void TagCommands::cmdItalic_Click()
{
    InsertTag(QStringLiteral("I"), QString());
}

void TagCommands::cmdUnderlined_Click()
{
    InsertTag(QStringLiteral("U"), QString());
}

void TagCommands::cmdImage_Click()
{
    InsertTag(QStringLiteral("IMG"), QString());
}

void TagCommands::cmdEmail_Click()
{
    InsertTag(QStringLiteral("EMAIL"), QString());
}

void TagCommands::cmdQuote_Click()
{
    InsertTag(QStringLiteral("QUOTE"), QString());
}

void TagCommands::cmdCode_Click()
{
    InsertTag(QStringLiteral("CODE"), QString());
}

void TagCommands::cmdURL_Click()
{
    const QString answer = Platform::prompts().inputBox(
        QCoreApplication::translate("TagInsertion", TagInsertion::urlPrompt),
        QCoreApplication::translate("TagInsertion", TagInsertion::urlTitle),
        TagInsertion::urlDefault.toString());
    const EditorText editor(m_editor);
    if (const auto edit = TagInsertion::url(answer, editor.selStart(), editor.selectedText()))
        apply(*edit);
}

void TagCommands::cmdList_Click()
{
    QStringList items;
    for (;;) {
        const QString answer = Platform::prompts().inputBox(
            QCoreApplication::translate("TagInsertion", TagInsertion::listPrompt),
            QCoreApplication::translate("TagInsertion", TagInsertion::listTitle), QString());
        if (answer.isEmpty())
            break;
        items.append(answer);
    }
    if (const auto edit = TagInsertion::list(items, EditorText(m_editor).selStart()))
        apply(*edit);
}

void TagCommands::cmbFont_Click(int index)
{
    const QString value = TagInsertion::fontValue(index);
    if (!value.isEmpty())
        InsertTag(QStringLiteral("FONT"), value);
}

void TagCommands::cmbSize_Click(const QString &text)
{
    // The list shows the items translated; their values go by the source text.
    QString item = text;
    for (const QString &source : TagInsertion::sizeItems()) {
        if (shown(source) == text)
            item = source;
    }
    const QString value = TagInsertion::sizeValue(item);
    if (!value.isEmpty())
        InsertTag(QStringLiteral("SIZE"), value);
}

void TagCommands::cmbColor_Click(int index)
{
    const QString value = TagInsertion::colorValue(index);
    if (!value.isEmpty())
        InsertTag(QStringLiteral("COLOR"), value);
}

void TagCommands::InsertTag(const QString &name, const QString &value)
{
    const EditorText editor(m_editor);
    apply(TagInsertion::InsertTag(name, value, editor.selStart(), editor.selectedText()));
}

void TagCommands::apply(const TagEdit &edit)
{
    EditorText editor(m_editor);
    editor.replaceSelection(edit.replacement);
    editor.setSelection(edit.selStart, edit.selLength);
    // A hidden editor (the preview is showing) cannot take the focus; the edit stands all the same.
    if (m_editor->isVisible())
        m_editor->setFocus(Qt::OtherFocusReason);
}
