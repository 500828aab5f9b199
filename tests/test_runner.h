#pragma once
// The body of every test binary's main: offscreen Qt, SDL's dummy audio driver, a fresh
// prefix for drive C:, then every test. A binary with a main of its own calls it after
// its own first steps.

int RunAllTestsInApplication(int argc, char **argv);
