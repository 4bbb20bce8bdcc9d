#include "CMyFileDialog.h"
#include "CZenvaloApp.h"

int main(int argc, char* argv[])
{
    CMyFileDialog::preferTheDesktopsDialogs();
    CZenvaloApp app(argc, argv);
    return app.run();
}
