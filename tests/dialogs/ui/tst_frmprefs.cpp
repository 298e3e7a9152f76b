// The preferences dialog over one fixture: every control of its design, in
// tables, and what OK, Test and closing keep.
#include "dialogs/ui/frmprefs.h"
#include "fakes.h"
#include "foundation/clsinifile.h"
#include "foundation/olecolor.h"
#include "foundation/preferences.h"
#include "foundation/skin.h"
#include "prefsfiles.h"
#include "testdatafolder.h"
#include "widgets/colorsample.h"
#include "widgets/flagcheckbox.h"
#include "widgets/skinwidgets.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

// The colour preferences by key, so a table row can name the one it edits.
qint32 &colorNamed(SkinColors &colors, const QString &key)
{
    static const QHash<QString, qint32 SkinColors::*> members = {
        {QStringLiteral("SkinBackgroundB"), &SkinColors::SkinBackgroundB},
        {QStringLiteral("SkinBackgroundF"), &SkinColors::SkinBackgroundF},
        {QStringLiteral("SkinHeaderB"), &SkinColors::SkinHeaderB},
        {QStringLiteral("SkinHeaderF"), &SkinColors::SkinHeaderF},
        {QStringLiteral("SkinOutlineF"), &SkinColors::SkinOutlineF},
        {QStringLiteral("SkinButtonB"), &SkinColors::SkinButtonB},
        {QStringLiteral("SkinTextAreaB"), &SkinColors::SkinTextAreaB},
        {QStringLiteral("SkinTextAreaF"), &SkinColors::SkinTextAreaF},
    };
    return colors.*members.value(key);
}

// Stored colours unlike both the design colours and the built-in ones.
Preferences distinctPreferences()
{
    Preferences values;
    values.CopyMinimize = 0;
    values.CopyGotoURL = 1;
    values.CopyRemoveBreaks = 0;
    values.PreviewIntegrated = 1;
    values.colors.SkinBackgroundB = 0x00101112;
    values.colors.SkinBackgroundF = 0x00202122;
    values.colors.SkinHeaderB = 0x00303132;
    values.colors.SkinHeaderF = 0x00404142;
    values.colors.SkinOutlineF = 0x00505152;
    values.colors.SkinButtonB = 0x00606162;
    values.colors.SkinTextAreaB = qint32(0x80000005u);
    values.colors.SkinTextAreaF = 0x00707172;
    return values;
}

qint32 colorProperty(QObject *control, const char *property)
{
    return control->property(property).value<qint32>();
}

QColor windowColor(QWidget *control)
{
    return control->palette().color(QPalette::Window);
}

QList<QColor> greys()
{
    QList<QColor> colors;
    for (int v = 15; v <= 240; v += 15)
        colors.append(QColor(v, v, v));
    return colors;
}

// A picker whose user defines red as the first custom colour, then cancels.
class DefiningPrompts : public ScriptedPrompts
{
public:
    std::optional<QColor> pickColor(const QColor &, QList<QColor> &customColors) override
    {
        seen.append(customColors);
        customColors[0] = Qt::red;
        return std::nullopt;
    }
    QList<QList<QColor>> seen;
};

} // namespace

