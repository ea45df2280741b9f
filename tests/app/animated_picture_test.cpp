#include "ui/animated_picture.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "tests/windows/window_test_main.h"

namespace fortunara {
namespace {

const PictureKind kAllKinds[] = {PictureKind::Uscita, PictureKind::Info,  PictureKind::Setup, PictureKind::Stampante,
                                 PictureKind::Copia,  PictureKind::Cerca, PictureKind::Nuova, PictureKind::Salva};

void SendMouse(QWidget& widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

QImage Render(const StripPainter& painter, int cell) {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    painter.Paint(p, QRectF(0, 0, 64, 64), cell);
    return image;
}

class AnimatedPictureTest : public QObject {
    Q_OBJECT

private slots:
    void pointerMovementStartsTheAnimation() {
        AnimatedPicture picture(PictureKind::Uscita);
        picture.resize(60, 60);
        QSignalSpy hovered(&picture, &AnimatedPicture::hovered);
        QVERIFY(picture.hasMouseTracking());
        QVERIFY(!picture.Tick());

        SendMouse(picture, QEvent::MouseMove, {10, 10}, Qt::NoButton);
        QCOMPARE(hovered.count(), 1);
        QVERIFY(picture.Animation().Hovering());
        QVERIFY(picture.Tick());
        QCOMPARE(picture.Animation().Cell(), 1);

        picture.Reset();
        QVERIFY(!picture.Animation().Hovering());
        QCOMPARE(picture.Animation().Cell(), 0);
        QVERIFY(!picture.Tick());
    }

    void buttonsReportPressReleaseAndClick_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("released");
        QTest::addColumn<int>("clicked");
        QTest::newRow("left inside") << int(Qt::LeftButton) << QPoint(30, 30) << 1 << 1;
        QTest::newRow("left dragged out") << int(Qt::LeftButton) << QPoint(90, 30) << 0 << 0;
        QTest::newRow("right inside") << int(Qt::RightButton) << QPoint(30, 30) << 1 << 0;
    }
    void buttonsReportPressReleaseAndClick() {
        QFETCH(int, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, released);
        QFETCH(int, clicked);
        AnimatedPicture picture(PictureKind::Info);
        picture.resize(60, 60);
        QSignalSpy pressSpy(&picture, &AnimatedPicture::pressed);
        QSignalSpy releaseSpy(&picture, &AnimatedPicture::released);
        QSignalSpy clickSpy(&picture, &AnimatedPicture::clicked);
        const auto mouseButton = static_cast<Qt::MouseButton>(button);
        SendMouse(picture, QEvent::MouseButtonPress, {20, 20}, mouseButton);
        QCOMPARE(pressSpy.count(), 1);
        QCOMPARE(releaseSpy.count(), 0);
        SendMouse(picture, QEvent::MouseButtonRelease, releaseAt, mouseButton);
        QCOMPARE(releaseSpy.count(), released);
        QCOMPARE(clickSpy.count(), clicked);
    }

    // Every frame must look different from the one before, or the animation would stall.
    void everyStripCellIsItsOwnDrawing() {
        for (PictureKind kind : kAllKinds) {
            const StripPainter painter(kind);
            QCOMPARE(painter.CellCount(), PictureAnimation(kind).CellCount());
            QImage previous = Render(painter, 0);
            for (int cell = 1; cell < painter.CellCount(); ++cell) {
                const QImage image = Render(painter, cell);
                QVERIFY2(image != previous, qPrintable(QString("kind %1 cell %2").arg(int(kind)).arg(cell)));
                previous = image;
            }
            const QPixmap strip = painter.Strip(QSize(40, 40));
            QCOMPARE(strip.width(), 40 * painter.CellCount());
            QCOMPARE(strip.height(), 40);
        }
    }

    void pictureShowsTheCellOfItsAnimation() {
        AnimatedPicture picture(PictureKind::Setup);
        picture.resize(56, 56);
        const QImage atRest = picture.grab().toImage();
        SendMouse(picture, QEvent::MouseMove, {5, 5}, Qt::NoButton);
        for (int i = 0; i < 7; ++i) picture.Tick();
        const QImage moved = picture.grab().toImage();
        QVERIFY(moved != atRest);

        QImage expected(56, 56, moved.format());
        expected.fill(Qt::black);
        QPainter p(&expected);
        StripPainter(PictureKind::Setup).Paint(p, QRectF(0, 0, 56, 56), 7);
        p.end();
        QCOMPARE(moved, expected);

        picture.Reset();
        QCOMPARE(picture.grab().toImage(), atRest);
    }

    void tabTitlesShowTheirStateAndText() {
        const QPixmap active = DrawTabTitle("ARCHIVIO", true);
        const QPixmap inactive = DrawTabTitle("ARCHIVIO", false);
        QVERIFY(!active.isNull());
        QCOMPARE(active.size(), inactive.size());
        QVERIFY(active.toImage() != inactive.toImage());
        QVERIFY(DrawTabTitle("STATISTICHE E RITARDI", false).width() > inactive.width());
        // The plate's middle carries the state's colour.
        const QColor middle = active.toImage().pixelColor(4, active.height() / 2);
        QCOMPARE(middle, look::kGold);
    }
};

}  // namespace
}  // namespace fortunara

int main(int argc, char** argv) {
    return fortunara::test::RunWindowTests(argc, argv, [](int count, char** values) {
        fortunara::AnimatedPictureTest test;
        return QTest::qExec(&test, count, values);
    });
}

#include "animated_picture_test.moc"
