#include "decorations/decorationcolours.h"

#include <QTest>

class TestDecorationColours : public QObject
{
    Q_OBJECT

private slots:
    void contrastRatio_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("equal colours") << QColor(120, 30, 200) << QColor(120, 30, 200) << 1.0;
        QTest::newRow("grey on white") << QColor(118, 118, 118) << QColor(Qt::white) << 4.54;
    }

    void contrastRatio()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(::contrastRatio(first, second) - ratio) < 0.01,
                 qPrintable(QString::number(::contrastRatio(first, second))));
    }

    void coloursReadOnEveryTextArea_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("a dark desktop") << QColor(30, 30, 30) << QColor(230, 230, 230);
        QTest::newRow("black") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("a blue skin") << QColor(0, 40, 120) << QColor(Qt::white);
        QTest::newRow("a pale yellow skin") << QColor(255, 250, 205) << QColor(60, 40, 0);
        QTest::newRow("mid grey") << QColor(128, 128, 128) << QColor(Qt::black);
    }

    void coloursReadOnEveryTextArea()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        const DecorationColours colours = DecorationColours::forTextArea(background, text);
        // Where no shade of a hue reads, the skin's own text colour stands in.
        for (const QColor &colour : {colours.tag, colours.value}) {
            QVERIFY2(::contrastRatio(colour, background) >= DecorationColours::minimumTextContrast
                         || colour == text,
                     qPrintable(colour.name()));
        }
        QVERIFY2(::contrastRatio(colours.warning, background)
                         >= DecorationColours::minimumLineContrast
                     || colours.warning == text,
                 qPrintable(colours.warning.name()));
        // The text reads on the search marks as well as it reads on the background.
        const double reads
            = std::min(DecorationColours::minimumTextContrast, ::contrastRatio(text, background));
        for (const QColor &mark : {colours.match, colours.currentMatch, colours.scope})
            QVERIFY2(::contrastRatio(text, mark) >= reads - 0.01, qPrintable(mark.name()));
        // On ordinary backgrounds the colours differ from the text and from each other.
        if (background != QColor(128, 128, 128)) {
            QVERIFY(colours.tag != text && colours.value != text && colours.tag != colours.value);
            QVERIFY(colours.match != background && colours.currentMatch != colours.match
                    && colours.scope != background);
        }
    }
};

QTEST_GUILESS_MAIN(TestDecorationColours)
#include "tst_decorationcolours.moc"
