// The fault tests' entry point: the mount namespace comes first, while this process has
// a single thread.
#include "private_mounts.h"
#include "test_runner.h"

int main(int argc, char **argv)
{
    PrivateMounts::enter();
    return RunAllTestsInApplication(argc, argv);
}