class TestFrmPrefs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<QWidget> m_main;
    SkinPanel *m_mainSurface = nullptr;
    std::unique_ptr<ScriptedPrompts> m_prompts;

    template<typename Control> static Control *control(const frmPrefs &dialog, const char *name)
    {
        return dialog.findChild<Control *>(QLatin1String(name));
    }

    static void click(const frmPrefs &dialog, const char *name)
    {
        QWidget *widget = control<QWidget>(dialog, name);
        QVERIFY2(widget, name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>(false);
        objPrefs().setFile(m_folder->path(QStringLiteral("prefs.txt")));
        prefs() = Preferences();
        m_prompts = std::make_unique<ScriptedPrompts>();
        // A stand-in for the main window: a surface the skin colours.
        m_main = std::make_unique<QWidget>();
        m_mainSurface = new SkinPanel(m_main.get());
        m_mainSurface->setProperty(Skin::tagProperty, QStringLiteral("SkinBackgroundB"));
        m_mainSurface->setBackColor(0x00010203);
    }

    void cleanup()
    {
        m_main.reset();
        m_prompts.reset();
        m_folder.reset();
    }

    void window()
    {
        frmPrefs dialog(m_main.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
        QCOMPARE(dialog.size(), QSize(339, 285));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(control<QLabel>(dialog, "lblCopyMinimize")->font().family(),
                 QStringLiteral("Verdana"));
        QVERIFY(control<QLabel>(dialog, "lblCaption_2")->font().bold());
        QVERIFY(!control<QLabel>(dialog, "lblCopyMinimize")->font().bold());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // pixels in the dialog's client area
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QVariant>("tag");
        const QVariant none;
        const auto tag = [](const char *role) {
            return QVariant(QString::fromLatin1(role));
        };

        QTest::newRow("surface overlaps the client area by a pixel")
            << "picContainer" << QRect(-1, -1, 341, 287) << ""
            << "" << tag("SkinBackgroundB");
        QTest::newRow("first header bar") << "shpHeaders_0" << QRect(0, 0, 339, 26) << ""
                                          << "" << tag("SkinHeader");
        QTest::newRow("skin header label") << "lblCaption_1" << QRect(5, 142, 62, 13) << "Wuxo Skin"
                                           << "" << tag("SkinHeaderF");
        QTest::newRow("check box names no role") << "chkCopyRemove" << QRect(145, 34, 13, 13) << ""
                                                 << "" << tag("SkinBackground");
        QTest::newRow("option label")
            << "lblCopyRemove" << QRect(162, 34, 134, 13) << "Remove 3+ line breaks"
            << "" << tag("SkinBackgroundF");
        QTest::newRow("browser option label")
            << "lblPreviewBrowser" << QRect(24, 114, 133, 13) << "Use integrated browser"
            << "" << tag("SkinBackgroundF");
        QTest::newRow("sample without a tag")
            << "txtColButtonArea" << QRect(147, 198, 85, 19) << "Button Area"
            << "" << none;
        QTest::newRow("line sample") << "txtColOutline" << QRect(147, 225, 85, 19) << "Line"
                                     << "" << none;
        QTest::newRow("background button") << "cmdColHeader" << QRect(94, 198, 18, 19) << "B"
                                           << "Choose background color" << tag("SkinBackgroundB");
        QTest::newRow("foreground button") << "cmdColTextArea2" << QRect(113, 225, 18, 19) << "F"
                                           << "Choose foreground color" << tag("SkinBackgroundB");
        QTest::newRow("outline button") << "cmdColOutline" << QRect(233, 225, 18, 19) << "F"
                                        << "Choose foreground color" << tag("SkinBackgroundB");
        QTest::newRow("Test") << "cmdColTest" << QRect(269, 170, 61, 22) << "Test"
                              << "" << tag("SkinBackgroundB");
        QTest::newRow("Default") << "cmdColDefault" << QRect(269, 198, 61, 22) << "Default"
                                 << "" << tag("SkinBackgroundB");
        QTest::newRow("button area") << "shpButtons" << QRect(0, 255, 339, 30) << ""
                                     << "" << tag("SkinButton");
        QTest::newRow("OK") << "cmdOK" << QRect(87, 259, 80, 22) << "OK"
                            << "" << tag("SkinButtonB");
        QTest::newRow("Cancel") << "cmdCancel" << QRect(172, 259, 80, 22) << "Cancel"
                                << "" << tag("SkinButtonB");
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QVariant, tag);
        frmPrefs dialog(m_main.get());
        auto *widget = dialog.findChild<QWidget *>(name);
        QVERIFY(widget);
        const QRect actual(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        if (qobject_cast<QLabel *>(widget)) {
            // A label may grow to the right when the font in use is wider than Verdana.
            QCOMPARE(actual.topLeft(), geometry.topLeft());
            QCOMPARE(actual.height(), geometry.height());
            QVERIFY(actual.width() >= geometry.width());
            QVERIFY(actual.width() >= widget->sizeHint().width());
        } else {
            QCOMPARE(actual, geometry);
        }
        QCOMPARE(widget->property("text").toString(), text);
        QCOMPARE(widget->toolTip(), toolTip);
        QCOMPARE(widget->property(Skin::tagProperty), tag);
        QVERIFY(!widget->accessibleName().isEmpty() || name.startsWith(u"shp"));
    }

    void loadShowsTheStoredValues()
    {
        const Preferences stored = distinctPreferences();
        prefs() = stored;
        frmPrefs dialog(m_main.get());

        QCOMPARE(control<FlagCheckBox>(dialog, "chkCopyMinimize")->checkState(), Qt::Unchecked);
        QCOMPARE(control<FlagCheckBox>(dialog, "chkCopyGotoURL")->checkState(), Qt::Checked);
        QCOMPARE(control<FlagCheckBox>(dialog, "chkCopyRemove")->checkState(), Qt::Unchecked);
        QCOMPARE(control<FlagCheckBox>(dialog, "chkPreviewBrowser")->checkState(), Qt::Checked);

        const SkinColors &c = stored.colors;
        const struct
        {
            const char *sample;
            const char *property;
            qint32 value;
        } samples[] = {
            {"txtColBackground", "BackColor", c.SkinBackgroundB},
            {"txtColBackground", "ForeColor", c.SkinBackgroundF},
            {"txtColHeader", "BackColor", c.SkinHeaderB},
            {"txtColHeader", "ForeColor", c.SkinHeaderF},
            {"txtColOutline", "BackColor", c.SkinHeaderB},
            {"txtColOutline", "ForeColor", c.SkinOutlineF},
            {"txtColButtonArea", "BackColor", c.SkinButtonB},
            {"txtColTextArea", "BackColor", c.SkinTextAreaB},
            {"txtColTextArea", "ForeColor", c.SkinTextAreaF},
        };
        for (const auto &s : samples)
            QCOMPARE(colorProperty(control<ColorSample>(dialog, s.sample), s.property), s.value);

        // Skinned with the stored colours, except the check boxes.
        QCOMPARE(colorProperty(control<QWidget>(dialog, "picContainer"), "BackColor"),
                 c.SkinBackgroundB);
        QCOMPARE(colorProperty(control<QWidget>(dialog, "cmdColTest"), "BackColor"),
                 c.SkinBackgroundB);
        QCOMPARE(colorProperty(control<QWidget>(dialog, "lblCopyGotoURL"), "ForeColor"),
                 c.SkinBackgroundF);
        QCOMPARE(colorProperty(control<QWidget>(dialog, "shpHeaders_2"), "BorderColor"),
                 c.SkinOutlineF);
        QCOMPARE(colorProperty(control<QWidget>(dialog, "lblCaption_0"), "ForeColor"),
                 c.SkinHeaderF);
        QCOMPARE(colorProperty(control<QWidget>(dialog, "cmdCancel"), "BackColor"), c.SkinButtonB);
        QCOMPARE(windowColor(control<QWidget>(dialog, "chkPreviewBrowser")),
                 OleColor::toQColor(0x00F7F2EE));

        // Opening touches nothing stored.
        QCOMPARE(prefs(), stored);
        QVERIFY(!m_folder->exists(QStringLiteral("prefs.txt")));
    }

    void customColoursStartGreyAtEachOpening()
    {
        m_prompts.reset();
        {
            DefiningPrompts picker;
            frmPrefs dialog(m_main.get());
            click(dialog, "cmdColHeader");
            click(dialog, "cmdColHeader2");
            QCOMPARE(picker.seen.size(), 2);
            QCOMPARE(picker.seen.at(0), greys());
            // What the user defined in the picker is offered again at the next pick.
            QList<QColor> kept = greys();
            kept[0] = Qt::red;
            QCOMPARE(picker.seen.at(1), kept);
        }
        m_prompts = std::make_unique<ScriptedPrompts>();
        frmPrefs reopened(m_main.get());
        m_prompts->queueColor(std::nullopt);
        click(reopened, "cmdColHeader");
        QCOMPARE(m_prompts->lastCustomColors, greys());
    }

    void flags_data()
    {
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<Qt::CheckState>("shown");
        QTest::addColumn<QString>("clicked"); // the control clicked, or "" for none
        QTest::addColumn<int>("clicks");
        QTest::addColumn<qint32>("kept");

        QTest::newRow("0 shows clear") << 0 << Qt::Unchecked << "" << 0 << 0;
        QTest::newRow("1 shows ticked") << 1 << Qt::Checked << "" << 0 << 1;
        QTest::newRow("2 shows greyed and OK keeps it")
            << 2 << Qt::PartiallyChecked << "" << 0 << 2;
        QTest::newRow("7 shows clear and OK stores 0") << 7 << Qt::Unchecked << "" << 0 << 0;
        QTest::newRow("-1 shows clear and OK stores 0") << -1 << Qt::Unchecked << "" << 0 << 0;
        QTest::newRow("label ticks a clear box")
            << 0 << Qt::Unchecked << "lblCopyGotoURL" << 1 << 1;
        QTest::newRow("label clears a ticked box")
            << 1 << Qt::Checked << "lblCopyGotoURL" << 1 << 0;
        QTest::newRow("label clears a greyed box")
            << 2 << Qt::PartiallyChecked << "lblCopyGotoURL" << 1 << 0;
        QTest::newRow("label twice returns the box to where it was")
            << 0 << Qt::Unchecked << "lblCopyGotoURL" << 2 << 0;
        QTest::newRow("label twice on a greyed box ticks it")
            << 2 << Qt::PartiallyChecked << "lblCopyGotoURL" << 2 << 1;
        QTest::newRow("box itself clears when greyed")
            << 2 << Qt::PartiallyChecked << "chkCopyGotoURL" << 1 << 0;
        QTest::newRow("box itself ticks when clear")
            << 7 << Qt::Unchecked << "chkCopyGotoURL" << 1 << 1;
    }

    void flags()
    {
        QFETCH(qint32, stored);
        QFETCH(Qt::CheckState, shown);
        QFETCH(QString, clicked);
        QFETCH(int, clicks);
        QFETCH(qint32, kept);
        prefs().CopyGotoURL = stored;
        frmPrefs dialog(m_main.get());
        dialog.show();
        auto *box = control<FlagCheckBox>(dialog, "chkCopyGotoURL");
        QCOMPARE(box->checkState(), shown);
        for (int i = 0; i < clicks; ++i)
            click(dialog, qPrintable(clicked));
        QCOMPARE(prefs().CopyGotoURL, stored); // nothing is stored before OK

        click(dialog, "cmdOK");
        QCOMPARE(prefs().CopyGotoURL, kept);
        QVERIFY(m_folder->read(QStringLiteral("prefs.txt"))
                    .contains("\r\nCopyGotoURL=" + QByteArray::number(kept) + "\r\n"));
    }

    void eachLabelTogglesItsOwnBox_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("key");
        QTest::newRow("Minimize Wuxo") << "lblCopyMinimize"
                                       << "CopyMinimize";
        QTest::newRow("Open URL #2") << "lblCopyGotoURL"
                                     << "CopyGotoURL";
        QTest::newRow("Remove 3+ line breaks") << "lblCopyRemove"
                                               << "CopyRemoveBreaks";
        QTest::newRow("Use integrated browser") << "lblPreviewBrowser"
                                                << "PreviewIntegrated";
    }

    void eachLabelTogglesItsOwnBox()
    {
        QFETCH(QString, label);
        QFETCH(QString, key);
        prefs().CopyMinimize = prefs().CopyGotoURL = prefs().CopyRemoveBreaks
            = prefs().PreviewIntegrated = 0;
        frmPrefs dialog(m_main.get());
        dialog.show();
        click(dialog, qPrintable(label));
        click(dialog, "cmdOK");
        const QByteArray file = m_folder->read(QStringLiteral("prefs.txt"));
        for (const char *flag :
             {"CopyMinimize", "CopyGotoURL", "CopyRemoveBreaks", "PreviewIntegrated"}) {
            const QByteArray line = QByteArray("\r\n") + flag + '='
                + (key == QLatin1String(flag) ? "1" : "0") + "\r\n";
            QVERIFY2(file.contains(line), flag);
        }
    }

    void colorButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("property");
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<QColor>("picked"); // invalid: the picker is cancelled
        QTest::addColumn<qint32>("expected");

        const QColor cancel;
        QTest::newRow("Main B") << "cmdColBackground"
                                << "SkinBackgroundB"
                                << "txtColBackground"
                                << "BackColor" << 0x00112233 << QColor(10, 20, 30) << 0x001E140A;
        QTest::newRow("Main F from a desktop colour")
            << "cmdColBackground2"
            << "SkinBackgroundF"
            << "txtColBackground"
            << "ForeColor" << qint32(0x80000012u) << QColor(1, 2, 3) << 0x00030201;
        QTest::newRow("Header B also colours the Line sample")
            << "cmdColHeader"
            << "SkinHeaderB"
            << "txtColHeader"
            << "BackColor" << 0x00445566 << QColor(255, 0, 0) << 0x000000FF;
        QTest::newRow("Header F") << "cmdColHeader2"
                                  << "SkinHeaderF"
                                  << "txtColHeader"
                                  << "ForeColor" << 0 << QColor(0, 0, 255) << 0x00FF0000;
        QTest::newRow("Button Area B")
            << "cmdColButtonArea"
            << "SkinButtonB"
            << "txtColButtonArea"
            << "BackColor" << 0x00EDD0BC << QColor(0, 128, 0) << 0x00008000;
        QTest::newRow("Text Area B from a desktop colour")
            << "cmdColTextArea"
            << "SkinTextAreaB"
            << "txtColTextArea"
            << "BackColor" << qint32(0x80000005u) << QColor(200, 201, 202) << 0x00CAC9C8;
        QTest::newRow("Text Area F") << "cmdColTextArea2"
                                     << "SkinTextAreaF"
                                     << "txtColTextArea"
                                     << "ForeColor" << 0x00000001 << QColor(9, 9, 9) << 0x00090909;
        QTest::newRow("Line F") << "cmdColOutline"
                                << "SkinOutlineF"
                                << "txtColOutline"
                                << "ForeColor" << 0x00FFFFFF << QColor(1, 1, 1) << 0x00010101;
        QTest::newRow("cancel keeps a desktop colour exactly")
            << "cmdColTextArea"
            << "SkinTextAreaB"
            << "txtColTextArea"
            << "BackColor" << qint32(0x80000005u) << cancel << qint32(0x80000005u);
        QTest::newRow("cancel keeps the button-text colour exactly")
            << "cmdColBackground2"
            << "SkinBackgroundF"
            << "txtColBackground"
            << "ForeColor" << qint32(0x80000012u) << cancel << qint32(0x80000012u);
        QTest::newRow("cancel keeps an RGB colour")
            << "cmdColHeader"
            << "SkinHeaderB"
            << "txtColHeader"
            << "BackColor" << 0x00445566 << cancel << 0x00445566;
    }

    void colorButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(QString, sample);
        QFETCH(QString, property);
        QFETCH(qint32, stored);
        QFETCH(QColor, picked);
        QFETCH(qint32, expected);
        Preferences before = distinctPreferences();
        colorNamed(before.colors, key) = stored;
        prefs() = before;
        frmPrefs dialog(m_main.get());
        dialog.show();

        m_prompts->queueColor(picked.isValid() ? std::optional<QColor>(picked) : std::nullopt);
        click(dialog, qPrintable(button));
        QCOMPARE(m_prompts->records.size(), 1);
        QCOMPARE(m_prompts->records.first().initialColor, OleColor::toQColor(stored));
        auto *shown = dialog.findChild<ColorSample *>(sample);
        QCOMPARE(colorProperty(shown, qPrintable(property)), expected);
        QCOMPARE(colorProperty(control<ColorSample>(dialog, "txtColOutline"), "BackColor"),
                 colorProperty(control<ColorSample>(dialog, "txtColHeader"), "BackColor"));
        QCOMPARE(prefs(), before);

        click(dialog, "cmdOK");
        Preferences after = before;
        colorNamed(after.colors, key) = expected;
        QCOMPARE(prefs(), after);
        QVERIFY(
            m_folder->read(QStringLiteral("prefs.txt"))
                .contains(("\r\n" + key + '=' + QString::number(expected) + "\r\n").toLatin1()));
    }

    void defaultThenOkWritesTheBuiltInColours()
    {
        frmPrefs dialog(m_main.get());
        dialog.show();
        click(dialog, "cmdColDefault");
        QCOMPARE(colorProperty(control<ColorSample>(dialog, "txtColBackground"), "ForeColor"),
                 qint32(0x80000012u));
        QCOMPARE(prefs(), Preferences()); // Default stores nothing by itself
        QVERIFY(!m_folder->exists(QStringLiteral("prefs.txt")));

        click(dialog, "cmdOK");
        QCOMPARE(m_folder->read(QStringLiteral("prefs.txt")), builtInPreferencesFile);
        QCOMPARE(prefs().colors, SkinColors::builtIn());
        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void okRewritesTheKeysAndRecoloursTheMainWindow()
    {
        const Preferences stored = distinctPreferences();
        prefs() = stored;
        m_folder->write(QStringLiteral("prefs.txt"),
                        "[Visual]\r\nMainWidth=9000\r\n[Preferences]\r\nSkinHeaderB=1\r\n");
        frmPrefs dialog(m_main.get());
        dialog.show();
        QCOMPARE(m_mainSurface->backColor(), 0x00010203); // untouched until OK
        click(dialog, "cmdOK");

        QCOMPARE(prefs(), stored);
        QCOMPARE(m_folder->read(QStringLiteral("prefs.txt")),
                 QByteArray("[Visual]\r\nMainWidth=9000\r\n[Preferences]\r\n"
                            "SkinHeaderB=3158322\r\n"
                            "CopyMinimize=0\r\nCopyGotoURL=1\r\nCopyRemoveBreaks=0\r\n"
                            "PreviewIntegrated=1\r\nSkinBackgroundB=1052946\r\n"
                            "SkinBackgroundF=2105634\r\nSkinHeaderF=4211010\r\n"
                            "SkinOutlineF=5263698\r\nSkinButtonB=6316386\r\n"
                            "SkinTextAreaB=-2147483643\r\nSkinTextAreaF=7369074\r\n"));
        QCOMPARE(m_mainSurface->backColor(), stored.colors.SkinBackgroundB);
    }

    void closingWithoutOkKeepsNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("close button") << "close";
        QTest::newRow("Escape") << "Escape";
    }

    void closingWithoutOkKeepsNothing()
    {
        QFETCH(QString, how);
        const Preferences stored = distinctPreferences();
        prefs() = stored;
        {
            frmPrefs dialog(m_main.get());
            dialog.show();
            m_prompts->queueColor(QColor(1, 2, 3));
            click(dialog, "cmdColBackground");
            click(dialog, "lblCopyMinimize");
            click(dialog, "cmdColDefault");
            click(dialog, "cmdColTest");
            if (how == u"Cancel")
                click(dialog, "cmdCancel");
            else if (how == u"close")
                dialog.close();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(dialog.isHidden());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(prefs(), stored);
        QVERIFY(!m_folder->exists(QStringLiteral("prefs.txt")));
        QCOMPARE(m_mainSurface->backColor(), 0x00010203);

        frmPrefs reopened(m_main.get());
        QCOMPARE(colorProperty(control<ColorSample>(reopened, "txtColBackground"), "BackColor"),
                 stored.colors.SkinBackgroundB);
        QCOMPARE(colorProperty(control<QWidget>(reopened, "picContainer"), "BackColor"),
                 stored.colors.SkinBackgroundB);
        QCOMPARE(control<FlagCheckBox>(reopened, "chkCopyMinimize")->checkState(), Qt::Unchecked);
    }

    void testRecoloursOnlyTheDialog()
    {
        const Preferences stored = distinctPreferences();
        prefs() = stored;
        frmPrefs dialog(m_main.get());
        dialog.show();
        m_prompts->queueColor(QColor(0x12, 0x34, 0x56));
        click(dialog, "cmdColBackground");
        m_prompts->queueColor(QColor(0xAA, 0xBB, 0xCC));
        click(dialog, "cmdColOutline");
        QWidget *box = control<QWidget>(dialog, "chkCopyMinimize");
        const QColor boxColor = windowColor(box);
        auto *sample = control<ColorSample>(dialog, "txtColBackground");
        const QPalette sampleColors = sample->palette();

        click(dialog, "cmdColTest");

        const qint32 background = 0x00563412;
        const qint32 outline = 0x00CCBBAA;
        const SkinColors &c = stored.colors;
        const struct
        {
            const char *name;
            const char *property;
            qint32 value;
        } expected[] = {
            {"picContainer", "BackColor", background},
            {"cmdColTest", "BackColor", background},
            {"cmdColOutline", "BackColor", background},
            {"lblCopyRemove", "ForeColor", c.SkinBackgroundF},
            {"shpHeaders_1", "BackColor", c.SkinHeaderB},
            {"shpHeaders_1", "BorderColor", outline},
            {"lblCaption_2", "ForeColor", c.SkinHeaderF},
            {"shpButtons", "BackColor", c.SkinButtonB},
            {"shpButtons", "BorderColor", outline},
            {"cmdOK", "BackColor", c.SkinButtonB},
        };
        for (const auto &e : expected)
            QCOMPARE(colorProperty(control<QWidget>(dialog, e.name), e.property), e.value);
        QCOMPARE(windowColor(box), boxColor);
        QCOMPARE(sample->palette(), sampleColors);
        QCOMPARE(sample->backColor(), background);
        QCOMPARE(prefs(), stored);
        QVERIFY(!m_folder->exists(QStringLiteral("prefs.txt")));
        QCOMPARE(m_mainSurface->backColor(), 0x00010203);
    }

    void colourOfNeitherFormIsKeptAsItWas()
    {
        // A hand-edited value the skin refuses: the dialog still opens and works.
        prefs().colors.SkinHeaderB = 0x01000000;
        frmPrefs dialog(m_main.get());
        dialog.show();
        QCOMPARE(colorProperty(control<ColorSample>(dialog, "txtColHeader"), "BackColor"),
                 0x01000000);
        m_prompts->queueColor(std::nullopt);
        click(dialog, "cmdColHeader"); // cancelled
        QCOMPARE(m_prompts->records.first().initialColor, QColor(Qt::black));
        click(dialog, "cmdColTest");
        click(dialog, "cmdOK");
        QVERIFY(dialog.isHidden());
        QCOMPARE(prefs().colors.SkinHeaderB, 0x01000000);
        QVERIFY(
            m_folder->read(QStringLiteral("prefs.txt")).contains("\r\nSkinHeaderB=16777216\r\n"));
    }
};

QTEST_MAIN(TestFrmPrefs)
#include "tst_frmprefs.moc"
