#include "foundation/olecolor.h"
#include "foundation/skin.h"
#include "foundation/wuxoerror.h"
#include "thrownerror.h"
#include "widgets/skinwidgets.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

// A window with one control per role, as the windows tag them.
class SkinnedWindow : public QWidget
{
public:
    SkinnedWindow()
    {
        surface = new SkinPanel(this);
        tag(surface, "SkinBackgroundB");
        button = new SkinButton(QStringLiteral("B"), surface);
        tag(button, "SkinBackgroundB");
        label = new SkinLabel(QStringLiteral("Caption:"), surface);
        tag(label, "SkinBackgroundF");
        header = new SkinShape(surface);
        tag(header, "SkinHeader");
        headerLabel = new SkinLabel(QStringLiteral("Post Editor"), surface);
        tag(headerLabel, "SkinHeaderF");
        editor = new SkinTextBox(surface);
        tag(editor, "SkinTextArea");
        buttonArea = new SkinShape(surface);
        tag(buttonArea, "SkinButton");
        mainButton = new SkinButton(QStringLiteral("Copy Post"), surface);
        tag(mainButton, "SkinButtonB");
        line = new SkinLine(surface);
        tag(line, "SkinOutline");
        untagged = new SkinButton(QStringLiteral("untagged"), surface);
        wrongCase = new SkinButton(QStringLiteral("case"), surface);
        tag(wrongCase, "skinbackgroundb");
        trailingBlank = new SkinButton(QStringLiteral("blank"), surface);
        tag(trailingBlank, "SkinBackgroundB ");
    }
    static void tag(QObject *object, const char *role)
    {
        object->setProperty("Tag", QString::fromLatin1(role));
    }

    SkinPanel *surface;
    SkinButton *button;
    SkinLabel *label;
    SkinShape *header;
    SkinLabel *headerLabel;
    SkinTextBox *editor;
    SkinShape *buttonArea;
    SkinButton *mainButton;
    SkinLine *line;
    SkinButton *untagged;
    SkinButton *wrongCase;
    SkinButton *trailingBlank;
};

