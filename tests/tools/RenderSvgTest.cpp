#include "RenderSvg.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// 4 × 4 units: red top-left quarter, blue bottom-right quarter, the rest empty.
const char* const kQuarters = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 4 4'>"
                              "<rect x='0' y='0' width='2' height='2' fill='#ff0000'/>"
                              "<rect x='2' y='2' width='2' height='2' fill='#0000ff'/></svg>";
// 8 × 4 units, all red.
const char* const kWide = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 8 4'>"
                          "<rect x='0' y='0' width='8' height='4' fill='#ff0000'/></svg>";
// Pixel art as the program's icon is drawn: a square filled by two rectangles that meet at
// y = 15 of 32, which falls inside a pixel at every size that is not a multiple of 32.
const char* const kTwoHalves = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 32 32'>"
                               "<rect x='0' y='0' width='32' height='15' fill='#c0c0c0'/>"
                               "<rect x='0' y='15' width='32' height='17' fill='#c0c0c0'/></svg>";

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

} // namespace

class RenderSvgTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Write(const QString& name, const QByteArray& content) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static int RunProgram(const QStringList& arguments) {
        QProcess program;
        program.start(RENDER_SVG_PROGRAM, arguments);
        if (!program.waitForFinished(30000))
            return -1;
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

  private slots:
    void FillsSquareTargetsAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void FillsSquareTargetsAtEverySize() {
        QFETCH(int, size);
        const QImage image = RenderSvg(Write("quarters.svg", kQuarters), QSize(size, size));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        const int near = size / 4, far = size * 3 / 4;
        QCOMPARE(image.pixel(near, near), kRed);
        QCOMPARE(image.pixel(far, far), kBlue);
        QCOMPARE(qAlpha(image.pixel(far, near)), 0);
        QCOMPARE(qAlpha(image.pixel(near, far)), 0);
        // Nothing of the picture is cut off at the edges.
        QCOMPARE(image.pixel(0, 0), kRed);
        QCOMPARE(image.pixel(size - 1, size - 1), kBlue);
    }

    void LeavesNoSeamWhereShapesMeet_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 48, 100})
            QTest::addRow("%d px", size) << size;
    }
    void LeavesNoSeamWhereShapesMeet() {
        QFETCH(int, size);
        const QImage image = RenderSvg(Write("halves.svg", kTwoHalves), QSize(size, size));
        for (int y = 0; y < size; ++y)
            QVERIFY2(
                image.pixel(size / 2, y) == qRgb(192, 192, 192),
                qPrintable(QString("row %1 is %2").arg(y).arg(image.pixel(size / 2, y), 0, 16)));
    }

    // Another shape of target keeps the picture's proportions, centred between clear margins.
    void CentresInTargetsOfAnotherShape_data() {
        QTest::addColumn<QByteArray>("svg");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("margin");
        QTest::addRow("square picture, wide target")
            << QByteArray(kQuarters) << QSize(64, 32) << QPoint(16 + 4, 4) << QPoint(8, 4);
        QTest::addRow("square picture, tall target")
            << QByteArray(kQuarters) << QSize(32, 64) << QPoint(4, 16 + 4) << QPoint(4, 8);
        QTest::addRow("wide picture, square target")
            << QByteArray(kWide) << QSize(32, 32) << QPoint(16, 12) << QPoint(16, 4);
    }
    void CentresInTargetsOfAnotherShape() {
        QFETCH(QByteArray, svg);
        QFETCH(QSize, size);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, margin);
        const QImage image = RenderSvg(Write("picture.svg", svg), size);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixel(inside), kRed);
        QCOMPARE(qAlpha(image.pixel(margin)), 0);
        // The margins are equal: the mirror image of a margin point is clear too.
        QCOMPARE(qAlpha(image.pixel(size.width() - 1 - margin.x(), size.height() - 1 - margin.y())),
                 0);
    }

    void GivesNothingForWhatItCannotDraw_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addRow("not SVG") << Write("text.svg", "just some text") << QSize(16, 16);
        QTest::addRow("no such file") << dir_.filePath("missing.svg") << QSize(16, 16);
        QTest::addRow("no width") << Write("ok.svg", kQuarters) << QSize(0, 16);
        QTest::addRow("no height") << Write("ok.svg", kQuarters) << QSize(16, 0);
    }
    void GivesNothingForWhatItCannotDraw() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QVERIFY(RenderSvg(file, size).isNull());
    }

    void ProgramWritesThePng() {
        const QString png = dir_.filePath("out.png");
        QCOMPARE(RunProgram({Write("in.svg", kQuarters), png, "48", "24"}), 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(48, 24));
        QCOMPARE(image.pixel(12 + 6, 6), kRed);
    }

    void ProgramRefusesBadArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const QString svg = Write("good.svg", kQuarters);
        const QString png = dir_.filePath("refused.png");
        QTest::addRow("too few") << QStringList{svg, png, "16"} << 2;
        QTest::addRow("too many") << QStringList{svg, png, "16", "16", "16"} << 2;
        QTest::addRow("width not a number") << QStringList{svg, png, "16px", "16"} << 2;
        QTest::addRow("zero height") << QStringList{svg, png, "16", "0"} << 2;
        QTest::addRow("negative width") << QStringList{svg, png, "-16", "16"} << 2;
        QTest::addRow("not SVG") << QStringList{Write("bad.svg", "<svg"), png, "16", "16"} << 1;
        QTest::addRow("cannot write")
            << QStringList{svg, dir_.filePath("no/such/dir/out.png"), "16", "16"} << 1;
    }
    void ProgramRefusesBadArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QCOMPARE(RunProgram(arguments), exitCode);
        QVERIFY(!QFile::exists(dir_.filePath("refused.png")));
    }
};

QTEST_MAIN(RenderSvgTest)
#include "RenderSvgTest.moc"
