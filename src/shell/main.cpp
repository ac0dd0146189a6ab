#include "shell/Launch.h"

int main(int argc, char *argv[])
{
    return Launch::run(argc, argv);
}
