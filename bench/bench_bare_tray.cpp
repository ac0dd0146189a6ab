// The floor under Norrid's footprint: the least a Qt program needs to sit in the tray with a drawn
// icon and a menu, and with Qt's TLS backend loaded (--tls), as every Jira poll needs it. The
// footprint benchmark measures it beside Norrid; it does nothing else.
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSslSocket>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("12"));
    painter.end();
    QSystemTrayIcon tray(QIcon(QPixmap::fromImage(image)));
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &app, &QApplication::quit);
    tray.setContextMenu(&menu);
    tray.show();
    if (QApplication::arguments().contains(QStringLiteral("--tls")) && !QSslSocket::supportsSsl())
        return 1;
    return QApplication::exec();
}
