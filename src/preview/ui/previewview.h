#pragma once

#include "preview/previewnavigation.h"

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

// The plugin's root object.
class PreviewViewFactory
{
public:
    virtual ~PreviewViewFactory() = default;
    // The caller owns the view; the widget is a child of `parent` and tells `host`
    // about its page for as long as the view lives.
    virtual PreviewView *createView(QWidget *parent, PreviewViewHost *host) = 0;
};

#define PreviewViewFactory_iid "example.quorvel.Wuxo.PreviewViewFactory/2"
Q_DECLARE_INTERFACE(PreviewViewFactory, PreviewViewFactory_iid)
