#include "livepreview.h"

#include "foundation/clsinifile.h"
#include "foundation/datafolder.h"
#include "foundation/preferences.h"
#include "foundation/skin.h"
#include "livepreview/livepage.h"
#include "livepreview/liveupdater.h"
#include "preview/previewcommand.h"
#include "preview/ui/previewbrowser.h"
#include "widgets/editortext.h"
#include "widgets/skinwidgets.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The caret rests this long before the page follows it, in milliseconds.
constexpr int caretPause = 60;
// The splitter rests this long before its place is written.
constexpr int splitPause = 400;

} // namespace

LivePreview::LivePreview(QPlainTextEdit *editor, SkinLabel *editorHeader, QWidget *lengthLabel,
                         PreviewBrowser *browser, QAction *showEntry, QAction *followEntry,
                         std::function<void()> relayout, QObject *parent)
    : QObject(parent), m_editor(editor), m_editorHeader(editorHeader), m_lengthLabel(lengthLabel),
      m_browser(browser), m_showEntry(showEntry), m_followEntry(followEntry),
      m_relayout(std::move(relayout)),
      m_updater(new LiveUpdater([editor] { return EditorText(editor).text(); },
                                DataFolder::filePath(PreviewCommand::templateFileName.toString()),
                                this))
{
    setObjectName(QStringLiteral("livePreview"));
    m_followEntry->setChecked(m_settings.followCaret);
    connect(m_showEntry, &QAction::triggered, this, &LivePreview::showEntryTriggered);
    connect(m_followEntry, &QAction::triggered, this, &LivePreview::followEntryTriggered);
    connect(m_updater, &LiveUpdater::built, this, &LivePreview::pageBuilt);
    connect(m_updater, &LiveUpdater::failed, this, &LivePreview::pageFailed);
    connect(m_editor, &QPlainTextEdit::textChanged, this, &LivePreview::postEdited);
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this, &LivePreview::caretMoved);
    m_caretPause.setSingleShot(true);
    connect(&m_caretPause, &QTimer::timeout, this, &LivePreview::followCaret);
    // Tab types a tab in the editor, so Ctrl+Tab goes between the editor and the page.
    m_switchFocus = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), m_editor->window());
    m_switchFocus->setContext(Qt::WindowShortcut);
    m_switchFocus->setEnabled(false);
    connect(m_switchFocus, &QShortcut::activated, this, [this] {
        QWidget *view = m_view ? m_view->widget() : nullptr;
        if (!view)
            return;
        if (m_editor->hasFocus())
            view->setFocus(Qt::TabFocusReason);
        else
            m_editor->setFocus(Qt::TabFocusReason);
    });
    m_splitWrite.setSingleShot(true);
    connect(&m_splitWrite, &QTimer::timeout, this,
            [this] { LivePreviewPrefs::writeSplit(objPrefs(), m_settings.split); });
}

LivePreview::~LivePreview()
{
    // The view's page calls back into this object until it goes.
    m_view.reset();
}

void LivePreview::start()
{
    m_settings = LivePreviewPrefs::read(objPrefs());
    m_followEntry->setChecked(m_settings.followCaret);
    m_showEntry->setChecked(m_settings.shown && setShown(m_settings.shown));
}

void LivePreview::showEntryTriggered(bool checked)
{
    const bool shown = setShown(checked);
    m_showEntry->setChecked(shown);
    if (shown != m_settings.shown) {
        m_settings.shown = shown;
        LivePreviewPrefs::writeShown(objPrefs(), shown);
    }
}

void LivePreview::followEntryTriggered(bool checked)
{
    m_settings.followCaret = checked;
    LivePreviewPrefs::writeFollowCaret(objPrefs(), checked);
    if (checked)
        followCaret();
}

bool LivePreview::setShown(bool shown)
{
    if (shown == m_shown)
        return m_shown;
    if (shown && !m_view && !createView())
        return false;
    m_shown = shown;
    m_switchFocus->setEnabled(shown);
    const bool hadFocus = m_editor->hasFocus();
    // The editor moves between its place and the splitter as it is: hidden
    // while the Preview Post page stands in its place.
    const bool editorVisible
        = !(m_editor->isHidden() && m_editor->testAttribute(Qt::WA_WState_ExplicitShowHide));
    if (shown) {
        m_editorParent = m_editor->parentWidget();
        m_splitter->setParent(m_editorParent);
        m_splitter->insertWidget(0, m_editor);
        m_editor->setVisible(editorVisible);
        m_splitter->show();
        m_caption->setParent(m_editorParent);
        m_caption->show();
        m_caption->raise();
        m_relayout();
        const int width = m_splitter->width() - m_splitter->handleWidth();
        const int left = m_settings.split >= 0 ? std::min(m_settings.split, width) : width / 2;
        m_splitter->setSizes({left, width - left});
        placeCaption();
        m_shownMark = -2;
        m_updater->updateNow();
    } else {
        m_updater->stop();
        m_splitter->hide();
        m_caption->hide();
        m_editor->setParent(m_editorParent);
        m_editor->setVisible(editorVisible);
        m_relayout();
    }
    if (hadFocus)
        m_editor->setFocus(Qt::OtherFocusReason);
    return m_shown;
}

