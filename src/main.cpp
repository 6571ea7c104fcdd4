#include "app/backendchoice.h"
#include "core/startup.h"

int main(int argc, char** argv)
{
    installDriverBackend();
    return wyxMain(argc, argv);
}
