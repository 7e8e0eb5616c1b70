// Stand-ins for the OpenGL and GLU functions the scene calls: each is logged.
// Texture names count up from 1; the strings and the quadric are scripted.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "recorder.h"

using rec::record;
using rec::Script;
using rec::state;
using rec::Values;

namespace {

// The parameters the scene passes as arrays are four floats, but for the
// spot's direction, which is three.
int lightValueCount(GLenum pname)
{
    return pname == GL_SPOT_DIRECTION ? 3 : 4;
}

}  // namespace

GLUquadric* rec::dummyQuadric()
{
    static char storage;
    return reinterpret_cast<GLUquadric*>(&storage);
}

void GLAPIENTRY glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) { record("glClearColor", r, g, b, a); }
void GLAPIENTRY glShadeModel(GLenum mode) { record("glShadeModel", mode); }
void GLAPIENTRY glClearDepth(GLclampd depth) { record("glClearDepth", depth); }
void GLAPIENTRY glEnable(GLenum cap) { record("glEnable", cap); }
void GLAPIENTRY glDepthFunc(GLenum func) { record("glDepthFunc", func); }
void GLAPIENTRY glHint(GLenum target, GLenum mode) { record("glHint", target, mode); }

void GLAPIENTRY glGenTextures(GLsizei n, GLuint* textures)
{
    for (GLsizei i = 0; i < n; ++i) {
        textures[i] = state().nextTexture++;
    }
    record("glGenTextures", n);
}
void GLAPIENTRY glDeleteTextures(GLsizei n, const GLuint* textures)
{
    record("glDeleteTextures", n, textures[0], textures[1]);
}
void GLAPIENTRY glBindTexture(GLenum target, GLuint texture) { record("glBindTexture", target, texture); }
void GLAPIENTRY glTexParameteri(GLenum target, GLenum pname, GLint param) { record("glTexParameteri", target, pname, param); }
void GLAPIENTRY glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type, const GLvoid* pixels)
{
    record("glTexImage2D", target, level, internalFormat, width, height, border, format, type, pixels);
}
void GLAPIENTRY glTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width,
                                GLsizei height, GLenum format, GLenum type, const GLvoid* pixels)
{
    record("glTexSubImage2D", target, level, x, y, width, height, format, type, pixels);
}

void GLAPIENTRY glLightModelfv(GLenum pname, const GLfloat* params) { record("glLightModelfv", pname, Values{params, 4}); }
void GLAPIENTRY glLightfv(GLenum light, GLenum pname, const GLfloat* params)
{
    record("glLightfv", light, pname, Values{params, lightValueCount(pname)});
}
void GLAPIENTRY glLightf(GLenum light, GLenum pname, GLfloat param) { record("glLightf", light, pname, param); }
void GLAPIENTRY glColorMaterial(GLenum face, GLenum mode) { record("glColorMaterial", face, mode); }
void GLAPIENTRY glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) { record("glMaterialfv", face, pname, Values{params, 4}); }
void GLAPIENTRY glMaterialf(GLenum face, GLenum pname, GLfloat param) { record("glMaterialf", face, pname, param); }

void GLAPIENTRY glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    record("glViewport", x, y, width, height);
    GLint* viewport = state().viewport;
    viewport[0] = x;
    viewport[1] = y;
    viewport[2] = width;
    viewport[3] = height;
}
// Only the viewport is ever asked for.
void GLAPIENTRY glGetIntegerv(GLenum pname, GLint* params)
{
    if (pname == GL_VIEWPORT) {
        std::copy_n(state().viewport, 4, params);
    }
}
void GLAPIENTRY glMatrixMode(GLenum mode) { record("glMatrixMode", mode); }
void GLAPIENTRY glLoadIdentity() { record("glLoadIdentity"); }
void GLAPIENTRY glPushMatrix() { record("glPushMatrix"); }
void GLAPIENTRY glPopMatrix() { record("glPopMatrix"); }
void GLAPIENTRY glTranslatef(GLfloat x, GLfloat y, GLfloat z) { record("glTranslatef", x, y, z); }
void GLAPIENTRY glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) { record("glRotatef", angle, x, y, z); }

void GLAPIENTRY glClear(GLbitfield mask) { record("glClear", mask); }
void GLAPIENTRY glBegin(GLenum mode) { record("glBegin", mode); }
void GLAPIENTRY glEnd() { record("glEnd"); }
void GLAPIENTRY glColor3f(GLfloat r, GLfloat g, GLfloat b) { record("glColor3f", r, g, b); }
void GLAPIENTRY glNormal3f(GLfloat x, GLfloat y, GLfloat z) { record("glNormal3f", x, y, z); }
void GLAPIENTRY glTexCoord2f(GLfloat s, GLfloat t) { record("glTexCoord2f", s, t); }
void GLAPIENTRY glVertex3f(GLfloat x, GLfloat y, GLfloat z) { record("glVertex3f", x, y, z); }

const GLubyte* GLAPIENTRY glGetString(GLenum name)
{
    record("glGetString", name);
    const Script& script = state().script;
    const char* text = name == GL_VENDOR       ? script.vendor
                       : name == GL_EXTENSIONS ? script.extensions
                       : name == GL_RENDERER   ? script.renderer
                       : name == GL_VERSION    ? script.version
                                               : nullptr;
    return reinterpret_cast<const GLubyte*>(text);
}

GLboolean GLAPIENTRY glIsTexture(GLuint texture)
{
    record("glIsTexture", texture);
    return texture != 0 && state().script.texturesSurvive ? GL_TRUE : GL_FALSE;
}

unsigned char rec::readPixelsByte(std::size_t offset)
{
    return static_cast<unsigned char>(offset % 251);
}

void GLAPIENTRY glPixelStorei(GLenum pname, GLint param) { record("glPixelStorei", pname, param); }
void GLAPIENTRY glReadBuffer(GLenum mode) { record("glReadBuffer", mode); }
// Reads as RGB with rows packed: the only way the demo reads.
void GLAPIENTRY glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                             GLvoid* pixels)
{
    record("glReadPixels", x, y, width, height, format, type);
    auto* bytes = static_cast<unsigned char*>(pixels);
    const std::size_t count = static_cast<std::size_t>(width) * height * 3;
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = rec::readPixelsByte(i);
    }
}

GLUquadric* GLAPIENTRY gluNewQuadric()
{
    record("gluNewQuadric");
    return state().script.quadricCreated ? rec::dummyQuadric() : nullptr;
}
void GLAPIENTRY gluDeleteQuadric(GLUquadric* quad) { record("gluDeleteQuadric", static_cast<const void*>(quad)); }
void GLAPIENTRY gluQuadricNormals(GLUquadric* quad, GLenum normal) { record("gluQuadricNormals", static_cast<const void*>(quad), normal); }
void GLAPIENTRY gluQuadricTexture(GLUquadric* quad, GLboolean texture) { record("gluQuadricTexture", static_cast<const void*>(quad), texture); }
void GLAPIENTRY gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar)
{
    record("gluPerspective", fovy, aspect, zNear, zFar);
}
void GLAPIENTRY gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks)
{
    record("gluSphere", static_cast<const void*>(quad), radius, slices, stacks);
}
