// The animated-texture scene: a cube and a sphere orbiting a pivot under one
// spot light, each wearing a 128 x 128 image that the CPU repaints every frame.
// All graphics state of the demo lives here; the application shell only
// drives it (set-up once, then one drawFrame per frame).
#pragma once

#include <cstddef>

#include <GL/gl.h>
#include <GL/glu.h>

#include "image.h"

class TextureScene {
public:
    TextureScene();
    ~TextureScene();
    TextureScene(const TextureScene&) = delete;
    TextureScene& operator=(const TextureScene&) = delete;

    // One-time OpenGL state: needs a current context.
    void initGL();
    // After the OpenGL context was replaced (SDL 1.2 may do that when a
    // window is resized): the old texture names died with the old context,
    // so they are forgotten, not deleted; the quadric is released; then the
    // whole GL state is built again, the textures from the images in memory.
    void restoreGL();
    // Whether the current context still knows the scene's textures.
    bool hasLiveTextures() const;
    // Viewport and projection for a window of the given size in pixels.
    void resize(int width, int height);
    // Escape asks the frame loop to stop, through the SDL event queue.
    void onKeyDown(int sym);

    // Clears, animates the textures, advances the angles by elapsedMs
    // and draws the cube and the sphere into the back buffer.
    void drawFrame(float elapsedMs);
    // Advances the angles by elapsedMs and draws the cube and the sphere
    // around the pivot, starting from the identity modelview.
    void drawOrbit(float elapsedMs);
    void drawCube();
    void drawSphere();
    // Paints one sweep pixel and one speckle pixel, then uploads both images.
    void animateTextures();

    // Plain data, in this order; 0 and null mean "not created yet".
    GLuint textures[2];      // [0] cube (sweepImage), [1] sphere (speckleImage)
    Rgb sweepImage[kImagePixels];
    Rgb speckleImage[kImagePixels];
    float cubeAngleX;        // degrees, kept in [0, 360)
    float cubeAngleY;        // degrees, kept in [0, 360)
    float orbitAngle;        // degrees, kept in [0, 360)
    GLUquadric* quadric;
};

// The two images sit back to back, one 98,304-byte block, sweep image first.
static_assert(offsetof(TextureScene, speckleImage) ==
                  offsetof(TextureScene, sweepImage) + kImageBytes,
              "the speckle image follows the sweep image directly");

// The demo's one scene, with static storage: it is too large for a stack,
// and its destructor releases the GL objects after the entry function ends.
extern TextureScene scene;
