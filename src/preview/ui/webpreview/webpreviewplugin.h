#pragma once

#include "preview/ui/previewview.h"

#include <QObject>

// The web engine plugin: makes the preview's browser widgets, each in a private
// off-the-record profile of its own.
class WebPreviewPlugin : public QObject, public PreviewViewFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PreviewViewFactory_iid)
    Q_INTERFACES(PreviewViewFactory)
public:
    WebPreviewPlugin();

    PreviewView *createView(QWidget *parent, PreviewViewHost *host) override;
    LiveView *createLiveView(QWidget *parent, LiveViewHost *host) override;
};
