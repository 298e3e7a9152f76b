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

// One colour a role sets: the property and the colour of the skin it takes.
struct RoleColor
{
    const char *property;
    qint32 SkinColors::*color;
};

// A role: its name and the one or two colours it sets, in that order.
struct Role
{
    const char *name;
    RoleColor colors[2];
};

// The roles, in the order a tag is compared with them.
inline constexpr Role roles[] = {
    {"SkinBackgroundB", {{backColor, &SkinColors::SkinBackgroundB}, {}}},
    {"SkinBackgroundF", {{foreColor, &SkinColors::SkinBackgroundF}, {}}},
    {"SkinHeader",
     {{backColor, &SkinColors::SkinHeaderB}, {borderColor, &SkinColors::SkinOutlineF}}},
    {"SkinHeaderF", {{foreColor, &SkinColors::SkinHeaderF}, {}}},
    {"SkinTextArea",
     {{backColor, &SkinColors::SkinTextAreaB}, {foreColor, &SkinColors::SkinTextAreaF}}},
    {"SkinButton",
     {{backColor, &SkinColors::SkinButtonB}, {borderColor, &SkinColors::SkinOutlineF}}},
    {"SkinButtonB", {{backColor, &SkinColors::SkinButtonB}, {}}},
    {"SkinOutline", {{borderColor, &SkinColors::SkinOutlineF}, {}}},
};

// Gives `control` the role `role` (its Tag).
void setTag(QObject *control, const char *role);

// Every object below `window`, at every depth, in creation order.
QList<QObject *> controlsOf(QObject *window);
} // namespace Skin

// Colours every control of `window` whose Tag names a role exactly (letter case
// and blanks count). Throws WuxoError 438 when a tagged control lacks a property
// its role sets, or 380 for a colour value of neither form; the controls after
// it stay as they were.
void ApplySkin(QObject *window, const SkinColors &colors);
void ApplySkin(QObject *window);
