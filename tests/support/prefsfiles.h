#pragma once

#include <QByteArray>

// The [Preferences] section of prefs.txt as the built-in preferences (the
// preferences dialog's "Default") are written: the tests of the file and of the
// dialog check against the same bytes.
inline const QByteArray builtInPreferencesFile = "[Preferences]\r\n"
                                                 "CopyMinimize=1\r\n"
                                                 "CopyGotoURL=0\r\n"
                                                 "CopyRemoveBreaks=1\r\n"
                                                 "PreviewIntegrated=1\r\n"
                                                 "SkinBackgroundB=16249582\r\n"
                                                 "SkinBackgroundF=-2147483630\r\n"
                                                 "SkinHeaderB=15457489\r\n"
                                                 "SkinHeaderF=7098170\r\n"
                                                 "SkinOutlineF=16777215\r\n"
                                                 "SkinButtonB=15585468\r\n"
                                                 "SkinTextAreaB=-2147483643\r\n"
                                                 "SkinTextAreaF=-2147483640\r\n";
