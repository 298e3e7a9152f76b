#include "frmnews.h"

#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/skin.h"
#include "postgen/fieldrules.h"
#include "postgen/newslayout.h"
#include "postgen/newstemplate.h"
#include "widgets/editortext.h"
#include "widgets/skinwidgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int designClientHeight = 144;
constexpr int designButtonBandTop = 114;
constexpr int designOkTop = 118;
constexpr int okLeft = 205;
constexpr int cancelLeft = 289;
constexpr int buttonWidth = 80;
// Room left for the window's title bar and borders when it must fit the screen.
constexpr int frameAllowance = 40;

// A label sizes itself to its text.
void autoSize(SkinLabel *label)
{
    label->resize(0, QFontMetrics(label->font()).height());
    label->widenToCaption();
}

} // namespace

frmNews::frmNews(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNews"));
    setWindowTitle(tr("Post Generator"));

    m_picContainer = new SkinPanel(this);
    m_picContainer->setObjectName(QStringLiteral("picContainer"));
    Skin::setTag(m_picContainer, "SkinBackgroundB");

    m_shpHeaders = new SkinShape(m_picContainer);
    m_shpHeaders->setObjectName(QStringLiteral("shpHeaders"));
    m_shpHeaders->setGeometry(0, 0, NewsLayout::clientWidth, NewsLayout::headerHeight);
    Skin::setTag(m_shpHeaders, "SkinHeader");

    m_lblHeaders = new SkinLabel(tr("Enter the Required Information"), m_picContainer);
    m_lblHeaders->setObjectName(QStringLiteral("lblHeaders"));
    m_lblHeaders->setFont(Design::font(Design::fontPoints, true));
    m_lblHeaders->move(5, 6);
    autoSize(m_lblHeaders);
    Skin::setTag(m_lblHeaders, "SkinHeaderF");

    SkinLabel *caption = addCaption(m_picContainer);
    caption->setText(tr("Caption:"));
    caption->move(8, NewsLayout::firstTop);
    autoSize(caption);
    SkinTextBox *field = addField(m_picContainer);
    field->setGeometry(59, NewsLayout::firstTop, 506, NewsLayout::singleLineHeight);

    m_shpButtons = new SkinShape(m_picContainer);
    m_shpButtons->setObjectName(QStringLiteral("shpButtons"));
    m_shpButtons->setGeometry(0, designButtonBandTop, NewsLayout::clientWidth,
                              NewsLayout::buttonBandHeight);
    Skin::setTag(m_shpButtons, "SkinButton");

    m_cmdOK = new SkinButton(tr("Create"), m_picContainer);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(okLeft, designOkTop, buttonWidth, NewsLayout::buttonHeight);
    Skin::setTag(m_cmdOK, "SkinButtonB");
    m_cmdCancel = new SkinButton(tr("Cancel"), m_picContainer);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(cancelLeft, designOkTop, buttonWidth, NewsLayout::buttonHeight);
    Skin::setTag(m_cmdCancel, "SkinButtonB");

    m_tmrAuto = new QTimer(this);
    m_tmrAuto->setObjectName(QStringLiteral("tmrAuto"));
    m_tmrAuto->setInterval(250);

    m_picContainer->setGeometry(0, 0, NewsLayout::clientWidth, designClientHeight);
    setFixedSize(NewsLayout::clientWidth, designClientHeight);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmNews::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmNews::cmdCancel_Click);
}

SkinLabel *frmNews::addCaption(QWidget *parent)
{
    auto *label = new SkinLabel(QString(), parent);
    label->setObjectName(QStringLiteral("lblCaption_%1").arg(m_captions.size()));
    label->setFont(Design::font());
    label->setTextFormat(Qt::PlainText);
    Skin::setTag(label, "SkinBackgroundF");
    m_captions.append(label);
    return label;
}

SkinTextBox *frmNews::addField(QWidget *parent)
{
    const int index = int(m_fields.size());
    auto *field = new SkinTextBox(parent);
    field->setObjectName(QStringLiteral("txtField_%1").arg(index));
    field->setFont(Design::font(9));
    field->setTabChangesFocus(true);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A 21-pixel field holds one line of text only without the default margin.
    field->document()->setDocumentMargin(1);
    Skin::setTag(field, "SkinTextArea");
    field->installEventFilter(this);
    connect(field, &QPlainTextEdit::textChanged, this, [this, index] { txtField_Change(index); });
    m_fields.append(field);
    return field;
}

