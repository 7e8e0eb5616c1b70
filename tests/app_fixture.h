// The fixture of the application shell's tests: a run of the demo against
// the recording layer, with its report and its error lines caught.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "app/demo.h"
#include "app/options.h"
#include "recording/recorder.h"
#include "scene/TextureScene.h"

inline constexpr char kRule[] = "-------------------------------";

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rec::reset();
        scene.cubeAngleX = scene.cubeAngleY = scene.orbitAngle = 0.0f;
    }

    // Ends the run with a quit request after the given number of frames.
    static void quitAfterFrames(int frames)
    {
        rec::state().script.onSwap = [frames](int swaps) {
            if (swaps == frames) {
                rec::queueEvent(SDL_QUIT);
            }
        };
    }

    int run(const Options& options = Options()) { return runDemo(options, out, err); }

    // The orbit angle each frame was drawn with, in frame order: a frame
    // turns the orbit first, then the cube about X and about Y.
    static std::vector<double> orbitAngles()
    {
        const std::vector<std::string> rotations = rec::callsNamed("glRotatef");
        std::vector<double> orbit;
        for (size_t i = 0; i < rotations.size(); i += 3) {
            double angle = 0.0;
            std::sscanf(rotations[i].c_str(), "glRotatef(%lf,", &angle);
            orbit.push_back(angle);
        }
        return orbit;
    }

    std::ostringstream out;
    std::ostringstream err;
};

inline std::string lines(std::initializer_list<std::string> texts)
{
    std::string joined;
    for (const std::string& text : texts) {
        joined += text + "\n";
    }
    return joined;
}

