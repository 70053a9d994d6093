// screengrab: saves what the X display shows, for looking at Brimble's windows under Xvfb
// (the machine has no ImageMagick).
//
// Usage:
//   screengrab OUT.png [X Y WIDTH HEIGHT [ZOOM]]
//
// With a rectangle only that part of the root window is kept; ZOOM enlarges it without
// smoothing, so single pixels of a corner or a border can be told apart.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 6 && argc != 7) {
        fprintf(stderr, "usage: screengrab OUT.png [X Y WIDTH HEIGHT [ZOOM]]\n");
        return 2;
    }
    QImage image = app.primaryScreen()->grabWindow(0).toImage();
    if (argc >= 6)
        image = image.copy(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
    if (argc == 7)
        image = image.scaled(image.size() * std::max(1, atoi(argv[6])));
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        fprintf(stderr, "screengrab: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