int frmNews::fieldCount() const
{
    return m_fieldsBuilt ? int(m_definitions.size()) : 0;
}

void frmNews::Form_Load()
{
    runTrapped(
        QStringLiteral("News_Load"),
        [this] {
            FieldDefinitions::read(DataFolder::filePath(QStringLiteral("tags.txt")), m_definitions);
            buildFields();
            ApplySkin(this);
            m_templateText.clear();
            m_templateText
                = NewsTemplate::read(DataFolder::filePath(QStringLiteral("template.txt")));
        },
        &m_loadError);
}

void frmNews::buildFields()
{
    if (m_definitions.isEmpty())
        throw WuxoError(ErrorNumber::SubscriptOutOfRange);
    for (qsizetype i = 0; i < m_definitions.size(); ++i) {
        if (i > 0) {
            addCaption(m_picContainer)->show();
            addField(m_picContainer)->show();
        }
        m_captions.at(i)->setText(m_definitions.at(i).Caption + u':');
        m_captions.at(i)->setToolTip(QString());
        // A screen reader names the field by its label.
        m_captions.at(i)->setBuddy(m_fields.at(i));
    }
    m_fieldsBuilt = true;
    m_lastTexts = QStringList(m_definitions.size(), QString());

    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    placeFields(screen ? screen->availableGeometry().height() - frameAllowance : 0);

    for (qsizetype i = 1; i < m_fields.size(); ++i)
        setTabOrder(m_fields.at(i - 1), m_fields.at(i));
    setTabOrder(m_fields.last(), m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdCancel);
    m_fields.first()->setFocus();
}

void frmNews::placeFields(int maxClientHeight)
{
    QList<bool> multiLine;
    QList<int> labelWidths;
    for (qsizetype i = 0; i < m_definitions.size(); ++i) {
        multiLine.append(m_definitions.at(i).MultiLine);
        const QFontMetrics metrics(m_captions.at(i)->font());
        labelWidths.append(metrics.horizontalAdvance(m_captions.at(i)->text()));
    }
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const NewsLayout layout
        = NewsLayout::compute(multiLine, labelWidths, maxClientHeight, scrollBarWidth);

    QWidget *surface = m_picContainer;
    int offset = 0;
    if (layout.scrolled) {
        m_fieldArea = new QScrollArea(m_picContainer);
        m_fieldArea->setObjectName(QStringLiteral("fieldArea"));
        m_fieldArea->setFrameShape(QFrame::NoFrame);
        m_fieldArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_fieldArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_fieldArea->setGeometry(0, layout.scrollTop, NewsLayout::clientWidth, layout.scrollHeight);
        // The panel's colour shows through, so the skin needs no role here.
        m_fieldArea->setAutoFillBackground(false);
        m_fieldArea->viewport()->setAutoFillBackground(false);
        auto *list = new QWidget;
        list->setObjectName(QStringLiteral("fieldList"));
        list->setAutoFillBackground(false);
        list->resize(NewsLayout::clientWidth - scrollBarWidth, layout.contentHeight);
        m_fieldArea->setWidget(list);
        m_fieldArea->show();
        surface = list;
        offset = NewsLayout::headerHeight;
    }

    for (qsizetype i = 0; i < m_definitions.size(); ++i) {
        SkinLabel *label = m_captions.at(i);
        SkinTextBox *field = m_fields.at(i);
        if (label->parentWidget() != surface) {
            label->setParent(surface);
            field->setParent(surface);
            label->show();
            field->show();
        }
        const QFontMetrics metrics(label->font());
        if (layout.labelWidths.at(i) < labelWidths.at(i)) {
            label->setToolTip(label->text());
            label->setText(
                metrics.elidedText(label->text(), Qt::ElideRight, layout.labelWidths.at(i)));
        }
        label->setGeometry(layout.labelLefts.at(i), layout.labelTops.at(i) - offset,
                           layout.labelWidths.at(i), metrics.height());
        field->setGeometry(layout.fieldLeft, layout.fieldTops.at(i) - offset, layout.fieldWidth,
                           layout.fieldHeights.at(i));
    }

    m_shpButtons->setGeometry(0, layout.buttonBandTop, NewsLayout::clientWidth,
                              NewsLayout::buttonBandHeight);
    m_cmdOK->move(okLeft, layout.okTop);
    m_cmdCancel->move(cancelLeft, layout.okTop);
    m_shpButtons->raise();
    m_cmdOK->raise();
    m_cmdCancel->raise();
    m_picContainer->setGeometry(0, 0, NewsLayout::clientWidth, layout.clientHeight);
    setFixedSize(NewsLayout::clientWidth, layout.clientHeight);
}

