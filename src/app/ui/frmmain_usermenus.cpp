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

void frmMain::buildUserMenu(const QString &fileName, QMenu *menu, QList<QAction *> &items,
                            void (frmMain::*clicked)(int))
{
    QList<UserMenuEntry> entries;
    try {
        UserMenuFile::read(DataFolder::filePath(fileName), entries);
    } catch (const WuxoError &) {
        // The entries before the faulty line stay in the menu.
        for (const UserMenuEntry &entry : std::as_const(entries))
            addUserEntry(menu, items, entry, clicked);
        throw;
    }
    for (const UserMenuEntry &entry : std::as_const(entries))
        addUserEntry(menu, items, entry, clicked);
}

void frmMain::addUserEntry(QMenu *menu, QList<QAction *> &items, const UserMenuEntry &entry,
                           void (frmMain::*clicked)(int))
{
    const bool first = !menu->menuAction()->isVisible();
    QAction *item = nullptr;
    if (first) {
        menu->menuAction()->setVisible(true);
        item = items.constFirst();
        item->setEnabled(true);
    } else {
        const int index = int(items.size());
        item = menu->addAction(QString());
        item->setObjectName(menu->objectName() == QLatin1String("mnuInsert")
                                ? QStringLiteral("mnuInsertUser(%1)").arg(index)
                                : QStringLiteral("mnuWebURL(%1)").arg(index));
        items.append(item);
        connect(item, &QAction::triggered, this,
                [this, clicked, index] { (this->*clicked)(index); });
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