class TestSkin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourForms_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QColor>("color");
        QTest::newRow("pure red is the low byte") << qint32(255) << QColor(255, 0, 0);
        QTest::newRow("header default") << qint32(0x00EBDCD1) << QColor(0xD1, 0xDC, 0xEB);
        QTest::newRow("white") << qint32(16777215) << QColor(255, 255, 255);
    }

    void colourForms()
    {
        QFETCH(qint32, value);
        QFETCH(QColor, color);
        QCOMPARE(OleColor::toQColor(value), color);
        QCOMPARE(OleColor::fromQColor(color), value);
    }

    void systemColoursFollowThePalette()
    {
        const QPalette saved = QApplication::palette();
        QPalette dark = saved;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(220, 220, 220));
        dark.setColor(QPalette::ButtonText, QColor(200, 200, 0));
        QApplication::setPalette(dark);
        QCOMPARE(OleColor::toQColor(qint32(0x80000005u)), QColor(30, 30, 30));
        QCOMPARE(OleColor::toQColor(qint32(0x80000008u)), QColor(220, 220, 220));
        QCOMPARE(OleColor::toQColor(qint32(0x80000012u)), QColor(200, 200, 0));
        QApplication::setPalette(saved);
    }

    void invalidColourValues()
    {
        QVERIFY_THROWS_EXCEPTION(WuxoError, OleColor::toQColor(qint32(0x01000000)));
        QVERIFY_THROWS_EXCEPTION(WuxoError, OleColor::toQColor(qint32(0x800000FFu)));
    }

    void appliesEveryRole()
    {
        SkinnedWindow window;
        SkinColors colors;
        colors.SkinBackgroundB = 1;
        colors.SkinBackgroundF = 2;
        colors.SkinHeaderB = 3;
        colors.SkinHeaderF = 4;
        colors.SkinOutlineF = 5;
        colors.SkinButtonB = 6;
        colors.SkinTextAreaB = 7;
        colors.SkinTextAreaF = 8;
        ApplySkin(&window, colors);
        QCOMPARE(window.surface->backColor(), 1);
        QCOMPARE(window.button->backColor(), 1);
        QCOMPARE(window.label->foreColor(), 2);
        QCOMPARE(window.header->backColor(), 3);
        QCOMPARE(window.header->borderColor(), 5);
        QCOMPARE(window.headerLabel->foreColor(), 4);
        QCOMPARE(window.editor->backColor(), 7);
        QCOMPARE(window.editor->foreColor(), 8);
        QCOMPARE(window.buttonArea->backColor(), 6);
        QCOMPARE(window.buttonArea->borderColor(), 5);
        QCOMPARE(window.mainButton->backColor(), 6);
        QCOMPARE(window.line->borderColor(), 5);
        // Untagged, wrong-case and blank-padded tags name no role.
        QCOMPARE(window.untagged->backColor(), 0x00F7F2EE);
        QCOMPARE(window.wrongCase->backColor(), 0x00F7F2EE);
        QCOMPARE(window.trailingBlank->backColor(), 0x00F7F2EE);
        // The palette shows the colour.
        QCOMPARE(window.editor->palette().color(QPalette::Base), QColor(7, 0, 0));
    }

    // Before a skin is applied, each control shows the colour its part has in the
    // preferences a new user starts with.
    void controlsStartWithThePreferenceDefaults()
    {
        const SkinColors defaults;
        const SkinPanel panel;
        const SkinShape shape;
        const SkinLine line;
        const SkinLabel label;
        const SkinButton button;
        const SkinTextBox textBox;
        const struct
        {
            const QObject *control;
            const char *property;
            qint32 expected;
        } cases[] = {
            {&panel, Skin::backColor, defaults.SkinBackgroundB},
            {&panel, Skin::foreColor, defaults.SkinBackgroundF},
            {&shape, Skin::backColor, defaults.SkinHeaderB},
            {&shape, Skin::borderColor, defaults.SkinOutlineF},
            {&line, Skin::borderColor, defaults.SkinOutlineF},
            {&label, Skin::foreColor, defaults.SkinBackgroundF},
            {&button, Skin::backColor, defaults.SkinBackgroundB},
            {&textBox, Skin::backColor, defaults.SkinTextAreaB},
            {&textBox, Skin::foreColor, defaults.SkinTextAreaF},
        };
        for (const auto &check : cases) {
            const qint32 actual = check.control->property(check.property).value<qint32>();
            QVERIFY2(actual == check.expected,
                     qPrintable(QStringLiteral("%1.%2 is %3, expected %4")
                                    .arg(QLatin1String(check.control->metaObject()->className()),
                                         QLatin1String(check.property))
                                    .arg(actual)
                                    .arg(check.expected)));
        }
        // A label is transparent until a skin gives it a background.
        QCOMPARE(label.backColor(), -1);
        QVERIFY(!label.autoFillBackground());
    }

    void outlineColoursBordersAndLineTogether()
    {
        SkinnedWindow window;
        SkinColors colors;
        colors.SkinOutlineF = OleColor::fromRgb(10, 20, 30);
        ApplySkin(&window, colors);
        QCOMPARE(window.header->borderColor(), colors.SkinOutlineF);
        QCOMPARE(window.buttonArea->borderColor(), colors.SkinOutlineF);
        QCOMPARE(window.line->borderColor(), colors.SkinOutlineF);
    }

    void taggedControlWithoutThePropertyFails()
    {
        SkinnedWindow window;
        auto *checkBox = new QCheckBox(window.surface); // created after the others
        SkinnedWindow::tag(checkBox, "SkinBackgroundF");
        auto *after = new SkinLabel(QStringLiteral("after"), window.surface);
        SkinnedWindow::tag(after, "SkinBackgroundF");
        SkinColors colors;
        colors.SkinBackgroundF = 99;
        QCOMPARE(errorNumberOf([&] { ApplySkin(&window, colors); }), ErrorNumber::NoSuchProperty);
        QCOMPARE(window.label->foreColor(), 99); // before it: coloured
        QCOMPARE(after->foreColor(), 0);         // after it: as it was
    }

    void checkBoxTagNamesNoRole()
    {
        SkinnedWindow window;
        auto *checkBox = new QCheckBox(window.surface);
        SkinnedWindow::tag(checkBox, "SkinBackground");
        auto *after = new SkinLabel(QStringLiteral("after"), window.surface);
        SkinnedWindow::tag(after, "SkinBackgroundF");
        SkinColors colors;
        colors.SkinBackgroundB = 77;
        colors.SkinBackgroundF = 99;
        // A prefix of a role is no role: the check box, which has no colour
        // properties, is passed over instead of failing with error 438.
        ApplySkin(&window, colors);
        QVERIFY(!checkBox->property(Skin::backColor).isValid());
        QVERIFY(!checkBox->property(Skin::foreColor).isValid());
        QCOMPARE(after->foreColor(), 99);
        QCOMPARE(window.button->backColor(), 77);
    }

    void buttonCaptionsReadOnTheirFace()
    {
        const QPalette saved = QApplication::palette();
        QPalette dark = saved;
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(50, 50, 50));
        QApplication::setPalette(dark);
        SkinButton light(QStringLiteral("Copy Post"));
        light.setBackColor(0x00EDD0BC);
        QCOMPARE(light.palette().color(QPalette::ButtonText), QColor(Qt::black));
        SkinButton darkFace(QStringLiteral("Copy Post"));
        darkFace.setBackColor(0x00303030);
        QCOMPARE(darkFace.palette().color(QPalette::ButtonText), QColor(Qt::white));
        QApplication::setPalette(saved);
    }

    void applyingTwiceChangesNothing()
    {
        SkinnedWindow window;
        ApplySkin(&window, SkinColors());
        const QColor before = window.editor->palette().color(QPalette::Base);
        ApplySkin(&window, SkinColors());
        QCOMPARE(window.editor->palette().color(QPalette::Base), before);
    }
};

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
