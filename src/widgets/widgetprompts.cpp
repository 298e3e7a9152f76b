#include "widgetprompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace {

QString forDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QWidget *owner()
{
    QWidget *window = QApplication::activeModalWidget();
    return window ? window : QApplication::activeWindow();
}

} // namespace

MessageAnswer WidgetPrompts::messageBox(const QString &text, const QString &title, MessageIcon icon,
                                        MessageButtons buttons)
{
    QMessageBox box(owner());
    box.setWindowTitle(title);
    box.setText(forDisplay(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        // Escape or the title bar's close button: a box with only OK answers OK.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

QString WidgetPrompts::inputBox(const QString &prompt, const QString &title,
                                const QString &defaultText)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(title);
    // The prompt is shown as written: no markup, and an "&" is no shortcut key
    // (the label leads to the text box, so it would take one).
    QString shown = forDisplay(prompt);
    shown.replace(u'&', QStringLiteral("&&"));
    dialog.setLabelText(shown);
    if (auto *label = dialog.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.resize(std::max(dialog.sizeHint().width(), 360), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

std::optional<QColor> WidgetPrompts::pickColor(const QColor &initial, QList<QColor> &customColors)
{
    for (int i = 0; i < customColors.size() && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, customColors.at(i));
    QColorDialog dialog(initial, owner());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < customColors.size() && i < QColorDialog::customCount(); ++i)
        customColors[i] = QColorDialog::customColor(i);
    if (!accepted)
        return std::nullopt;
    return dialog.selectedColor();
}
