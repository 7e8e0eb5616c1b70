// The scene against the recording layer: its lifetime, the one-time GL
// state, the projection, the key handler, the frame and the cube.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "recording/recorder.h"
#include "scene/TextureScene.h"

namespace {

using rec::call;
using rec::calls;
using rec::callsNamed;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override { rec::reset(); }

    // Set up the way the demo does it, then forget those calls.
    void initialise()
    {
        subject->initGL();
        subject->resize(640, 480);
        rec::state().calls.clear();
    }

    std::unique_ptr<TextureScene> subject = std::make_unique<TextureScene>();
};

bool allBytesZero(const Rgb* image)
{
    const unsigned char* bytes = &image->red;
    for (int i = 0; i < kImageBytes; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST_F(SceneTest, StartsBlackAndStillWithNothingCreated)
{
    EXPECT_TRUE(allBytesZero(subject->sweepImage));
    EXPECT_TRUE(allBytesZero(subject->speckleImage));
    EXPECT_EQ(subject->cubeAngleX, 0.0f);
    EXPECT_EQ(subject->cubeAngleY, 0.0f);
    EXPECT_EQ(subject->orbitAngle, 0.0f);
    EXPECT_EQ(subject->textures[0], 0u);
    EXPECT_EQ(subject->textures[1], 0u);
    EXPECT_EQ(subject->quadric, nullptr);
    EXPECT_THAT(calls(), IsEmpty());
}

TEST_F(SceneTest, DestructionReleasesOnlyWhatInitGLCreated)
{
    struct Case {
        const char* name;
        bool initialised;
        bool quadricCreated;
        std::vector<std::string> expected;
    };
    const void* quadric = rec::dummyQuadric();
    const Case cases[] = {
        {"never set up", false, true, {}},
        {"set up", true, true,
         {call("glDeleteTextures", 2, 1, 2), call("gluDeleteQuadric", quadric)}},
        {"quadric failed", true, false, {call("glDeleteTextures", 2, 1, 2)}},
    };
    for (const Case& c : cases) {
        rec::reset();
        rec::state().script.quadricCreated = c.quadricCreated;
        auto doomed = std::make_unique<TextureScene>();
        if (c.initialised) {
            doomed->initGL();
        }
        rec::state().calls.clear();
        doomed.reset();
        EXPECT_EQ(calls(), c.expected) << c.name;
    }
}

TEST_F(SceneTest, InitGLSetsTheFixedStateInOrder)
{
    subject->initGL();

    const void* sweep = subject->sweepImage;
    const void* speckle = subject->speckleImage;
    const void* quadric = subject->quadric;
    ASSERT_NE(quadric, nullptr);
    const float globalAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    const float spotAmbient[] = {-0.1f, -0.1f, -0.1f, 1.0f};
    const float spotDiffuse[] = {0.6f, 0.6f, 0.6f, 1.0f};
    const float spotPosition[] = {0, 0, 15, 1};
    const float spotDirection[] = {0, 0, -1};
    const float white[] = {1, 1, 1, 1};
    EXPECT_THAT(calls(), ElementsAre(
        call("glClearColor", 0, 0, 0, 0),
        call("glShadeModel", GL_SMOOTH),
        call("glClearDepth", 1),
        call("glEnable", GL_DEPTH_TEST),
        call("glDepthFunc", GL_LEQUAL),
        call("glHint", GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST),
        call("glEnable", GL_TEXTURE_2D),
        call("glGenTextures", 2),
        call("glBindTexture", GL_TEXTURE_2D, 1),
        call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR),
        call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR),
        call("glTexImage2D", GL_TEXTURE_2D, 0, 3, 128, 128, 0, GL_RGB, GL_UNSIGNED_BYTE, sweep),
        call("glBindTexture", GL_TEXTURE_2D, 2),
        call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR),
        call("glTexParameteri", GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR),
        call("glTexImage2D", GL_TEXTURE_2D, 0, 3, 128, 128, 0, GL_RGB, GL_UNSIGNED_BYTE, speckle),
        call("glLightModelfv", GL_LIGHT_MODEL_AMBIENT, rec::Values{globalAmbient, 4}),
        call("glLightfv", GL_LIGHT0, GL_AMBIENT, rec::Values{spotAmbient, 4}),
        call("glLightfv", GL_LIGHT0, GL_SPECULAR, rec::Values{spotAmbient, 4}),
        call("glLightfv", GL_LIGHT0, GL_DIFFUSE, rec::Values{spotDiffuse, 4}),
        call("glLightfv", GL_LIGHT0, GL_POSITION, rec::Values{spotPosition, 4}),
        call("glLightf", GL_LIGHT0, GL_SPOT_CUTOFF, 10),
        call("glLightf", GL_LIGHT0, GL_SPOT_EXPONENT, 60),
        call("glLightfv", GL_LIGHT0, GL_SPOT_DIRECTION, rec::Values{spotDirection, 3}),
        call("glColorMaterial", GL_FRONT, GL_AMBIENT_AND_DIFFUSE),
        call("glMaterialfv", GL_FRONT, GL_SPECULAR, rec::Values{white, 4}),
        call("glMaterialf", GL_FRONT, GL_SHININESS, 32),
        call("glEnable", GL_COLOR_MATERIAL),
        call("glEnable", GL_LIGHTING),
        call("glEnable", GL_LIGHT0),
        call("gluNewQuadric"),
        call("gluQuadricNormals", quadric, GLU_SMOOTH),
        call("gluQuadricTexture", quadric, GL_TRUE)));
    EXPECT_EQ(subject->textures[0], 1u);
    EXPECT_EQ(subject->textures[1], 2u);
}

