// Saves a picture of the main window to a PNG file, optionally after
// navigating to a page by the objectName of its main-menu button:
//   larkspan-screenshot OUT.png [btnTallyYourLoanDebt]
#include "shell/Application.h"
#include "shell/Main.h"

#include <QAbstractButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    larkspan::LarkspanApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [button-name]\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString button = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    TfrmMain window;
    window.show();
    QTimer::singleShot(300, &window, [&] {
        if (!button.isEmpty())
            if (auto* b = window.findChild<QAbstractButton*>(button))
                b->click();
        QTimer::singleShot(300, &window, [&] {
            const bool ok = window.grab().save(out);
            std::printf("%s %s\n", ok ? "saved" : "could not save", qPrintable(out));
            app.exit(ok ? 0 : 1);
        });
    });
    return app.exec();
}
