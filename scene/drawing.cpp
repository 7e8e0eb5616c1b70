// One frame of the scene: the cube and the sphere on opposite sides of a pivot
// that turns about the vertical axis, each spinning texture on its own.
#include "TextureScene.h"

#include <cmath>

namespace {

// Every angle turns 0.1 degree per millisecond of frame time.
constexpr float kCubeXDegreesPerMs = 0.1f;
constexpr float kCubeYDegreesPerMs = 0.1f;
constexpr float kOrbitDegreesPerMs = 0.1f;
constexpr double kFullTurnDegrees = 360.0;

// The pivot stands 7 units in front of the viewer; the cube and the sphere
// sit 2 units on either side of it along the orbit's radius.
constexpr GLfloat kPivotDistance = 7.0f;
constexpr GLfloat kOrbitRadius = 2.0f;

constexpr GLdouble kSphereRadius = 1.0;
constexpr GLint kSphereSlices = 30;
constexpr GLint kSphereStacks = 30;

struct CubeCorner {
    GLfloat s, t;
    GLfloat x, y, z;
};

struct CubeFace {
    GLfloat nx, ny, nz;
    CubeCorner corners[4];
};

// Corners at +-1; every face is wound counter-clockwise seen from outside and
// carries the whole image once.
constexpr CubeFace kCubeFaces[] = {
    {0, 0, 1, {{0, 0, -1, -1, 1}, {1, 0, 1, -1, 1}, {1, 1, 1, 1, 1}, {0, 1, -1, 1, 1}}},          // front
    {0, 0, -1, {{1, 0, -1, -1, -1}, {1, 1, -1, 1, -1}, {0, 1, 1, 1, -1}, {0, 0, 1, -1, -1}}},     // back
    {0, 1, 0, {{0, 1, -1, 1, -1}, {0, 0, -1, 1, 1}, {1, 0, 1, 1, 1}, {1, 1, 1, 1, -1}}},          // top
    {0, -1, 0, {{1, 1, -1, -1, -1}, {0, 1, 1, -1, -1}, {0, 0, 1, -1, 1}, {1, 0, -1, -1, 1}}},     // bottom
    {1, 0, 0, {{1, 0, 1, -1, -1}, {1, 1, 1, 1, -1}, {0, 1, 1, 1, 1}, {0, 0, 1, -1, 1}}},          // right
    {-1, 0, 0, {{0, 0, -1, -1, -1}, {1, 0, -1, -1, 1}, {1, 1, -1, 1, 1}, {0, 1, -1, 1, -1}}},     // left
};

// Adds the turn of one frame and brings the angle back into [0, 360). The
// sum is formed in double and reduced with fmod, so even a step of hours
// lands in range, and a long run never reaches the size where a float
// stops changing when 0.1 is added.
void advance(float& angleDegrees, float degreesPerMs, float elapsedMs)
{
    const double turned = static_cast<double>(angleDegrees) +
                          static_cast<double>(degreesPerMs) * elapsedMs;
    const float reduced = static_cast<float>(std::fmod(turned, kFullTurnDegrees));
    // Just under 360 can round up to 360 itself as a float.
    angleDegrees = reduced < kFullTurnDegrees ? reduced : 0.0f;
}

}  // namespace

void TextureScene::drawFrame(float elapsedMs)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    animateTextures();
    drawOrbit(elapsedMs);
}

void TextureScene::drawOrbit(float elapsedMs)
{
    glTranslatef(0.0f, 0.0f, -kPivotDistance);
    advance(cubeAngleX, kCubeXDegreesPerMs, elapsedMs);
    advance(cubeAngleY, kCubeYDegreesPerMs, elapsedMs);
    advance(orbitAngle, kOrbitDegreesPerMs, elapsedMs);
    glRotatef(orbitAngle, 0.0f, 1.0f, 0.0f);

    glTranslatef(0.0f, 0.0f, kOrbitRadius);
    drawCube();
    glTranslatef(0.0f, 0.0f, -2.0f * kOrbitRadius);
    drawSphere();
}

void TextureScene::drawCube()
{
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    // The cube's own spin stays inside this push, so the sphere's placement
    // depends on the orbit alone.
    glPushMatrix();
    glRotatef(cubeAngleX, 1.0f, 0.0f, 0.0f);
    glRotatef(cubeAngleY, 0.0f, 1.0f, 0.0f);

    glBegin(GL_QUADS);
    // White, so the texture shows its own colours under the light.
    glColor3f(1.0f, 1.0f, 1.0f);
    for (const CubeFace& face : kCubeFaces) {
        glNormal3f(face.nx, face.ny, face.nz);
        for (const CubeCorner& corner : face.corners) {
            glTexCoord2f(corner.s, corner.t);
            glVertex3f(corner.x, corner.y, corner.z);
        }
    }
    glEnd();
    glPopMatrix();
}

void TextureScene::drawSphere()
{
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    gluSphere(quadric, kSphereRadius, kSphereSlices, kSphereStacks);
}
