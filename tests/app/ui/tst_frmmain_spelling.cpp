#include "app/ui/frmmain.h"
#include "decorations/ui/editordecorations.h"
#include "mainwindowfixture.h"
#include "spelling/dictionaries.h"
#include "spelling/ui/spellingcommands.h"
#include "widgets/postedit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <functional>

namespace {

const QString systemDictionaries = QStringLiteral("/usr/share/hunspell");

// The words under the spell-check underline, in order.
QStringList underlined(const frmMain *w)
{
    QStringList found;
    for (QTextBlock block = txtPost(w)->document()->begin(); block.isValid();
         block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                found.append(block.text().mid(range.start, range.length));
        }
    }
    return found;
}

QStringList captions(const QMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (action->isVisible())
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

const QStringList editMenu
    = {"Undo", "Redo",       "-",         "Cut", "Copy",    "Paste", "Paste as BBCode",
       "-",    "Select All", "Clear All", "-",   "Spelling"};

SpellingCommands *spelling(const frmMain *w)
{
    return w->findChild<SpellingCommands *>(QStringLiteral("spelling"));
}

// Waits until the dictionary is read and the whole post checked.
bool checked(const frmMain *w)
{
    const auto *decorations = txtPost(w)->findChild<EditorDecorations *>();
    return spelling(w)->isChecking() && decorations && decorations->isIdle();
}

// Where the mouse points at character `position` of the post (in its terms).
QPoint pointAt(const frmMain *w, int position)
{
    QTextCursor cursor(txtPost(w)->document());
    cursor.setPosition(EditorText::toEditor(txtPost(w)->document(), position));
    return txtPost(w)->cursorRect(cursor).center() + QPoint(2, 0);
}

// Opens the context menu with `open`, notes its entries and triggers the one
// named `choose` (none when empty) before the menu closes.
QStringList contextMenu(frmMain *w, const std::function<void()> &open,
                        const QString &choose = QString())
{
    QStringList shown;
    const QMetaObject::Connection connection
        = QObject::connect(menu(w, "mnuEdit"), &QMenu::aboutToShow, w, [&] {
              QTimer::singleShot(0, w, [&] {
                  shown = captions(menu(w, "mnuEdit"));
                  for (QAction *action : menu(w, "mnuEdit")->actions()) {
                      if (!choose.isEmpty() && action->text() == choose) {
                          action->trigger();
                          break;
                      }
                  }
                  menu(w, "mnuEdit")->close();
              });
          });
    // The menu runs modally: it has closed when open() returns.
    open();
    QObject::disconnect(connection);
    return shown;
}

QStringList rightClick(frmMain *w, int position, const QString &choose = QString())
{
    return contextMenu(
        w,
        [&] {
            QTest::mouseClick(txtPost(w)->viewport(), Qt::RightButton, {}, pointAt(w, position));
        },
        choose);
}

} // namespace

