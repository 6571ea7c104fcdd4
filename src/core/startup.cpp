#include "core/startup.h"

int wyxMain(int, char**)
{
    return 0;
}
