#pragma once

#include "preferences.h"

#include <QString>

class QObject;

// The colour scheme. Every control that takes part carries a role name in its
// "Tag" property; ApplySkin gives each tagged control the colours of its role
// through its "BackColor", "ForeColor" and "BorderColor" properties (32-bit
// colour values, see OleColor).
namespace Skin {
inline constexpr char tagProperty[] = "Tag";
inline constexpr char backColor[] = "BackColor";
inline constexpr char foreColor[] = "ForeColor";
inline constexpr char borderColor[] = "BorderColor";

// The role names, in the order a tag is compared with them.
inline constexpr const char *roles[]
    = {"SkinBackgroundB", "SkinBackgroundF", "SkinHeader",  "SkinHeaderF",
       "SkinTextArea",    "SkinButton",      "SkinButtonB", "SkinOutline"};

// Every object below `window`, at every depth, in creation order.
QList<QObject *> controlsOf(QObject *window);
} // namespace Skin

// Colours every control of `window` whose Tag names a role exactly (letter case
// and blanks count). Throws WuxoError 438 when a tagged control lacks a property
// its role sets, or 380 for a colour value of neither form; the controls after
// it stay as they were.
void ApplySkin(QObject *window, const SkinColors &colors);
void ApplySkin(QObject *window);
