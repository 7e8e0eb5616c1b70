// Entry point of the animated-texture demo. It takes no arguments, reads no
// files and no environment; everything happens in runDemo.
#include <iostream>

#include "demo.h"

int main(int, char**)
{
    return runDemo(std::cout);
}