TEST_F(SceneTest, ResizeUsesTheTrueAspectRatio)
{
    struct Case {
        int width, height;
        double aspect;
    };
    // The aspect is a real quotient (640 x 480 is 4:3, not 1), and a height
    // of 0 counts as 1 for it while the viewport keeps the 0.
    const Case cases[] = {
        {640, 480, 640.0 / 480.0},
        {800, 0, 800.0},
        {480, 640, 0.75},
    };
    const double nearPlane = 0.1f;
    for (const Case& c : cases) {
        rec::reset();
        subject->resize(c.width, c.height);
        EXPECT_THAT(calls(), ElementsAre(
            call("glViewport", 0, 0, c.width, c.height),
            call("glMatrixMode", GL_PROJECTION),
            call("glLoadIdentity"),
            call("gluPerspective", 54, c.aspect, nearPlane, 100),
            call("glMatrixMode", GL_MODELVIEW),
            call("glLoadIdentity")))
            << c.width << " x " << c.height;
    }
}

TEST_F(SceneTest, OnlyEscapePushesAQuitEvent)
{
    for (int sym : {SDLK_a, SDLK_SPACE, SDLK_q, SDLK_RETURN, SDLK_F4}) {
        subject->onKeyDown(sym);
    }
    EXPECT_THAT(calls(), IsEmpty());

    subject->onKeyDown(SDLK_ESCAPE);
    subject->onKeyDown(SDLK_ESCAPE);
    EXPECT_THAT(calls(), ElementsAre(call("SDL_PushEvent", SDL_QUIT), call("SDL_PushEvent", SDL_QUIT)));
    ASSERT_EQ(rec::state().events.size(), 2u);
    EXPECT_EQ(rec::state().events.front().type, SDL_QUIT);
}

TEST_F(SceneTest, FrameDrawsCubeThenSphereAroundThePivot)
{
    initialise();
    subject->drawFrame(0.0f);

    const auto& all = calls();
    ASSERT_GE(all.size(), 8u);
    const void* sweep = subject->sweepImage;
    const void* speckle = subject->speckleImage;
    // Clear, animate and upload both images whole, then place the objects.
    EXPECT_THAT(std::vector<std::string>(all.begin(), all.begin() + 9), ElementsAre(
        call("glClear", GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT),
        call("glLoadIdentity"),
        call("glBindTexture", GL_TEXTURE_2D, 1),
        call("glTexSubImage2D", GL_TEXTURE_2D, 0, 0, 0, 128, 128, GL_RGB, GL_UNSIGNED_BYTE, sweep),
        call("glBindTexture", GL_TEXTURE_2D, 2),
        call("glTexSubImage2D", GL_TEXTURE_2D, 0, 0, 0, 128, 128, GL_RGB, GL_UNSIGNED_BYTE, speckle),
        call("glTranslatef", 0, 0, -7),
        call("glRotatef", 0, 0, 1, 0),
        call("glTranslatef", 0, 0, 2)));
    // The cube spins inside its own push and pop; the sphere follows, 4
    // units farther along the orbit's radius.
    EXPECT_EQ(all[9], call("glBindTexture", GL_TEXTURE_2D, 1));
    EXPECT_EQ(all[10], call("glPushMatrix"));
    EXPECT_THAT(std::vector<std::string>(all.end() - 5, all.end()), ElementsAre(
        call("glEnd"),
        call("glPopMatrix"),
        call("glTranslatef", 0, 0, -4),
        call("glBindTexture", GL_TEXTURE_2D, 2),
        call("gluSphere", static_cast<const void*>(subject->quadric), 1, 30, 30)));
    EXPECT_THAT(callsNamed("glTexImage2D"), IsEmpty());  // textures are never re-created
}