bool LivePreview::createView()
{
    PreviewViewFactory *factory = m_browser->factory();
    if (!factory)
        return false;
    m_splitter = new QSplitter(Qt::Horizontal, m_editor->parentWidget());
    m_splitter->setObjectName(QStringLiteral("splLivePreview"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->hide();
    connect(m_splitter, &QSplitter::splitterMoved, this, &LivePreview::splitterMoved);

    m_pane = new QWidget(m_splitter);
    m_pane->setObjectName(QStringLiteral("LivePreview"));
    m_pane->setAccessibleName(tr("Live Preview"));
    auto *layout = new QVBoxLayout(m_pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_notice = new QLabel(m_pane);
    m_notice->setObjectName(QStringLiteral("lblLiveNotice"));
    m_notice->setAutoFillBackground(true);
    m_notice->setBackgroundRole(QPalette::ToolTipBase);
    m_notice->setForegroundRole(QPalette::ToolTipText);
    m_notice->setContentsMargins(4, 2, 4, 2);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->hide();
    layout->addWidget(m_notice);
    m_splitter->addWidget(m_pane);
    // The editor keeps the width the user gave it; the preview takes what the window gains.
    QSizePolicy stretching = m_pane->sizePolicy();
    stretching.setHorizontalStretch(1);
    m_pane->setSizePolicy(stretching);

    m_view.reset(factory->createLiveView(m_pane, this));
    QWidget *view = m_view->widget();
    view->setObjectName(QStringLiteral("LivePreviewPage"));
    view->setAccessibleName(tr("Live Preview"));
    layout->addWidget(view, 1);
    QWidget::setTabOrder(m_editor, view);

    m_caption = new SkinLabel(tr("Live Preview"), m_editor->parentWidget());
    m_caption->setObjectName(QStringLiteral("lblLivePreview"));
    m_caption->setFont(m_editorHeader->font());
    m_caption->setForeColor(m_editorHeader->foreColor());
    m_caption->setProperty(Skin::tagProperty, m_editorHeader->property(Skin::tagProperty));
    m_caption->setGeometry(0, m_editorHeader->y(), 0, m_editorHeader->height());
    m_caption->widenToCaption();
    m_caption->hide();
    return true;
}

bool LivePreview::place(const QRect &editorArea)
{
    if (!m_shown)
        return false;
    m_splitter->setGeometry(editorArea);
    placeCaption();
    return true;
}

void LivePreview::placeCaption()
{
    if (!m_shown)
        return;
    // The caption stands over the preview; the length label keeps to the editor's right edge.
    const int paneLeft = m_splitter->x() + m_pane->x();
    m_caption->move(paneLeft, m_editorHeader->y());
    m_caption->setForeColor(m_editorHeader->foreColor());
    const int editorRight = m_splitter->x() + m_editor->width();
    m_lengthLabel->move(editorRight - m_lengthLabel->width(), m_lengthLabel->y());
}

void LivePreview::splitterMoved()
{
    placeCaption();
    m_settings.split = m_splitter->sizes().value(0);
    m_splitWrite.start(splitPause);
}

void LivePreview::postEdited()
{
    if (m_shown)
        m_updater->postChanged(m_editor->document()->characterCount());
}

void LivePreview::caretMoved()
{
    if (m_shown && m_settings.followCaret)
        m_caretPause.start(caretPause);
}

void LivePreview::followCaret()
{
    if (!m_shown || !m_settings.followCaret || !m_page || !m_view)
        return;
    const int mark = m_page->markAt(EditorText(m_editor).selStart());
    if (mark == m_shownMark)
        return;
    m_shownMark = mark;
    m_view->scrollToMark(std::max(mark, 0));
}

void LivePreview::pageBuilt(std::shared_ptr<LivePage> page)
{
    if (!m_shown)
        return;
    m_page = std::move(page);
    m_showing = true;
    m_view->show(m_page->page());
    m_page->releasePage();
    if (m_notice->isVisible()) {
        m_notice->hide();
        m_notice->clear();
    }
}

void LivePreview::pageFailed(const QString &text)
{
    if (!m_shown)
        return;
    m_notice->setText(text);
    m_notice->setAccessibleName(text);
    m_notice->setToolTip(text);
    m_notice->show();
    QAccessibleEvent changed(m_notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(m_notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (!m_updater->isBusy())
        emit settled();
}

bool LivePreview::navigationRequested(const QUrl &url, PreviewNavigation::Kind kind,
                                      bool isMainFrame, const QUrl &pageUrl)
{
    return PreviewNavigation::follow(url, kind, isMainFrame, pageUrl);
}

void LivePreview::markClicked(int mark, qsizetype textOffset)
{
    if (!m_page || !m_settings.followCaret)
        return;
    const qsizetype position = m_page->postPositionAt(mark, textOffset);
    if (position < 0)
        return;
    EditorText(m_editor).setSelStart(int(position));
    m_shownMark = m_page->markAt(position);
    m_editor->setFocus(Qt::MouseFocusReason);
}

void LivePreview::pageShown()
{
    m_showing = false;
    m_shownMark = -2;
    followCaret();
    if (!m_updater->isBusy())
        emit settled();
}
