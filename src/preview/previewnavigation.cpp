#include "previewnavigation.h"

#include "foundation/platform.h"

namespace {

bool isSameDocument(const QUrl &url, const QUrl &previewUrl)
{
    return !previewUrl.isEmpty()
        && url.adjusted(QUrl::RemoveFragment) == previewUrl.adjusted(QUrl::RemoveFragment);
}

// Only addresses a browser or mail program opens go to the desktop: a post may
// hold any link, and a file: link could start a program on the user's machine.
bool opensOnDesktop(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https" || scheme == u"mailto");
}

bool isWebContent(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid()
        && (scheme == u"http" || scheme == u"https" || url == QUrl(QStringLiteral("about:blank"))
            || url == QUrl(QStringLiteral("about:srcdoc")));
}

} // namespace

PreviewNavigation::Decision PreviewNavigation::decide(const QUrl &url, Kind kind, bool isMainFrame,
                                                      const QUrl &previewUrl)
{
    if (kind == Kind::LinkClicked && !isSameDocument(url, previewUrl))
        return opensOnDesktop(url) ? Decision::OpenInShell : Decision::Refuse;
    // A refresh the page asks for itself could reload it for ever.
    if (kind == Kind::FormSubmitted || kind == Kind::Redirect)
        return Decision::Refuse;
    if (isMainFrame)
        return isSameDocument(url, previewUrl) ? Decision::Accept : Decision::Refuse;
    return isWebContent(url) ? Decision::Accept : Decision::Refuse;
}

bool PreviewNavigation::follow(const QUrl &url, Kind kind, bool isMainFrame, const QUrl &previewUrl)
{
    switch (decide(url, kind, isMainFrame, previewUrl)) {
    case Decision::Accept:
        return true;
    case Decision::OpenInShell:
        Platform::shell().open(url.toString(QUrl::FullyEncoded));
        return false;
    case Decision::Refuse:
        break;
    }
    return false;
}
