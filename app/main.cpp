#include "CZenvaloApp.h"

int main(int argc, char* argv[])
{
    CZenvaloApp app(argc, argv);
    return app.run();
}
