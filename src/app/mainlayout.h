#pragma once

#include <QRect>

// The main window's elements that follow the window size, in pixels.
// `picContainer` and `webBrowser` lie in the window's client area; the others
// lie on `picContainer`.
struct MainGeometry
{
    QRect picContainer;
    QRect shpHeaders0;
    QRect shpHeaders1;
    QRect shpButtons;
    QRect txtPost;
    QRect webBrowser;
    QRect cmdCopy;
    QRect cmdPreview;
    QRect lblLength; // the post's length, at the right end of the editor's header band

    // Where the elements stand in the window's design.
    static MainGeometry design();
    bool operator==(const MainGeometry &) const = default;
};

// The resize rules: the bands and the editor stretch to the client width, the
// editor takes up the height, the two bottom buttons stay centred. Each step
// stands alone: a step that would give a negative width or height is skipped
// and the ones after it still run, so a tiny window keeps what it can.
// An odd panel width halved rounds down. A last step keeps the length label's
// right edge on the editor's.
namespace MainLayout {

MainGeometry resized(const MainGeometry &current, int clientWidth, int clientHeight);

} // namespace MainLayout
