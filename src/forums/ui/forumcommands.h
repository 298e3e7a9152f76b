#pragma once

#include "forums/forumprofiles.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class PostLengthLabel;
class QActionGroup;
class QMenu;
class TagLayer;

// The forum the post is written for: the "Target Forum" submenu, with "Any
// Forum" and one entry per profile of forums.txt, and what the choice changes:
// the forum's notes beside the tag warnings and its limit in the length label.
// "Any Forum" changes nothing. The choice is kept in prefs.txt, written only
// when the user makes one.
class ForumCommands : public QObject
{
    Q_OBJECT

public:
    ForumCommands(QMenu *submenu, TagLayer *tags, PostLengthLabel *length, QObject *parent);

    // The start-up step, once the data folder and prefs.txt are known.
    void start();

    // The profile in use; none for "Any Forum".
    const ForumProfile *target() const;
    void choose(const QString &profileName);

private:
    // Reads forums.txt again when it changed since it was last read; its damaged
    // lines are reported once for each content of the file.
    void readProfiles();
    void buildSubmenu();
    void apply();

    QMenu *m_submenu;
    TagLayer *m_tags;
    PostLengthLabel *m_length;
    QActionGroup *m_entries = nullptr;
    QList<ForumProfile> m_profiles;
    QString m_target; // a profile's name; empty: "Any Forum"
    bool m_read = false;
    bool m_hadFile = false;
    QByteArray m_bytes;
};