class TestFrmMainSpelling : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dictionaries;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(systemDictionaries + QStringLiteral("/en_US.dic")),
                 "the en_US dictionary (package hunspell-en-us) is not installed");
        // Two dictionaries: en_US, and the same files under the name en_GB.
        for (const QString &code : {QStringLiteral("en_US"), QStringLiteral("en_GB")}) {
            for (const QString &suffix : {QStringLiteral(".aff"), QStringLiteral(".dic")})
                QVERIFY(QFile::link(systemDictionaries + QStringLiteral("/en_US") + suffix,
                                    m_dictionaries.filePath(code + suffix)));
        }
    }

    void init() { Dictionaries::setFolder(m_dictionaries.path()); }
    void cleanup() { Dictionaries::setFolder(QString()); }

    void aSuggestionReplacesTheWordAndUndoBringsItBack()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("I wrote teh post"));
        QTRY_VERIFY(checked(w));
        QCOMPARE(underlined(w), QStringList{"teh"});

        const QStringList shown = rightClick(w, 9, QStringLiteral("the"));
        const qsizetype suggestions = shown.indexOf(QStringLiteral("Add to Dictionary"));
        QVERIFY2(suggestions >= 1 && suggestions <= SpellingCommands::suggestionCount,
                 qPrintable(shown.join(u',')));
        QVERIFY(shown.mid(0, suggestions).contains(QStringLiteral("the")));
        QCOMPARE(shown.mid(suggestions),
                 QStringList({"Add to Dictionary", "Ignore", "-"}) + editMenu);
        QCOMPARE(w->post().text(), QStringLiteral("I wrote the post"));
        QCOMPARE(w->post().selStart(), 11);
        QCOMPARE(underlined(w), QStringList());
        // The entries were for that menu only.
        QCOMPARE(captions(menu(w, "mnuEdit")), editMenu);

        action(w, "mnuEditUndo")->trigger();
        QCOMPARE(w->post().text(), QStringLiteral("I wrote teh post"));
        QTRY_COMPARE(underlined(w), QStringList{"teh"});
    }

    void theMenuKeysFindTheWordAtTheCaret()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("a wrod here"));
        QTRY_VERIFY(checked(w));
        w->post().setSelStart(6); // just after the word
        QStringList shown = contextMenu(
            w, [&] { QTest::keyClick(txtPost(w), Qt::Key_Menu); }, "word");
        QVERIFY(shown.contains(QStringLiteral("Ignore")));
        QCOMPARE(w->post().text(), QStringLiteral("a word here"));

        w->post().setSelStart(8);
        shown
            = contextMenu(w, [&] { QTest::keyClick(txtPost(w), Qt::Key_F10, Qt::ShiftModifier); });
        QCOMPARE(shown, editMenu);
    }

    void elsewhereTheEditMenuIsAsDesigned()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QTest::keyClicks(txtPost(w), QStringLiteral("good wrds [B]xyzzy[/B]"));
        QTRY_VERIFY(checked(w));
        QCOMPARE(rightClick(w, 2), editMenu);
        QCOMPARE(rightClick(w, 11), editMenu); // inside a tag name
        QVERIFY(rightClick(w, 6).contains(QStringLiteral("Ignore")));
    }

    void anAddedWordStaysAddedAfterARestart()
    {
        MainWindowFixture f;
        {
            frmMain *w = f.open();
            QTest::keyClicks(txtPost(w), QStringLiteral("Wuxo and Quorvel"));
            QTRY_VERIFY(checked(w));
            QCOMPARE(underlined(w), (QStringList{"Wuxo", "Quorvel"}));
            rightClick(w, 1, QStringLiteral("Add to Dictionary"));
            QTRY_COMPARE(underlined(w), QStringList{"Quorvel"});
            rightClick(w, 10, QStringLiteral("Ignore"));
            QTRY_COMPARE(underlined(w), QStringList());
            w->setBlnPostChanged(false);
        }
        QCOMPARE(f.folder.read(QStringLiteral("words.txt")), QByteArray("Wuxo\r\n"));

        f.window.reset();
        frmMain *again = f.open();
        QTest::keyClicks(txtPost(again), QStringLiteral("Wuxo and Quorvel"));
        QTRY_VERIFY(checked(again));
        QCOMPARE(underlined(again), QStringList{"Quorvel"});
        again->setBlnPostChanged(false);
    }

    void theSpellingSubmenuChoosesAndIsKept()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("prefs.txt"), "[Spelling]\r\nLanguage=en_GB\r\n");
        frmMain *w = f.open();
        auto *submenu = w->findChild<QMenu *>(QStringLiteral("mnuEditSpelling"));
        QVERIFY(submenu);
        QCOMPARE(captions(submenu),
                 (QStringList{"Check Spelling", "-", "English (United Kingdom)",
                              "English (United States)"}));
        const QList<QAction *> items = submenu->actions();
        QVERIFY(items[0]->isChecked());
        QVERIFY(items[2]->isChecked());
        QVERIFY(!items[3]->isChecked());

        QTest::keyClicks(txtPost(w), QStringLiteral("teh"));
        QTRY_VERIFY(checked(w));
        items[3]->trigger();
        QVERIFY(items[3]->isChecked());
        QVERIFY(!items[2]->isChecked());
        QTRY_VERIFY(checked(w));
        QCOMPARE(spelling(w)->settings().language, QStringLiteral("en_US"));
        QCOMPARE(f.folder.read(QStringLiteral("prefs.txt")),
                 QByteArray("[Spelling]\r\nLanguage=en_US\r\nEnabled=1\r\n"));

        items[0]->trigger();
        QTRY_COMPARE(underlined(w), QStringList());
        QVERIFY(!spelling(w)->isChecking());
        QCOMPARE(rightClick(w, 1), editMenu);
        QCOMPARE(f.folder.read(QStringLiteral("prefs.txt")),
                 QByteArray("[Spelling]\r\nLanguage=en_US\r\nEnabled=0\r\n"));
        w->setBlnPostChanged(false);

        f.window.reset();
        frmMain *again = f.open();
        submenu = again->findChild<QMenu *>(QStringLiteral("mnuEditSpelling"));
        QVERIFY(!submenu->actions()[0]->isChecked());
        QVERIFY(submenu->actions()[3]->isChecked());
        QTest::keyClicks(txtPost(again), QStringLiteral("teh"));
        QTRY_VERIFY(spelling(again)->isIdle());
        QCOMPARE(underlined(again), QStringList());
        again->setBlnPostChanged(false);
    }

    void withoutDictionariesTheSubmenuSaysSo()
    {
        QTemporaryDir empty;
        Dictionaries::setFolder(empty.path());
        MainWindowFixture f;
        frmMain *w = f.open();
        auto *submenu = w->findChild<QMenu *>(QStringLiteral("mnuEditSpelling"));
        QCOMPARE(captions(submenu), QStringList{"No dictionaries installed"});
        QVERIFY(!submenu->actions()[0]->isEnabled());
        QTest::keyClicks(txtPost(w), QStringLiteral("teh"));
        QTRY_VERIFY(spelling(w)->isIdle());
        QCOMPARE(underlined(w), QStringList());
        QCOMPARE(rightClick(w, 1), editMenu);
        QVERIFY(!f.folder.exists(QStringLiteral("words.txt")));
        w->setBlnPostChanged(false);
    }
};

QTEST_MAIN(TestFrmMainSpelling)
#include "tst_frmmain_spelling.moc"
