#include "dialogs/helptargets.h"
#include "dialogs/ui/frmabout.h"
#include "fakes.h"
#include "foundation/wuxoerror.h"
#include "spokenname.h"
#include "testdatafolder.h"
#include "widgets/hyperlinklabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Remembers whether the About box was still on screen when the desktop was asked.
class WatchingShell : public RecordingShell
{
public:
    explicit WatchingShell(const QWidget *box) : m_box(box) { }
    void open(const QString &target, const QString &verb) override
    {
        boxVisible.append(m_box->isVisible());
        RecordingShell::open(target, verb);
    }
    QList<bool> boxVisible;

private:
    const QWidget *m_box;
};

class FailingShell : public Shell
{
public:
    FailingShell() { Platform::setShell(this); }
    ~FailingShell() override { Platform::setShell(nullptr); }
    void open(const QString &, const QString &) override
    {
        ++attempts;
        throw WuxoError(ErrorNumber::FileNotFound);
    }
    int attempts = 0;
};

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataFolder> m_folder;

    template<typename Control> static Control *control(const frmAbout &box, const char *name)
    {
        return box.findChild<Control *>(QLatin1String(name));
    }

private slots:
    void init() { m_folder = std::make_unique<TestDataFolder>(false); }
    void cleanup() { m_folder.reset(); }

    void showsNameVersionAndLinks()
    {
        frmAbout box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About Wuxo"));
        QCOMPARE(control<QLabel>(box, "lblProductName")->text(), QStringLiteral("Quorvel Wuxo"));
        QCOMPARE(control<QLabel>(box, "lblVersion")->text(),
                 QStringLiteral("Version 0.8 (Build 44)"));
        QCOMPARE(spokenName(control<QLabel>(box, "lblVersion")),
                 QStringLiteral("Version 0.8 (Build 44)"));
        QCOMPARE(control<QLabel>(box, "lblLabel_1")->text(), QStringLiteral("E-mail:"));
        QCOMPARE(control<QLabel>(box, "lblLabel_0")->text(), QStringLiteral("Website:"));
        QCOMPARE(control<QLabel>(box, "lblHyperlink_0")->text(), HelpTargets::supportEmail());
        QCOMPARE(control<QLabel>(box, "lblHyperlink_1")->text(), HelpTargets::website());
        QCOMPARE(control<QPushButton>(box, "cmdDonate")->toolTip(),
                 QStringLiteral("Learn more about supporting Quorvel"));
        const QPixmap icon = control<QLabel>(box, "Picture1")->pixmap();
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(!box.windowIcon().isNull());

        box.show();
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void linksOpenTheirTargets_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("closes");
        QTest::newRow("e-mail link, subject with %20")
            << "lblHyperlink_0"
            << "mailto:" + HelpTargets::supportEmail() + "?subject=Wuxo%20v0.8%20(Build%2044)"
            << false;
        QTest::newRow("web site link opens its own text")
            << "lblHyperlink_1" << HelpTargets::website() << false;
        QTest::newRow("Donate! closes the box, then opens the page")
            << "cmdDonate" << HelpTargets::website() + "/?p=donate&app=Wuxo" << true;
    }

    void linksOpenTheirTargets()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, target);
        QFETCH(bool, closes);
        frmAbout box;
        box.show();
        WatchingShell shell(&box);
        QWidget *widget = box.findChild<QWidget *>(clicked);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());

        QCOMPARE(shell.requests.size(), 1);
        const RecordingShell::Request &request = shell.requests.first();
        QCOMPARE(request.target, target);
        QCOMPARE(request.verb, QStringLiteral("Open"));
        QCOMPARE(shell.boxVisible.first(), !closes);
        QCOMPARE(box.isVisible(), !closes);
    }

    void linkFollowsAnEditedText()
    {
        frmAbout box;
        box.show();
        RecordingShell shell;
        auto *link = control<QLabel>(box, "lblHyperlink_1");
        link->setText(QStringLiteral("http://example.org/other"));
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(shell.targets(), QStringList{QStringLiteral("http://example.org/other")});
    }

    void linkIsRedOnlyWhilePressed()
    {
        frmAbout box;
        box.show();
        RecordingShell shell;
        auto *link = control<HyperlinkLabel>(box, "lblHyperlink_0");
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link->foreColor(), 0xFF0000);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mousePress(link, Qt::RightButton, {}, link->rect().center());
        QCOMPARE(link->foreColor(), 255);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QTest::mouseRelease(link, Qt::RightButton, {}, link->rect().center());
        QCOMPARE(link->foreColor(), 0xFF0000);
        QVERIFY(shell.requests.isEmpty()); // only the left button follows a link

        // Pressed on the link but released away from it: no click.
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(40, 40));
        QCOMPARE(link->foreColor(), 0xFF0000);
        QVERIFY(shell.requests.isEmpty());
    }

    void failedOpeningsAreIgnored()
    {
        frmAbout box;
        box.show();
        FailingShell shell;
        for (const char *name : {"lblHyperlink_0", "lblHyperlink_1"}) {
            QWidget *link = control<QWidget>(box, name);
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        }
        QVERIFY(box.isVisible());
        QTest::mouseClick(control<QPushButton>(box, "cmdDonate"), Qt::LeftButton);
        QCOMPARE(shell.attempts, 3);
        QVERIFY(box.isHidden());
    }

    void okCloses()
    {
        frmAbout box;
        box.show();
        RecordingShell shell;
        QTest::mouseClick(control<QPushButton>(box, "cmdOK"), Qt::LeftButton);
        QVERIFY(box.isHidden());
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(shell.requests.isEmpty());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
