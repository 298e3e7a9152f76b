// The Insert and Web menus, built once at start-up from insert.txt and web.txt.
#include "frmmain.h"

#include "app/usermenufile.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "widgets/editortext.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>

namespace {

// An entry's value is kept as the item's data, not in a "Tag": the skin reads
// tags, and a user's text could name a skin role.
QString valueOf(const QList<QAction *> &items, int index)
{
    if (index < 0 || index >= items.size())
        throw WuxoError(ErrorNumber::SubscriptOutOfRange);
    return items.at(index)->data().toString();
}

} // namespace

void frmMain::buildUserMenu(UserMenuFile::Menu which, QMenu *menu, QList<QAction *> &items,
                            void (frmMain::*clicked)(int))
{
    QList<UserMenuEntry> entries;
    const auto addEntries = [&] {
        for (int number = 0; number < entries.size(); ++number)
            addUserEntry(which, menu, items, number, entries.at(number), clicked);
    };
    try {
        UserMenuFile::read(DataFolder::filePath(UserMenuFile::fileName(which)), entries);
    } catch (const WuxoError &) {
        // The entries before the faulty line stay in the menu.
        addEntries();
        throw;
    }
    addEntries();
}

void frmMain::addUserEntry(UserMenuFile::Menu which, QMenu *menu, QList<QAction *> &items,
                           int number, const UserMenuEntry &entry, void (frmMain::*clicked)(int))
{
    QAction *item = nullptr;
    if (number == 0) {
        // The menu's first entry is part of the design; the menu shows once it has a value.
        menu->menuAction()->setVisible(true);
        item = items.constFirst();
        item->setEnabled(true);
    } else {
        item = menu->addAction(QString());
        item->setObjectName(UserMenuFile::entryName(which, number));
        items.append(item);
        connect(item, &QAction::triggered, this,
                [this, clicked, number] { (this->*clicked)(number); });
    }
    // A separator shows no caption: the style would draw it as a section title.
    item->setText(entry.isSeparator ? QString() : entry.caption);
    item->setData(entry.value);
    item->setSeparator(entry.isSeparator);
}

QString frmMain::webEntryValue(int index) const
{
    return valueOf(mnuWebURL, index);
}

QString frmMain::insertEntryValue(int index) const
{
    return valueOf(mnuInsertUser, index);
}

void frmMain::mnuInsertUser_Click(int index)
{
    runTrapped(QStringLiteral("Main.mnuInsertUser"), [this, index] {
        if (mnuInsertUser.value(index) && mnuInsertUser[index]->isSeparator())
            return;
        const QString text
            = UserMenuFile::insertText(insertEntryValue(index), QDateTime::currentDateTime());
        post().replaceSelection(text);
    });
}

void frmMain::mnuWebURL_Click(int index)
{
    runTrapped(QStringLiteral("Main.mnuWebURL"),
               [this, index] { UserMenuFile::openWebValue(webEntryValue(index)); });
}
