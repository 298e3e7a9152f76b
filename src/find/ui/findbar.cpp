#include "findbar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

template<typename T> T *named(T *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

FindBar::FindBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FindBar"));
    setAutoFillBackground(true);

    auto *findLabel = new QLabel(tr("Find"), this);
    m_find = named(new QLineEdit(this), "txtFind");
    // A field has no caption of its own: it is named after its label.
    m_find->setAccessibleName(findLabel->text());
    findLabel->setBuddy(m_find);
    m_findPrevious = named(new QPushButton(tr("Find Previous"), this), "cmdFindPrevious");
    m_findNext = named(new QPushButton(tr("Find Next"), this), "cmdFindNext");
    m_close = named(new QToolButton(this), "cmdFindClose");
    m_close->setText(QStringLiteral("\u00D7"));
    m_close->setAccessibleName(tr("Close"));
    m_close->setToolTip(tr("Close"));
    m_close->setAutoRaise(true);

    m_matchCase = named(new QCheckBox(tr("Match case"), this), "chkMatchCase");
    m_wholeWords = named(new QCheckBox(tr("Whole words"), this), "chkWholeWords");
    m_regularExpression
        = named(new QCheckBox(tr("Regular expression"), this), "chkRegularExpression");
    m_inSelection = named(new QCheckBox(tr("In selection"), this), "chkInSelection");
    m_status = named(new QLabel(this), "lblFindStatus");
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_replaceLabel = new QLabel(tr("Replace with"), this);
    m_replace = named(new QLineEdit(this), "txtReplace");
    m_replace->setAccessibleName(m_replaceLabel->text());
    m_replaceLabel->setBuddy(m_replace);
    m_replaceOne = named(new QPushButton(tr("Replace"), this), "cmdReplace");
    m_replaceAll = named(new QPushButton(tr("Replace All"), this), "cmdReplaceAll");

    for (QPushButton *button : {m_findPrevious, m_findNext, m_replaceOne, m_replaceAll}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    // The labels line up the two fields.
    const int labelWidth
        = std::max(findLabel->sizeHint().width(), m_replaceLabel->sizeHint().width());
    findLabel->setMinimumWidth(labelWidth);
    m_replaceLabel->setMinimumWidth(labelWidth);

    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 3, 4, 3);
    rows->setSpacing(2);
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find, 1);
    findRow->addWidget(m_findPrevious);
    findRow->addWidget(m_findNext);
    findRow->addWidget(m_close);
    auto *optionRow = new QHBoxLayout;
    for (QCheckBox *option : {m_matchCase, m_wholeWords, m_regularExpression, m_inSelection})
        optionRow->addWidget(option);
    optionRow->addWidget(m_status, 1);
    auto *replaceRow = new QHBoxLayout;
    replaceRow->addWidget(m_replaceLabel);
    replaceRow->addWidget(m_replace, 1);
    replaceRow->addWidget(m_replaceOne);
    replaceRow->addWidget(m_replaceAll);
    rows->addLayout(findRow);
    rows->addLayout(optionRow);
    rows->addLayout(replaceRow);

    connect(m_find, &QLineEdit::textEdited, this, &FindBar::findTextEdited);
    for (QCheckBox *option : {m_matchCase, m_wholeWords, m_regularExpression})
        connect(option, &QCheckBox::toggled, this, &FindBar::optionsChanged);
    connect(m_inSelection, &QCheckBox::toggled, this, &FindBar::inSelectionToggled);
    connect(m_findNext, &QPushButton::clicked, this, &FindBar::findNextRequested);
    connect(m_findPrevious, &QPushButton::clicked, this, &FindBar::findPreviousRequested);
    connect(m_replaceOne, &QPushButton::clicked, this, &FindBar::replaceRequested);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindBar::replaceAllRequested);
    connect(m_close, &QToolButton::clicked, this, &FindBar::closeRequested);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::closeRequested);
    m_find->installEventFilter(this);
    m_replace->installEventFilter(this);
    showRows();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_replace && !(key->modifiers() & Qt::ShiftModifier))
                emit replaceRequested();
            else if (key->modifiers() & Qt::ShiftModifier)
                emit findPreviousRequested();
            else
                emit findNextRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString FindBar::findText() const
{
    return m_find->text();
}

void FindBar::setFindText(const QString &text)
{
    m_find->setText(text);
    m_find->selectAll();
}

QString FindBar::replaceText() const
{
    return m_replace->text();
}

FindOptions FindBar::options() const
{
    if (m_pageMode)
        return {m_matchCase->isChecked(), false, false};
    return {m_matchCase->isChecked(), m_wholeWords->isChecked(), m_regularExpression->isChecked()};
}

bool FindBar::inSelection() const
{
    return !m_pageMode && m_inSelection->isChecked();
}

void FindBar::setInSelection(bool on)
{
    const QSignalBlocker quiet(m_inSelection);
    m_inSelection->setChecked(on);
}

void FindBar::setReplaceShown(bool shown)
{
    m_replaceShown = shown;
    showRows();
}

bool FindBar::isReplaceShown() const
{
    return m_replaceShown && !m_pageMode;
}

void FindBar::setPageMode(bool page)
{
    m_pageMode = page;
    showRows();
}

void FindBar::showRows()
{
    const int before = sizeHint().height();
    const QList<QWidget *> patternOptions{m_wholeWords, m_regularExpression, m_inSelection};
    for (QWidget *option : patternOptions)
        option->setVisible(!m_pageMode);
    const QList<QWidget *> replaceRow{m_replaceLabel, m_replace, m_replaceOne, m_replaceAll};
    for (QWidget *control : replaceRow)
        control->setVisible(isReplaceShown());
    if (layout())
        layout()->activate();
    if (sizeHint().height() != before)
        emit heightChanged();
}

void FindBar::setStatus(const QString &text)
{
    m_status->setText(text);
}

QString FindBar::status() const
{
    return m_status->text();
}

void FindBar::focusFind()
{
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}
