#include "shell/Application.h"
#include "shell/Main.h"
#include "shell/Regional.h"

int main(int argc, char** argv)
{
    larkspan::LarkspanApplication app(argc, argv);
    larkspan::RegionalConventions::setCurrent(larkspan::RegionalConventions::fromLocale(QLocale::system()));
    TfrmMain window;
    window.show();
    return app.exec();
}
