// Entry point of the animated-texture demo: the command line is read once,
// and the run does the rest. With no arguments the demo runs as it always
// has: fullscreen 640 x 480 until Escape or a quit request.
#include <iostream>

#include "demo.h"
#include "options.h"

int main(int argc, char** argv)
{
    const CommandLine command = parseCommandLine(argc, argv, std::cout, std::cerr);
    if (!command.run) {
        return command.exitStatus;
    }
    return runDemo(command.options, std::cout, std::cerr);
}
