#pragma once

#include "preview/previewnavigation.h"

#include <QString>
#include <QtPlugin>

class QString;
class QUrl;
class QWidget;

// What the preview browser and the web engine plugin say to each other. The
// plugin is loaded on the first preview, so nothing of the web engine is loaded
// before; these interfaces are all the program knows of it.

// The program's side: the navigation policy and the end of each load.
class PreviewViewHost
{
public:
    virtual ~PreviewViewHost() = default;
    // Asked for every navigation of the page, and for every link the user opens
    // in a new window (as a clicked link in the main frame, whose answer is not
    // used). True lets it happen.
    virtual bool navigationRequested(const QUrl &url, PreviewNavigation::Kind kind,
                                     bool isMainFrame)
        = 0;
    virtual void previewLoaded(bool ok) = 0;
    // The answer to PreviewView::findText(): the match now shown, from 1 (0:
    // none), and how many the page holds.
    virtual void foundInPage(int active, int total) = 0;
};

// One browser widget, showing one page file at a time.
class PreviewView
{
public:
    virtual ~PreviewView() = default;
    // nullptr once the widget's parent has deleted it.
    virtual QWidget *widget() const = 0;
    virtual void load(const QUrl &page) = 0;
    // Searches the page's text for `text`, the next match after the one shown
    // (the one before when `backward`); the empty text takes the marks away
    // and is not answered.
    // The answer comes later, through the host.
    virtual void findText(const QString &text, bool matchCase, bool backward) = 0;
};

// The live preview's side: the same navigation policy, the clicks in the page
// and the end of each page shown.
class LiveViewHost
{
public:
    virtual ~LiveViewHost() = default;
    // As PreviewViewHost::navigationRequested; `pageUrl` is the live page's address.
    virtual bool navigationRequested(const QUrl &url, PreviewNavigation::Kind kind,
                                     bool isMainFrame, const QUrl &pageUrl)
        = 0;
    // The user clicked `textOffset` characters of text after page mark `mark`
    // (the n of <wuxo-mark data-n="n">).
    virtual void markClicked(int mark, qsizetype textOffset) = 0;
    // The page given to show() is on screen.
    virtual void pageShown() = 0;
};

// The live preview's browser widget: one page, replaced in place as the post
// changes, through an address of the program's own (no file, and no size limit
// of setHtml). The program's scripts that keep its place run in the page's
// application world; the page's own scripts stay off.
class LiveView
{
public:
    virtual ~LiveView() = default;
    virtual QWidget *widget() const = 0;
    // Shows the page: the first one loads, later ones replace the document
    // where it stands, keeping the scroll position, without a blank moment.
    virtual void show(const QString &page) = 0;
    // Scrolls the page, if need be, so that mark `mark` is in view.
    virtual void scrollToMark(int mark) = 0;
};

// The plugin's root object.
class PreviewViewFactory
{
public:
    virtual ~PreviewViewFactory() = default;
    // The caller owns the view; the widget is a child of `parent` and tells `host`
    // about its page for as long as the view lives.
    virtual PreviewView *createView(QWidget *parent, PreviewViewHost *host) = 0;
    virtual LiveView *createLiveView(QWidget *parent, LiveViewHost *host) = 0;
};

#define PreviewViewFactory_iid "example.quorvel.Wuxo.PreviewViewFactory/2"
Q_DECLARE_INTERFACE(PreviewViewFactory, PreviewViewFactory_iid)
