// The scene's lifetime and one-time set-up: construction, release of the GL
// objects, the fixed OpenGL state, the projection and the key handler.
#include "TextureScene.h"

#include <SDL.h>

#include <cstdlib>
#include <ctime>

TextureScene scene;

namespace {

constexpr Rgb kBlack = {0, 0, 0};

// Internal format 3 is the component count of OpenGL 1.0: plain RGB.
constexpr GLint kTextureComponents = 3;

// A dim grey everywhere, so the objects never vanish outside the spot.
constexpr GLfloat kGlobalAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};
// The spot's own ambient and specular terms are slightly negative: they take
// a little light away and so deepen the contrast of the spot's edge.
constexpr GLfloat kSpotAmbientAndSpecular[] = {-0.1f, -0.1f, -0.1f, 1.0f};
constexpr GLfloat kSpotDiffuse[] = {0.6f, 0.6f, 0.6f, 1.0f};
// With the identity modelview, this puts the light 15 units behind the
// viewer on the viewing axis; it stays fixed relative to the viewer.
constexpr GLfloat kSpotPosition[] = {0.0f, 0.0f, 15.0f, 1.0f};
constexpr GLfloat kSpotDirection[] = {0.0f, 0.0f, -1.0f};
constexpr GLfloat kSpotCutoffDegrees = 10.0f;
constexpr GLfloat kSpotExponent = 60.0f;

constexpr GLfloat kMaterialSpecular[] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kMaterialShininess = 32.0f;

constexpr GLdouble kFieldOfViewDegrees = 54.0;
// The near plane is the float 0.1 widened to double, as the demo always had it.
constexpr GLdouble kNearPlane = 0.1f;
constexpr GLdouble kFarPlane = 100.0;

void createTexture(GLuint name, const Rgb* image)
{
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, kTextureComponents, kImageSide, kImageSide,
                 0, GL_RGB, GL_UNSIGNED_BYTE, image);
}

}  // namespace

TextureScene::TextureScene()
    : textures{0, 0},
      cubeAngleX(0.0f),
      cubeAngleY(0.0f),
      orbitAngle(0.0f),
      quadric(nullptr)
{
    fillImage(sweepImage, kBlack);
    fillImage(speckleImage, kBlack);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

// Runs after the entry function has shut SDL down; the calls are made all the
// same, and the libraries make them harmless without a context.
TextureScene::~TextureScene()
{
    if (textures[0] != 0) {
        glDeleteTextures(2, textures);
    }
    if (quadric != nullptr) {
        gluDeleteQuadric(quadric);
    }
}

void TextureScene::initGL()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);

    glGenTextures(2, textures);
    createTexture(textures[0], sweepImage);
    createTexture(textures[1], speckleImage);

    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kGlobalAmbient);
    glLightfv(GL_LIGHT0, GL_AMBIENT, kSpotAmbientAndSpecular);
    glLightfv(GL_LIGHT0, GL_SPECULAR, kSpotAmbientAndSpecular);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kSpotDiffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, kSpotPosition);
    glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, kSpotCutoffDegrees);
    glLightf(GL_LIGHT0, GL_SPOT_EXPONENT, kSpotExponent);
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, kSpotDirection);

    // The objects are drawn white, so colour material makes them lit white
    // and the default modulate mode shows each texel as painted.
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glMaterialfv(GL_FRONT, GL_SPECULAR, kMaterialSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, kMaterialShininess);

    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);

    quadric = gluNewQuadric();
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricTexture(quadric, GL_TRUE);
}

void TextureScene::restoreGL()
{
    if (quadric != nullptr) {
        gluDeleteQuadric(quadric);
        quadric = nullptr;
    }
    textures[0] = textures[1] = 0;
    initGL();
}

bool TextureScene::hasLiveTextures() const
{
    return textures[0] != 0 && glIsTexture(textures[0]) == GL_TRUE;
}

void TextureScene::resize(int width, int height)
{
    glViewport(0, 0, width, height);
    const int safeHeight = height == 0 ? 1 : height;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A true quotient: 640 x 480 is 4:3, and anything else would stretch the
    // sphere into an ellipse.
    const GLdouble aspect = static_cast<GLdouble>(width) / safeHeight;
    gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Escape goes through the queue, so the frame loop sees it in the same drain
// as a quit request from the window system and stops the same way.
void TextureScene::onKeyDown(int sym)
{
    if (sym == SDLK_ESCAPE) {
        SDL_Event quit = {};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}
