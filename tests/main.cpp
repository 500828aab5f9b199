// Shared entry point of every test binary.
#include "test_runner.h"

int main(int argc, char **argv)
{
    return RunAllTestsInApplication(argc, argv);
}