TEST_F(SceneTest, AnglesAdvanceByTheElapsedTimeAndStayInOneTurn)
{
    struct Case {
        const char* name;
        float start;
        float elapsedMs;
        float expected;
    };
    const Case cases[] = {
        {"no time", 12.5f, 0.0f, 12.5f},
        {"one millisecond", 0.0f, 1.0f, 0.1f},
        {"a coarse tick", 0.0f, 10.0f, 1.0f},
        {"past a full turn", 359.95f, 1.0f, 0.05f},
        {"an hour and a millisecond", 0.0f, 3600001.0f, 0.1f},
    };
    for (const Case& c : cases) {
        rec::reset();
        subject->cubeAngleX = subject->cubeAngleY = subject->orbitAngle = c.start;
        subject->drawFrame(c.elapsedMs);
        for (float angle : {subject->cubeAngleX, subject->cubeAngleY, subject->orbitAngle}) {
            EXPECT_NEAR(angle, c.expected, 0.01) << c.name;
        }
        // The orbit is drawn with the angle after the advance.
        char text[64];
        std::snprintf(text, sizeof text, "glRotatef(%.9g, 0, 1, 0)", subject->orbitAngle);
        EXPECT_EQ(callsNamed("glRotatef").front(), text) << c.name;
    }
}

TEST_F(SceneTest, AnglesStayInRangeForAnyStepAndKeepMovingOnALongRun)
{
    rec::state().recording = false;
    for (float elapsedMs : {4294967295.0f, 1.0e12f, 86400000.0f}) {
        subject->drawFrame(elapsedMs);
        for (float angle : {subject->cubeAngleX, subject->cubeAngleY, subject->orbitAngle}) {
            EXPECT_GE(angle, 0.0f) << elapsedMs;
            EXPECT_LT(angle, 360.0f) << elapsedMs;
        }
    }

    // 10,000 frames of a millisecond turn each angle by 1,000 degrees.
    subject->cubeAngleX = subject->cubeAngleY = subject->orbitAngle = 0.0f;
    for (int frame = 0; frame < 10000; ++frame) {
        subject->drawFrame(1.0f);
        ASSERT_LT(subject->orbitAngle, 360.0f);
    }
    EXPECT_NEAR(subject->orbitAngle, 1000.0 - 720.0, 0.05);
}

struct Vec3 {
    double x, y, z;
};

Vec3 minus(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

TEST_F(SceneTest, CubeFacesAreClosedOutwardAndShowTheImageUnmirrored)
{
    initialise();
    subject->cubeAngleX = 30.0f;
    subject->cubeAngleY = 40.0f;
    subject->drawCube();

    const auto& all = calls();
    ASSERT_GE(all.size(), 6u);
    EXPECT_THAT(std::vector<std::string>(all.begin(), all.begin() + 6), ElementsAre(
        call("glBindTexture", GL_TEXTURE_2D, 1),
        call("glPushMatrix"),
        call("glRotatef", 30, 1, 0, 0),
        call("glRotatef", 40, 0, 1, 0),
        call("glBegin", GL_QUADS),
        call("glColor3f", 1, 1, 1)));
    ASSERT_EQ(all.size(), 6u + 6 * 9 + 2);
    EXPECT_EQ(all[all.size() - 2], call("glEnd"));
    EXPECT_EQ(all.back(), call("glPopMatrix"));

    std::set<std::string> normals;
    for (int face = 0; face < 6; ++face) {
        const std::string* text = &all[6 + face * 9];
        Vec3 normal;
        ASSERT_EQ(std::sscanf(text[0].c_str(), "glNormal3f(%lf, %lf, %lf)", &normal.x, &normal.y, &normal.z), 3);
        Vec3 corner[4];
        double s[4], t[4];
        for (int i = 0; i < 4; ++i) {
            ASSERT_EQ(std::sscanf(text[1 + 2 * i].c_str(), "glTexCoord2f(%lf, %lf)", &s[i], &t[i]), 2);
            ASSERT_EQ(std::sscanf(text[2 + 2 * i].c_str(), "glVertex3f(%lf, %lf, %lf)",
                                  &corner[i].x, &corner[i].y, &corner[i].z), 3);
            EXPECT_EQ(dot(corner[i], normal), 1.0) << "face " << face << ": corner off the face";
        }
        const Vec3 turn = cross(minus(corner[1], corner[0]), minus(corner[2], corner[1]));
        EXPECT_GT(dot(turn, normal), 0.0) << "face " << face << ": not counter-clockwise from outside";
        // The texture corners run round the unit square the same way, so the
        // image is seen whole and unmirrored from outside.
        double twiceArea = 0.0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE((s[i] == 0 || s[i] == 1) && (t[i] == 0 || t[i] == 1)) << "face " << face;
            twiceArea += s[i] * t[(i + 1) % 4] - s[(i + 1) % 4] * t[i];
        }
        EXPECT_EQ(twiceArea, 2.0) << "face " << face;
        normals.insert(text[0]);
    }
    EXPECT_EQ(normals.size(), 6u) << "the six faces must close the cube";
}

}  // namespace
