#pragma once

#include <QUrl>

// Where the preview may go. Only the page itself loads; web and mail links the
// user clicks go to the desktop; frames inside the page may load web content;
// nothing else happens.
class PreviewNavigation
{
public:
    // How a navigation started, as the browser tells it.
    enum class Kind { LinkClicked, Typed, FormSubmitted, BackForward, Reload, Redirect, Other };
    // What happens to it.
    enum class Decision { Accept, OpenInShell, Refuse };

    // `previewUrl` is the page file being shown; empty before the first preview.
    static Decision decide(const QUrl &url, Kind kind, bool isMainFrame, const QUrl &previewUrl);
    // Carries the decision out: a link for the desktop goes to the shell. True
    // lets the navigation happen in the preview.
    static bool follow(const QUrl &url, Kind kind, bool isMainFrame, const QUrl &previewUrl);
};
