// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel size of a picture read from its file's header: right for PNG,
// JPEG and GIF, and without decoding a pixel (the reader is kept from
// decoding pictures this size, and the size still comes).

#include "support/fakeworkbench.h"
#include "widgets/formkit.h"

#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A GIF of that size whose picture data is a stub (Qt reads GIF but does
// not write it).
QByteArray gif(int width, int height)
{
    QByteArray bytes = QByteArray::fromHex("474946383961"); // GIF89a
    auto word = [&bytes](int value) {
        bytes.append(char(value & 0xFF));
        bytes.append(char(value >> 8));
    };
    word(width);
    word(height);
    bytes.append(QByteArray::fromHex("800000ff0000000000")); // two colours
    bytes.append(char(0x2C));                                // the image
    word(0);
    word(0);
    word(width);
    word(height);
    bytes.append(QByteArray::fromHex("0002024401003b"));
    return bytes;
}

} // namespace

class TestPictureSize : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // 1 MB: far less than any of the pictures below takes decoded.
        QImageReader::setAllocationLimit(1);
    }

    void headerSize_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("PNG") << "PNG" << QSize(1500, 1000);
        QTest::newRow("JPEG") << "JPG" << QSize(1201, 899);
        QTest::newRow("GIF") << "GIF" << QSize(2000, 1111);
        QTest::newRow("PNG, tall") << "PNG" << QSize(600, 2400);
    }
    void headerSize()
    {
        QFETCH(QString, format);
        QFETCH(QSize, size);
        QTemporaryDir site;
        const QString name = QStringLiteral("picture.") + format.toLower();
        const QString path = site.filePath(name);
        if (format == QLatin1String("GIF")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(gif(size.width(), size.height()));
        } else {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QVERIFY(image.save(path, qPrintable(format)));
        }
        QVERIFY2(QImageReader(path).read().isNull(), "decoding was not refused");

        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        QCOMPARE(formkit::pictureSize(bench, name).value_or(QSize()), size);
        QCOMPARE(formkit::pictureSize(bench, path).value_or(QSize()), size);
    }

    void noPicture_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::newRow("text") << QByteArray("not a picture");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("a PNG cut inside its header") << QByteArray::fromHex("89504e470d0a1a0a0000");
    }
    void noPicture()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir site;
        if (!bytes.isEmpty()) {
            QFile file(site.filePath("x.png"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        QVERIFY(!formkit::pictureSize(bench, "x.png"));
        QVERIFY(!formkit::pictureSize(bench, QString()));
    }

    // The size beside a file box follows the name typed into it.
    void fileFieldShowsSize()
    {
        QTemporaryDir site;
        QImage image(QSize(30, 20), QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(site.filePath("back.png")));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        FileField field("Text1", "Command1", QStringLiteral("Find"), QString(), bench);
        field.showPictureSize();
        auto *label = field.findChild<QLabel *>(QStringLiteral("Text1PictureSize"));
        QVERIFY(label);
        QVERIFY(label->text().isEmpty());
        field.setText(QStringLiteral("back.png"));
        QCOMPARE(label->text(), QStringLiteral("30 × 20 pixels"));
        QCOMPARE(label->accessibleName(), label->text());
        field.setText(QStringLiteral("missing.png"));
        QVERIFY(label->text().isEmpty());
    }
};

QTEST_MAIN(TestPictureSize)
#include "test_picturesize.moc"