QString frmNews::fieldText(int index) const
{
    SkinTextBox *field = txtField(index);
    return field ? EditorText(field).text() : QString();
}

QStringList frmNews::fieldTexts() const
{
    QStringList texts;
    for (int i = 0; i < fieldCount(); ++i)
        texts.append(fieldText(i));
    return texts;
}

void frmNews::setFieldText(int index, const QString &text)
{
    if (SkinTextBox *field = txtField(index))
        EditorText(field).setText(text);
}

void frmNews::txtField_Change(int index)
{
    // The rules write fields themselves; those writes are not changes to handle again.
    if (m_applyingRules || index >= fieldCount())
        return;
    EditorText editor(m_fields.at(index));
    const QString text = editor.text();
    if (text == m_lastTexts.at(index))
        return;

    const FieldDefinition &definition = m_definitions.at(index);
    const QString singleLine = definition.MultiLine ? text : FieldRules::singleLineText(text);
    const bool completed
        = definition.UrlPrefix && FieldRules::completedAddress(singleLine) != singleLine;
    // Removed line breaks before the caret move it back with the text.
    int caret = editor.selStart();
    if (!definition.MultiLine)
        caret -= 2 * int(text.left(caret).count(QStringLiteral("\r\n")));

    QStringList texts = m_lastTexts;
    texts[index] = text;
    const QList<WuxoError> failures = FieldRules::applyChange(m_definitions, texts, index);
    writeBack(index, texts, caret, completed);
    for (const WuxoError &failure : failures)
        ReportError(QStringLiteral("News.txtField"), failure);
}

void frmNews::writeBack(int changed, const QStringList &texts, int caret, bool completed)
{
    m_applyingRules = true;
    for (int i = 0; i < fieldCount(); ++i) {
        if (i != changed && texts.at(i) == m_lastTexts.at(i))
            continue;
        EditorText editor(m_fields.at(i));
        if (editor.text() != texts.at(i)) {
            editor.setText(texts.at(i));
            if (i == changed)
                editor.setSelStart(completed ? editor.length()
                                             : std::clamp(caret, 0, editor.length()));
        }
        m_lastTexts[i] = editor.text();
    }
    m_applyingRules = false;
}

bool frmNews::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const auto held
            = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (enter && held == Qt::NoModifier) {
            const qsizetype index = m_fields.indexOf(qobject_cast<SkinTextBox *>(watched));
            if (index >= 0)
                txtField_KeyPress(int(index));
        }
    }
    // The key goes on to the field: its line break is then removed by the rules.
    return QDialog::eventFilter(watched, event);
}

void frmNews::txtField_KeyPress(int index)
{
    if (index >= fieldCount() || m_definitions.at(index).MultiLine)
        return;
    if (index < fieldCount() - 1) {
        SkinTextBox *next = m_fields.at(index + 1);
        next->setFocus(Qt::TabFocusReason);
        if (m_fieldArea)
            m_fieldArea->ensureWidgetVisible(next);
    } else {
        m_cmdOK->setFocus(Qt::TabFocusReason);
    }
}

QString frmNews::filledTemplate() const
{
    if (fieldCount() == 0)
        return QString();
    return NewsTemplate::fill(m_templateText, m_definitions, fieldTexts());
}

void frmNews::cmdOK_Click()
{
    if (runTrapped(QStringLiteral("News.cmdOK"), [this] { m_createdPost = filledTemplate(); }))
        accept();
}

void frmNews::cmdCancel_Click()
{
    reject();
}
