// texttarget: a text field that prints what is typed or pasted into it, for the end-to-end
// tests on displays where pastetarget's raw X11 cannot go (a Wayland compositor).
//
// Usage:
//   texttarget
//
// Prints "ready" once the field has the keyboard focus, then "text: CONTENT" on every change.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLineEdit field;
    field.setWindowTitle(QStringLiteral("texttarget"));
    QObject::connect(&field, &QLineEdit::textChanged, [](const QString& text) {
        std::printf("text: %s\n", text.toUtf8().constData());
        std::fflush(stdout);
    });
    field.show();
    field.activateWindow();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!field.hasFocus() || !field.isActiveWindow())
            return;
        std::printf("ready\n");
        std::fflush(stdout);
        poll.stop();
    });
    poll.start(50);
    return app.exec();
}
