#include "forumcommands.h"

#include "decorations/taglayer.h"
#include "forums/forumprefs.h"
#include "forums/forumreview.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "foundation/preferences.h"
#include "foundation/textfile.h"
#include "widgets/postlengthlabel.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

// A menu caption shows an ampersand only when it is doubled.
QString caption(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

} // namespace

ForumCommands::ForumCommands(QMenu *submenu, TagLayer *tags, PostLengthLabel *length,
                             QObject *parent)
    : QObject(parent), m_submenu(submenu), m_tags(tags), m_length(length),
      m_profiles(ForumProfiles::builtIn())
{
    setObjectName(QStringLiteral("forums"));
    connect(m_submenu, &QMenu::aboutToShow, this, &ForumCommands::readProfiles);
    buildSubmenu();
}

void ForumCommands::start()
{
    m_target = ForumPrefs::readTarget(objPrefs());
    readProfiles();
    buildSubmenu();
    apply();
}

const ForumProfile *ForumCommands::target() const
{
    if (m_target.isEmpty())
        return nullptr;
    for (const ForumProfile &profile : m_profiles) {
        if (profile.name.compare(m_target, Qt::CaseInsensitive) == 0)
            return &profile;
    }
    return nullptr;
}

void ForumCommands::choose(const QString &profileName)
{
    m_target = profileName;
    ForumPrefs::writeTarget(objPrefs(), profileName);
    apply();
}

void ForumCommands::readProfiles()
{
    const QString path = DataFolder::filePath(QString::fromUtf16(ForumProfiles::fileName));
    runTrapped(QStringLiteral("Main.Forums"), [&] {
        const bool exists = FileExists(path);
        const QByteArray bytes = exists ? TextFile::readBytes(path) : QByteArray();
        if (m_read && exists == m_hadFile && bytes == m_bytes)
            return;
        m_read = true;
        m_hadFile = exists;
        m_bytes = bytes;
        const ForumProfiles::Parsed parsed = exists
            ? ForumProfiles::parse(TextFile::decode(bytes))
            : ForumProfiles::Parsed{ForumProfiles::builtIn(), {}};
        m_profiles = parsed.profiles;
        buildSubmenu();
        apply();
        if (!parsed.problems.isEmpty())
            Platform::prompts().messageBox(ForumProfiles::problemReport(parsed.problems),
                                           tr("Target Forum"), MessageIcon::Exclamation,
                                           MessageButtons::Ok);
    });
}

void ForumCommands::buildSubmenu()
{
    m_submenu->clear();
    delete m_entries;
    m_entries = new QActionGroup(this);
    const ForumProfile *chosen = target();
    const auto add = [&](const QString &text, const QString &name, const QString &profile) {
        QAction *entry = m_submenu->addAction(text);
        entry->setObjectName(name);
        entry->setCheckable(true);
        entry->setChecked(profile.isEmpty() ? chosen == nullptr
                                            : chosen && chosen->name == profile);
        m_entries->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, profile] { choose(profile); });
    };
    add(tr("Any Forum"), QStringLiteral("mnuViewTargetForumAny"), QString());
    for (qsizetype i = 0; i < m_profiles.size(); ++i)
        add(caption(m_profiles.at(i).name), QStringLiteral("mnuViewTargetForum(%1)").arg(i),
            m_profiles.at(i).name);
}

void ForumCommands::apply()
{
    const ForumProfile *profile = target();
    if (!profile) {
        m_tags->setReview(nullptr);
        m_length->setLimit(0);
        return;
    }
    m_tags->setReview([profile = *profile](QStringView post, std::vector<TagVerdicts::Tag> &tags) {
        ForumReview::review(profile, post, tags);
    });
    m_length->setLimit(profile->lengthLimit);
}
